#pragma once
// Many one-interval simulations of one model with one set of rates: the
// points of one curve, each integrating its own last interval from its event
// state. Where the processor has AVX2 they run four to a 256-bit register,
// eight registers side by side; elsewhere they go through SimulateLanes.
//
// Each lane goes through exactly the operations SimulateLanes applies to it,
// in the same order, element by element (the engine is built without fused
// multiply-adds), so every lane's result is bit for bit that of its curve
// computed alone.
#include "CurveLanes.h"

namespace pk {

// Lanes a call takes at most.
inline constexpr int kMaxWideLanes = 32;

namespace wide_detail {

inline constexpr int kWidth = 4;
inline constexpr int kVectors = kMaxWideLanes / kWidth;
using Vector = double __attribute__((vector_size(kWidth * sizeof(double))));

// steps Runge-Kutta steps of `vectors` vectors of lanes sharing their rates.
template <class Model>
__attribute__((always_inline)) inline void Steps(const typename Model::Rates& r, const Vector* input, const Vector* h,
                                                 int vectors, int steps, Vector (*y)[Model::kStates])
{
    Vector half[kVectors];
    Vector sixth[kVectors];
    for (int v = 0; v < vectors; ++v) {
        half[v] = h[v] * 0.5;
        sixth[v] = h[v] * (1.0 / 6.0);
    }
    for (int step = 0; step < steps; ++step) {
#pragma GCC unroll 8
        for (int v = 0; v < vectors; ++v)
            RungeKuttaStep<Model>(r, input[v], h[v], half[v], sixth[v], y[v]);
    }
}

// The lanes listed in active, packed four to a vector (the last vector
// filled up with copies of the last lane, whose results are dropped), run
// for `steps` steps.
template <class Model>
__attribute__((target("avx2"))) void StepActiveWide(CurveLane<Model>* lanes, const int* active, int count, int steps)
{
    constexpr int S = Model::kStates;
    const int vectors = (count + kWidth - 1) / kWidth;
    Vector input[kVectors];
    Vector h[kVectors];
    Vector y[kVectors][S];
    for (int slot = 0; slot < vectors * kWidth; ++slot) {
        const CurveLane<Model>& lane = lanes[active[slot < count ? slot : count - 1]];
        const int v = slot / kWidth;
        const int w = slot % kWidth;
        input[v][w] = lane.input;
        h[v][w] = lane.h;
        for (int k = 0; k < S; ++k)
            y[v][k][w] = lane.y[k];
    }
    switch (vectors) {
    case 1: Steps<Model>(lanes[active[0]].rates, input, h, 1, steps, y); break;
    case 2: Steps<Model>(lanes[active[0]].rates, input, h, 2, steps, y); break;
    case 3: Steps<Model>(lanes[active[0]].rates, input, h, 3, steps, y); break;
    case 4: Steps<Model>(lanes[active[0]].rates, input, h, 4, steps, y); break;
    case 5: Steps<Model>(lanes[active[0]].rates, input, h, 5, steps, y); break;
    case 6: Steps<Model>(lanes[active[0]].rates, input, h, 6, steps, y); break;
    case 7: Steps<Model>(lanes[active[0]].rates, input, h, 7, steps, y); break;
    default: Steps<Model>(lanes[active[0]].rates, input, h, kVectors, steps, y); break;
    }
    for (int slot = 0; slot < count; ++slot) {
        for (int k = 0; k < S; ++k)
            lanes[active[slot]].y[k] = y[slot / kWidth][k][slot % kWidth];
    }
}

inline bool HasWideVectors()
{
#if defined(__x86_64__) || defined(__i386__)
    static const bool avx2 = __builtin_cpu_supports("avx2");
    return avx2;
#else
    return false;
#endif
}

} // namespace wide_detail

// Integrates every lane's single interval (n = 1, set up as for
// SimulateLanes; every lane with the same rates). count <= kMaxWideLanes.
template <class Model>
void SimulateOneIntervalLanes(CurveLane<Model>* lanes, int count)
{
    if (!wide_detail::HasWideVectors()) {
        for (int from = 0; from < count; from += kMaxCurveLanes)
            SimulateLanes(lanes + from, std::min(kMaxCurveLanes, count - from));
        return;
    }
    int active[kMaxWideLanes];
    lanes_detail::RunLanes(lanes, count, active, [](CurveLane<Model>* l, const int* a, int n, int steps) {
        wide_detail::StepActiveWide(l, a, n, steps);
    });
}

} // namespace pk
