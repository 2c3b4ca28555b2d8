#include "Clock.h"
#include "DateTime.h"
#include "DateTimeFormat.h"
#include "Exceptions.h"
#include "TestSeams.h"

#include <gtest/gtest.h>

using namespace vcl;

TEST(DayCount, EncodesKnownDays)
{
    EXPECT_EQ(EncodeDate(1899, 12, 30), 0.0);
    EXPECT_EQ(EncodeDate(1900, 1, 1), 2.0);
    EXPECT_EQ(EncodeDate(2000, 1, 1), 36526.0);
    EXPECT_EQ(EncodeDate(1899, 12, 29), -1.0);
    EXPECT_EQ(EncodeDate(2024, 2, 29) + 1, EncodeDate(2024, 3, 1));
}

TEST(DayCount, RefusesDaysThatDoNotExist)
{
    TDateTime d = 0;
    EXPECT_FALSE(TryEncodeDate(2023, 2, 29, d));
    EXPECT_FALSE(TryEncodeDate(2023, 13, 1, d));
    EXPECT_FALSE(TryEncodeDate(2023, 4, 31, d));
    EXPECT_THROW(EncodeDate(2023, 2, 29), EConvertError);
    EXPECT_FALSE(TryEncodeTime(24, 0, 0, 0, d));
    EXPECT_THROW(EncodeTime(10, 60, 0, 0), EConvertError);
}

TEST(DayCount, DecodesRoundTripEveryMinuteOfADay)
{
    // Truncating the fraction puts about half of all minutes one minute early.
    const TDateTime day = EncodeDate(2026, 12, 8);
    for (int minute = 0; minute < 1440; ++minute) {
        const TDateTime t = day + EncodeTime(minute / 60, minute % 60, 0, 0);
        int h, n, s, ms;
        DecodeTime(t, h, n, s, ms);
        ASSERT_EQ(h * 60 + n, minute) << minute;
        ASSERT_EQ(s, 0);
        ASSERT_EQ(ms, 0);
    }
}

TEST(DayCount, NineOhFiveNeverDecodesAsNineOhFour)
{
    const TDateTime t = 45000 + 9.0 / 24 + 5.0 / 1440;
    EXPECT_EQ(FormatDateTime("hh:nn", t), "09:05");
}

TEST(DayCount, JustBeforeMidnightRoundsIntoTheNextDay)
{
    const TDateTime t = EncodeDate(2024, 2, 28) + (86399999.6 / MSecsPerDay);
    const DateTimeParts p = DecodeDateTime(t);
    EXPECT_EQ(p.day, 29);
    EXPECT_EQ(p.month, 2);
    EXPECT_EQ(p.hour, 0);
    EXPECT_EQ(p.minute, 0);
}

TEST(DayCount, DayOfWeekStartsOnSunday)
{
    EXPECT_EQ(DayOfWeek(EncodeDate(2026, 12, 6)), 1); // a Sunday
    EXPECT_EQ(DayOfWeek(EncodeDate(2026, 12, 12)), 7);
    EXPECT_EQ(DayOfWeek(0.0), 7);                       // 1899-12-30 was a Saturday
    EXPECT_EQ(DayOfWeek(-1.0), 6);
}

TEST(DayCount, QDateConversionsAgree)
{
    EXPECT_EQ(ToQDate(EncodeDate(1961, 3, 1) + 0.99), QDate(1961, 3, 1));
    EXPECT_EQ(FromQDate(QDate(2026, 12, 8)), EncodeDate(2026, 12, 8));
}

TEST(DayCount, NonFiniteValuesDecodeToTheZeroDay)
{
    const DateTimeParts p = DecodeDateTime(std::numeric_limits<double>::quiet_NaN());
    EXPECT_EQ(p.year, 1899);
    EXPECT_EQ(FormatDateTime("yyyy/mm/dd", std::numeric_limits<double>::infinity()), "1899/12/30");
}

TEST(DateTimeFormat, PatternsTheWindowsUse)
{
    const TDateTime t = EncodeDate(2026, 3, 7) + EncodeTime(8, 4, 9, 0);
    EXPECT_EQ(FormatDateTime("yyyy/mm/dd", t), "2026/03/07");
    EXPECT_EQ(FormatDateTime("hh:nn", t), "08:04");
    EXPECT_EQ(FormatDateTime("hh:nn:ss", t), "08:04:09");
    EXPECT_EQ(FormatDateTime("yyyymmddhhnnss", t), "20260307080409");
    EXPECT_EQ(FormatDateTime("yyyymmdd", t), "20260307");
    EXPECT_EQ(FormatDateTime("hhnn", t), "0804");
    EXPECT_EQ(FormatDateTime("m/d", t), "3/7");
    EXPECT_EQ(FormatDateTime("d", t), "7");
    EXPECT_EQ(FormatDateTime("hh:mm", t), "08:04"); // minutes after an hour
    EXPECT_EQ(FormatDateTime("yyyy\"年\"m\"月\"", t), "2026年3月");
}

TEST(Clock, TodayAndNowComeFromTheInstalledClock)
{
    {
        testing_seams::FixedClock clock(EncodeDate(2026, 12, 8) + 0.75);
        EXPECT_EQ(Now(), EncodeDate(2026, 12, 8) + 0.75);
        EXPECT_EQ(Date(), EncodeDate(2026, 12, 8));
    }
    EXPECT_GT(Date(), EncodeDate(2020, 1, 1)); // the system clock again
}
