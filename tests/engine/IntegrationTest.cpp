// Both integrations (the fit's 100 steps per dose interval and the curve's
// trunc((length / 24 + 1) x 100) steps) against closed forms.
//
// Two comparisons per value:
// - against the exact solution, within the error RK4 makes with those steps.
//   One step multiplies a mode e^(lambda t) by R(z) = 1 + z + z^2/2 + z^3/6 +
//   z^4/24 with z = lambda h, which misses e^z by z^5/120 to leading order; N
//   steps thus err by N |z|^5 / 120 of the mode's size. The bound allows twice
//   that, summed over the modes, plus 1e-12 of the peak for rounding.
// - against the same closed form with each e^(lambda t) replaced by R(z)^N:
//   what RK4 computes for a linear system in exact arithmetic. Only rounding
//   (a few hundred steps of a few ulp each, on modes up to a few times the
//   peak) separates the two, so 2e-12 of the peak is allowed; a wrong stage,
//   constant or step count misses by far more.
#include "ModelCases.h"

#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <vector>

using namespace engine_test;

namespace {

double Rk4Factor(double z)
{
    return 1.0 + z + z * z / 2.0 + z * z * z / 6.0 + z * z * z * z / 24.0;
}

// The linear flow v' = A v (two states), split into its modes.
struct Modes {
    double lambda[2];
    double amplitude[2][2]; // [mode][state]
};

Modes Decompose(const double a[2][2], const double v0[2])
{
    Modes m{};
    const double tr = a[0][0] + a[1][1];
    const double det = a[0][0] * a[1][1] - a[0][1] * a[1][0];
    const double root = std::sqrt(tr * tr / 4.0 - det);
    m.lambda[0] = tr / 2.0 + root;
    m.lambda[1] = tr / 2.0 - root;
    double u[2][2];
    for (int i = 0; i < 2; ++i) {
        if (a[0][1] != 0.0) {
            u[i][0] = a[0][1];
            u[i][1] = m.lambda[i] - a[0][0];
        } else if (a[1][0] != 0.0) {
            u[i][0] = m.lambda[i] - a[1][1];
            u[i][1] = a[1][0];
        } else { // uncoupled states: each is its own mode
            const int k = std::abs(m.lambda[i] - a[0][0]) < std::abs(m.lambda[i] - a[1][1]) ? 0 : 1;
            u[i][k] = 1.0;
            u[i][1 - k] = 0.0;
        }
    }
    const double d = u[0][0] * u[1][1] - u[1][0] * u[0][1];
    const double c0 = (v0[0] * u[1][1] - u[1][0] * v0[1]) / d;
    const double c1 = (u[0][0] * v0[1] - v0[0] * u[0][1]) / d;
    for (int k = 0; k < 2; ++k) {
        m.amplitude[0][k] = c0 * u[0][k];
        m.amplitude[1][k] = c1 * u[1][k];
    }
    return m;
}

// One stretch of N steps of h for y' = A y + r, y = fixed + v. Returns the
// exact and the RK4 states, and the error bound per state.
struct Stretch {
    double exact[2];
    double rk4[2];
    double bound[2];
};

Stretch Advance(const double a[2][2], const double r[2], const double exactStart[2], const double rk4Start[2],
                int steps, double h)
{
    const double det = a[0][0] * a[1][1] - a[0][1] * a[1][0];
    const double fixed[2] = {-(a[1][1] * r[0] - a[0][1] * r[1]) / det, -(a[0][0] * r[1] - a[1][0] * r[0]) / det};
    Stretch s{};
    const double t = steps * h;
    const double ve[2] = {exactStart[0] - fixed[0], exactStart[1] - fixed[1]};
    const double vr[2] = {rk4Start[0] - fixed[0], rk4Start[1] - fixed[1]};
    const Modes me = Decompose(a, ve);
    const Modes mr = Decompose(a, vr);
    for (int k = 0; k < 2; ++k) {
        s.exact[k] = fixed[k];
        s.rk4[k] = fixed[k];
        for (int i = 0; i < 2; ++i) {
            const double z = me.lambda[i] * h;
            s.exact[k] += me.amplitude[i][k] * std::exp(me.lambda[i] * t);
            s.rk4[k] += mr.amplitude[i][k] * std::pow(Rk4Factor(mr.lambda[i] * h), steps);
            s.bound[k] += 2.0 * std::abs(me.amplitude[i][k]) * std::exp(me.lambda[i] * t) * steps *
                          std::pow(std::abs(z), 5) / 120.0;
        }
    }
    return s;
}

int CurveSteps(double length)
{
    return static_cast<int>(std::trunc((length / 24.0 + 1.0) * 100.0));
}

// A linear model as a 2 x 2 system (a one-state model leaves state 1 idle),
// its events and how its concentration is read from the states.
struct LinearCase {
    double a[2][2];
    double rateInto0; // infusion rate of the first event (0 for oral)
    double oralAmount;
    double infusionHours; // 0 for oral
    double volume;        // V x BW
    double peripheralVolume;
};

// Exact, RK4-closed-form and bound of the concentrations at time t after the
// first event, integrated the way the fit does (fitSteps) or the curve does.
struct Expected {
    double exact;
    double rk4;
    double bound;
};

Expected Expect(const LinearCase& c, double t, bool fitSteps, int state = 0)
{
    double exact[2] = {0.0, c.oralAmount};
    double rk4[2] = {0.0, c.oralAmount};
    double bound = 0.0;
    auto stretch = [&](double length, double rate) {
        const int steps = fitSteps ? 100 : CurveSteps(length);
        const double h = length / steps;
        const double r[2] = {rate, 0.0};
        const Stretch s = Advance(c.a, r, exact, rk4, steps, h);
        // The error a stretch adds carries on into the next one; decay only
        // shrinks it, so adding the bounds stays on the safe side.
        bound += s.bound[state];
        for (int k = 0; k < 2; ++k) {
            exact[k] = s.exact[k];
            rk4[k] = s.rk4[k];
        }
    };
    if (c.infusionHours > 0.0 && t > c.infusionHours) {
        stretch(c.infusionHours, c.rateInto0);
        stretch(t - c.infusionHours, 0.0);
    } else {
        stretch(t, c.rateInto0);
    }
    const double v = state == 0 ? c.volume : c.peripheralVolume;
    return {exact[state] / v, rk4[state] / v, bound / v};
}

void CheckAgainst(const Expected& e, double got, double peak)
{
    EXPECT_NEAR(got, e.exact, e.bound + 1e-12 * peak);
    EXPECT_NEAR(got, e.rk4, 2e-12 * peak);
}

const std::vector<double> kTimes = {0.5, 1.0, 2.0, 7.5, 24.0, 48.0};

// The fit's predictions, through Estimate's loading and PredictAtSamples.
template <class Face, class... Theta>
std::vector<double> FitPredictions(const std::vector<PkDoseEvent>& events, const std::vector<double>& times,
                                   double bioavail, double c0, Theta... theta)
{
    Face model;
    std::vector<double> pop = {theta...};
    // A tight prior makes the fit that comes with loading converge at once.
    std::vector<double> omega(pop.size(), 1e-3);
    std::vector<double> obs(times.size(), 1.0);
    double objective = 0.0;
    model.Estimate(pop.data(), omega.data(), times.data(), obs.data(), static_cast<int>(times.size()), kWeight, events,
                   bioavail, &objective, 0, c0);
    std::vector<double> pred(times.size());
    model.PredictAtSamples(pred.data(), theta...);
    return pred;
}

TEST(ClosedForm, OneCompartmentInfusion)
{
    struct Set {
        double v, k;
    };
    for (const Set p : {Set{0.7, 0.08}, Set{0.25, 0.5}, Set{1.2, 0.02}}) {
        SCOPED_TRACE(testing::Message() << "V " << p.v << " k " << p.k);
        const double dose = 1000.0;
        const LinearCase c{{{-p.k, 0.0}, {0.0, -1.0}}, dose / 1.0, 0.0, 1.0, p.v * kWeight, 1.0};
        const std::vector<PkDoseEvent> events = {{0, dose, 60}, {60, 0.0, 0}};
        const double peak = Expect(c, 1.0, false).exact;

        const std::vector<double> fit = FitPredictions<T1ComTentekiGN>(events, kTimes, 1.0, 0.0, p.v, p.k);
        for (std::size_t j = 0; j < kTimes.size(); ++j) {
            SCOPED_TRACE(kTimes[j]);
            CheckAgainst(Expect(c, kTimes[j], true), fit[j], peak);

            const CurveInput in = CurveInputFor(events, 0, static_cast<int>(kTimes[j] * 60.0), false);
            const double curve = T1ComTentekiGN::SimulateCurve(in.inputs.data(), in.bounds.data(), 0.0, p.v, p.k,
                                                               kWeight, in.n, nullptr, nullptr);
            CheckAgainst(Expect(c, kTimes[j], false), curve, peak);
        }
    }
}

TEST(ClosedForm, OneCompartmentOralBatemanCurve)
{
    struct Set {
        double v, ka, ke;
    };
    for (const Set p : {Set{0.8, 1.2, 0.1}, Set{0.5, 3.0, 0.3}, Set{1.5, 0.4, 0.05}}) {
        SCOPED_TRACE(testing::Message() << "V " << p.v << " ka " << p.ka << " ke " << p.ke);
        const double dose = 400.0;
        const double f = 0.9;
        const LinearCase c{{{-p.ke, f * p.ka}, {0.0, -p.ka}}, 0.0, dose, 0.0, p.v * kWeight, 1.0};
        const std::vector<PkDoseEvent> events = {{0, dose, 0}};
        const double tmax = std::log(p.ka / p.ke) / (p.ka - p.ke);
        const double peak = Expect(c, tmax, false).exact;

        // A single dose: every sample is one stretch of 100 steps from it.
        const std::vector<double> fit = FitPredictions<T1ComKeikoGN>(events, kTimes, f, 0.0, p.v, p.ka, p.ke);
        for (std::size_t j = 0; j < kTimes.size(); ++j) {
            SCOPED_TRACE(kTimes[j]);
            CheckAgainst(Expect(c, kTimes[j], true), fit[j], peak);

            const double amounts[1] = {dose};
            const double bounds[2] = {0.0, kTimes[j]};
            const double curve = T1ComKeikoGN::SimulateCurve(amounts, bounds, 0.0, 0.0, p.v, p.ka, p.ke, kWeight, f, 1,
                                                             nullptr, nullptr, nullptr);
            CheckAgainst(Expect(c, kTimes[j], false), curve, peak);
        }
    }
}

TEST(ClosedForm, TwoCompartmentBiExponential)
{
    struct Set {
        double v1, k10, k12, k21;
    };
    for (const Set p : {Set{0.3, 0.2, 0.5, 0.35}, Set{0.15, 0.5, 1.5, 0.6}, Set{0.5, 0.05, 0.2, 0.1}}) {
        SCOPED_TRACE(testing::Message() << "V1 " << p.v1 << " k10 " << p.k10 << " k12 " << p.k12 << " k21 " << p.k21);
        const double dose = 1000.0;
        const double v1 = p.v1 * kWeight;
        const LinearCase c{{{-(p.k10 + p.k12), p.k21}, {p.k12, -p.k21}}, dose / 2.0, 0.0, 2.0, v1, v1 * p.k12 / p.k21};
        const std::vector<PkDoseEvent> events = {{0, dose, 120}, {120, 0.0, 0}};
        const double peak = Expect(c, 2.0, false).exact;

        const std::vector<double> fit =
            FitPredictions<T2ComTentekiGN>(events, kTimes, 1.0, 0.0, p.v1, p.k10, p.k12, p.k21);
        for (std::size_t j = 0; j < kTimes.size(); ++j) {
            SCOPED_TRACE(kTimes[j]);
            CheckAgainst(Expect(c, kTimes[j], true), fit[j], peak);

            const CurveInput in = CurveInputFor(events, 0, static_cast<int>(kTimes[j] * 60.0), false);
            for (int peripheral : {0, 1}) {
                const double curve =
                    T2ComTentekiGN::SimulateCurve(in.inputs.data(), in.bounds.data(), 0.0, 0.0, p.v1, p.k10, p.k12,
                                                  p.k21, kWeight, in.n, peripheral, nullptr, nullptr, nullptr);
                CheckAgainst(Expect(c, kTimes[j], false, peripheral), curve, peak);
            }
        }
    }
}

// Michaelis-Menten elimination from a starting amount X0 has the implicit
// solution Vmax BW t = Km V BW ln(X0 / X) + X0 - X, solved here by bisection.
// Its local rate never exceeds k = Vmax / (Km V), so the RK4 bound of a
// linear mode with that rate applies.
TEST(ClosedForm, MichaelisMentenEliminationBothModels)
{
    struct Set {
        double v, km, vmax;
    };
    const double c0 = 20.0;
    for (const Set p : {Set{0.7, 4.0, 0.29}, Set{0.6, 10.0, 0.5}, Set{0.9, 2.0, 0.2}}) {
        SCOPED_TRACE(testing::Message() << "V " << p.v << " Km " << p.km << " Vmax " << p.vmax);
        const double vbw = p.v * kWeight;
        const double x0 = c0 * p.v * kWeight;
        auto exact = [&](double t) {
            double lo = 0.0;
            double hi = x0;
            for (int i = 0; i < 200; ++i) {
                const double x = 0.5 * (lo + hi);
                const double elapsed = (p.km * vbw * std::log(x0 / x) + x0 - x) / (p.vmax * kWeight);
                (elapsed > t ? lo : hi) = x;
            }
            return 0.5 * (lo + hi) / vbw;
        };
        const double k = p.vmax / (p.km * p.v);
        auto bound = [&](double t, int steps) { return 2.0 * c0 * k * t * std::pow(k * t / steps, 4) / 120.0; };

        // The fit's way: an event without input and the initial concentration.
        const std::vector<PkDoseEvent> events = {{0, 0.0, 0}};
        const std::vector<double> infusion =
            FitPredictions<TMM1ComTentekiGN>(events, kTimes, 1.0, c0, p.v, p.km, p.vmax);
        const std::vector<double> oral =
            FitPredictions<TMM1ComKeikoGN>(events, kTimes, 1.0, c0, p.v, 1.0, p.km, p.vmax);
        for (std::size_t j = 0; j < kTimes.size(); ++j) {
            const double t = kTimes[j];
            SCOPED_TRACE(t);
            EXPECT_NEAR(infusion[j], exact(t), bound(t, 100) + 1e-12 * c0);
            EXPECT_EQ(oral[j], infusion[j]);

            const double zero[1] = {0.0};
            const double bounds[2] = {0.0, t};
            const double curve =
                TMM1ComTentekiGN::SimulateCurve(zero, bounds, x0, p.v, p.km, p.vmax, kWeight, 1, nullptr, nullptr);
            EXPECT_NEAR(curve, exact(t), bound(t, CurveSteps(t)) + 1e-12 * c0);
            EXPECT_EQ(TMM1ComKeikoGN::SimulateCurve(zero, bounds, x0, 0.0, p.v, 1.0, p.km, p.vmax, kWeight, 0.5, 1,
                                                    nullptr, nullptr, nullptr),
                      curve);
        }
    }
}

} // namespace
