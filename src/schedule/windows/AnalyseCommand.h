#pragma once
// The Analyse command of the schedule page ("解析"): checks the listed
// schedule sets, asks, stores the analysis with its prescriptions and
// samplings in one transaction, builds every used set's dose events, runs the
// estimation on the patient's real schedule, stores the estimates with
// today's date and shows the result page.
#include <functional>

class TDataModule1;
class TMainWindowHub;
class TResultPage;

// Runs the estimation of the case on screen and returns its result
// (FitConverged, FitNoUsableSampling or FitFailed).
using TEstimation = std::function<int()>;

// Works on the process-wide case (CurrentAnalysis, ScheduleSets) and the
// hub's graph state. Every stop is told to the user; a store that fails
// keeps nothing of it and stops the command before the fit, estimates that
// cannot be stored are shown marked as not stored, and a failed fit leaves
// the estimates and `ss` as they were before it.
void RunAnalyseCommand(TMainWindowHub& hub, TDataModule1& store, TResultPage& results,
                       const TEstimation& estimate);
