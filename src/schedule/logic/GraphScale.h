#pragma once
// The graph scale dialog's rules: what it accepts and what it writes back
// into the graph state.
#include "DrugKey.h"
#include "GraphState.h"

#include <QString>
#include <optional>

// What the dialog's fields hold.
struct TGraphScaleEntry {
    double YMax = 0;              // StringGridEx1 "グラフ最大値"
    double YMin = 0;              // StringGridEx2 "グラフ最小値"
    double RangeUpper = 0;        // StringGridEx3 "有効治療域上限"
    double RangeLower = 0;        // StringGridEx4 "有効治療域下限"
    vcl::TDateTime ViewStart = 0; // DateTimePicker2 "表示開始年月日"
    vcl::TDateTime ViewEnd = 0;   // DateTimePicker1 "表示終了年月日"
};

enum class GraphScaleField { StringGridEx1, StringGridEx3, DateTimePicker2, DateTimePicker1 };

struct TGraphScaleFailure {
    QString Message;
    QString Caption;
    GraphScaleField Focus;
};

// The checks of "確定", in order; the first that fails is returned. Besides
// the dialog's own limits (at most 100 days shown, the start within the
// schedule, the end not before it) the view must show at least one whole
// day and the y axis keep a range after its values are cut to whole
// numbers, so the graph never divides by an empty span. The y values do not
// count on the logarithmic axis, which stays 10^-2 .. 10^4.
std::optional<TGraphScaleFailure> CheckGraphScale(const TGraphScaleEntry& entry, const TGraphState& graph,
                                                  const TDrugKey& drug);

// The graph state after an accepted entry: the y axis from the whole parts
// of the entry (-2 .. 4 on the logarithmic axis), the therapeutic range and
// the displayed dates.
TGraphState ApplyGraphScale(const TGraphScaleEntry& entry, const TGraphState& graph, const TDrugKey& drug);
