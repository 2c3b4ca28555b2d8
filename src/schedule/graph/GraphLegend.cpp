#include "GraphLegend.h"

#include <algorithm>

namespace {

using namespace drugs;

constexpr int PairShift = 80;

// The keys each optional button is there for, besides the two-curve drugs'
// compartment listing.
constexpr TDrugRule<OptionalResultButton> OptionalButtonTable[] = {
    {Vancomycin.Product(1), OptionalResultButton::plButton54},   // vancomycin: AUC values
    {Teicoplanin.Product(1), OptionalResultButton::plButton54},  // teicoplanin: AUC values
    {Phenytoin, OptionalResultButton::plButton57},               // phenytoin: albumin correction
    {Phenytoin, OptionalResultButton::plButton58},               // phenytoin: Vmax
    {Meropenem.Product(1), OptionalResultButton::plButton59},    // meropenem: PK/PD
};

bool ButtonFor(const TDrugKey& drug, OptionalResultButton button)
{
    if (button == OptionalResultButton::plButton17)
        return GraphCaseOf(drug).Curves == GraphCurveCase::TwoCurve;
    return std::any_of(std::begin(OptionalButtonTable), std::end(OptionalButtonTable),
                       [&](const TDrugRule<OptionalResultButton>& row) {
                           return row.Result == button && row.Pattern.Matches(drug);
                       });
}

} // namespace

TGraphLayerVisibility GraphLayerVisibility(const TGraphCase& graphCase, int lastSetIndex,
                                           const TGraphDisplayOptions& o)
{
    TGraphLayerVisibility shown{};
    shown[static_cast<int>(GraphLayer::ImageWaveBase)] = true;
    const bool dotted = graphCase.HasDottedCurves();
    const bool solidCurves = !dotted || o.Solid;
    const bool dottedCurves = dotted && o.Dotted;
    shown[static_cast<int>(GraphLayer::ImageWaveBosyu)] = o.Population && solidCurves;
    shown[static_cast<int>(GraphLayer::ImageWaveBosyuM)] = o.Population && dottedCurves;
    const int last = std::clamp(lastSetIndex, 0, 3);
    for (int set = 0; set <= last; ++set) {
        const bool row = last == 0 || o.Sets[set];
        shown[static_cast<int>(SetLayer(set))] = o.Patient && row && solidCurves;
        shown[static_cast<int>(SetDottedLayer(set))] = o.Patient && row && dottedCurves;
    }
    return shown;
}

TGraphLegendLayout GraphLegendLayout(const TGraphCase& graphCase, int lastSetIndex)
{
    TGraphLegendLayout legend;
    switch (graphCase.Curves) {
    case GraphCurveCase::TwoCurve:
        legend.PairShown = true;
        legend.SolidCaption = QStringLiteral("血中 (実線)");
        legend.DottedCaption = QStringLiteral("末梢 (点線)");
        legend.CompartmentHint = QStringLiteral("血中/末梢コンパートメント濃度を時系列で表示します。");
        break;
    case GraphCurveCase::CorrectedCurve:
        legend.PairShown = true;
        legend.SolidCaption = QStringLiteral("補正前(実線)");
        legend.DottedCaption = QStringLiteral("補正後(点線)");
        break;
    case GraphCurveCase::Single:
        break;
    }
    const int s = legend.PairShown ? PairShift : 0;
    const int last = std::clamp(lastSetIndex, 0, 3);
    static constexpr int heights[4] = {129, 201, 233, 265};
    legend.GroupHeight = s + heights[last];
    for (int row = 0; row < 4; ++row) {
        legend.RowTops[row] = s + 142 + 32 * row;
        legend.RowEnabled[row] = row <= last;
    }
    return legend;
}

TOptionalButtonLayout OptionalResultButtons(const TDrugKey& drug)
{
    TOptionalButtonLayout layout;
    layout.BarWidth = 489;
    int x = 368;
    for (int i = 0; i < OptionalResultButtonCount; ++i) {
        if (!ButtonFor(drug, static_cast<OptionalResultButton>(i)))
            continue;
        layout.BarWidth += 120;
        x += 120;
        layout.Left[i] = x;
    }
    return layout;
}
