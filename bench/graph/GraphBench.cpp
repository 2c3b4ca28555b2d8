// The graph refreshed as the result page refreshes it: the curves of every
// layer (with their dotted curves) and the two-minute curve lists with the
// compartment listing, computed on all the processor's threads, then the
// layers drawn. A vancomycin two-compartment case with four schedule sets:
// 1 g every 12 hours from day 0 in set 0; from day 5 the changed regimens
// 1.5 g every 12 hours, 750 mg every 8 hours and 2 g once a day.
// Targets (medians):
// - the 14-day view from the first day, dosing to day 14: <= 100 ms;
// - the 100-day view from the first day, dosing ending on day 14: <= 1.5 s;
// - the worst view the scale dialog allows, 100 days from the last
//   schedule day (day 13), and the harder view of days 60-160, every point
//   past every set's last dose: <= 4 s.
// The ..OneThread cases show the same work on the calling thread alone.
#include "ConcentrationGraph.h"
#include "DoseEvents.h"
#include "GraphSpan.h"
#include "ScheduleExpansion.h"
#include "ScheduleSetOps.h"
#include "ScheduleSort.h"
#include "U1comkeikogn.h"
#include "U1comtentekign.h"
#include "U2comtentekign.h"
#include "Umm1comkeikogn.h"
#include "Umm1comtentekign.h"

#include <QGuiApplication>
#include <benchmark/benchmark.h>

#include <cstdlib>
#include <memory>

namespace {

constexpr double FirstDay = 46357;   // 2026-12-01

TPrescription Every(int fromDay, int toDay, int hour, double dose)
{
    TPrescription p;
    p.touyo_start_time = FirstDay + fromDay;
    p.touyo_end_time = FirstDay + toDay;
    p.touyo_interval = 1;
    p.touyo_time = hour / 24.0;
    p.touyo_dose = dose;
    p.touyo_drip_time = 1;
    return p;
}

struct VancomycinCase {
    VancomycinCase()
    {
        patient.patient_weight = 62.0;
        analysis.kubun_id = 5;
        analysis.yakuzainame_id = 1;
        analysis.yakuhinname_id = 1;
        analysis.analysis_algo = 2;
        analysis.bosyudan.v1 = 0.35 * 62.0;
        analysis.bosyudan.cl = 0.055;
        analysis.bosyudan.k12 = 0.55;
        analysis.bosyudan.k21 = 0.3;
        analysis.kaiseki = analysis.bosyudan;
        analysis.kaiseki.v1 = 0.31 * 62.0;
        analysis.kaiseki.cl = 0.047;
        auto& rx = sets.PrescriptionLists;
        for (int hour : {9, 21})
            rx[0].push_back(Every(0, 13, hour, 1000));
        for (int s = 1; s < ScheduleSetCount; ++s) {
            for (int hour : {9, 21})
                rx[s].push_back(Every(0, 4, hour, 1000));
        }
        for (int hour : {9, 21})
            rx[1].push_back(Every(5, 13, hour, 1500));
        for (int hour : {1, 9, 17})
            rx[2].push_back(Every(5, 13, hour, 750));
        rx[3].push_back(Every(5, 13, 9, 2000));
        ComputeGraphSpan(rx[0], DrugKeyOf(analysis), FirstDay, graph);
        graph.GraphYMin = 0;
        graph.GraphYMax = 60;
        graph.GraphYRange = 60;
        graph.RangeLower = 10;
        graph.RangeUpper = 20;
        for (int s = 0; s < ScheduleSetCount; ++s) {
            ExpandPrescriptions(rx[s], DrugKeyOf(analysis), sets.ScheduleDayLists[s]);
            SortByTime(sets.ScheduleDayLists[s]);
            BuildDoseEvents(sets.ScheduleDayLists[s], DoseEventContextOf(analysis, graph), sets.DoseEventLists[s]);
        }
    }
    void View(int fromDay, int days)
    {
        graph.GraphViewStart = FirstDay + fromDay;
        graph.GraphViewEnd = graph.GraphViewStart + days;
        graph.GraphViewDays = days;
    }
    TEngineContext Context()
    {
        return TEngineContext(patient, analysis, sets, LastScheduleSetIndex(sets),
                              {graph.GraphFirstDay, graph.GraphViewStart, graph.GraphViewEnd}, models, buffers);
    }

