#pragma once
// Where the concentration graph puts things on its 800 x 450 design surface:
// the plot runs from x 60 to 780 and from y 20 (top) to 390 (bottom); the
// axes layer (titles, therapeutic band or toxicity zone, level and day lines
// with their labels, threshold marks, measured points) and each curve layer
// come out as pictures. Pixel coordinates are truncated toward zero from
// floating point, as the graph has always placed them.
#include "GraphCases.h"
#include "GraphPicture.h"
#include "GraphState.h"

#include <optional>
#include <span>
#include <vector>

inline constexpr int PlotLeft = 60;
inline constexpr int PlotTop = 20;
inline constexpr int PlotRight = GraphDesignWidth - 20;    // 780
inline constexpr int PlotBottom = GraphDesignHeight - 60;  // 390
inline constexpr int GraphFontPixels = 12;

// How a curve of a view of `viewDays` days is sampled: every 2 minutes below
// 10 days, 10 below 30, 20 below 90, else 30; Count = viewDays x 1440 / step.
struct TCurveSampling {
    int StepMinutes = 0;
    int Count = 0;
};
TCurveSampling CurveSamplingFor(int viewDays);

// A graph state the graph can draw: at least one displayed day and a finite,
// positive y range. Anything else (a scale nobody should have been allowed to
// set) draws the empty white surface and no curve.
bool IsDrawableGraph(const TGraphState& graph);

// The value a concentration is plotted at, in the y axis's units above its
// minimum: log10(c) + 2 on the logarithmic axis (0, the bottom, for c <= 0),
// else c - GraphYMin.
double PlotValue(double concentration, const TGraphState& graph, GraphAxis axis);

// The row of a plot value at `yScale` pixels per unit: trunc(390 - v x
// yScale), kept within the plot in floating point before it is truncated,
// so that a huge or infinite value lands on the top edge, minus infinity on
// the bottom edge, and a value that is not a number on the bottom edge.
int CurveRow(double plotValue, double yScale);

// One curve layer: the points of `values` (value j at minute j x step of the
// view) as one polyline in `pen`, as far as they lie left of x 780.
TGraphPolyline CurvePolyline(std::span<const double> values, int stepMinutes, const TGraphState& graph,
                             GraphAxis axis, const TGraphPen& pen);

// The size of a text in the graph's 12-pixel font, in design pixels.
class TGraphTextMetrics {
public:
    virtual ~TGraphTextMetrics() = default;
    virtual int Width(const QString& text) const = 0;
    virtual int Height() const = 0;
};

// The program's font, as the painter draws it.
class TGraphFontMetrics : public TGraphTextMetrics {
public:
    int Width(const QString& text) const override;
    int Height() const override;
};

struct TMeasuredPoint {
    double DateTime = 0;
    double Value = 0;    // in the unit of the y axis (μM on the logarithmic axis)
};

struct TGraphAxesInput {
    TGraphState Graph;
    TDrugKey Drug;
    // The time of day of the patient's first prescription, where the
    // toxicity zone starts from; nothing without a prescription.
    std::optional<double> FirstDoseTimeOfDay;
    // The measured points to mark; empty when they are not shown.
    std::vector<TMeasuredPoint> Measured;
};

// The axes layer, in drawing order.
TGraphPicture GraphAxesPicture(const TGraphAxesInput& input, const TGraphTextMetrics& metrics);
