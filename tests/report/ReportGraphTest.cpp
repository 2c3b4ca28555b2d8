#include "ReportContent.h"
#include "ReportTestData.h"

#include <gtest/gtest.h>

#include <array>

// Each block's graph is the base, the population and its own set's curve in
// the result page's order; a changed set's graph ends with set 0's red curve,
// drawn last so that it lies on top, and the work picture `QRImage2` that
// holds it is never printed. Sets 0 and 2 ticked with set 1 skipped, and
// every set ticked.
TEST(ReportGraph, ChangedSetShowsThePatientCurveInRedOnTop)
{
    struct Row {
        std::array<bool, ScheduleSetCount> ticked;
        int last;
        std::vector<int> printed;
    };
    const Row rows[] = {{{true, false, true, false}, 2, {0, 2}}, {{true, true, true, true}, 3, {0, 1, 2, 3}}};
    for (const Row& row : rows) {
        SCOPED_TRACE(row.last);
        TReportInput input = report_test::CaseInput({2, 1, 1, 0});
        report_test::UseSets(input, row.last);
        input.Display.SetTicked = row.ticked;
        std::vector<TGraphItem> items;
        for (int i = 0; i < GraphLayerCount; ++i) {
            const vcl::TColor colour = i >= 2 && i <= 5 ? SetColors[i - 2] : PopulationCurveColor;
            items.emplace_back(TGraphPolyline{{colour, 1, GraphPenStyle::Solid}, {{60, 10 * i}, {780, 10 * i}}});
            input.GraphLayers[static_cast<std::size_t>(i)].Items = {items.back()};
        }
        const TReportContent content = BuildReportContent(input);
        ASSERT_EQ(content.Details.size(), row.printed.size());
        using L = GraphLayer;
        auto itemOf = [&items](L layer) { return items[static_cast<std::size_t>(layer)]; };
        for (std::size_t block = 0; block < row.printed.size(); ++block) {
            const int set = row.printed[block];
            SCOPED_TRACE(set);
            const TReportDetail& detail = content.Details[block];
            ASSERT_EQ(detail.SetIndex, set);
            std::vector expected{itemOf(L::ImageWaveBase), itemOf(L::ImageWaveBosyu), itemOf(SetLayer(set))};
            if (set != 0)
                expected.push_back(itemOf(L::ImageWave0));
            EXPECT_EQ(detail.QRImage1.Items, expected);
            EXPECT_EQ(detail.QRImage2.Items, std::vector{itemOf(L::ImageWave0)});
            EXPECT_FALSE(detail.Band.Find("QRImage2")->Enabled);
        }
    }
}
