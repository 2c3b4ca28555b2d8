#include "EstimationDispatch.h"

#include "DispatchKeys.h"
#include "EstimationPrior.h"
#include "U1comkeikogn.h"
#include "U1comtentekign.h"
#include "U2comtentekign.h"
#include "Umm1comkeikogn.h"
#include "Umm1comtentekign.h"
#include "WholeMinutes.h"

#include <algorithm>
#include <array>
#include <climits>
#include <cmath>

double MinutesBetween(vcl::TDateTime a, vcl::TDateTime b)
{
    return WholeMinutesSince(a, b);
}

double CVk(double cvCl, double cvV)
{
    return std::sqrt((cvCl * cvCl - cvV * cvV) / (cvV * cvV + 1.0));
}

TFitSamples SelectFitSamples(const std::vector<TSamplingRecord>& samplings, const std::vector<TDoseEvent>& events,
                             vcl::TDateTime graphFirstDay, ConcentrationUnit unit)
{
    TFitSamples samples;
    if (events.empty())
        return samples;
    const double firstDose = events.front().Time;
    for (const TSamplingRecord& sampling : samplings) {
        const double t = MinutesBetween(sampling.saiketu_time, graphFirstDay);
        if (t >= firstDose) {
            samples.Times.push_back(pk::MinutesToHours(t));
            samples.Values.push_back(ToEngineConcentration(sampling.saiketu_value, unit));
        }
    }
    return samples;
}

namespace {

bool IsEngineMinute(double value)
{
    return std::trunc(value) == value && value >= INT_MIN && value <= INT_MAX;
}

} // namespace

bool ToEngineDoseEvents(const std::vector<TDoseEvent>& events, std::vector<PkDoseEvent>& out)
{
    out.clear();
    out.reserve(events.size());
    for (const TDoseEvent& e : events) {
        if (!IsEngineMinute(e.Time) || !IsEngineMinute(e.Duration))
            return false;
        out.push_back({static_cast<int>(e.Time), e.Amount, static_cast<int>(e.Duration)});
    }
    return true;
}

namespace {

// A prior the fit can use: every mean and every CV fraction a positive
// finite number. A CVk of a negative radicand (cv_cl below cv_V) is not.
template <std::size_t P>
bool UsablePriors(std::span<const double, P> theta, std::span<const double, P> omega)
{
    for (std::size_t i = 0; i < P; ++i) {
        if (!(std::isfinite(theta[i]) && theta[i] > 0.0 && std::isfinite(omega[i]) && omega[i] > 0.0))
            return false;
    }
    return true;
}

// What distinguishes the wrappers besides their model.
enum class EmptySampling {
    SkipFit,   // no usable sampling: no fit, FitNoUsableSampling
    FitAnyway, // only an empty sampling list skips the fit; none usable still fits
};

struct FitSettings {
    EmptySampling empty;
    ConcentrationUnit unit;   // of the samplings and the initial concentration
    double bioavail;
};

template <class Model, std::size_t P>
int RunFit(const TEngineContext& c, Model& model, std::span<double, P> theta, std::span<const double, P> omega,
           double& ss, const FitSettings& settings)
{
    // Without samplings to fit the population values stand as they are; the
    // priors are checked only where a fit would run.
    if (settings.empty == EmptySampling::FitAnyway && c.Sets.Samplings.empty())
        return FitNoUsableSampling;
    const std::vector<TDoseEvent>& events = *c.ActiveDoseEvents;
    const TFitSamples samples = SelectFitSamples(c.Sets.Samplings, events, c.Graph.GraphFirstDay, settings.unit);
    if (settings.empty == EmptySampling::SkipFit && samples.Times.empty())
        return FitNoUsableSampling;
    if (!UsablePriors<P>(theta, omega))
        return FitFailed;
    std::vector<PkDoseEvent> engineEvents;
    if (!ToEngineDoseEvents(events, engineEvents))
        return FitFailed;
    const double c0 = ToEngineConcentration(c.Analysis.init_value, settings.unit);
    return model.Estimate(theta.data(), omega.data(), samples.Times.data(), samples.Values.data(),
                          static_cast<int>(samples.Times.size()), c.BodyWeight(), engineEvents, settings.bioavail,
                          &ss, c.Analysis.weight_value, c0);
}

} // namespace

int RunFit1CompOral(const TEngineContext& c, std::span<double, 3> theta, std::span<const double, 3> omega,
                    double& ss)
{
    return RunFit(c, c.Models.Model1ComKeiko, theta, omega, ss,
                  {EmptySampling::SkipFit, ConcentrationUnitOf(DrugKeyOf(c.Analysis)), c.Analysis.bosyudan.f});
}

