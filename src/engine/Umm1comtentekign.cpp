#include "Umm1comtentekign.h"

#include "BayesianFit.h"
#include "PkCurve.h"

#include <utility>

TMM1ComTentekiGN::TMM1ComTentekiGN() : fit_(std::make_unique<pk::BayesianFit<pk::MMInfusion>>()) {}

TMM1ComTentekiGN::~TMM1ComTentekiGN() = default;

int TMM1ComTentekiGN::Estimate(double* theta, const double* omega, const double* sampleTimes, const double* sampleConcs,
                               int nObs, double bodyWeight, std::span<const PkDoseEvent> doseEvents, double bioavail,
                               double* finalObjective, int errorModel, double initConc)
{
    return fit_->Estimate(theta, omega, sampleTimes, sampleConcs, nObs, bodyWeight, doseEvents, bioavail,
                          finalObjective, errorModel, initConc);
}

double TMM1ComTentekiGN::SimulateCurve(const double* rates, const double* bounds, double x0, double v, double km,
                                       double vmax, double bodyWeight, int n, int* doseCounter, double* x)
{
    const double theta[3] = {v, km, vmax};
    double y[1][1] = {{x0}};
    double* const resume[1] = {x};
    if (!pk::SimulateStates<pk::MMInfusion>(rates, bounds, n, theta, bodyWeight, 1.0, y, doseCounter, resume))
        return 0.0;
    return y[0][0] / (v * bodyWeight);
}

void TMM1ComTentekiGN::PredictAtSamples(double* predConc, double v, double km, double vmax) const
{
    const double theta[3] = {v, km, vmax};
    fit_->PredictAtSamples(predConc, theta);
}

void TMM1ComTentekiGN::SetCoreRunProbe(pk::CoreRunProbe probe)
{
    fit_->SetCoreRunProbe(std::move(probe));
}

long long TMM1ComTentekiGN::LastFitWork() const
{
    return fit_->LastFitWork();
}
