#pragma once
// One compartment, first-order absorption from an absorption site, first-order
// elimination. Parameters in order: V per kg, ka, ke (per hour).
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
struct OneCompOral;
} // namespace pk

class T1ComKeikoGN {
public:
    static constexpr int kParamCount = 3;

    T1ComKeikoGN();
    ~T1ComKeikoGN();
    T1ComKeikoGN(const T1ComKeikoGN&) = delete;
    T1ComKeikoGN& operator=(const T1ComKeikoGN&) = delete;

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

    // Concentration at bounds[n] (hours) after n intervals, with amounts[i] the
    // amount dropped into the absorption site at each interval's start.
    // With every resume pointer given, the states at bounds[n - 1] are written
    // back and *doseCounter advanced by n - 1; the initial amounts are values.
    // Returns 0, writing nothing, for n < 0 or n > pk::kMaxCurveIntervals.
    static double SimulateCurve(const double* amounts, const double* bounds, double x0, double ag0, double v, double ka,
                                double ke, double bodyWeight, double bioavail, int n, int* doseCounter, double* x,
                                double* ag);

    // The fit's own predictions at the samples of the last Estimate, for the
    // given parameters; for the text driver and the tests.
    void PredictAtSamples(double* predConc, double v, double ka, double ke) const;

    // Test seam: see pk::CoreRunProbe.
    void SetCoreRunProbe(pk::CoreRunProbe probe);

    // The work the last Estimate did, in the units of pk::kFitWorkBudget.
    long long LastFitWork() const;

private:
    std::unique_ptr<pk::BayesianFit<pk::OneCompOral>> fit_;
};
