#pragma once
// Classical fourth-order Runge-Kutta over a stretch with constant input, for
// one or several independent parameter sets ("lanes") at once. The lanes never
// mix: each one goes through exactly the operations of a single integration,
// so batching them only lets the processor overlap their dependency chains and
// changes no bit of any result.

#include "PkEquations.h"

namespace pk {

// One step of length h from the states (in place), with half = h x 0.5 and
// sixth = h x (1 / 6) given. T is double, or a vector of doubles holding
// several parameter sets' values side by side (element by element the same
// operations). Always inlined, so that vector values never cross a call.
template <class Model, class T>
__attribute__((always_inline)) inline void RungeKuttaStep(const typename Model::Rates& rates, T input, T h, T half,
                                                          T sixth, T* state)
{
    constexpr int S = Model::kStates;
    T k1[S], k2[S], k3[S], k4[S], probe[S];
    Model::Slope(rates, input, state, k1);
    for (int i = 0; i < S; ++i)
        probe[i] = state[i] + half * k1[i];
    Model::Slope(rates, input, probe, k2);
    for (int i = 0; i < S; ++i)
        probe[i] = state[i] + half * k2[i];
    Model::Slope(rates, input, probe, k3);
    for (int i = 0; i < S; ++i)
        probe[i] = state[i] + h * k3[i];
    Model::Slope(rates, input, probe, k4);
    for (int i = 0; i < S; ++i)
        state[i] = state[i] + sixth * (k1[i] + 2.0 * (k2[i] + k3[i]) + k4[i]);
}

template <class Model, int Lanes>
inline void RungeKuttaSteps(const typename Model::Rates (&rates)[Lanes], double input, double h, int steps,
                            double (&y)[Lanes][Model::kStates])
{
    const double half = h * 0.5;
    const double sixth = h * (1.0 / 6.0);
    for (int step = 0; step < steps; ++step) {
        for (int lane = 0; lane < Lanes; ++lane)
            RungeKuttaStep<Model>(rates[lane], input, h, half, sixth, y[lane]);
    }
}

// Adds a dose event's input to the lanes' states and returns the infusion rate
// that holds until the next event (0 for the oral models, whose input is an
// amount dropped into the absorption site).
template <class Model, int Lanes>
inline double ApplyDose(double input, double (&y)[Lanes][Model::kStates])
{
    if constexpr (Model::kRoute == DoseRoute::Oral) {
        for (int lane = 0; lane < Lanes; ++lane)
            y[lane][1] = y[lane][1] + input;
        return 0.0;
    } else {
        (void)y;
        return input;
    }
}

} // namespace pk
