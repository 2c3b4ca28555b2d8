#pragma once
// The drug-key tables of the estimation and the concentration prediction:
// which prior set-up, which simulation set-up and which initial amount each
// product gets. A table is searched in order and the first matching row wins;
// a key without a row gets nothing.
#include "Ustruct.h"

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

EstimationRoute EstimationRouteOf(const TAnalysisRecord& analysis);
SimulationRoute SimulationRouteOf(const TAnalysisRecord& analysis);
TInitialAmountRule InitialAmountRuleOf(const TAnalysisRecord& analysis);

// Lithium (every product of 6/1) is measured in mEq/L and methotrexate (every
// product of 9/1) in μM; the engine works in mass per volume.
bool IsLithium(const TAnalysisRecord& analysis);
bool IsMethotrexate(const TAnalysisRecord& analysis);