    TPatientRecord patient;
    TAnalysisRecord analysis;
    TScheduleSets sets;
    TGraphState graph;
    TSimulationBuffers buffers;
    std::unique_ptr<T1ComKeikoGN> m1 = std::make_unique<T1ComKeikoGN>();
    std::unique_ptr<T1ComTentekiGN> m2 = std::make_unique<T1ComTentekiGN>();
    std::unique_ptr<T2ComTentekiGN> m3 = std::make_unique<T2ComTentekiGN>();
    std::unique_ptr<TMM1ComKeikoGN> m4 = std::make_unique<TMM1ComKeikoGN>();
    std::unique_ptr<TMM1ComTentekiGN> m5 = std::make_unique<TMM1ComTentekiGN>();
    TEngineModels models{*m1, *m2, *m3, *m4, *m5};
};

void Refresh(benchmark::State& state, int fromDay, int days, int threads)
{
    VancomycinCase c;
    c.View(fromDay, days);
    const TGraphFontMetrics metrics;
    TConcentrationGraph graph;
    for (auto _ : state) {
        TGraphCurves curves = ComputeGraphCurves(c.Context(), c.graph, threads);
        graph.SetCurves(std::move(curves), c.graph, DrugKeyOf(c.analysis));
        TGraphAxesInput axes;
        axes.Graph = c.graph;
        axes.Drug = DrugKeyOf(c.analysis);
        graph.SetAxes(axes, metrics);
        benchmark::DoNotOptimize(graph.CompartmentLines().size());
    }
    state.counters["listPoints"] = (ScheduleSetCount + 1) * days * 720.0;
}

void BM_Graph14Days(benchmark::State& state)
{
    Refresh(state, 0, 14, AllProcessorThreads);
}
BENCHMARK(BM_Graph14Days)->Unit(benchmark::kMillisecond)->Repetitions(5)->ReportAggregatesOnly();

void BM_Graph14DaysOneThread(benchmark::State& state)
{
    Refresh(state, 0, 14, 1);
}
BENCHMARK(BM_Graph14DaysOneThread)->Unit(benchmark::kMillisecond)->Repetitions(3)->ReportAggregatesOnly();

void BM_Graph100DaysFromFirstDay(benchmark::State& state)
{
    Refresh(state, 0, 100, AllProcessorThreads);
}
BENCHMARK(BM_Graph100DaysFromFirstDay)
    ->Unit(benchmark::kMillisecond)->Iterations(1)->Repetitions(5)->ReportAggregatesOnly();

void BM_Graph100DaysFromLastScheduleDay(benchmark::State& state)
{
    Refresh(state, 13, 100, AllProcessorThreads);
}
BENCHMARK(BM_Graph100DaysFromLastScheduleDay)
    ->Unit(benchmark::kMillisecond)->Iterations(1)->Repetitions(5)->ReportAggregatesOnly();

void BM_GraphDays60To160(benchmark::State& state)
{
    Refresh(state, 60, 100, AllProcessorThreads);
}
BENCHMARK(BM_GraphDays60To160)->Unit(benchmark::kMillisecond)->Iterations(1)->Repetitions(5)->ReportAggregatesOnly();

void BM_GraphDays60To160OneThread(benchmark::State& state)
{
    Refresh(state, 60, 100, 1);
}
BENCHMARK(BM_GraphDays60To160OneThread)
    ->Unit(benchmark::kMillisecond)->Iterations(1)->Repetitions(1);

} // namespace

// The layers draw texts, which need the platform's fonts.
int main(int argc, char** argv)
{
    if (!std::getenv("QT_QPA_PLATFORM"))
        setenv("QT_QPA_PLATFORM", "offscreen", 1);
    QGuiApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
