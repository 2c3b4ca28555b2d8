#include "GraphScale.h"

#include <cmath>

namespace {

constexpr double MaxViewDays = 100;

// The one drug whose y axis is fixed by the dialog.
bool FixedLogAxis(const TDrugKey& drug)
{
    return drugs::Methotrexate.Matches(drug);
}

TGraphScaleFailure Failure(const char16_t* message, GraphScaleField focus)
{
    return {QString::fromUtf16(message), QStringLiteral("スケール設定エラー"), focus};
}

} // namespace

std::optional<TGraphScaleFailure> CheckGraphScale(const TGraphScaleEntry& e, const TGraphState& graph,
                                                  const TDrugKey& drug)
{
    const double days = e.ViewEnd - e.ViewStart;
    if (!(e.ViewStart <= e.ViewEnd && days <= MaxViewDays) || std::trunc(days) < 1)
        return Failure(u"横軸の設定が不正です。", GraphScaleField::DateTimePicker2);
    if (!FixedLogAxis(drug) && !(e.YMax > e.YMin && std::trunc(e.YMax) > std::trunc(e.YMin)))
        return Failure(u"縦軸の設定が不正です。", GraphScaleField::StringGridEx1);
    if (!(e.RangeUpper >= e.RangeLower))
        return Failure(u"有効値領域の設定が不正です。", GraphScaleField::StringGridEx3);
    if (!(graph.GraphFirstDay <= e.ViewStart && e.ViewStart <= graph.GraphLastDay))
        return Failure(u"表示開始年月日が不正です。", GraphScaleField::DateTimePicker2);
    if (!(e.ViewEnd >= graph.GraphFirstDay))
        return Failure(u"表示終了年月日が不正です。", GraphScaleField::DateTimePicker1);
    return std::nullopt;
}

TGraphState ApplyGraphScale(const TGraphScaleEntry& e, const TGraphState& graph, const TDrugKey& drug)
{
    TGraphState next = graph;
    if (FixedLogAxis(drug)) {
        next.GraphYMin = -2;
        next.GraphYMax = 4;
    } else {
        next.GraphYMin = static_cast<int>(std::trunc(e.YMin));
        next.GraphYMax = static_cast<int>(std::trunc(e.YMax));
    }
    next.GraphYRange = next.GraphYMax - next.GraphYMin;
    next.RangeUpper = e.RangeUpper;
    next.RangeLower = e.RangeLower;
    next.GraphViewStart = e.ViewStart;
    next.GraphViewEnd = e.ViewEnd;
    next.GraphViewDays = static_cast<int>(std::trunc(e.ViewEnd - e.ViewStart));
    return next;
}
