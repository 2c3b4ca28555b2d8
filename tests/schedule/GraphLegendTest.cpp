// Layer visibility, the legend group and the optional buttons by drug.
#include "GraphLegend.h"

#include <gtest/gtest.h>

namespace {

bool Shown(const TGraphLayerVisibility& v, GraphLayer layer)
{
    return v[static_cast<int>(layer)];
}

const TGraphCase TwoCurve{GraphCurveCase::TwoCurve, GraphAxis::Linear};
const TGraphCase Corrected{GraphCurveCase::CorrectedCurve, GraphAxis::Linear};
const TGraphCase Single{};

} // namespace

// Every combination of the check boxes against the rule: a set's layer
// needs "患者", its row (not counted when only the patient's schedule is in
// use) and, with dotted curves, the solid or dotted box; the population
// layers need "母集団"; sets above the last in use never show.
TEST(GraphLegend, LayerVisibilityOverEveryOption)
{
    for (const TGraphCase& graphCase : {Single, TwoCurve, Corrected})
    for (int last = 0; last <= 3; ++last)
    for (int bits = 0; bits < (1 << 8); ++bits) {
        TGraphDisplayOptions o;
        o.Patient = bits & 1;
        o.Population = bits & 2;
        o.Solid = bits & 4;
        o.Dotted = bits & 8;
        for (int set = 0; set < 4; ++set)
            o.Sets[set] = bits & (16 << set);
        const TGraphLayerVisibility v = GraphLayerVisibility(graphCase, last, o);
        const bool dotted = graphCase.HasDottedCurves();
        ASSERT_TRUE(Shown(v, GraphLayer::ImageWaveBase));
        ASSERT_EQ(Shown(v, GraphLayer::ImageWaveBosyu), o.Population && (!dotted || o.Solid)) << bits;
        ASSERT_EQ(Shown(v, GraphLayer::ImageWaveBosyuM), o.Population && dotted && o.Dotted) << bits;
        for (int set = 0; set < 4; ++set) {
            const bool row = set <= last && o.Patient && (last == 0 || o.Sets[set]);
            ASSERT_EQ(Shown(v, SetLayer(set)), row && (!dotted || o.Solid)) << bits << " set " << set;
            ASSERT_EQ(Shown(v, SetDottedLayer(set)), row && dotted && o.Dotted) << bits << " set " << set;
        }
    }
}

TEST(GraphLegend, GroupLayout)
{
    const TGraphLegendLayout single = GraphLegendLayout(Single, 0);
    EXPECT_FALSE(single.PairShown);
    EXPECT_EQ(single.GroupHeight, 129);
    EXPECT_EQ(single.RowTops, (std::array<int, 4>{142, 174, 206, 238}));
    EXPECT_EQ(single.RowEnabled, (std::array<bool, 4>{true, false, false, false}));

    const TGraphLegendLayout two = GraphLegendLayout(TwoCurve, 2);
    EXPECT_TRUE(two.PairShown);
    EXPECT_EQ(two.SolidCaption, QStringLiteral("血中 (実線)"));
    EXPECT_EQ(two.DottedCaption, QStringLiteral("末梢 (点線)"));
    EXPECT_TRUE(two.CompartmentHint.startsWith(QStringLiteral("血中/末梢コンパートメント濃度を時系列で表示します。")));
    EXPECT_EQ(two.GroupHeight, 80 + 233);
    EXPECT_EQ(two.RowTops, (std::array<int, 4>{222, 254, 286, 318}));
    EXPECT_EQ(two.RowEnabled, (std::array<bool, 4>{true, true, true, false}));

    const TGraphLegendLayout corrected = GraphLegendLayout(Corrected, 3);
    EXPECT_EQ(corrected.SolidCaption, QStringLiteral("補正前(実線)"));
    EXPECT_EQ(corrected.DottedCaption, QStringLiteral("補正後(点線)"));
    EXPECT_TRUE(corrected.CompartmentHint.isEmpty());
    EXPECT_EQ(corrected.GroupHeight, 80 + 265);
    EXPECT_EQ(GraphLegendLayout(Single, 1).GroupHeight, 201);
}

// Visible optional buttons sit 120 pixels apart from x 488, in candidate order.
TEST(GraphLegend, OptionalButtonsByDrug)
{
    using B = OptionalResultButton;
    const struct {
        TDrugKey drug;
        std::vector<std::pair<B, int>> shown;
    } cases[] = {
        {{3, 1, 1, 0}, {{B::plButton57, 488}, {B::plButton58, 608}}},    // phenytoin
        {{5, 2, 1, 0}, {{B::plButton54, 488}, {B::plButton17, 608}}},    // teicoplanin
        {{5, 1, 1, 1}, {{B::plButton54, 488}}},                          // vancomycin, one compartment
        {{5, 1, 1, 2}, {{B::plButton54, 488}, {B::plButton17, 608}}},    // vancomycin, two compartments
        {{8, 1, 1, 0}, {{B::plButton17, 488}, {B::plButton59, 608}}},    // meropenem
        {{9, 1, 1, 0}, {{B::plButton17, 488}}},                          // methotrexate
        {{1, 1, 1, 0}, {}},                                              // digoxin
    };
    for (const auto& c : cases) {
        const TOptionalButtonLayout layout = OptionalResultButtons(c.drug);
        EXPECT_EQ(layout.BarWidth, 489 + 120 * static_cast<int>(c.shown.size()));
        std::vector<std::pair<B, int>> shown;
        for (int i = 0; i < OptionalResultButtonCount; ++i) {
            if (layout.Left[i])
                shown.emplace_back(static_cast<B>(i), *layout.Left[i]);
        }
        EXPECT_EQ(shown, c.shown) << c.drug.kubun << "/" << c.drug.yakuzai << "/" << c.drug.yakuhin;
    }
}
