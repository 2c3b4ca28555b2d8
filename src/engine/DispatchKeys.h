#pragma once
// The drug-key tables of the estimation and the concentration prediction:
// which prior set-up, which simulation set-up and which initial amount each
// product gets. A table is searched in order and the first matching row wins;
// a key without a row gets nothing.
#include "ConcentrationUnits.h"
#include "DrugKey.h"

#include <span>

enum class EstimationRoute {
    None,
    OralClAbs,      // SetupFitOralClAbs, one compartment oral
    InfusionClAbs,  // SetupFitInfusionClAbs, one compartment infusion
    OralCl,         // SetupFitOralCl, one compartment oral
    OralClF,        // SetupFitOralClF, one compartment oral
    InfusionCl,     // SetupFitInfusionCl, one compartment infusion
    MMOral,         // SetupFitMMOral
    MMInfusion,     // SetupFitMMInfusion
    OralKe,         // SetupFitOralKe, one compartment oral
    TwoCompCl,      // SetupFit2CompCl, two compartments
    TwoCompKe,      // SetupFit2CompKe, two compartments, micromolar samplings
};

enum class SimulationRoute {
    None,
    OralB,          // SimSetup1CompOralB
    InfusionA,      // SimSetup1CompInfusionA
    OralA,          // SimSetup1CompOralA
    OralC,          // SimSetup1CompOralC (lithium, reported in mEq/L)
    InfusionB,      // SimSetup1CompInfusionB
    MMOral,         // SimSetupMMOral
    MMInfusion,     // SimSetupMMInfusion
    TwoComp,        // SimSetup2CompInfusion
    TwoCompB,       // SimSetup2CompInfusionB (methotrexate, reported in μM)
};

// The initial amount of a curve: init_value x V, times the body weight for
// the products whose V is per kilogram.
enum class InitialVolume { None, Vd, V1 };
enum class WeightFactor { Without, TimesBodyWeight };
struct TInitialAmountRule {
    InitialVolume Volume = InitialVolume::None;
    WeightFactor Weight = WeightFactor::Without;
};

EstimationRoute EstimationRouteOf(const TDrugKey& key);
SimulationRoute SimulationRouteOf(const TDrugKey& key);
TInitialAmountRule InitialAmountRuleOf(const TDrugKey& key);

// The unit the samplings and the initial concentration are entered in: mEq/L
// for lithium, μM for methotrexate, else the engine's own.
ConcentrationUnit SamplingUnitOf(const TDrugKey& key);

// The tables themselves, for checks over every row.
std::span<const TDrugRule<EstimationRoute>> EstimationRouteRules();
std::span<const TDrugRule<SimulationRoute>> SimulationRouteRules();
std::span<const TDrugRule<TInitialAmountRule>> InitialAmountRuleRules();
std::span<const TDrugRule<ConcentrationUnit>> SamplingUnitRules();
