#pragma once
// The prior each estimation set-up hands the fit: the population means
// (theta before the fit) and their CV fractions (omega), in the model's
// parameter order, built from the population block of the analysis. The
// set-ups fit from it; the drug page's confirm judges the same values before
// the analysis is stored.
#include "DispatchKeys.h"
#include "Ustruct.h"

#include <array>
#include <optional>

struct TEstimationPrior {
    int Count = 0;                          // the model's parameters: 2, 3 or 4; 0 without estimation
    std::array<double, 4> Means{};          // the first Count are used
    std::array<double, 4> Cvs{};
    std::optional<double> Bioavailability;  // F the absorption models take (`bosyudan_f`); none for infusions

    // Every mean and CV a positive finite number, and F where one is taken.
    // A CV of ke derived from CV_CL and CV_V is one only when CV_CL > CV_V.
    bool Usable() const;
};

// The prior of a route for a population block and a body weight (kg).
TEstimationPrior EstimationPriorOf(EstimationRoute route, const TParamBlock& mean, const TParamBlock& cv,
                                   double bodyWeight);
