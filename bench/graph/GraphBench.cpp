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
#include "GraphTestCase.h"

#include <QGuiApplication>
#include <benchmark/benchmark.h>

#include <cstdlib>

namespace {

using namespace graph_test;

TPrescription Every(int fromDay, int toDay, int hour, double dose)
{
    return Prescription(Day + fromDay, Day + toDay, 1, hour / 24.0, dose, 1);
}

void FillCase(GraphCase& c)
{
    SetVancomycinParameters(c);
    for (int hour : {9, 21})
        c.Add(0, Every(0, 13, hour, 1000));
    for (int s = 1; s < ScheduleSetCount; ++s) {
        for (int hour : {9, 21})
            c.Add(s, Every(0, 4, hour, 1000));
    }
    for (int hour : {9, 21})
        c.Add(1, Every(5, 13, hour, 1500));
    for (int hour : {1, 9, 17})
        c.Add(2, Every(5, 13, hour, 750));
    c.Add(3, Every(5, 13, 9, 2000));
    c.Build(0, 60, 10, 20);
}

void Refresh(benchmark::State& state, int fromDay, int days, int threads)
{
    GraphCase c(5, 1, 1, 2);
    FillCase(c);
    c.graph.GraphViewStart = Day + fromDay;
    c.graph.GraphViewEnd = c.graph.GraphViewStart + days;
    c.graph.GraphViewDays = days;
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
