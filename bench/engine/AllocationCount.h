#pragma once
// Heap allocations made inside the engine calls of a benchmark case. The
// process-wide count is kept by the replaced operator new (EngineBench.cpp).
#include <benchmark/benchmark.h>

extern long g_allocations;

class AllocationCount {
public:
    void Start() { start_ = g_allocations; }
    void Stop() { counted_ += g_allocations - start_; }
    void Report(benchmark::State& state) const
    {
        state.counters["allocs"] =
            benchmark::Counter(static_cast<double>(counted_), benchmark::Counter::kAvgIterations);
    }

private:
    long start_ = 0;
    long counted_ = 0;
};
