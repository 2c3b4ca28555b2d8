#pragma once
// Resumable simulation over caller-given intervals: the integration behind
// SimulateCurve for all five models.

#include "PkDoseEvent.h"
#include "RungeKutta.h"

#include <cmath>
#include <limits>

namespace pk {

// Integrates n intervals; interval i starts at bounds[i] with inputs[i] (an
// amount for the oral models, a rate for the others) and ends at bounds[i + 1].
// y holds the initial states on entry and the states at bounds[n] on return.
// When every resume pointer is given (doseCounter and one per state), the
// state at the start of the last interval is written back and the counter
// advanced by n - 1, so a later call can resume at that interval's dose.
// Returns false, touching nothing, when n is negative or beyond the capacity
// or an array is missing.
template <class Model>
bool SimulateStates(const double* inputs, const double* bounds, int n, const double* theta, double bodyWeight,
                    double bioavail, double (&y)[1][Model::kStates], int* doseCounter,
                    double* const (&resume)[Model::kStates])
{
    constexpr int S = Model::kStates;
    if (n < 0 || n > kMaxCurveIntervals || (n > 0 && (!inputs || !bounds)))
        return false;
    const typename Model::Rates rates[1] = {Model::Prepare(theta, bodyWeight, bioavail)};
    bool resumable = doseCounter != nullptr;
    for (int k = 0; k < S; ++k)
        resumable = resumable && resume[k] != nullptr;

    for (int i = 0; i < n; ++i) {
        const double input = ApplyDose<Model>(inputs[i], y);
        const double length = bounds[i + 1] - bounds[i];
        // 100 steps for an empty interval, 100 more per day of length.
        const double count = std::trunc((length / 24.0 + 1.0) * 100.0);
        if (std::isfinite(length) && count < 2147483647.0) {
            const int steps = count > 0.0 ? static_cast<int>(count) : 0;
            if (steps > 0)
                RungeKuttaSteps<Model>(rates, input, length / steps, steps, y);
        } else {
            // A bound that is not a finite number (or an interval of some
            // hundred million hours): the states are undefined from here on,
            // and say so rather than loop for ever.
            for (int k = 0; k < S; ++k)
                y[0][k] = std::numeric_limits<double>::quiet_NaN();
        }
        if (i == n - 2 && resumable) {
            for (int k = 0; k < S; ++k)
                *resume[k] = y[0][k];
            *doseCounter = *doseCounter + (n - 1);
        }
    }
    return true;
}

} // namespace pk
