#include "U1comkeikogn.h"

#include "BayesianFit.h"
#include "PkCurve.h"

#include <utility>

T1ComKeikoGN::T1ComKeikoGN() : fit_(std::make_unique<pk::BayesianFit<pk::OneCompOral>>()) {}

T1ComKeikoGN::~T1ComKeikoGN() = default;

int T1ComKeikoGN::Estimate(double* theta, const double* omega, const double* sampleTimes, const double* sampleConcs,
                           int nObs, double bodyWeight, std::span<const PkDoseEvent> doseEvents, double bioavail,
                           double* finalObjective, int errorModel, double initConc)
{
    return fit_->Estimate(theta, omega, sampleTimes, sampleConcs, nObs, bodyWeight, doseEvents, bioavail,
                          finalObjective, errorModel, initConc);
}

double T1ComKeikoGN::SimulateCurve(const double* amounts, const double* bounds, double x0, double ag0, double v,
                                   double ka, double ke, double bodyWeight, double bioavail, int n, int* doseCounter,
                                   double* x, double* ag)
{
    const double theta[3] = {v, ka, ke};
    double y[1][2] = {{x0, ag0}};
    double* const resume[2] = {x, ag};
    if (!pk::SimulateStates<pk::OneCompOral>(amounts, bounds, n, theta, bodyWeight, bioavail, y, doseCounter, resume))
        return 0.0;
    return y[0][0] / (v * bodyWeight);
}

void T1ComKeikoGN::PredictAtSamples(double* predConc, double v, double ka, double ke) const
{
    const double theta[3] = {v, ka, ke};
    fit_->PredictAtSamples(predConc, theta);
}

void T1ComKeikoGN::SetCoreRunProbe(pk::CoreRunProbe probe)
{
    fit_->SetCoreRunProbe(std::move(probe));
}

long long T1ComKeikoGN::LastFitWork() const
{
    return fit_->LastFitWork();
}
