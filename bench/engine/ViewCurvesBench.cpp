// The curves of a whole graph view through the concentration dispatch: the
// population curve and the individual curves of four schedule sets of a
// vancomycin case, one point every 2 minutes, each curve resumed from point
// to point, on one thread and on every thread of the processor. Target: the
// 14-day view <= 50 ms. The 100-day view whose dosing ends on day 14
// integrates every point past the last dose from that dose (the graph's own
// targets are in bench/graph).
#include "AllocationCount.h"
#include "ConcentrationDispatch.h"
#include "CurveSampling.h"
#include "ModelObjects.h"

#include <benchmark/benchmark.h>

#include <memory>
#include <vector>

namespace {

// 1-hour infusions of `amount` every `everyHours` from day `fromDay` up to
// (not including) day `toDay`, each closed by its end event.
void AddInfusions(std::vector<TDoseEvent>& events, int fromDay, int toDay, int everyHours, double amount)
{
    for (int t = fromDay * 1440; t < toDay * 1440; t += everyHours * 60) {
        events.push_back({static_cast<double>(t), amount, 60});
        events.push_back({static_cast<double>(t + 60), 0, 0});
    }
}

// The patient's schedule, 1 g every 12 hours from 09:00 of day 0, and three
// changed regimens from day 5: 1.5 g every 12 hours, 750 mg every 8 hours,
// 2 g once a day.
struct VancomycinView {
    explicit VancomycinView(int algo, int lastDoseDay)
    {
        patient.patient_weight = 62.0;
        analysis.kubun_id = 5;
        analysis.yakuzainame_id = 1;
        analysis.yakuhinname_id = 1;
        analysis.analysis_algo = algo;
        analysis.init_value = 4.0;
        analysis.bosyudan.vd = 0.85;
        analysis.bosyudan.ke = 0.08;
        analysis.bosyudan.v1 = 0.35 * 62.0;
        analysis.bosyudan.cl = 0.055;
        analysis.bosyudan.k12 = 0.55;
        analysis.bosyudan.k21 = 0.3;
        analysis.kaiseki = analysis.bosyudan;
        analysis.kaiseki.vd = 0.78;
        analysis.kaiseki.ke = 0.065;
        analysis.kaiseki.v1 = 0.31 * 62.0;
        analysis.kaiseki.cl = 0.047;
        auto& lists = sets.DoseEventLists;
        AddInfusions(lists[0], 0, lastDoseDay, 12, 1000.0);
        for (auto& e : lists[0])
            e.Time += 540;
        for (int s = 1; s < ScheduleSetCount; ++s) {
            for (const TDoseEvent& e : lists[0]) {
                if (e.Time < 5 * 1440)
                    lists[s].push_back(e);
            }
        }
        AddInfusions(lists[1], 5, lastDoseDay, 12, 1500.0);
        AddInfusions(lists[2], 5, lastDoseDay, 8, 750.0);
        AddInfusions(lists[3], 5, lastDoseDay, 24, 2000.0);
    }

    TEngineContext Context()
    {
        return TEngineContext(patient, analysis, sets, 3, {0, 0, 14}, objects.Models(), buffers);
    }

    TPatientRecord patient;
    TAnalysisRecord analysis;
    TScheduleSets sets;
    TSimulationBuffers buffers;
    TModelObjects objects;
};

constexpr int kCurves = ScheduleSetCount + 1;

// The five curves of the view side by side.
void ViewCurves(benchmark::State& state, int algo, int viewDays, int lastDoseDay, int threads)
{
    VancomycinView view(algo, lastDoseDay);
    const TEngineContext context = view.Context();
    const int points = viewDays * 1440 / 2;
    std::vector<std::vector<double>> values(kCurves, std::vector<double>(points));
    std::vector<TCurveRequest> requests;
    requests.push_back({&view.sets.DoseEventLists[0], &view.analysis.bosyudan, 0, values[0], {}});
    for (int s = 0; s < ScheduleSetCount; ++s)
        requests.push_back({&view.sets.DoseEventLists[s], &view.analysis.kaiseki, 1, values[s + 1], {}});
    for (auto _ : state) {
        if (!SampleConcentrationCurves(context, 0, 2, points, requests, threads))
            state.SkipWithError("refused");
        benchmark::DoNotOptimize(values.back().back());
    }
    state.counters["points"] = static_cast<double>(kCurves * points);
}

// Arguments: the vancomycin model choice (1 or 2) and the threads (1, or 0
// for all).
void BM_ViewCurves14Days(benchmark::State& state)
{
    ViewCurves(state, static_cast<int>(state.range(0)), 14, 14, static_cast<int>(state.range(1)));
}
BENCHMARK(BM_ViewCurves14Days)->ArgsProduct({{1, 2}, {1, AllProcessorThreads}})->Unit(benchmark::kMillisecond);

void BM_ViewCurves100DaysDosingTo14(benchmark::State& state)
{
    ViewCurves(state, 1, 100, 14, static_cast<int>(state.range(0)));
}
BENCHMARK(BM_ViewCurves100DaysDosingTo14)
    ->Arg(1)
    ->Arg(AllProcessorThreads)
    ->Unit(benchmark::kMillisecond)
    ->Iterations(1)
    ->Repetitions(3)
    ->ReportAggregatesOnly();

// The same five curves one after another through ConcentrationAt, as a
// caller without the batch would draw them; also checks that sampling a
// curve allocates nothing.
void BM_ViewCurves14DaysOneByOne(benchmark::State& state)
{
    VancomycinView view(static_cast<int>(state.range(0)), 14);
    const int points = 14 * 1440 / 2;
    AllocationCount allocs;
    // Grows the reused buffers once, as the first curve of a run does.
    {
        double second = 0, central = 0;
        int passed = 0;
        ConcentrationAt(view.Context(), 14 * 1440, &second, &central, &passed, 0, view.analysis.bosyudan);
    }
    for (auto _ : state) {
        for (int curve = 0; curve < kCurves; ++curve) {
            const int set = curve == 0 ? 0 : curve - 1;
            const TEngineContext context = view.Context().OnSet(set);
            const TParamBlock& block = curve == 0 ? view.analysis.bosyudan : view.analysis.kaiseki;
            double second = 0, central = 0;
            int passed = 0;
            SelectSimulationParams(context, &central, &second, curve == 0 ? 0 : 1);
            allocs.Start();
            for (int j = 0; j < points; ++j)
                benchmark::DoNotOptimize(ConcentrationAt(context, 2 * j, &second, &central, &passed, 0, block));
            allocs.Stop();
        }
    }
    state.counters["points"] = static_cast<double>(kCurves * points);
    allocs.Report(state);
}
BENCHMARK(BM_ViewCurves14DaysOneByOne)->Arg(1)->Arg(2)->Unit(benchmark::kMillisecond);

} // namespace
