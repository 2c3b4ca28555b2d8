#pragma once
// What the graph draws differently by drug: whether each curve has a second,
// dotted curve and what it is, and whether the y axis is logarithmic.
#include "DrugKey.h"

#include <QString>

enum class GraphCurveCase {
    Single,           // one curve per layer group
    TwoCurve,         // dotted: the peripheral compartment's concentration
    CorrectedCurve,   // dotted: the first curve after the albumin correction
};

enum class GraphAxis {
    Linear,
    Logarithmic,      // log10 of the concentration in μM, with the toxicity zone
};

struct TGraphCase {
    GraphCurveCase Curves = GraphCurveCase::Single;
    GraphAxis Axis = GraphAxis::Linear;

    bool HasDottedCurves() const { return Curves != GraphCurveCase::Single; }
    friend constexpr bool operator==(const TGraphCase&, const TGraphCase&) = default;
};

TGraphCase GraphCaseOf(const TDrugKey& drug);

// The y-axis title, "血中濃度(...)" with the drug's unit.
QString GraphYAxisTitle(const TDrugKey& drug);
