#include "ConcentrationDispatch.h"

#include "CurveModel.h"
#include "DispatchKeys.h"
#include "U1comkeikogn.h"
#include "U1comtentekign.h"
#include "U2comtentekign.h"
#include "Umm1comkeikogn.h"
#include "Umm1comtentekign.h"

namespace {

// What each set-up takes from the block, as the wrapper's arguments.
struct OralArgs {
    double v, ka, ke, f;
};
struct InfusionArgs {
    double v, k;
};
struct TwoCompArgs {
    double v1, k, k12, k21;   // k: CL for Simulate2CompInfusion, ke for Simulate2CompInfusionB
};
struct MMOralArgs {
    double v, ka, km, vmax, f;
};
struct MMInfusionArgs {
    double v, km, vmax;
};

// F is always the population value, also with the estimate block.
double PopulationF(const TEngineContext& c)
{
    return c.Analysis.bosyudan.f;
}

OralArgs ArgsOralA(const TEngineContext& c, const TParamBlock& b)
{
    return {b.vd * c.BodyWeight(), b.ka, b.ke, PopulationF(c)};
}
OralArgs ArgsOralB(const TEngineContext& c, const TParamBlock& b)
{
    return {b.vd, b.ka, b.ke, PopulationF(c)};
}
InfusionArgs ArgsInfusionA(const TParamBlock& b)
{
    return {b.vd, b.ke};
}
InfusionArgs ArgsInfusionB(const TEngineContext& c, const TParamBlock& b)
{
    return {b.vd * c.BodyWeight(), b.ke};
}
TwoCompArgs ArgsTwoComp(const TParamBlock& b)
{
    return {b.v1, b.cl, b.k12, b.k21};
}
TwoCompArgs ArgsTwoCompB(const TParamBlock& b)
{
    return {b.v1, b.ke, b.k12, b.k21};
}
MMOralArgs ArgsMMOral(const TEngineContext& c, const TParamBlock& b)
{
    return {b.vd, b.ka, b.a, b.b, PopulationF(c)};
}
MMInfusionArgs ArgsMMInfusion(const TParamBlock& b)
{
    return {b.vd, b.a, b.b};
}

// What each wrapper hands the model: the one-compartment and the first
// two-compartment wrapper take an absolute volume and divide it by the body
// weight; the others hand the volume as it comes.
TCurveModel OneCompOralCurve(double bw, double v, double ka, double ke, double f)
{
    return {CurveModelKind::OneCompOral, {v / bw, ka, ke, 0.0}, bw, f, 0, ConcentrationUnit::Engine};
}
TCurveModel OneCompInfusionCurve(double bw, double v, double k)
{
    return {CurveModelKind::OneCompInfusion, {v / bw, k, 0.0, 0.0}, bw, 1.0, 0, ConcentrationUnit::Engine};
}
TCurveModel TwoCompInfusionCurve(double bw, int flag, double v1, double cl, double k12, double k21)
{
    const double v1PerKg = v1 / bw;
    return {CurveModelKind::TwoCompInfusion, {v1PerKg, cl / v1PerKg, k12, k21}, bw, 1.0, flag,
            ConcentrationUnit::Engine};
}
TCurveModel TwoCompInfusionBCurve(double bw, int flag, double v1, double ke, double k12, double k21)
{
    return {CurveModelKind::TwoCompInfusion, {v1, ke, k12, k21}, bw, 1.0, flag, ConcentrationUnit::Engine};
}
TCurveModel MMOralCurve(double bw, double v, double ka, double km, double vmax, double f)
{
    return {CurveModelKind::MMOral, {v, ka, km, vmax}, bw, f, 0, ConcentrationUnit::Engine};
}
TCurveModel MMInfusionCurve(double bw, double v, double km, double vmax)
{
    return {CurveModelKind::MMInfusion, {v, km, vmax, 0.0}, bw, 1.0, 0, ConcentrationUnit::Engine};
}

TCurveModel InUnit(TCurveModel model, ConcentrationUnit unit)
{
    model.Unit = unit;
    return model;
}

} // namespace

