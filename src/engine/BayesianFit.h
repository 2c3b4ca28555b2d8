#pragma once
// Maximum a posteriori fit of one model's parameters: a continuation on the
// weight of the data term around a damped Gauss-Newton core with a five-point
// numerical Jacobian. One template serves all five models; only the equations
// (PkEquations.h) and the parameter count differ.
//
// The constants, the order of evaluation and the acceptance rules are fixed:
// the estimates the program shows are defined by this exact procedure, so it
// must not be "improved" into a different optimiser.

#include "LinearSolve.h"
#include "PkDoseEvent.h"
#include "PkFitProbe.h"
#include "SamplePrediction.h"
#include "VectorState.h"

#include <cmath>
#include <cstddef>
#include <span>

namespace pk {

template <class Model>
class BayesianFit {
public:
    static constexpr int P = Model::kParams;

    // Returns 0 with theta replaced by the estimates and *finalObjective
    // written, or -1 with both untouched: when the continuation gives up or
    // the fit would pass kFitWorkBudget, and without fitting when the inputs
    // exceed the tables or break their order (see RefusesInputs).
    int Estimate(double* theta, const double* omega, const double* sampleTimes, const double* sampleConcs, int nObs,
                 double bodyWeight, std::span<const PkDoseEvent> doseEvents, double bioavail, double* finalObjective,
                 int errorModel, double initConc);

    // Concentrations at the samples last loaded by Estimate for the given
    // parameters, by the fit's own integration (100 steps per dose interval).
    // Writes one value per loaded sample; nothing when none is loaded.
    void PredictAtSamples(double* predConc, const double* theta) const;

    void SetCoreRunProbe(CoreRunProbe probe) { probe_ = static_cast<CoreRunProbe&&>(probe); }

    // The work the last Estimate did, in the units of kFitWorkBudget.
    long long LastFitWork() const { return Work; }

private:
    // The Jacobian's 4 P model evaluations run as lanes of one integration.
    // Where V only scales the concentration, the four V lanes would repeat the
    // central amounts of the current prediction bit for bit, so they are
    // derived from those amounts instead of being integrated again.
    static constexpr int kFirstIntegratedParam = Model::kVolumeOnlyScalesConcentration ? 1 : 0;
    static constexpr int kJacobianLanes = 4 * (P - kFirstIntegratedParam);

    static bool RefusesInputs(const double* theta, const double* omega, const double* sampleTimes,
                              const double* sampleConcs, int nObs, std::span<const PkDoseEvent> doseEvents,
                              int errorModel);
    void PredictCurrent();
    // Counts a prediction for `lanes` parameter sets; false, counting
    // nothing, when that would pass the budget (the fit then stops).
    bool Charge(int lanes);
    void FitCore();
    double Objective() const;
    void Jacobian();
    void NormalEquations(double (&a)[P][P], double (&b)[P]) const;

    // Predictions at the samples for Theta, and the central amounts behind them.
    double PredConc[kMaxSamples] = {};
    double PredCentral[kMaxSamples] = {};
    double Theta[P] = {};
    double PopTheta[P] = {};
    double Omega[P] = {};
    double AssayCv = 0.15;
    double Tolerance = 1e-8;
    double RelStep = 0.001;
    double FinalObjective = 0.0;
    double SampleConc[kMaxSamples] = {};
    double LnSampleConc[kMaxSamples] = {};
    double DataWeight = 1.0;
    int ErrorMode = 1;
    int SampleCount = 0;
    int MaxIterations = 10000;
    int Halvings = 0;
    int StepDenominator = 1;
    int StepNumerator = 0;
    int FitFailed = 0;
    long long Work = 0;
    bool BudgetSpent = false;

    // The samples, the dose events and their interval table.
    SamplePrediction<Model> Predictor;

    // Scratch of one iteration.
    double Jac[kMaxSamples][P] = {};
    double LanePred[kJacobianLanes][kMaxSamples] = {};

