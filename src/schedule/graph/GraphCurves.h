#pragma once
// The curve computation of the graph: for the view of the graph state, the
// population curve on the patient's schedule and the individual curve of
// each schedule set in use, each with its dotted second curve where the drug
// has one, and for the two-compartment drugs the two-minute curve lists with
// the compartment listing built from them.
#include "CurvePoints.h"
#include "EngineContext.h"
#include "GraphGeometry.h"
#include "ParallelRuns.h"

#include <QStringList>
#include <array>
#include <vector>

// Curve c: 0 the population parameters on set 0's doses, 1 + i the estimates
// on set i's doses.
inline constexpr int GraphCurveCount = ScheduleSetCount + 1;

struct TGraphCurves {
    TCurveSampling Sampling;
    // Value j of a curve is its concentration at minute j x step of the
    // view; the curves of sets above the last in use are empty, and so are
    // the dotted ones of a drug without them.
    std::array<std::vector<double>, GraphCurveCount> Solid;
    std::array<std::vector<double>, GraphCurveCount> Dotted;
    // Two-compartment drugs only; empty for every other drug.
    TCurveLists CurveLists;
    QStringList CompartmentLines;
};

// Reads the context (records and schedule sets) and the graph state, and
// nothing else, so it may run on any thread while they stay unchanged;
// `threads` is handed to the engine (the values do not depend on it). A
// graph state that cannot be drawn (IsDrawableGraph) gives no curve.
TGraphCurves ComputeGraphCurves(const TEngineContext& context, const TGraphState& graph,
                                int threads = AllProcessorThreads);