bool IsOral(CurveModelKind kind)
{
    return kind == CurveModelKind::OneCompOral || kind == CurveModelKind::MMOral;
}

std::optional<TCurveModel> CurveModelOf(const TEngineContext& c, int flag, const TParamBlock& b)
{
    const double bw = c.BodyWeight();
    switch (SimulationRouteOf(DrugKeyOf(c.Analysis))) {
    case SimulationRoute::OralA: {
        const OralArgs a = ArgsOralA(c, b);
        return OneCompOralCurve(bw, a.v, a.ka, a.ke, a.f);
    }
    case SimulationRoute::OralB: {
        const OralArgs a = ArgsOralB(c, b);
        return OneCompOralCurve(bw, a.v, a.ka, a.ke, a.f);
    }
    case SimulationRoute::OralC: {
        const OralArgs a = ArgsOralA(c, b);
        return InUnit(OneCompOralCurve(bw, a.v, a.ka, a.ke, a.f), ConcentrationUnit::LithiumMEqPerL);
    }
    case SimulationRoute::InfusionA: {
        const InfusionArgs a = ArgsInfusionA(b);
        return OneCompInfusionCurve(bw, a.v, a.k);
    }
    case SimulationRoute::InfusionB: {
        const InfusionArgs a = ArgsInfusionB(c, b);
        return OneCompInfusionCurve(bw, a.v, a.k);
    }
    case SimulationRoute::TwoComp: {
        const TwoCompArgs a = ArgsTwoComp(b);
        return TwoCompInfusionCurve(bw, flag, a.v1, a.k, a.k12, a.k21);
    }
    case SimulationRoute::TwoCompB: {
        const TwoCompArgs a = ArgsTwoCompB(b);
        return InUnit(TwoCompInfusionBCurve(bw, flag, a.v1, a.k, a.k12, a.k21),
                      ConcentrationUnit::MethotrexateMicromolar);
    }
    case SimulationRoute::MMOral: {
        const MMOralArgs a = ArgsMMOral(c, b);
        return MMOralCurve(bw, a.v, a.ka, a.km, a.vmax, a.f);
    }
    case SimulationRoute::MMInfusion: {
        const MMInfusionArgs a = ArgsMMInfusion(b);
        return MMInfusionCurve(bw, a.v, a.km, a.vmax);
    }
    case SimulationRoute::None:
        break;
    }
    return std::nullopt;
}

int FillCurveIntervals(const std::vector<TDoseEvent>& events, int from, int t, bool oral,
                       TSimulationBuffers& buffers)
{
    const std::size_t first = from > 0 ? static_cast<std::size_t>(from) : 0;
    std::size_t n = 0;
    // Events are in time order: stop at the first one after t.
    while (first + n < events.size() && !(events[first + n].Time > t))
        ++n;
    if (buffers.Inputs.size() < n + 1)
        buffers.Inputs.resize(n + 1);
    if (buffers.Bounds.size() < n + 1)
        buffers.Bounds.resize(n + 1);
    double* inputs = buffers.Inputs.data();
    double* bounds = buffers.Bounds.data();
    for (std::size_t i = 0; i < n; ++i) {
        const TDoseEvent& e = events[first + i];
        // An end event (amount 0, duration 0) gives rate 0: the infusion stops.
        inputs[i] = oral ? e.Amount : (e.Duration > 0 ? e.Amount / (e.Duration / 60.0) : 0.0);
        bounds[i] = pk::MinutesToHours(e.Time);
    }
    bounds[n] = pk::MinutesToHours(t);
    return static_cast<int>(n);
}

