#pragma once
// The five model classes behind one shape, with a realistic case each, so that
// a property can be checked on every model by a typed test.
#include "U1comkeikogn.h"
#include "U1comtentekign.h"
#include "U2comtentekign.h"
#include "Umm1comkeikogn.h"
#include "Umm1comtentekign.h"

#include <gtest/gtest.h>

#include <array>
#include <vector>

namespace engine_test {

constexpr double kWeight = 60.0;

// Oral: one dose every 12 hours. Infusion: a 1-hour infusion every 12 hours,
// each followed by its end event.
inline std::vector<PkDoseEvent> Schedule(bool oral, int doses, double amount)
{
    std::vector<PkDoseEvent> events;
    for (int d = 0; d < doses; ++d) {
        if (oral) {
            events.push_back({d * 720, amount, 0});
        } else {
            events.push_back({d * 720, amount, 60});
            events.push_back({d * 720 + 60, 0.0, 0});
        }
    }
    return events;
}

// What the concentration dispatch hands SimulateCurve for time t (minutes):
// the events from index `from` up to t, the last bound at t.
struct CurveInput {
    std::vector<double> inputs;
    std::vector<double> bounds;
    int n = 0;
};

inline CurveInput CurveInputFor(const std::vector<PkDoseEvent>& events, int from, int t, bool oral)
{
    CurveInput c;
    c.bounds.push_back(pk::MinutesToHours(t));
    for (int e = from; e < static_cast<int>(events.size()) && events[e].time <= t; ++e) {
        const PkDoseEvent& ev = events[e];
        c.inputs.push_back(oral ? ev.amount : (ev.duration > 0 ? ev.amount / (ev.duration / 60.0) : 0.0));
        c.bounds.back() = pk::MinutesToHours(ev.time);
        c.bounds.push_back(pk::MinutesToHours(t));
        ++c.n;
    }
    return c;
}

template <class Face>
struct Adapter;

template <>
struct Adapter<T1ComKeikoGN> {
    static constexpr int P = 3;
    static constexpr int kStates = 2;
    static constexpr bool kOral = true;
    static constexpr double kBioavail = 0.9;
    static std::array<double, P> Population() { return {0.8, 1.2, 0.1}; }
    static std::array<double, P> Omega() { return {0.2, 0.4, 0.3}; }
    static std::array<double, P> Patient() { return {0.95, 0.9, 0.075}; }
    static std::vector<PkDoseEvent> Events() { return Schedule(true, 10, 400.0); }
    static std::vector<double> SampleTimes() { return {50.0, 84.0, 98.5, 108.0}; }
    static void Predict(const T1ComKeikoGN& m, const double* th, double* out)
    {
        m.PredictAtSamples(out, th[0], th[1], th[2]);
    }
    static double Simulate(const double* in, const double* b, const double* th, int n, double* y, int* counter,
                           double* x, double* ag)
    {
        return T1ComKeikoGN::SimulateCurve(in, b, y[0], y[1], th[0], th[1], th[2], kWeight, kBioavail, n, counter, x,
                                           ag);
    }
};

template <>
struct Adapter<T1ComTentekiGN> {
    static constexpr int P = 2;
    static constexpr int kStates = 1;
    static constexpr bool kOral = false;
    static constexpr double kBioavail = 1.0;
    static std::array<double, P> Population() { return {0.7, 0.08}; }
    static std::array<double, P> Omega() { return {0.2, 0.35}; }
    static std::array<double, P> Patient() { return {0.6, 0.1}; }
    static std::vector<PkDoseEvent> Events() { return Schedule(false, 10, 1000.0); }
    static std::vector<double> SampleTimes() { return {48.0, 50.0, 96.0, 98.0}; }
    static void Predict(const T1ComTentekiGN& m, const double* th, double* out)
    {
        m.PredictAtSamples(out, th[0], th[1]);
    }
    static double Simulate(const double* in, const double* b, const double* th, int n, double* y, int* counter,
                           double* x, double* /*second*/)
    {
        return T1ComTentekiGN::SimulateCurve(in, b, y[0], th[0], th[1], kWeight, n, counter, x);
    }
};

template <>
struct Adapter<T2ComTentekiGN> {
    static constexpr int P = 4;
    static constexpr int kStates = 2;
    static constexpr bool kOral = false;
    static constexpr double kBioavail = 1.0;
    static std::array<double, P> Population() { return {0.3, 0.2, 0.5, 0.35}; }
    static std::array<double, P> Omega() { return {0.25, 0.35, 0.4, 0.4}; }
    static std::array<double, P> Patient() { return {0.36, 0.15, 0.6, 0.3}; }
    static std::vector<PkDoseEvent> Events() { return Schedule(false, 10, 1000.0); }
    static std::vector<double> SampleTimes() { return {48.0, 49.5, 52.0, 96.0, 98.0}; }
    static void Predict(const T2ComTentekiGN& m, const double* th, double* out)
    {
        m.PredictAtSamples(out, th[0], th[1], th[2], th[3]);
    }
    static double Simulate(const double* in, const double* b, const double* th, int n, double* y, int* counter,
                           double* x1, double* x2, int peripheral = 0)
    {
        return T2ComTentekiGN::SimulateCurve(in, b, y[0], y[1], th[0], th[1], th[2], th[3], kWeight, n, peripheral,
                                             counter, x1, x2);
    }
};

template <>
struct Adapter<TMM1ComKeikoGN> {
    static constexpr int P = 4;
    static constexpr int kStates = 2;
    static constexpr bool kOral = true;
    static constexpr double kBioavail = 0.9;
    static std::array<double, P> Population() { return {0.7, 1.0, 4.0, 0.29}; }
    static std::array<double, P> Omega() { return {0.2, 0.5, 0.45, 0.3}; }
    static std::array<double, P> Patient() { return {0.75, 1.1, 3.0, 0.25}; }
    static std::vector<PkDoseEvent> Events() { return Schedule(true, 14, 150.0); }
    static std::vector<double> SampleTimes() { return {72.0, 120.0, 156.0}; }
    static void Predict(const TMM1ComKeikoGN& m, const double* th, double* out)
    {
        m.PredictAtSamples(out, th[0], th[1], th[2], th[3]);
    }
    static double Simulate(const double* in, const double* b, const double* th, int n, double* y, int* counter,
                           double* x, double* ag)
    {
        return TMM1ComKeikoGN::SimulateCurve(in, b, y[0], y[1], th[0], th[1], th[2], th[3], kWeight, kBioavail, n,
                                             counter, x, ag);
    }
};

template <>
struct Adapter<TMM1ComTentekiGN> {
    static constexpr int P = 3;
    static constexpr int kStates = 1;
    static constexpr bool kOral = false;
    static constexpr double kBioavail = 1.0;
    static std::array<double, P> Population() { return {0.7, 4.0, 0.29}; }
    static std::array<double, P> Omega() { return {0.2, 0.45, 0.3}; }
    static std::array<double, P> Patient() { return {0.8, 5.0, 0.33}; }
    static std::vector<PkDoseEvent> Events() { return Schedule(false, 14, 150.0); }
    static std::vector<double> SampleTimes() { return {60.0, 61.0, 132.0, 133.0}; }
    static void Predict(const TMM1ComTentekiGN& m, const double* th, double* out)
    {
        m.PredictAtSamples(out, th[0], th[1], th[2]);
    }
    static double Simulate(const double* in, const double* b, const double* th, int n, double* y, int* counter,
                           double* x, double* /*second*/)
    {
        return TMM1ComTentekiGN::SimulateCurve(in, b, y[0], th[0], th[1], th[2], kWeight, n, counter, x);
    }
};

// The concentration at t minutes by a one-shot simulation from empty states.
template <class Face>
double OneShot(const std::vector<PkDoseEvent>& events, const double* theta, int t)
{
    const CurveInput c = CurveInputFor(events, 0, t, Adapter<Face>::kOral);
    double y[2] = {0.0, 0.0};
    return Adapter<Face>::Simulate(c.inputs.data(), c.bounds.data(), theta, c.n, y, nullptr, nullptr, nullptr);
}

// Measured values: the patient's curve with a few per cent of assay noise.
template <class Face>
std::vector<double> Observations()
{
    const auto patient = Adapter<Face>::Patient();
    const std::vector<double> times = Adapter<Face>::SampleTimes();
    const double noise[] = {1.06, 0.95, 1.03, 0.97, 1.02};
    std::vector<double> obs;
    for (std::size_t j = 0; j < times.size(); ++j) {
        const int minute = static_cast<int>(times[j] * 60.0 + 0.5);
        obs.push_back(OneShot<Face>(Adapter<Face>::Events(), patient.data(), minute) * noise[j % 5]);
    }
    return obs;
}

using AllModels = ::testing::Types<T1ComKeikoGN, T1ComTentekiGN, T2ComTentekiGN, TMM1ComKeikoGN, TMM1ComTentekiGN>;

} // namespace engine_test
