#pragma once
// The graph scale dialog's rules: what it shows of the graph state, the
// checks of its "確定" and what the graph state becomes after it. Pure.
#include "DrugKey.h"
#include "GraphState.h"

#include <QString>
#include <optional>
#include <span>

// The y axis of a drug's graph: linear in the drug's unit, or logarithmic
// (methotrexate, 10^-2 .. 10^4 μM), whose limits the dialog only shows.
enum class TScaleAxis { Linear, Logarithmic };

TScaleAxis ScaleAxisFor(const TDrugKey& drug);
std::span<const TDrugRule<TScaleAxis>> ScaleAxisRules();

// What the dialog's controls hold: the y limits, the therapeutic range and
// the displayed dates (whole days).
struct TScaleEntry {
    double YMax = 0;               // StringGridEx1 "グラフ最大値"
    double YMin = 0;               // StringGridEx2 "グラフ最小値"
    double RangeUpper = 0;         // StringGridEx3 "有効治療域上限"
    double RangeLower = 0;         // StringGridEx4 "有効治療域下限"
    vcl::TDateTime ViewStart = 0;  // DateTimePicker2 "表示開始年月日"
    vcl::TDateTime ViewEnd = 0;    // DateTimePicker1 "表示終了年月日"
};

// The dialog's fill from the graph state; a logarithmic axis shows its
// limits as concentrations (10 to the power of the axis limits).
TScaleEntry ScaleEntryFromGraph(const TGraphState& graph, TScaleAxis axis);

// The control a refused entry sends the user back to.
enum class TScaleField { ViewStart, ViewEnd, YMax, RangeUpper };

struct TScaleRefusal {
    QString Text;
    QString Caption;     // "スケール設定エラー"
    TScaleField Focus;
};

inline const QString ScaleErrorCaption = QStringLiteral("スケール設定エラー");

// The checks of "確定", in order; nothing when the entry can be applied. A
// span of no day and y limits whose whole parts are equal are refused too:
// the graph draws whole days and a y axis of whole units.
std::optional<TScaleRefusal> CheckScaleEntry(const TScaleEntry& entry, const TGraphState& graph);

// The graph state after a confirmed entry. The logarithmic axis keeps
// -2 .. 4 whatever the dialog held.
void ApplyScaleEntry(TGraphState& graph, const TScaleEntry& entry, TScaleAxis axis);