double SimulateCurveModel(const TEngineContext& c, int t, double* second, double* central, int* passed,
                          const TCurveModel& m)
{
    const int from = passed ? *passed : 0;
    const double x0 = central ? *central : 0.0;
    const double second0 = second ? *second : 0.0;
    const int n = FillCurveIntervals(*c.ActiveDoseEvents, from, t, IsOral(m.Kind), c.Buffers);
    const double* in = c.Buffers.Inputs.data();
    const double* bounds = c.Buffers.Bounds.data();
    const double* p = m.Theta;
    switch (m.Kind) {
    case CurveModelKind::OneCompOral:
        return T1ComKeikoGN::SimulateCurve(in, bounds, x0, second0, p[0], p[1], p[2], m.BodyWeight, m.Bioavail, n,
                                           passed, central, second);
    case CurveModelKind::OneCompInfusion:
        return T1ComTentekiGN::SimulateCurve(in, bounds, x0, p[0], p[1], m.BodyWeight, n, passed, central);
    case CurveModelKind::TwoCompInfusion:
        return T2ComTentekiGN::SimulateCurve(in, bounds, x0, second0, p[0], p[1], p[2], p[3], m.BodyWeight, n,
                                             m.Peripheral, passed, central, second);
    case CurveModelKind::MMOral:
        return TMM1ComKeikoGN::SimulateCurve(in, bounds, x0, second0, p[0], p[1], p[2], p[3], m.BodyWeight,
                                             m.Bioavail, n, passed, central, second);
    case CurveModelKind::MMInfusion:
        return TMM1ComTentekiGN::SimulateCurve(in, bounds, x0, p[0], p[1], p[2], m.BodyWeight, n, passed, central);
    }
    return 0.0;
}

// The wrappers.

double Simulate1CompOral(const TEngineContext& c, int t, double* second, double* central, int* passed, double v,
                         double ka, double ke, double f)
{
    return SimulateCurveModel(c, t, second, central, passed, OneCompOralCurve(c.BodyWeight(), v, ka, ke, f));
}

double Simulate1CompInfusion(const TEngineContext& c, int t, double* /*second*/, double* central, int* passed,
                             double v, double k)
{
    return SimulateCurveModel(c, t, nullptr, central, passed, OneCompInfusionCurve(c.BodyWeight(), v, k));
}

double Simulate2CompInfusion(const TEngineContext& c, int t, double* second, double* central, int* passed, int flag,
                             double v1, double cl, double k12, double k21)
{
    return SimulateCurveModel(c, t, second, central, passed,
                              TwoCompInfusionCurve(c.BodyWeight(), flag, v1, cl, k12, k21));
}

double Simulate2CompInfusionB(const TEngineContext& c, int t, double* second, double* central, int* passed,
                              int flag, double v1, double ke, double k12, double k21)
{
    return SimulateCurveModel(c, t, second, central, passed,
                              TwoCompInfusionBCurve(c.BodyWeight(), flag, v1, ke, k12, k21));
}

double SimulateMMOral(const TEngineContext& c, int t, double* second, double* central, int* passed, double v,
                      double ka, double km, double vmax, double f)
{
    return SimulateCurveModel(c, t, second, central, passed, MMOralCurve(c.BodyWeight(), v, ka, km, vmax, f));
}

double SimulateMMInfusion(const TEngineContext& c, int t, double* /*second*/, double* central, int* passed,
                          double v, double km, double vmax)
{
    return SimulateCurveModel(c, t, nullptr, central, passed, MMInfusionCurve(c.BodyWeight(), v, km, vmax));
}

// The set-ups.

double SimSetup1CompOralA(const TEngineContext& c, int t, double* second, double* central, int* passed,
                          const TParamBlock& block)
{
    const OralArgs a = ArgsOralA(c, block);
    return Simulate1CompOral(c, t, second, central, passed, a.v, a.ka, a.ke, a.f);
}

double SimSetup1CompOralB(const TEngineContext& c, int t, double* second, double* central, int* passed,
                          const TParamBlock& block)
{
    const OralArgs a = ArgsOralB(c, block);
    return Simulate1CompOral(c, t, second, central, passed, a.v, a.ka, a.ke, a.f);
}

double SimSetup1CompOralC(const TEngineContext& c, int t, double* second, double* central, int* passed,
                          const TParamBlock& block)
{
    return ToDisplayConcentration(SimSetup1CompOralA(c, t, second, central, passed, block),
                                  ConcentrationUnit::LithiumMEqPerL);
}

double SimSetup1CompInfusionA(const TEngineContext& c, int t, double* second, double* central, int* passed,
                              const TParamBlock& block)
{
    const InfusionArgs a = ArgsInfusionA(block);
    return Simulate1CompInfusion(c, t, second, central, passed, a.v, a.k);
}

