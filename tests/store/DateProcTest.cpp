#include "TestSeams.h"
#include "uDataProc.h"

#include <gtest/gtest.h>

using vcl::EncodeDate;
using vcl::EncodeTime;

TEST(AgeFromBirthDate, CountsWholeYearsAtToday)
{
    testing_seams::FixedClock clock(EncodeDate(2026, 12, 8) + 0.4);
    EXPECT_EQ(AgeFromBirthDate(EncodeDate(1960, 12, 8)), 66);      // birthday today
    EXPECT_EQ(AgeFromBirthDate(EncodeDate(1960, 12, 9)), 65);      // birthday tomorrow
    EXPECT_EQ(AgeFromBirthDate(EncodeDate(1960, 11, 30)), 66);
    EXPECT_EQ(AgeFromBirthDate(EncodeDate(2026, 12, 8)), 0);
}

TEST(AgeFromBirthDate, LeapDayBirthdayCountsOnTheFirstOfMarch)
{
    const double born = EncodeDate(2000, 2, 29);
    testing_seams::FixedClock clock(EncodeDate(2027, 2, 28));
    EXPECT_EQ(AgeFromBirthDate(born), 26);
    clock.Set(EncodeDate(2027, 3, 1));
    EXPECT_EQ(AgeFromBirthDate(born), 27);
    clock.Set(EncodeDate(2028, 2, 29));
    EXPECT_EQ(AgeFromBirthDate(born), 28);
}

TEST(TimeOfDay, IsTheFraction)
{
    EXPECT_EQ(TimeOfDay(45000.75), 0.75);
    EXPECT_EQ(TimeOfDay(45000.0), 0.0);
}

TEST(MinutesOfDay, RoundsToTheMillisecondAndDropsSeconds)
{
    EXPECT_EQ(MinutesOfDay(45000.0), 0);
    EXPECT_EQ(MinutesOfDay(45000 + EncodeTime(23, 59, 59, 0)), 1439);
    EXPECT_EQ(MinutesOfDay(45000 + (10 * 3600 + 29 * 60 + 59.9996) / 86400.0), 630);
    EXPECT_EQ(MinutesOfDay(45000 + 9.0 / 24 + 5.0 / 1440), 545);
    for (int m = 0; m < 1440; ++m)
        ASSERT_EQ(MinutesOfDay(44000 + m / 1440.0), m);
}