int RunFit1CompInfusion(const TEngineContext& c, std::span<double, 2> theta, std::span<const double, 2> omega,
                        double& ss)
{
    return RunFit(c, c.Models.Model1ComTenteki, theta, omega, ss,
                  {EmptySampling::SkipFit, ConcentrationUnit::Engine, 1.0});
}

int RunFit2CompInfusion(const TEngineContext& c, std::span<double, 4> theta, std::span<const double, 4> omega,
                        double& ss)
{
    return RunFit(c, c.Models.Model2ComTenteki, theta, omega, ss,
                  {EmptySampling::FitAnyway, ConcentrationUnit::Engine, 1.0});
}

int RunFit2CompInfusionUm(const TEngineContext& c, std::span<double, 4> theta, std::span<const double, 4> omega,
                          double& ss)
{
    return RunFit(c, c.Models.Model2ComTenteki, theta, omega, ss,
                  {EmptySampling::FitAnyway, ConcentrationUnit::MethotrexateMicromolar, 1.0});
}

int RunFitMMOral(const TEngineContext& c, std::span<double, 4> theta, std::span<const double, 4> omega, double& ss)
{
    return RunFit(c, c.Models.ModelMM1ComKeiko, theta, omega, ss,
                  {EmptySampling::SkipFit, ConcentrationUnit::Engine, c.Analysis.bosyudan.f});
}

int RunFitMMInfusion(const TEngineContext& c, std::span<double, 3> theta, std::span<const double, 3> omega,
                     double& ss)
{
    return RunFit(c, c.Models.ModelMM1ComTenteki, theta, omega, ss,
                  {EmptySampling::SkipFit, ConcentrationUnit::Engine, 1.0});
}

// The set-ups. theta starts as a copy of the means and omega of the CV
// fractions; whatever the wrapper returns, theta is written back (the means
// themselves when no fit ran or it failed).

namespace {

template <std::size_t P>
struct TFitStart {
    std::array<double, P> theta;
    std::array<double, P> omega;
};

template <std::size_t P>
TFitStart<P> FitStart(const TEngineContext& c, EstimationRoute route)
{
    const TEstimationPrior prior =
        EstimationPriorOf(route, c.Analysis.bosyudan, c.Analysis.bosyudan_vari, c.BodyWeight());
    TFitStart<P> start;
    std::copy_n(prior.Means.begin(), P, start.theta.begin());
    std::copy_n(prior.Cvs.begin(), P, start.omega.begin());
    return start;
}

} // namespace

int SetupFitOralCl(const TEngineContext& c)
{
    const TParamBlock& pop = c.Analysis.bosyudan;
    auto [theta, omega] = FitStart<3>(c, EstimationRoute::OralCl);
    double ss = 0.0;
    const int result = RunFit1CompOral(c, theta, omega, ss);
    TParamBlock& est = c.Analysis.kaiseki;
    est.ka = theta[1];
    est.ke = theta[2];
    est.vd = theta[0];
    est.f = pop.f;
    est.cl = theta[2] * theta[0];
    c.Analysis.ss = ss;
    return result;
}

int SetupFitOralClF(const TEngineContext& c)
{
    auto [theta, omega] = FitStart<3>(c, EstimationRoute::OralClF);
    double ss = 0.0;
    const int result = RunFit1CompOral(c, theta, omega, ss);
    TParamBlock& est = c.Analysis.kaiseki;
    est.ka = theta[1];
    est.ke = theta[2];
    est.vd = theta[0];
    est.cl = theta[2] * theta[0];
    c.Analysis.ss = ss;
    return result;
}

int SetupFitOralClAbs(const TEngineContext& c)
{
    const TParamBlock& pop = c.Analysis.bosyudan;
    const double bw = c.BodyWeight();
    auto [theta, omega] = FitStart<3>(c, EstimationRoute::OralClAbs);
    double ss = 0.0;
    const int result = RunFit1CompOral(c, theta, omega, ss);
    TParamBlock& est = c.Analysis.kaiseki;
    est.ka = theta[1];
    est.ke = theta[2];
    est.vd = theta[0] * bw;
    est.f = pop.f;
    est.cl = theta[0] * bw * theta[2];
    c.Analysis.ss = ss;
    return result;
}

int SetupFitOralKe(const TEngineContext& c)
{
    const TParamBlock& pop = c.Analysis.bosyudan;
    auto [theta, omega] = FitStart<3>(c, EstimationRoute::OralKe);
    double ss = 0.0;
    const int result = RunFit1CompOral(c, theta, omega, ss);
    TParamBlock& est = c.Analysis.kaiseki;
    est.ka = theta[1];
    est.ke = theta[2];
    est.vd = theta[0];
    est.f = pop.f;
    est.cl = theta[2] * theta[0];
    c.Analysis.ss = ss;
    return result;
}

