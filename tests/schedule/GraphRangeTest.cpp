#include "GraphRange.h"
#include "IniFile.h"
#include "TestSeams.h"

#include <gtest/gtest.h>

#include <cmath>

TEST(GraphRange, AxisMaximumByDrugFromTheRange)
{
    testing_seams::TempBaseDir base;
    TGraphState graph;
    SetGraphRangeFromLimits(graph, {6, 1, 1, 1}); // lithium default 1.2 / 0.3
    EXPECT_EQ(graph.RangeUpper, 1.2);
    EXPECT_EQ(graph.RangeLower, 0.3);
    EXPECT_EQ(graph.GraphYMax, 3);              // ceil(2.4)
    EXPECT_EQ(graph.GraphYRange, 3);

    SetGraphRangeFromLimits(graph, {5, 1, 1, 2});
    EXPECT_EQ(graph.GraphYMax, 60);
    SetGraphRangeFromLimits(graph, {5, 1, 1, 1});
    EXPECT_EQ(graph.GraphYMax, static_cast<int>(std::ceil(2 * graph.RangeUpper)));
    SetGraphRangeFromLimits(graph, {9, 1, 1, 1});
    EXPECT_EQ(graph.GraphYMin, -2);
    EXPECT_EQ(graph.GraphYMax, 4);
    EXPECT_EQ(graph.GraphYRange, 6);
    SetGraphRangeFromLimits(graph, {8, 1, 1, 1}); // no default range, fixed axis
    EXPECT_EQ(graph.GraphYMax, 60);
    EXPECT_EQ(graph.GraphYMin, 0);
    SetGraphRangeFromLimits(graph, {4, 1, 1, 0});  // arbekacin
    EXPECT_EQ(graph.GraphYMax, 40);
    SetGraphRangeFromLimits(graph, {5, 2, 1, 0});  // teicoplanin
    EXPECT_EQ(graph.GraphYMax, 70);
    EXPECT_EQ(graph.GraphYRange, 70);
}

TEST(GraphRange, AnAxisOfAtLeastOneEvenForNonsenseSettings)
{
    testing_seams::TempBaseDir base;
    vcl::TIniFile ini(vcl::SettingsFilePath());
    ASSERT_TRUE(ini.WriteStrings("6_1_1", {{"UPPER_LIMIT", "0.2"}, {"LOWER_LIMIT", "0.1"}}));
    TGraphState graph;
    SetGraphRangeFromLimits(graph, {6, 1, 1, 1});
    EXPECT_EQ(graph.GraphYMax, 1);
    ASSERT_TRUE(ini.WriteString("6_1_1", "UPPER_LIMIT", "1e300"));
    SetGraphRangeFromLimits(graph, {6, 1, 1, 1});
    EXPECT_GE(graph.GraphYMax, 1);
    EXPECT_EQ(graph.GraphYRange, graph.GraphYMax);
}
