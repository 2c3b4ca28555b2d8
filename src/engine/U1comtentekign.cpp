#include "U1comtentekign.h"

#include "BayesianFit.h"
#include "PkCurve.h"

#include <utility>

T1ComTentekiGN::T1ComTentekiGN() : fit_(std::make_unique<pk::BayesianFit<pk::OneCompInfusion>>()) {}

T1ComTentekiGN::~T1ComTentekiGN() = default;

int T1ComTentekiGN::Estimate(double* theta, const double* omega, const double* sampleTimes, const double* sampleConcs,
                             int nObs, double bodyWeight, std::span<const PkDoseEvent> doseEvents, double bioavail,
                             double* finalObjective, int errorModel, double initConc)
{
    return fit_->Estimate(theta, omega, sampleTimes, sampleConcs, nObs, bodyWeight, doseEvents, bioavail,
                          finalObjective, errorModel, initConc);
}

double T1ComTentekiGN::SimulateCurve(const double* rates, const double* bounds, double x0, double v, double k,
                                     double bodyWeight, int n, int* doseCounter, double* x)
{
    const double theta[2] = {v, k};
    double y[1][1] = {{x0}};
    double* const resume[1] = {x};
    if (!pk::SimulateStates<pk::OneCompInfusion>(rates, bounds, n, theta, bodyWeight, 1.0, y, doseCounter, resume))
        return 0.0;
    return y[0][0] / (v * bodyWeight);
}

void T1ComTentekiGN::PredictAtSamples(double* predConc, double v, double k) const
{
    const double theta[2] = {v, k};
    fit_->PredictAtSamples(predConc, theta);
}

void T1ComTentekiGN::SetCoreRunProbe(pk::CoreRunProbe probe)
{
    fit_->SetCoreRunProbe(std::move(probe));
}

long long T1ComTentekiGN::LastFitWork() const
{
    return fit_->LastFitWork();
}
