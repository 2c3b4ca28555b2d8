#pragma once
// The engine's own plain input record and fixed capacities. The model classes
// use the standard library alone, so callers convert their schedule records
// into these before calling Estimate.

namespace pk {

// At most this many samples, dose events and curve intervals per call; inputs
// beyond them are refused rather than read or written past the tables.
inline constexpr int kMaxSamples = 100;
inline constexpr int kMaxDoseEvents = 10000;
inline constexpr int kMaxCurveIntervals = 10000;

// The work one fit may do. It is counted, not timed, so that a fit ends at
// the same point on every machine: each prediction costs
// SamplePrediction::WorkPerLane for every parameter set it integrates, and at
// least as much as four sets (BayesianFit::Charge). A fit that would pass it
// ends as one whose continuation gives up (-1, the caller's arrays
// untouched): after 2.5 to 4 s on the machine it was sized on, the
// Michaelis-Menten models taking longest. Fits of the built-in populations
// with ordinary samplings use less than 0.5 % of it (FitBudgetTest).
inline constexpr long long kFitWorkBudget = 500000000LL;

// Minutes to hours. Dose times and sampling times must both go through this
// multiplication: t / 60 and t * (1 / 60) differ in the last bit for about one
// minute value in eleven, which would put a sampling taken at a dose's minute
// an ulp after that dose instead of at its trough.
inline constexpr double kHoursPerMinute = 1.0 / 60.0;
inline double MinutesToHours(double minutes)
{
    return minutes * kHoursPerMinute;
}

} // namespace pk

// One administration as the engine takes it. An infusion is followed by its
// end event {time + duration, 0, 0}; an oral dose has duration 0.
struct PkDoseEvent {
    int time = 0;        // whole minutes from 00:00 of the graph's first day
    double amount = 0.0; // in the engine's amount unit
    int duration = 0;    // infusion duration in minutes
};
