#pragma once
// Several independent resumable simulations run side by side. A single curve
// is bound by the latency of its Runge-Kutta chain (each step waits for the
// one before); the curves of one view are independent, so their steps are
// interleaved and the processor overlaps the chains.
//
// Each lane goes through exactly the operations SimulateStates (PkCurve.h)
// and RungeKuttaSteps (RungeKutta.h) apply to a single curve, in the same
// order, so every lane's result is bit for bit that of its curve computed
// alone. Lanes may differ in their intervals, inputs and step lengths.
#include "PkCurve.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace pk {

inline constexpr int kMaxCurveLanes = 8;

template <class Model>
struct CurveLane {
    static constexpr int S = Model::kStates;

    // Set by the caller before a run.
    typename Model::Rates rates{};
    double y[S] = {};                 // initial states; the states at the last bound after the run
    const double* inputs = nullptr;   // n inputs
    const double* bounds = nullptr;   // n + 1 bounds, hours
    int n = 0;
    int* doseCounter = nullptr;       // resume state: written back as SimulateStates does
    double* resume[S] = {};

    // Progress within a run.
    int interval = 0;
    int remaining = 0;
    double input = 0;
    double h = 0;
};

namespace lanes_detail {

template <class Model>
void FinishInterval(CurveLane<Model>& lane)
{
    constexpr int S = Model::kStates;
    if (lane.interval == lane.n - 2) {
        for (int k = 0; k < S; ++k)
            *lane.resume[k] = lane.y[k];
        *lane.doseCounter = *lane.doseCounter + (lane.n - 1);
    }
    ++lane.interval;
}

// Opens the lane's next interval that has steps to take, finishing at once
// any that has none. False when the lane has no interval left.
template <class Model>
bool OpenInterval(CurveLane<Model>& lane)
{
    constexpr int S = Model::kStates;
    while (lane.interval < lane.n) {
        const int i = lane.interval;
        if constexpr (Model::kRoute == DoseRoute::Oral) {
            lane.y[1] = lane.y[1] + lane.inputs[i];
            lane.input = 0.0;
        } else {
            lane.input = lane.inputs[i];
        }
        const double length = lane.bounds[i + 1] - lane.bounds[i];
        const double count = std::trunc((length / 24.0 + 1.0) * 100.0);
        if (std::isfinite(length) && count < 2147483647.0) {
            const int steps = count > 0.0 ? static_cast<int>(count) : 0;
            if (steps > 0) {
                lane.h = length / steps;
                lane.remaining = steps;
                return true;
            }
        } else {
            for (int k = 0; k < S; ++k)
                lane.y[k] = std::numeric_limits<double>::quiet_NaN();
        }
        FinishInterval(lane);
    }
    return false;
}

// steps Runge-Kutta steps of A lanes, each with its own input and step.
template <class Model, int A>
void Steps(const typename Model::Rates (&rates)[A], const double (&input)[A], const double (&h)[A], int steps,
           double (&y)[A][Model::kStates])
{
    double half[A];
    double sixth[A];
    for (int lane = 0; lane < A; ++lane) {
        half[lane] = h[lane] * 0.5;
        sixth[lane] = h[lane] * (1.0 / 6.0);
    }
    for (int step = 0; step < steps; ++step) {
        for (int lane = 0; lane < A; ++lane)
            RungeKuttaStep<Model>(rates[lane], input[lane], h[lane], half[lane], sixth[lane], y[lane]);
    }
}

// Gathers the active lanes into local arrays, steps them, scatters back.
template <class Model, int A>
void StepActive(CurveLane<Model>* lanes, const int* active, int steps)
{
    constexpr int S = Model::kStates;
    typename Model::Rates rates[A];
    double input[A];
    double h[A];
    double y[A][S];
    for (int a = 0; a < A; ++a) {
        const CurveLane<Model>& lane = lanes[active[a]];
        rates[a] = lane.rates;
        input[a] = lane.input;
        h[a] = lane.h;
        for (int k = 0; k < S; ++k)
            y[a][k] = lane.y[k];
    }
    Steps<Model, A>(rates, input, h, steps, y);
    for (int a = 0; a < A; ++a) {
        for (int k = 0; k < S; ++k)
            lanes[active[a]].y[k] = y[a][k];
    }
}

template <class Model>
void StepActive(CurveLane<Model>* lanes, const int* active, int count, int steps)
{
    static_assert(kMaxCurveLanes == 8);
    switch (count) {
    case 1: return StepActive<Model, 1>(lanes, active, steps);
    case 2: return StepActive<Model, 2>(lanes, active, steps);
    case 3: return StepActive<Model, 3>(lanes, active, steps);
    case 4: return StepActive<Model, 4>(lanes, active, steps);
    case 5: return StepActive<Model, 5>(lanes, active, steps);
    case 6: return StepActive<Model, 6>(lanes, active, steps);
    case 7: return StepActive<Model, 7>(lanes, active, steps);
    case 8: return StepActive<Model, 8>(lanes, active, steps);
    default: return;
    }
}

// Integrates every lane's n intervals, the active lanes stepped together by
// stepActive(lanes, active, activeCount, steps) as far as the first of them
// ends its interval. `active` has room for count lanes.
template <class Model, class StepActiveLanes>
void RunLanes(CurveLane<Model>* lanes, int count, int* active, StepActiveLanes&& stepActive)
{
    int activeCount = 0;
    for (int l = 0; l < count; ++l) {
        lanes[l].interval = 0;
        if (OpenInterval(lanes[l]))
            active[activeCount++] = l;
    }
    while (activeCount > 0) {
        int steps = lanes[active[0]].remaining;
        for (int a = 1; a < activeCount; ++a)
            steps = std::min(steps, lanes[active[a]].remaining);
        stepActive(lanes, active, activeCount, steps);
        int still = 0;
        for (int a = 0; a < activeCount; ++a) {
            CurveLane<Model>& lane = lanes[active[a]];
            lane.remaining -= steps;
            if (lane.remaining == 0) {
                FinishInterval(lane);
                if (!OpenInterval(lane))
                    continue;
            }
            active[still++] = active[a];
        }
        activeCount = still;
    }
}

} // namespace lanes_detail

// Integrates every lane's n intervals. The caller keeps n within
// kMaxCurveIntervals and count within kMaxCurveLanes, and gives every resume
// pointer.
template <class Model>
void SimulateLanes(CurveLane<Model>* lanes, int count)
{
    int active[kMaxCurveLanes];
    lanes_detail::RunLanes(lanes, count, active, [](CurveLane<Model>* l, const int* a, int n, int steps) {
        lanes_detail::StepActive(l, a, n, steps);
    });
}

} // namespace pk
