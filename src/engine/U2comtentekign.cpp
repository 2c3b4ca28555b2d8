#include "U2comtentekign.h"

#include "BayesianFit.h"
#include "PkCurve.h"

#include <utility>

T2ComTentekiGN::T2ComTentekiGN() : fit_(std::make_unique<pk::BayesianFit<pk::TwoCompInfusion>>()) {}

T2ComTentekiGN::~T2ComTentekiGN() = default;

int T2ComTentekiGN::Estimate(double* theta, const double* omega, const double* sampleTimes, const double* sampleConcs,
                             int nObs, double bodyWeight, std::span<const PkDoseEvent> doseEvents, double bioavail,
                             double* finalObjective, int errorModel, double initConc)
{
    return fit_->Estimate(theta, omega, sampleTimes, sampleConcs, nObs, bodyWeight, doseEvents, bioavail,
                          finalObjective, errorModel, initConc);
}

double T2ComTentekiGN::SimulateCurve(const double* rates, const double* bounds, double x1_0, double x2_0, double v1,
                                     double k10, double k12, double k21, double bodyWeight, int n, int peripheral,
                                     int* doseCounter, double* x1, double* x2)
{
    const double theta[4] = {v1, k10, k12, k21};
    double y[1][2] = {{x1_0, x2_0}};
    double* const resume[2] = {x1, x2};
    if (!pk::SimulateStates<pk::TwoCompInfusion>(rates, bounds, n, theta, bodyWeight, 1.0, y, doseCounter, resume))
        return 0.0;
    if (peripheral != 0)
        return y[0][1] / (v1 * bodyWeight * k12 / k21);
    return y[0][0] / (v1 * bodyWeight);
}

void T2ComTentekiGN::PredictAtSamples(double* predConc, double v1, double k10, double k12, double k21) const
{
    const double theta[4] = {v1, k10, k12, k21};
    fit_->PredictAtSamples(predConc, theta);
}

void T2ComTentekiGN::SetCoreRunProbe(pk::CoreRunProbe probe)
{
    fit_->SetCoreRunProbe(std::move(probe));
}

long long T2ComTentekiGN::LastFitWork() const
{
    return fit_->LastFitWork();
}
