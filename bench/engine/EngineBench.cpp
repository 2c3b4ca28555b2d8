// Timings of the fits and of a resumed curve on realistic schedules. Targets
// (single thread): one-compartment fit <= 5 ms, two-compartment and
// Michaelis-Menten fits <= 20 ms, the 10,080-point resumed curve <= 10 ms;
// a fit that the work budget ends <= 5 s (the slowest model, the
// Michaelis-Menten one, on a prior typed far from any population). Each fit
// reports the share of the budget it used.
// The curve misses its target (about 23 ms here): each point takes at least
// 100 Runge-Kutta steps whose arithmetic is one dependent chain, and the step
// counts and the order of evaluation are fixed. The graph interleaves its
// independent curves instead (ViewCurvesBench.cpp).
// Each case also reports the heap allocations made inside the engine calls,
// which should be none.
#include "AllocationCount.h"
#include "U1comtentekign.h"
#include "U2comtentekign.h"
#include "Umm1comkeikogn.h"
#include "PkDoseEvent.h"

#include <benchmark/benchmark.h>

#include <cstdlib>
#include <new>
#include <vector>

// Counts every allocation of the process; the cases read it around the
// engine calls only.
long g_allocations = 0;

void* operator new(std::size_t size)
{
    ++g_allocations;
    if (void* p = std::malloc(size ? size : 1))
        return p;
    throw std::bad_alloc();
}
void operator delete(void* p) noexcept
{
    std::free(p);
}
void operator delete(void* p, std::size_t) noexcept
{
    std::free(p);
}

