#include "EstimationPrior.h"

#include "EstimationDispatch.h"

#include <cmath>

namespace {

bool PositiveFinite(double value)
{
    return std::isfinite(value) && value > 0.0;
}

double Fraction(double percent)
{
    return 0.01 * percent;
}

TEstimationPrior Prior(std::initializer_list<double> means, std::initializer_list<double> cvs,
                       std::optional<double> bioavailability = std::nullopt)
{
    TEstimationPrior prior;
    prior.Count = static_cast<int>(means.size());
    std::copy(means.begin(), means.end(), prior.Means.begin());
    std::copy(cvs.begin(), cvs.end(), prior.Cvs.begin());
    prior.Bioavailability = bioavailability;
    return prior;
}

} // namespace

bool TEstimationPrior::Usable() const
{
    for (int i = 0; i < Count; ++i) {
        if (!PositiveFinite(Means[i]) || !PositiveFinite(Cvs[i]))
            return false;
    }
    return Count > 0 && (!Bioavailability || PositiveFinite(*Bioavailability));
}

TEstimationPrior EstimationPriorOf(EstimationRoute route, const TParamBlock& pop, const TParamBlock& cv,
                                   double bw)
{
    switch (route) {
    case EstimationRoute::OralCl:
        return Prior({pop.vd, pop.ka, pop.cl / pop.vd},
                     {Fraction(cv.vd), Fraction(cv.ka), CVk(Fraction(cv.cl), Fraction(cv.vd))}, pop.f);
    case EstimationRoute::OralClF:
        // The stored values, unscaled: this product has no population set and
        // the drug page refuses it.
        return Prior({pop.vd * pop.f, pop.ka, pop.cl / pop.vd * bw}, {cv.vd, cv.ka, cv.cl / cv.vd}, pop.f);
    case EstimationRoute::OralClAbs:
        return Prior({pop.vd / bw, pop.ka, pop.cl / pop.vd},
                     {Fraction(cv.vd), Fraction(cv.ka), CVk(Fraction(cv.cl), Fraction(cv.vd))}, pop.f);
    case EstimationRoute::OralKe:
        return Prior({pop.vd, pop.ka, pop.ke}, {Fraction(cv.vd), Fraction(cv.ka), Fraction(cv.ke)}, pop.f);
    case EstimationRoute::InfusionClAbs:
        return Prior({pop.vd / bw, pop.cl / pop.vd}, {Fraction(cv.vd), CVk(Fraction(cv.cl), Fraction(cv.vd))});
    case EstimationRoute::InfusionCl:
        return Prior({pop.vd, pop.cl / pop.vd}, {Fraction(cv.vd), CVk(Fraction(cv.cl), Fraction(cv.vd))});
    case EstimationRoute::TwoCompCl:
        return Prior({pop.v1 / bw, pop.cl / (pop.v1 / bw), pop.k12, pop.k21},
                     {Fraction(cv.v1), CVk(Fraction(cv.cl), Fraction(cv.v1)), Fraction(cv.k12), Fraction(cv.k21)});
    case EstimationRoute::TwoCompKe:
        return Prior({pop.v1, pop.ke, pop.k12, pop.k21},
                     {Fraction(cv.v1), Fraction(cv.ke), Fraction(cv.k12), Fraction(cv.k21)});
    case EstimationRoute::MMOral:
        return Prior({pop.vd, pop.ka, pop.a, pop.b}, {Fraction(cv.vd), Fraction(cv.ka), Fraction(cv.a), Fraction(cv.b)},
                     pop.f);
    case EstimationRoute::MMInfusion:
        return Prior({pop.vd, pop.a, pop.b}, {Fraction(cv.vd), Fraction(cv.a), Fraction(cv.b)});
    case EstimationRoute::None:
        break;
    }
    return {};
}
