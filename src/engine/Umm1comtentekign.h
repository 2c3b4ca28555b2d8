#pragma once
// One compartment, zero-order infusion, Michaelis-Menten elimination.
// Parameters in order: V per kg, Km (concentration), Vmax per kg per hour.
//
// The fit and the integration are shared by the five model classes
// (BayesianFit.h, PkCurve.h); this class keeps the argument lists.

#include "PkDoseEvent.h"
#include "PkFitProbe.h"

#include <memory>
#include <span>

namespace pk {
template <class Model>
class BayesianFit;
struct MMInfusion;
} // namespace pk

class TMM1ComTentekiGN {
public:
    static constexpr int kParamCount = 3;

    TMM1ComTentekiGN();
    ~TMM1ComTentekiGN();
    TMM1ComTentekiGN(const TMM1ComTentekiGN&) = delete;
    TMM1ComTentekiGN& operator=(const TMM1ComTentekiGN&) = delete;

    // Bayesian estimate of the parameters. theta: in the population means, out
    // the estimates; omega: CVs as fractions; sample times in hours on the
    // dose events' clock, ascending, none before the first event; error model
    // 0 relative, 1 logarithmic; initConc: concentration present at the first
    // event. Returns 0 with theta and *finalObjective written, or -1 with both
    // untouched (fit failed or would pass pk::kFitWorkBudget, or inputs beyond
    // the tables or out of order).
    int Estimate(double* theta, const double* omega, const double* sampleTimes, const double* sampleConcs, int nObs,
                 double bodyWeight, std::span<const PkDoseEvent> doseEvents, double bioavail, double* finalObjective,
                 int errorModel, double initConc);

    // Concentration at bounds[n] (hours) after n intervals, with rates[i] the
    // infusion rate per hour during each interval.
    // With every resume pointer given, the states at bounds[n - 1] are written
    // back and *doseCounter advanced by n - 1; the initial amounts are values.
    // Returns 0, writing nothing, for n < 0 or n > pk::kMaxCurveIntervals.
    static double SimulateCurve(const double* rates, const double* bounds, double x0, double v, double km, double vmax,
                                double bodyWeight, int n, int* doseCounter, double* x);

    // The fit's own predictions at the samples of the last Estimate, for the
    // given parameters; for the text driver and the tests.
    void PredictAtSamples(double* predConc, double v, double km, double vmax) const;

    // Test seam: see pk::CoreRunProbe.
    void SetCoreRunProbe(pk::CoreRunProbe probe);

    // The work the last Estimate did, in the units of pk::kFitWorkBudget.
    long long LastFitWork() const;

private:
    std::unique_ptr<pk::BayesianFit<pk::MMInfusion>> fit_;
};
