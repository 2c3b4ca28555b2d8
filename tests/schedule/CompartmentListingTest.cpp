// The compartment listing's lines and its marks of local minima.
#include "CompartmentListing.h"
#include "ScheduleTestData.h"

#include <gtest/gtest.h>

TEST(CompartmentListing, LinesAndMinimumMarks)
{
    // Differences 3, 2, 1, 2 (a minimum at the third line), 2, 1, 1, 2 (a
    // falling run ended by an equal difference: no mark).
    const double diffs[] = {3, 2, 1, 2, 2, 1, 1, 2};
    TCurveList points;
    for (int j = 0; j < 8; ++j)
        points.push_back({2.0 * j + 1438, 10 + diffs[j], 10});
    const QStringList lines = BuildCompartmentLines(points, schedule_test::Day);
    ASSERT_EQ(lines.size(), 8);
    EXPECT_EQ(lines[0], QStringLiteral("2023/10/01 23:58:00,     13.0000,     10.0000,      3.0000"));
    EXPECT_EQ(lines[1], QStringLiteral("2023/10/02 00:00:00,     12.0000,     10.0000,      2.0000"));
    EXPECT_EQ(lines[2], QStringLiteral("2023/10/02 00:02:00,     11.0000,     10.0000,      1.0000 *"));
    for (int i : {0, 1, 3, 4, 5, 6, 7})
        EXPECT_FALSE(lines[i].endsWith(QStringLiteral(" *"))) << i;

    // The difference is absolute; a peripheral above the central counts the same.
    const QStringList swapped = BuildCompartmentLines({{0, 1.5, 2.25}}, schedule_test::Day);
    EXPECT_EQ(swapped[0], QStringLiteral("2023/10/01 00:00:00,      1.5000,      2.2500,      0.7500"));
    EXPECT_TRUE(BuildCompartmentLines({}, schedule_test::Day).isEmpty());
}
