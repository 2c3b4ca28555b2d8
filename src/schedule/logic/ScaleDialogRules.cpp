#include "ScaleDialogRules.h"

#include "DrugMaster.h"

#include <algorithm>
#include <cmath>

namespace {

using namespace drugs;

constexpr TDrugRule<TScaleAxis> ScaleAxisTable[] = {
    {Methotrexate, TScaleAxis::Logarithmic},   // methotrexate, every product
};

constexpr int LogAxisMin = -2;
constexpr int LogAxisMax = 4;
constexpr double MaxViewDays = 100;

// The whole part of a limit as the axis takes it. The cells hold 0 .. 10000
// once left; a number typed far outside is kept inside int.
double WholePart(double value)
{
    return std::trunc(std::clamp(value, -1e9, 1e9));
}

TScaleRefusal Refusal(const char16_t* text, TScaleField focus)
{
    return {QString::fromUtf16(text), ScaleErrorCaption, focus};
}

} // namespace

std::span<const TDrugRule<TScaleAxis>> ScaleAxisRules()
{
    return ScaleAxisTable;
}

TScaleAxis ScaleAxisFor(const TDrugKey& drug)
{
    return FirstMatch(ScaleAxisTable, drug, TScaleAxis::Linear);
}

TScaleEntry ScaleEntryFromGraph(const TGraphState& graph, TScaleAxis axis)
{
    TScaleEntry entry;
    if (axis == TScaleAxis::Logarithmic) {
        entry.YMax = std::pow(10.0, graph.GraphYMax);
        entry.YMin = std::pow(10.0, graph.GraphYMin);
    } else {
        entry.YMax = graph.GraphYMax;
        entry.YMin = graph.GraphYMin;
    }
    entry.RangeUpper = graph.RangeUpper;
    entry.RangeLower = graph.RangeLower;
    entry.ViewStart = graph.GraphViewStart;
    entry.ViewEnd = graph.GraphViewEnd;
    return entry;
}

std::optional<TScaleRefusal> CheckScaleEntry(const TScaleEntry& e, const TGraphState& graph)
{
    if (!(e.ViewStart < e.ViewEnd && e.ViewEnd - e.ViewStart <= MaxViewDays))
        return Refusal(u"横軸の設定が不正です。", TScaleField::ViewStart);
    if (!(e.YMax > e.YMin && WholePart(e.YMax) > WholePart(e.YMin)))
        return Refusal(u"縦軸の設定が不正です。", TScaleField::YMax);
    // A range outside the cells' own limits (typed and confirmed before the
    // cell was left) would not be taken back from the settings file.
    if (!(e.RangeUpper >= e.RangeLower && e.RangeLower >= 0 && e.RangeUpper <= RangeLimitMax))
        return Refusal(u"有効値領域の設定が不正です。", TScaleField::RangeUpper);
    if (!(graph.GraphFirstDay <= e.ViewStart && e.ViewStart <= graph.GraphLastDay))
        return Refusal(u"表示開始年月日が不正です。", TScaleField::ViewStart);
    if (!(e.ViewEnd >= graph.GraphFirstDay))
        return Refusal(u"表示終了年月日が不正です。", TScaleField::ViewEnd);
    return std::nullopt;
}

void ApplyScaleEntry(TGraphState& graph, const TScaleEntry& e, TScaleAxis axis)
{
    if (axis == TScaleAxis::Logarithmic) {
        graph.GraphYMin = LogAxisMin;
        graph.GraphYMax = LogAxisMax;
    } else {
        graph.GraphYMin = static_cast<int>(WholePart(e.YMin));
        graph.GraphYMax = static_cast<int>(WholePart(e.YMax));
    }
    graph.GraphYRange = graph.GraphYMax - graph.GraphYMin;
    graph.RangeUpper = e.RangeUpper;
    graph.RangeLower = e.RangeLower;
    graph.GraphViewStart = e.ViewStart;
    graph.GraphViewEnd = e.ViewEnd;
    graph.GraphViewDays = static_cast<int>(std::trunc(graph.GraphViewEnd - graph.GraphViewStart));
}