namespace {

constexpr double kWeight = 60.0;

// The share of the fit's work budget the last fit used, in per cent.
template <class Model>
void ReportBudgetShare(benchmark::State& state, const Model& model)
{
    state.counters["budget_%"] = 100.0 * static_cast<double>(model.LastFitWork()) / pk::kFitWorkBudget;
}

// 1 g over 1 hour every 12 hours for 14 days, each infusion closed by its end event.
std::vector<PkDoseEvent> VancomycinSchedule(int doses)
{
    std::vector<PkDoseEvent> events;
    for (int d = 0; d < doses; ++d) {
        events.push_back({d * 720, 1000.0, 60});
        events.push_back({d * 720 + 60, 0.0, 0});
    }
    return events;
}

// Trough and peak after the 6th dose, trough and peak after the 22nd; the
// troughs at the dose minute, the peaks an hour after the infusion ends.
const double kVancoTimes[4] = {60.0, 62.0, 252.0, 254.0};
const double kVancoConcs[4] = {11.8, 31.5, 14.2, 35.9};

void BM_Fit1CompInfusionVancomycin(benchmark::State& state)
{
    const std::vector<PkDoseEvent> events = VancomycinSchedule(28);
    T1ComTentekiGN model;
    const double omega[2] = {0.2, 0.35};
    int result = 0;
    AllocationCount allocs;
    for (auto _ : state) {
        double theta[2] = {0.7, 0.08};
        double objective = 0.0;
        allocs.Start();
        result = model.Estimate(theta, omega, kVancoTimes, kVancoConcs, 4, kWeight, events, 1.0, &objective, 0, 0.0);
        allocs.Stop();
        benchmark::DoNotOptimize(theta);
    }
    allocs.Report(state);
    ReportBudgetShare(state, model);
    if (result != 0)
        state.SkipWithError("fit failed");
}
BENCHMARK(BM_Fit1CompInfusionVancomycin)->Unit(benchmark::kMillisecond);

void BM_Fit2CompInfusionVancomycin(benchmark::State& state)
{
    const std::vector<PkDoseEvent> events = VancomycinSchedule(28);
    T2ComTentekiGN model;
    const double omega[4] = {0.25, 0.35, 0.4, 0.4};
    int result = 0;
    AllocationCount allocs;
    for (auto _ : state) {
        double theta[4] = {0.3, 0.19, 0.5, 0.35};
        double objective = 0.0;
        allocs.Start();
        result = model.Estimate(theta, omega, kVancoTimes, kVancoConcs, 4, kWeight, events, 1.0, &objective, 0, 0.0);
        allocs.Stop();
        benchmark::DoNotOptimize(theta);
    }
    allocs.Report(state);
    ReportBudgetShare(state, model);
    if (result != 0)
        state.SkipWithError("fit failed");
}
BENCHMARK(BM_Fit2CompInfusionVancomycin)->Unit(benchmark::kMillisecond);

// 300 mg once daily at 09:00 for 30 days; troughs on days 10, 21 and 29.
void BM_FitMMOralPhenytoin(benchmark::State& state)
{
    std::vector<PkDoseEvent> events;
    for (int d = 0; d < 30; ++d)
        events.push_back({d * 1440 + 540, 300.0, 0});
    const double times[3] = {9 * 24.0 + 9.0, 20 * 24.0 + 9.0, 28 * 24.0 + 9.0};
    const double concs[3] = {7.5, 11.9, 13.4};
    const double omega[4] = {0.2, 0.5, 0.45, 0.3};
    TMM1ComKeikoGN model;
    int result = 0;
    AllocationCount allocs;
    for (auto _ : state) {
        double theta[4] = {0.7, 1.0, 4.0, 0.29};
        double objective = 0.0;
        allocs.Start();
        result = model.Estimate(theta, omega, times, concs, 3, kWeight, events, 0.9, &objective, 0, 0.0);
        allocs.Stop();
        benchmark::DoNotOptimize(theta);
    }
    allocs.Report(state);
    ReportBudgetShare(state, model);
    if (result != 0)
        state.SkipWithError("fit failed");
}
BENCHMARK(BM_FitMMOralPhenytoin)->Unit(benchmark::kMillisecond);

// Phenytoin with every prior typed far from any population and awkward
// samplings, logarithmic residuals: without the budget it runs for about 40
// seconds, only to fail.
void BM_FitEndedByTheBudget(benchmark::State& state)
{
    std::vector<PkDoseEvent> events;
    for (int d = 0; d < 14; ++d)
        events.push_back({540 + d * 720, 14.1328, 0});
    const double minutes[4] = {770, 2 * 1440 + 584, 5 * 1440 + 825, 5 * 1440 + 953};
    double times[4];
    for (int j = 0; j < 4; ++j)
        times[j] = pk::MinutesToHours(minutes[j]);
    const double concs[4] = {0.1162, 35.9938, 10.8334, 804.0091};
    const double omega[4] = {4.028484, 3.033063, 9.424673, 1.700748};
    TMM1ComKeikoGN model;
    int result = 0;
    for (auto _ : state) {
        double theta[4] = {640.2713, 0.2715, 17.4785, 137.0124};
        double objective = 0.0;
        result = model.Estimate(theta, omega, times, concs, 4, 64.52, events, 0.7015, &objective, 1, 0.0);
        benchmark::DoNotOptimize(theta);
    }
    ReportBudgetShare(state, model);
    if (result != -1)
        state.SkipWithError("the budget did not end the fit");
}
BENCHMARK(BM_FitEndedByTheBudget)->Unit(benchmark::kSecond)->Iterations(1)->Repetitions(3);

// 10,000 events (5,000 infusions with their end events) and 100 samples
// spread over the whole course, the last one after the last event.
void BM_Fit1CompInfusionAtCapacity(benchmark::State& state)
{
    const std::vector<PkDoseEvent> events = VancomycinSchedule(5000);
    std::vector<double> times;
    std::vector<double> concs;
    for (int j = 0; j < 100; ++j) {
        times.push_back(j * 50 * 12.0 + 12.0 * 49 + 2.0);
        concs.push_back(j % 2 == 0 ? 30.0 : 33.0);
    }
    T1ComTentekiGN model;
    const double omega[2] = {0.2, 0.35};
    int result = 0;
    AllocationCount allocs;
    for (auto _ : state) {
        double theta[2] = {0.7, 0.08};
        double objective = 0.0;
        allocs.Start();
        result =
            model.Estimate(theta, omega, times.data(), concs.data(), 100, kWeight, events, 1.0, &objective, 0, 0.0);
        allocs.Stop();
        benchmark::DoNotOptimize(theta);
    }
    allocs.Report(state);
    ReportBudgetShare(state, model);
    if (result != 0)
        state.SkipWithError("fit failed");
}
BENCHMARK(BM_Fit1CompInfusionAtCapacity)->Unit(benchmark::kMillisecond);

// A curve sampled every 2 minutes over 14 days the way the graph asks for it:
// each call hands the events from the resume counter up to the time and
// resumes from the states the previous call left.
void BM_ResumedCurve14Days(benchmark::State& state)
{
    const std::vector<PkDoseEvent> events = VancomycinSchedule(28);
    const int count = static_cast<int>(events.size());
    std::vector<double> rates(events.size() + 1);
    std::vector<double> bounds(events.size() + 2);
    double last = 0.0;
    AllocationCount allocs;
    for (auto _ : state) {
        int passed = 0;
        double central = 0.0;
        for (int minute = 0; minute < 14 * 1440; minute += 2) {
            int n = 0;
            for (int e = passed; e < count; ++e) {
                if (events[e].time > minute) {
                    bounds[n] = pk::MinutesToHours(minute);
                    break;
                }
                rates[n] = events[e].duration > 0 ? events[e].amount / (events[e].duration / 60.0) : 0.0;
                bounds[n] = pk::MinutesToHours(events[e].time);
                ++n;
                if (e == count - 1)
                    bounds[n] = pk::MinutesToHours(minute);
            }
            allocs.Start();
            last = T1ComTentekiGN::SimulateCurve(rates.data(), bounds.data(), central, 0.7, 0.08, kWeight, n, &passed,
                                                 &central);
            allocs.Stop();
            benchmark::DoNotOptimize(last);
        }
    }
    state.counters["points"] = 14 * 720;
    allocs.Report(state);
}
BENCHMARK(BM_ResumedCurve14Days)->Unit(benchmark::kMillisecond);

} // namespace
