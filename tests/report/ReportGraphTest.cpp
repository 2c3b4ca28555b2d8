#include "ReportContent.h"
#include "ReportTestData.h"

#include <gtest/gtest.h>

// Sets 0 and 2 ticked: each block's graph is the base, the population and
// its own set's curve in the result page's order; set 2's graph ends with
// set 0's red curve, drawn last so that it lies on top, and the work picture
// `QRImage2` that holds it is never printed.
TEST(ReportGraph, ChangedSetShowsThePatientCurveInRedOnTop)
{
    TReportInput input = report_test::CaseInput({2, 1, 1, 0});
    report_test::UseSets(input, 2);
    input.Display.SetTicked = {true, false, true, false};
    std::vector<TGraphItem> items;
    for (int i = 0; i < GraphLayerCount; ++i) {
        const vcl::TColor colour = i >= 2 && i <= 5 ? SetColors[i - 2] : PopulationCurveColor;
        items.emplace_back(TGraphPolyline{{colour, 1, GraphPenStyle::Solid}, {{60, 10 * i}, {780, 10 * i}}});
        input.GraphLayers[static_cast<std::size_t>(i)].Items = {items.back()};
    }
    const TReportContent content = BuildReportContent(input);
    ASSERT_EQ(content.Details.size(), 2u);
    using L = GraphLayer;
    auto itemOf = [&items](L layer) { return items[static_cast<std::size_t>(layer)]; };
    EXPECT_EQ(content.Details[0].QRImage1.Items,
              (std::vector{itemOf(L::ImageWaveBase), itemOf(L::ImageWaveBosyu), itemOf(L::ImageWave0)}));
    const TReportDetail& changed = content.Details[1];
    EXPECT_EQ(changed.QRImage1.Items, (std::vector{itemOf(L::ImageWaveBase), itemOf(L::ImageWaveBosyu),
                                                   itemOf(L::ImageWave2), itemOf(L::ImageWave0)}));
    EXPECT_EQ(changed.QRImage2.Items, std::vector{itemOf(L::ImageWave0)});
    EXPECT_FALSE(changed.Band.Find("QRImage2")->Enabled);
}