    CoreRunProbe probe_;
};

template <class Model>
bool BayesianFit<Model>::RefusesInputs(const double* theta, const double* omega, const double* sampleTimes,
                                       const double* sampleConcs, int nObs, std::span<const PkDoseEvent> doseEvents,
                                       int errorModel)
{
    if (!theta || !omega)
        return true;
    if (nObs < 0 || nObs > kMaxSamples || (nObs > 0 && (!sampleTimes || !sampleConcs)))
        return true;
    if (doseEvents.empty() || doseEvents.size() > static_cast<std::size_t>(kMaxDoseEvents))
        return true;
    if (errorModel != 0 && errorModel != 1)
        return true;
    for (std::size_t i = 1; i < doseEvents.size(); ++i) {
        if (doseEvents[i].time < doseEvents[i - 1].time)
            return true;
    }
    // Written so that a sampling time that is not a number fails too.
    double previous = MinutesToHours(doseEvents[0].time);
    for (int j = 0; j < nObs; ++j) {
        if (!(sampleTimes[j] >= previous))
            return true;
        previous = sampleTimes[j];
    }
    return false;
}

template <class Model>
int BayesianFit<Model>::Estimate(double* theta, const double* omega, const double* sampleTimes,
                                 const double* sampleConcs, int nObs, double bodyWeight,
                                 std::span<const PkDoseEvent> doseEvents, double bioavail, double* finalObjective,
                                 int errorModel, double initConc)
{
    Work = 0;
    BudgetSpent = false;
    if (RefusesInputs(theta, omega, sampleTimes, sampleConcs, nObs, doseEvents, errorModel))
        return -1;

    ClearUpperVectorState();
    ErrorMode = errorModel + 1;
    SampleCount = nObs;
    for (int j = 0; j < SampleCount; ++j) {
        SampleConc[j] = sampleConcs[j];
        LnSampleConc[j] = std::log(sampleConcs[j]);
    }
    RelStep = 0.001;
    AssayCv = 0.15;
    Tolerance = 1e-8;
    MaxIterations = 10000;
    for (int i = 0; i < P; ++i) {
        PopTheta[i] = theta[i];
        Omega[i] = omega[i];
    }
    Predictor.Load(sampleTimes, nObs, doseEvents, bodyWeight, bioavail, initConc * theta[0] * bodyWeight);

    // Continuation: the first attempt takes the data at full weight; after a
    // failed core run the next weight lies halfway between the last weight
    // that succeeded (0 at the start) and the one that failed.
    Halvings = 0;
    StepNumerator = 0;
    StepDenominator = 1;
    for (int i = 0; i < P; ++i)
        Theta[i] = PopTheta[i];
    for (;;) {
        StepNumerator = StepNumerator + 1;
        DataWeight = static_cast<double>(StepNumerator) / StepDenominator;
        FitFailed = 0;
        FitCore();
        if (BudgetSpent)
            return -1;
        if (probe_)
            probe_(DataWeight, FitFailed);
        if (FitFailed) {
            StepNumerator = StepNumerator - 1;
            Halvings = Halvings + 1;
            StepDenominator = static_cast<int>(std::trunc(std::ldexp(1.0, Halvings)));
            StepNumerator = 2 * StepNumerator;
            if (Halvings > 15)
                return -1;
        } else if (StepNumerator >= StepDenominator) {
            break;
        }
    }

    // Not charged: a fit that has converged stands.
    PredictCurrent();
    FinalObjective = Objective();
    for (int i = 0; i < P; ++i)
        theta[i] = Theta[i];
    if (finalObjective)
        *finalObjective = FinalObjective;
    return 0;
}

template <class Model>
void BayesianFit<Model>::PredictAtSamples(double* predConc, const double* theta) const
{
    if (SampleCount == 0)
        return;
    double lane[1][P];
    double pred[1][kMaxSamples];
    for (int i = 0; i < P; ++i)
        lane[0][i] = theta[i];
    Predictor.PredictLanes(lane, pred, nullptr);
    for (int j = 0; j < SampleCount; ++j)
        predConc[j] = pred[0][j];
}

template <class Model>
void BayesianFit<Model>::PredictCurrent()
{
    double lane[1][P];
    for (int i = 0; i < P; ++i)
        lane[0][i] = Theta[i];
    Predictor.PredictLanes(lane, &PredConc, &PredCentral);
}

template <class Model>
bool BayesianFit<Model>::Charge(int lanes)
{
    // The steps of one integration form a chain of dependent operations, and
    // the processor overlaps about four such chains: a prediction for fewer
    // parameter sets takes about as long as one for four.
    constexpr int kLanesOverlapped = 4;
    const long long cost = (lanes > kLanesOverlapped ? lanes : kLanesOverlapped) * Predictor.WorkPerLane();
    if (Work + cost > kFitWorkBudget) {
        BudgetSpent = true;
        return false;
    }
    Work = Work + cost;
    return true;
}

template <class Model>
double BayesianFit<Model>::Objective() const
{
    double data = 0.0;
    double prior = 0.0;
    if (ErrorMode == 1) {
        for (int j = 0; j < SampleCount; ++j) {
            const double r = 1.0 - PredConc[j] / SampleConc[j];
            data = data + r * r;
        }
        for (int i = 0; i < P; ++i) {
            const double q = (1.0 - Theta[i] / PopTheta[i]) / Omega[i];
            prior = prior + q * q;
        }
    } else {
        for (int j = 0; j < SampleCount; ++j) {
            const double r = LnSampleConc[j] - std::log(PredConc[j]);
            data = data + r * r;
        }
        for (int i = 0; i < P; ++i) {
            const double q = (std::log(PopTheta[i]) - std::log(Theta[i])) / Omega[i];
            prior = prior + q * q;
        }
    }
    return DataWeight / (AssayCv * AssayCv) * data + prior;
}

// J(j, i) by the five-point stencil around Theta, with h_i = max(0.001
// theta_i, 1e-7).
template <class Model>
void BayesianFit<Model>::Jacobian()
{
    double step[P];
    for (int i = 0; i < P; ++i) {
        const double relative = RelStep * Theta[i];
        step[i] = relative > 1e-7 ? relative : 1e-7;
    }

    constexpr int kLanes = kJacobianLanes;
    double lanes[kLanes][P];
    for (int i = kFirstIntegratedParam; i < P; ++i) {
        const int base = 4 * (i - kFirstIntegratedParam);
        const double offsets[4] = {Theta[i] + step[i], Theta[i] - step[i], Theta[i] + 2.0 * step[i],
                                   Theta[i] - 2.0 * step[i]};
        for (int q = 0; q < 4; ++q) {
            for (int k = 0; k < P; ++k)
                lanes[base + q][k] = Theta[k];
            lanes[base + q][i] = offsets[q];
        }
    }
    Predictor.PredictLanes(lanes, LanePred, nullptr);

    for (int i = kFirstIntegratedParam; i < P; ++i) {
        const int base = 4 * (i - kFirstIntegratedParam);
        for (int j = 0; j < SampleCount; ++j) {
            const double plus = LanePred[base][j];
            const double minus = LanePred[base + 1][j];
            const double plus2 = LanePred[base + 2][j];
            const double minus2 = LanePred[base + 3][j];
            Jac[j][i] = (8.0 * (plus - minus) + (minus2 - plus2)) / (12.0 * step[i]);
        }
    }
    if constexpr (kFirstIntegratedParam == 1) {
        // The same quotients an integration at V +- h, V +- 2h would give.
        const double v[4] = {Theta[0] + step[0], Theta[0] - step[0], Theta[0] + 2.0 * step[0],
                             Theta[0] - 2.0 * step[0]};
        double volume[4];
        for (int q = 0; q < 4; ++q)
            volume[q] = v[q] * Predictor.BodyWeight();
        for (int j = 0; j < SampleCount; ++j) {
            const double plus = PredCentral[j] / volume[0];
            const double minus = PredCentral[j] / volume[1];
            const double plus2 = PredCentral[j] / volume[2];
            const double minus2 = PredCentral[j] / volume[3];
            Jac[j][0] = (8.0 * (plus - minus) + (minus2 - plus2)) / (12.0 * step[0]);
        }
    }
}

// The Gauss-Newton system of the objective, scaled by sigma^2 / (2 lambda).
// Only the upper triangle is summed; the lower one is copied from it.
template <class Model>
void BayesianFit<Model>::NormalEquations(double (&a)[P][P], double (&b)[P]) const
{
    for (int i = 0; i < P; ++i) {
        b[i] = 0.0;
        for (int k = 0; k < P; ++k)
            a[i][k] = 0.0;
    }
    const double s2 = AssayCv * AssayCv;
    const double lambda = DataWeight;
    if (ErrorMode == 1) {
        for (int j = 0; j < SampleCount; ++j) {
            const double w = 1.0 / (SampleConc[j] * SampleConc[j]);
            const double residual = w * (SampleConc[j] - PredConc[j]);
            for (int i = 0; i < P; ++i) {
                const double wj = w * Jac[j][i];
                for (int k = i; k < P; ++k)
                    a[i][k] = a[i][k] + wj * Jac[j][k];
                b[i] = b[i] + residual * Jac[j][i];
            }
        }
        for (int i = 0; i < P; ++i) {
            const double spread = Omega[i] * PopTheta[i];
            a[i][i] = a[i][i] + s2 / (lambda * (spread * spread));
            b[i] = b[i] + s2 * (PopTheta[i] - Theta[i]) / (lambda * (spread * spread));
        }
    } else {
        for (int j = 0; j < SampleCount; ++j) {
            const double lnPred = std::log(PredConc[j]);
            const double w = (1.0 + LnSampleConc[j] - lnPred) / (PredConc[j] * PredConc[j]);
            const double residual = LnSampleConc[j] - lnPred;
            for (int i = 0; i < P; ++i) {
                const double wj = w * Jac[j][i];
                for (int k = i; k < P; ++k)
                    a[i][k] = a[i][k] + wj * Jac[j][k];
                b[i] = b[i] + residual * Jac[j][i] / PredConc[j];
            }
        }
        for (int i = 0; i < P; ++i) {
            const double lnPop = std::log(PopTheta[i]);
            const double lnTheta = std::log(Theta[i]);
            const double spread = Omega[i] * Theta[i];
            a[i][i] = a[i][i] + s2 * (1.0 + lnPop - lnTheta) / (lambda * (spread * spread));
            b[i] = b[i] + s2 * (lnPop - lnTheta) / (lambda * Theta[i] * (Omega[i] * Omega[i]));
        }
    }
    for (int i = 0; i < P; ++i) {
        for (int k = 0; k < i; ++k)
            a[i][k] = a[k][i];
    }
}

// One damped Gauss-Newton run at the current data weight, from Theta. On
// failure Theta keeps the last trial, rejected or not: the next run of the
// continuation starts from there. A run stopped by the work budget ends the
// fit (BudgetSpent).
template <class Model>
void BayesianFit<Model>::FitCore()
{
    const double stepTolerance = Tolerance * 100000.0;
    int iterations = 0;
    int damping = 0;
    int converged = 0;
    bool predicted = false; // PredConc already holds the predictions at Theta
    for (;;) {
        iterations = iterations + 1;
        // After an accepted trial PredConc already holds this prediction.
        if (!predicted) {
            if (!Charge(1))
                return;
            PredictCurrent();
        }
        const double sOld = Objective();
        if (!Charge(kJacobianLanes))
            return;
        Jacobian();
        double a[P][P];
        double b[P];
        NormalEquations(a, b);
        double thetaOld[P];
        for (int i = 0; i < P; ++i)
            thetaOld[i] = Theta[i];

        double sNew = 0.0;
        double largestChange = 0.0;
        for (;;) {
            if (damping >= 30) {
                FitFailed = 1;
                return;
            }
            double damped[P][P];
            double delta[P];
            const double added = std::ldexp(1.0, damping) - 1.0;
            for (int i = 0; i < P; ++i) {
                for (int k = 0; k < P; ++k)
                    damped[i][k] = a[i][k];
                damped[i][i] = damped[i][i] + added;
                delta[i] = b[i];
            }
            SolveSmall(damped, delta);

            bool negative = false;
            for (int i = 0; i < P; ++i) {
                Theta[i] = thetaOld[i] + delta[i];
                if (!(Theta[i] >= 0.0))
                    negative = true;
            }
            if (negative) {
                damping = damping + 1;
                continue;
            }
            largestChange = 0.0;
            for (int i = 0; i < P; ++i) {
                const double change = ErrorMode == 1 ? AbsValue(Theta[i] - thetaOld[i])
                                                     : AbsValue(std::log(Theta[i]) - std::log(thetaOld[i]));
                if (change > largestChange)
                    largestChange = change;
            }
            if (!Charge(1))
                return;
            PredictCurrent();
            sNew = Objective();
            if (std::isnan(sNew) || std::isinf(sNew) || sNew > sOld + 1e-10) {
                damping = damping + 1;
                continue;
            }
            break;
        }
        predicted = true;
        if (damping > 0)
            damping = damping - 1;
        if (iterations > MaxIterations) {
            FitFailed = 1;
            return;
        }
        if (AbsValue(sNew - sOld) < Tolerance && largestChange < stepTolerance) {
            converged = converged + 1;
            if (converged == 2)
                return;
        }
    }
}

} // namespace pk