int SetupFitInfusionClAbs(const TEngineContext& c)
{
    const double bw = c.BodyWeight();
    auto [theta, omega] = FitStart<2>(c, EstimationRoute::InfusionClAbs);
    double ss = 0.0;
    const int result = RunFit1CompInfusion(c, theta, omega, ss);
    TParamBlock& est = c.Analysis.kaiseki;
    est.ke = theta[1];
    est.vd = theta[0] * bw;
    est.cl = theta[1] * theta[0] * bw;
    c.Analysis.ss = ss;
    return result;
}

int SetupFitInfusionCl(const TEngineContext& c)
{
    auto [theta, omega] = FitStart<2>(c, EstimationRoute::InfusionCl);
    double ss = 0.0;
    const int result = RunFit1CompInfusion(c, theta, omega, ss);
    TParamBlock& est = c.Analysis.kaiseki;
    est.ke = theta[1];
    est.vd = theta[0];
    est.cl = theta[1] * theta[0];
    c.Analysis.ss = ss;
    return result;
}

int SetupFit2CompCl(const TEngineContext& c)
{
    const double bw = c.BodyWeight();
    auto [theta, omega] = FitStart<4>(c, EstimationRoute::TwoCompCl);
    double ss = 0.0;
    const int result = RunFit2CompInfusion(c, theta, omega, ss);
    TParamBlock& est = c.Analysis.kaiseki;
    est.v1 = theta[0] * bw;
    est.k12 = theta[2];
    est.k21 = theta[3];
    est.cl = theta[0] * theta[1];
    c.Analysis.ss = ss;
    return result;
}

int SetupFit2CompKe(const TEngineContext& c)
{
    auto [theta, omega] = FitStart<4>(c, EstimationRoute::TwoCompKe);
    double ss = 0.0;
    const int result = RunFit2CompInfusionUm(c, theta, omega, ss);
    TParamBlock& est = c.Analysis.kaiseki;
    est.v1 = theta[0];
    est.ke = theta[1];
    est.k12 = theta[2];
    est.k21 = theta[3];
    c.Analysis.ss = ss;
    return result;
}

int SetupFitMMOral(const TEngineContext& c)
{
    const TParamBlock& pop = c.Analysis.bosyudan;
    auto [theta, omega] = FitStart<4>(c, EstimationRoute::MMOral);
    double ss = 0.0;
    const int result = RunFitMMOral(c, theta, omega, ss);
    TParamBlock& est = c.Analysis.kaiseki;
    est.vd = theta[0];
    est.ka = theta[1];
    est.a = theta[2];
    est.b = theta[3];
    est.f = pop.f;
    c.Analysis.ss = ss;
    return result;
}

int SetupFitMMInfusion(const TEngineContext& c)
{
    const TParamBlock& pop = c.Analysis.bosyudan;
    auto [theta, omega] = FitStart<3>(c, EstimationRoute::MMInfusion);
    double ss = 0.0;
    const int result = RunFitMMInfusion(c, theta, omega, ss);
    TParamBlock& est = c.Analysis.kaiseki;
    est.vd = theta[0];
    est.a = theta[1];
    est.b = theta[2];
    est.f = pop.f;
    c.Analysis.ss = ss;
    return result;
}

int EstimateIndividualParams(const TEngineContext& context)
{
    // The estimation always uses the patient's real schedule.
    const TEngineContext c = context.OnSet(0);
    switch (EstimationRouteOf(DrugKeyOf(c.Analysis))) {
    case EstimationRoute::OralClAbs:
        return SetupFitOralClAbs(c);
    case EstimationRoute::InfusionClAbs:
        return SetupFitInfusionClAbs(c);
    case EstimationRoute::OralCl:
        return SetupFitOralCl(c);
    case EstimationRoute::OralClF:
        return SetupFitOralClF(c);
    case EstimationRoute::InfusionCl:
        return SetupFitInfusionCl(c);
    case EstimationRoute::MMOral:
        return SetupFitMMOral(c);
    case EstimationRoute::MMInfusion:
        return SetupFitMMInfusion(c);
    case EstimationRoute::OralKe:
        return SetupFitOralKe(c);
    case EstimationRoute::TwoCompCl:
        return SetupFit2CompCl(c);
    case EstimationRoute::TwoCompKe:
        return SetupFit2CompKe(c);
    case EstimationRoute::None:
        break;
    }
    return FitConverged;
}
