#pragma once
// The drug-key tables of the estimation and the concentration prediction:
// which prior set-up, which simulation set-up and which initial amount each
// product gets and the unit it is measured in. A table
// is searched in order and the first matching row wins; a key without a row
// gets nothing. tests/engine/data/dispatch_keys.txt lists every product's.
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

// The unit the drug's samplings, initial value and curves are in, as the
// engine converts it: mEq/L for lithium, μM for methotrexate, else the
// engine's own mass per volume.
ConcentrationUnit ConcentrationUnitOf(const TDrugKey& key);

// The tables themselves, for checks over every row.
std::span<const TDrugRule<EstimationRoute>> EstimationRouteRules();
std::span<const TDrugRule<SimulationRoute>> SimulationRouteRules();
std::span<const TDrugRule<TInitialAmountRule>> InitialAmountRuleRules();
std::span<const TDrugRule<ConcentrationUnit>> ConcentrationUnitRules();
