#include "GraphCurves.h"

#include "CompartmentListing.h"
#include "CurveSampling.h"
#include "PkDoseEvent.h"
#include "ValueCorrection.h"

#include <algorithm>
#include <cmath>

namespace {

struct CurveSource {
    const std::vector<TDoseEvent>* Events;
    const TParamBlock* Block;
    int InitialFlag;
};

CurveSource SourceOf(const TEngineContext& context, int curve)
{
    if (curve == 0)
        return {&context.Sets.DoseEventLists[0], &context.Analysis.bosyudan, 0};
    return {&context.Sets.DoseEventLists[curve - 1], &context.Analysis.kaiseki, 1};
}

// Every curve of the view sampled at first + j x step, j < count, with the
// second compartment where `seconds` is given room.
void Sample(const TEngineContext& context, int curves, int firstMinute, int stepMinutes, int count,
            std::array<std::vector<double>, GraphCurveCount>& firsts,
            std::array<std::vector<double>, GraphCurveCount>* seconds, int threads)
{
    std::vector<TCurveRequest> requests;
    for (int c = 0; c < curves; ++c) {
        const CurveSource source = SourceOf(context, c);
        firsts[c].assign(static_cast<std::size_t>(count), 0.0);
        std::span<double> second;
        if (seconds) {
            (*seconds)[c].assign(static_cast<std::size_t>(count), 0.0);
            second = (*seconds)[c];
        }
        requests.push_back({source.Events, source.Block, source.InitialFlag, firsts[c], second});
    }
    SampleConcentrationCurves(context, firstMinute, stepMinutes, count, requests, threads);
}

// A point's value depends on its minute alone while no point can need more
// intervals than the model takes; then the graph's points are the curve
// lists' points at the same minutes.
bool PointsIndependentOfSampling(const TEngineContext& context, int curves)
{
    for (int c = 0; c < curves; ++c) {
        if (SourceOf(context, c).Events->size() > static_cast<std::size_t>(pk::kMaxCurveIntervals))
            return false;
    }
    return true;
}

} // namespace

TGraphCurves ComputeGraphCurves(const TEngineContext& context, const TGraphState& graph, int threads)
{
    TGraphCurves out;
    if (!IsDrawableGraph(graph))
        return out;
    const TGraphCase graphCase = GraphCaseOf(DrugKeyOf(context.Analysis));
    out.Sampling = CurveSamplingFor(graph.GraphViewDays);
    const int step = out.Sampling.StepMinutes;
    const int count = out.Sampling.Count;
    const int offset = static_cast<int>(std::trunc((graph.GraphViewStart - graph.GraphFirstDay) * 24 * 60));
    const int curves = std::clamp(context.LastSetIndex, 0, ScheduleSetCount - 1) + 2;

    if (graphCase.Curves != GraphCurveCase::TwoCurve) {
        Sample(context, curves, offset, step, count, out.Solid, nullptr, threads);
        if (graphCase.Curves == GraphCurveCase::CorrectedCurve) {
            for (int c = 0; c < curves; ++c) {
                out.Dotted[c].resize(out.Solid[c].size());
                std::transform(out.Solid[c].begin(), out.Solid[c].end(), out.Dotted[c].begin(),
                               [&](double value) { return ApplyValueCorrection(context.Analysis, value); });
            }
        }
        return out;
    }

    // Two compartments: the two-minute lists, both compartments from one
    // integration per curve.
    const int listCount = graph.GraphViewDays * 1440 / CurvePointMinutes;
    std::array<std::vector<double>, GraphCurveCount> central;
    std::array<std::vector<double>, GraphCurveCount> peripheral;
    Sample(context, curves, offset, CurvePointMinutes, listCount, central, &peripheral, threads);
    for (int c = 0; c < curves; ++c) {
        TCurveList& list = out.CurveLists[c];
        list.resize(static_cast<std::size_t>(listCount));
        for (int j = 0; j < listCount; ++j)
            list[j] = {static_cast<double>(j * CurvePointMinutes), central[c][j], peripheral[c][j]};
    }
    if (PointsIndependentOfSampling(context, curves)) {
        const int stride = step / CurvePointMinutes;
        for (int c = 0; c < curves; ++c) {
            out.Solid[c].resize(static_cast<std::size_t>(count));
            out.Dotted[c].resize(static_cast<std::size_t>(count));
            for (int j = 0; j < count; ++j) {
                out.Solid[c][j] = central[c][j * stride];
                out.Dotted[c][j] = peripheral[c][j * stride];
            }
        }
    } else {
        Sample(context, curves, offset, step, count, out.Solid, &out.Dotted, threads);
    }
    out.CompartmentLines = BuildCompartmentLines(out.CurveLists[1], graph.GraphViewStart, threads);
    return out;
}
