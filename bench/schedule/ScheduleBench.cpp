// A full schedule set (24 prescriptions x 90 days of a one-hour infusion)
// expanded and turned into dose events; both must stay well under a
// millisecond, since every schedule edit re-expands.
#include "DoseEvents.h"
#include "ScheduleExpansion.h"
#include "ScheduleSort.h"

#include <benchmark/benchmark.h>

namespace {

constexpr double FirstDay = 45200;
const TDrugKey Vancomycin{5, 1, 1};

std::vector<TPrescription> FullSet()
{
    std::vector<TPrescription> set;
    for (int i = 0; i < MaxPrescriptionsPerSet; ++i) {
        TPrescription p;
        p.touyo_start_time = FirstDay;
        p.touyo_end_time = OpenEndDate;
        p.touyo_interval = 1;
        p.touyo_time = (i * 60 + 5) / 1440.0;   // 00:05, 01:05, ... one infusion an hour
        p.touyo_dose = 500;
        p.touyo_drip_time = 1;
        set.push_back(p);
    }
    return set;
}

void BM_ExpandFullSet(benchmark::State& state)
{
    const std::vector<TPrescription> set = FullSet();
    std::vector<TScheduleDay> days;
    for (auto _ : state) {
        ExpandPrescriptions(set, Vancomycin, days);
        benchmark::DoNotOptimize(days.data());
    }
}
BENCHMARK(BM_ExpandFullSet)->Unit(benchmark::kMicrosecond);

void BM_SortAndBuildFullSet(benchmark::State& state)
{
    std::vector<TScheduleDay> expanded;
    ExpandPrescriptions(FullSet(), Vancomycin, expanded);
    std::vector<TDoseEvent> events;
    for (auto _ : state) {
        std::vector<TScheduleDay> days = expanded;   // grouped by prescription, as expansion leaves it
        SortByTime(days);
        BuildDoseEvents(days, {Vancomycin, 0, FirstDay}, events);
        benchmark::DoNotOptimize(events.data());
    }
}
BENCHMARK(BM_SortAndBuildFullSet)->Unit(benchmark::kMicrosecond);

void BM_BuildFromUnsortedFullSet(benchmark::State& state)
{
    std::vector<TScheduleDay> days;
    ExpandPrescriptions(FullSet(), Vancomycin, days);
    std::vector<TDoseEvent> events;
    for (auto _ : state) {
        BuildDoseEvents(days, {Vancomycin, 0, FirstDay}, events);
        benchmark::DoNotOptimize(events.data());
    }
}
BENCHMARK(BM_BuildFromUnsortedFullSet)->Unit(benchmark::kMicrosecond);

void BM_FindOverlappingInfusions(benchmark::State& state)
{
    std::vector<TScheduleDay> days;
    ExpandPrescriptions(FullSet(), Vancomycin, days);
    for (auto _ : state)
        benchmark::DoNotOptimize(FindOverlappingInfusions(days, Vancomycin));
}
BENCHMARK(BM_FindOverlappingInfusions)->Unit(benchmark::kMicrosecond);

} // namespace