double SimSetup1CompInfusionB(const TEngineContext& c, int t, double* second, double* central, int* passed,
                              const TParamBlock& block)
{
    const InfusionArgs a = ArgsInfusionB(c, block);
    return Simulate1CompInfusion(c, t, second, central, passed, a.v, a.k);
}

double SimSetup2CompInfusion(const TEngineContext& c, int t, double* second, double* central, int* passed, int flag,
                             const TParamBlock& block)
{
    const TwoCompArgs a = ArgsTwoComp(block);
    return Simulate2CompInfusion(c, t, second, central, passed, flag, a.v1, a.k, a.k12, a.k21);
}

double SimSetup2CompInfusionB(const TEngineContext& c, int t, double* second, double* central, int* passed,
                              int flag, const TParamBlock& block)
{
    const TwoCompArgs a = ArgsTwoCompB(block);
    return ToDisplayConcentration(Simulate2CompInfusionB(c, t, second, central, passed, flag, a.v1, a.k, a.k12, a.k21),
                                  ConcentrationUnit::MethotrexateMicromolar);
}

double SimSetupMMOral(const TEngineContext& c, int t, double* second, double* central, int* passed,
                      const TParamBlock& block)
{
    const MMOralArgs a = ArgsMMOral(c, block);
    return SimulateMMOral(c, t, second, central, passed, a.v, a.ka, a.km, a.vmax, a.f);
}

double SimSetupMMInfusion(const TEngineContext& c, int t, double* second, double* central, int* passed,
                          const TParamBlock& block)
{
    const MMInfusionArgs a = ArgsMMInfusion(block);
    return SimulateMMInfusion(c, t, second, central, passed, a.v, a.km, a.vmax);
}

double ConcentrationAt(const TEngineContext& c, int t, double* second, double* central, int* passed, int flag,
                       const TParamBlock& block)
{
    switch (SimulationRouteOf(DrugKeyOf(c.Analysis))) {
    case SimulationRoute::OralB:
        return SimSetup1CompOralB(c, t, second, central, passed, block);
    case SimulationRoute::InfusionA:
        return SimSetup1CompInfusionA(c, t, second, central, passed, block);
    case SimulationRoute::OralA:
        return SimSetup1CompOralA(c, t, second, central, passed, block);
    case SimulationRoute::OralC:
        return SimSetup1CompOralC(c, t, second, central, passed, block);
    case SimulationRoute::InfusionB:
        return SimSetup1CompInfusionB(c, t, second, central, passed, block);
    case SimulationRoute::MMOral:
        return SimSetupMMOral(c, t, second, central, passed, block);
    case SimulationRoute::MMInfusion:
        return SimSetupMMInfusion(c, t, second, central, passed, block);
    case SimulationRoute::TwoComp:
        return SimSetup2CompInfusion(c, t, second, central, passed, flag, block);
    case SimulationRoute::TwoCompB:
        return SimSetup2CompInfusionB(c, t, second, central, passed, flag, block);
    case SimulationRoute::None:
        break;
    }
    return 0.0;
}

void SelectSimulationParams(const TEngineContext& c, double* central, double* second, int flag)
{
    const TAnalysisRecord& a = c.Analysis;
    const TDrugKey key = DrugKeyOf(a);
    const TInitialAmountRule rule = InitialAmountRuleOf(key);
    if (rule.Volume == InitialVolume::None) {
        // Vancomycin with a model choice of neither kind still starts its
        // peripheral compartment empty.
        if (drugs::Vancomycin.Product(1).Matches(key) && second)
            *second = 0.0;
        return;
    }
    const TParamBlock& block = flag == 0 ? a.bosyudan : a.kaiseki;
    const double v = rule.Volume == InitialVolume::Vd ? block.vd : block.v1;
    // The initial concentration in the engine's unit, as the fit takes it.
    double amount = ToEngineConcentration(a.init_value, ConcentrationUnitOf(key)) * v;
    if (rule.Weight == WeightFactor::TimesBodyWeight)
        amount = amount * c.BodyWeight();
    if (central)
        *central = amount;
    if (second)
        *second = 0.0;
}
