#pragma once
// The Bayesian estimation of the current case: the drug key picks a prior
// set-up, the set-up builds the population means and their CVs from the
// population block, a fit wrapper selects and converts the samplings and
// calls the model's Estimate, and the set-up writes the estimates back into
// the estimate block. The estimation always runs over the patient's real
// schedule (set 0), whatever set is current.
#include "ConcentrationUnits.h"
#include "EngineContext.h"
#include "PkDoseEvent.h"

#include <span>
#include <vector>

// Results of the estimation.
inline constexpr int FitConverged = 0;
inline constexpr int FitNoUsableSampling = 1;   // no fit was run; the estimates are the population values
inline constexpr int FitFailed = -1;

// Whole minutes from 00:00 of day b to date-time a, seconds dropped, by the
// program's one minute rule (WholeMinutesSince): the dose events count their
// times the same way, so a sampling at a dose's minute lands on that dose.
double MinutesBetween(vcl::TDateTime a, vcl::TDateTime b);

// CV of an elimination rate constant formed as CL / V:
// sqrt((cvCl^2 - cvV^2) / (cvV^2 + 1)); not a number when cvCl < cvV.
double CVk(double cvCl, double cvV);

// The samplings a fit takes: those at or after the first dose event (a
// sampling at the first dose's minute is taken, one before it is not), in
// list order, as hours on the dose events' clock and values in the engine's
// unit. Nothing when there is no dose event.
struct TFitSamples {
    std::vector<double> Times;
    std::vector<double> Values;
};
TFitSamples SelectFitSamples(const std::vector<TSamplingRecord>& samplings, const std::vector<TDoseEvent>& events,
                             vcl::TDateTime graphFirstDay, ConcentrationUnit unit);

// The dose events as the model's Estimate takes them. False when a time or a
// duration is not a whole number of minutes the engine can hold.
bool ToEngineDoseEvents(const std::vector<TDoseEvent>& events, std::vector<PkDoseEvent>& out);

// Runs the estimation of the case's drug over set 0 and writes the estimate
// block and `ss`. FitConverged, FitNoUsableSampling or FitFailed; FitConverged
// with nothing done for a drug without estimation.
int EstimateIndividualParams(const TEngineContext& context);

// The prior set-ups. Each writes its estimates and `ss` (0 unless the fit
// converged), also when the fit failed or did not run: the estimates are then
// the population values transformed back.
int SetupFitOralCl(const TEngineContext& context);
int SetupFitOralClF(const TEngineContext& context);
int SetupFitOralClAbs(const TEngineContext& context);
int SetupFitOralKe(const TEngineContext& context);
int SetupFitInfusionClAbs(const TEngineContext& context);
int SetupFitInfusionCl(const TEngineContext& context);
int SetupFit2CompCl(const TEngineContext& context);
int SetupFit2CompKe(const TEngineContext& context);
int SetupFitMMOral(const TEngineContext& context);
int SetupFitMMInfusion(const TEngineContext& context);

// The fit wrappers over the context's active dose events. theta: in the
// means, out the estimates (only when the fit converged); ss receives the
// final objective (only then). Where a fit would run, a mean or CV that is
// not a positive finite number is refused before it (FitFailed); without
// samplings to fit the result is FitNoUsableSampling whatever the priors.
int RunFit1CompOral(const TEngineContext& context, std::span<double, 3> theta, std::span<const double, 3> omega,
                    double& ss);
int RunFit1CompInfusion(const TEngineContext& context, std::span<double, 2> theta, std::span<const double, 2> omega,
                        double& ss);
int RunFit2CompInfusion(const TEngineContext& context, std::span<double, 4> theta, std::span<const double, 4> omega,
                        double& ss);
// Methotrexate: samplings and the initial concentration in μM.
int RunFit2CompInfusionUm(const TEngineContext& context, std::span<double, 4> theta,
                          std::span<const double, 4> omega, double& ss);
int RunFitMMOral(const TEngineContext& context, std::span<double, 4> theta, std::span<const double, 4> omega,
                 double& ss);
int RunFitMMInfusion(const TEngineContext& context, std::span<double, 3> theta, std::span<const double, 3> omega,
                     double& ss);
