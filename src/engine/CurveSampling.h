#pragma once
// Whole curves sampled at evenly spaced times, as the graph draws them: each
// curve runs on its own state, started by SelectSimulationParams and carried
// from point to point. Every value is bit for bit what ConcentrationAt gives
// for that curve called point by point, however the work is spread:
// - a carried state only ever moves to the state at a dose event, and the
//   state at an event is the same whichever points carried it there; so each
//   curve first integrates its intervals from event to event once, and every
//   point then integrates only its own last interval, from the state at the
//   last event it reaches;
// - those points are independent: they are handed out in chunks to the
//   threads, and in each run side by side (WideLanes.h).
#include "EngineContext.h"
#include "ParallelRuns.h"

#include <span>
#include <vector>

struct TCurveRequest {
    const std::vector<TDoseEvent>* DoseEvents = nullptr;   // the schedule set of this curve
    const TParamBlock* Block = nullptr;                    // population or estimate block
    int InitialFlag = 0;                // SelectSimulationParams: 0 population volume, 1 estimated volume
    std::span<double> Values;           // compartment selector 0, one value per point
    // Compartment selector 1 from the same integration (the curve a second
    // state started like the first would give); empty when not wanted.
    std::span<double> SecondValues;
};

// Values[j] (and SecondValues[j]) = the concentration at minute
// firstMinute + j x stepMinutes, for j = 0 .. count - 1, in the drug's display
// unit; 0.0 for a drug without a model. False, computing nothing, when a
// request lacks its events, its block or room for count values, or the
// times leave the range of a minute count. `threads`: how many threads may
// work on it, the calling thread among them (AllProcessorThreads: as many as
// the processor runs); the values do not depend on it. The context is only
// read, so its buffers and model objects are not touched.
bool SampleConcentrationCurves(const TEngineContext& context, int firstMinute, int stepMinutes, int count,
                               std::span<const TCurveRequest> requests, int threads = 1);
