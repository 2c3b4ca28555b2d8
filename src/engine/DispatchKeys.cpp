#include "DispatchKeys.h"

namespace {

using namespace drugs;

using E = EstimationRoute;
constexpr TDrugRule<E> EstimationTable[] = {
    {Digoxin.Products(1, 3), E::OralClAbs},         // digoxin powder, tablets, elixir
    {Levetiracetam.Product(1), E::OralClAbs},       // levetiracetam
    {Lamotrigine.Product(1), E::OralClAbs},         // lamotrigine
    {Digoxin.Product(4), E::InfusionClAbs},         // digoxin injection
    {Theophylline.Products(1, 3), E::OralCl},       // theophylline tablets, dry syrup, zero-order tablets
    {Phenobarbital.Products(1, 5), E::OralCl},      // phenobarbital oral and intramuscular
    {Zonisamide.Products(1, 2), E::OralCl},         // zonisamide
    {Pilsicainide.Product(1), E::OralCl},           // pilsicainide
    {Theophylline.Product(4), E::OralClF},          // theophylline sustained-release tablets
    {Aminophylline.Product(1), E::InfusionCl},      // aminophylline injection
    {Phenobarbital.Product(6), E::InfusionCl},      // phenobarbital intravenous
    {Vancomycin.Product(1).Algo(1), E::InfusionCl}, // vancomycin, one compartment
    {Phenytoin.Product(1), E::MMOral},              // phenytoin powder
    {Phenytoin.Product(100), E::MMOral},            // phenytoin, oral key 100
    {Phenytoin.Products(2, 3), E::MMInfusion},      // phenytoin injection, fosphenytoin
    {Carbamazepine.Products(1, 2), E::OralKe},      // carbamazepine
    {ValproicAcid.Products(1, 5), E::OralKe},       // valproic acid
    {Lithium.Product(1), E::OralKe},                // lithium carbonate
    {Arbekacin.Product(1), E::TwoCompCl},           // arbekacin
    {Vancomycin.Product(1).Algo(2), E::TwoCompCl},  // vancomycin, two compartments
    {Teicoplanin.Product(1), E::TwoCompCl},         // teicoplanin
    {Meropenem.Product(1), E::TwoCompCl},           // meropenem
    {Methotrexate.Product(1), E::TwoCompKe},        // methotrexate
};

using S = SimulationRoute;
constexpr TDrugRule<S> SimulationTable[] = {
    {Digoxin.Products(1, 3), S::OralB},             // digoxin powder, tablets, elixir
    {Levetiracetam.Product(1), S::OralB},           // levetiracetam
    {Lamotrigine.Product(1), S::OralB},             // lamotrigine
    {Digoxin.Product(4), S::InfusionA},             // digoxin injection
    {Theophylline.Products(1, 4), S::OralA},        // theophylline
    {Phenobarbital.Products(1, 5), S::OralA},       // phenobarbital oral and intramuscular
    {Carbamazepine.Products(1, 2), S::OralA},       // carbamazepine
    {ValproicAcid.Products(1, 5), S::OralA},        // valproic acid
    {Zonisamide.Products(1, 2), S::OralA},          // zonisamide
    {Pilsicainide.Product(1), S::OralA},            // pilsicainide
    {Lithium.Product(1), S::OralC},                 // lithium carbonate, in mEq/L
    {Aminophylline.Product(1), S::InfusionB},       // aminophylline injection
    {Phenobarbital.Product(6), S::InfusionB},       // phenobarbital intravenous
    {Vancomycin.Product(1).Algo(1), S::InfusionB},  // vancomycin, one compartment
    {Phenytoin.Product(1), S::MMOral},              // phenytoin powder
    {Phenytoin.Product(100), S::MMOral},            // phenytoin, oral key 100
    {Phenytoin.Products(2, 3), S::MMInfusion},      // phenytoin injection, fosphenytoin
    {Arbekacin.Product(1), S::TwoComp},             // arbekacin
    {Vancomycin.Product(1).Algo(2), S::TwoComp},    // vancomycin, two compartments
    {Teicoplanin.Product(1), S::TwoComp},           // teicoplanin
    {Meropenem.Product(1), S::TwoComp},             // meropenem
    {Methotrexate.Product(1), S::TwoCompB},         // methotrexate, in μM
};

constexpr TInitialAmountRule VdAbsolute{InitialVolume::Vd, WeightFactor::Without};
constexpr TInitialAmountRule VdPerKg{InitialVolume::Vd, WeightFactor::TimesBodyWeight};
constexpr TInitialAmountRule V1Absolute{InitialVolume::V1, WeightFactor::Without};
constexpr TInitialAmountRule V1PerKg{InitialVolume::V1, WeightFactor::TimesBodyWeight};

constexpr TDrugRule<TInitialAmountRule> InitialAmountTable[] = {
    {Digoxin.Products(1, 4), VdAbsolute},           // digoxin
    {Levetiracetam.Product(1), VdAbsolute},         // levetiracetam
    {Lamotrigine.Product(1), VdAbsolute},           // lamotrigine
    {Theophylline.Products(1, 4), VdPerKg},         // theophylline
    {Aminophylline.Product(1), VdPerKg},            // aminophylline
    {Phenytoin.Products(1, 3), VdPerKg},            // phenytoin, fosphenytoin
    {Phenytoin.Product(100), VdPerKg},              // phenytoin, oral key 100
    {Phenobarbital.Products(1, 6), VdPerKg},        // phenobarbital
    {Carbamazepine.Products(1, 2), VdPerKg},        // carbamazepine
    {ValproicAcid.Products(1, 5), VdPerKg},         // valproic acid
    {Zonisamide.Products(1, 2), VdPerKg},           // zonisamide
    {Vancomycin.Product(1).Algo(1), VdPerKg},       // vancomycin, one compartment
    {Lithium.Product(1), VdPerKg},                  // lithium carbonate
    {Pilsicainide.Product(1), VdPerKg},             // pilsicainide
    {Arbekacin.Product(1), V1Absolute},             // arbekacin
    {Vancomycin.Product(1).Algo(2), V1Absolute},    // vancomycin, two compartments
    {Teicoplanin.Product(1), V1Absolute},           // teicoplanin
    {Meropenem.Product(1), V1Absolute},             // meropenem
    {Methotrexate.Product(1), V1PerKg},             // methotrexate
};

using U = ConcentrationUnit;
constexpr TDrugRule<U> ConcentrationUnitTable[] = {
    {Lithium, U::LithiumMEqPerL},                   // lithium carbonate, measured in mEq/L
    {Methotrexate, U::MethotrexateMicromolar},      // methotrexate, measured in μM
};

} // namespace

EstimationRoute EstimationRouteOf(const TDrugKey& key)
{
    return FirstMatch(EstimationTable, key, E::None);
}

SimulationRoute SimulationRouteOf(const TDrugKey& key)
{
    return FirstMatch(SimulationTable, key, S::None);
}

TInitialAmountRule InitialAmountRuleOf(const TDrugKey& key)
{
    return FirstMatch(InitialAmountTable, key, TInitialAmountRule{});
}

ConcentrationUnit ConcentrationUnitOf(const TDrugKey& key)
{
    return FirstMatch(ConcentrationUnitTable, key, U::Engine);
}

std::span<const TDrugRule<EstimationRoute>> EstimationRouteRules()
{
    return EstimationTable;
}

std::span<const TDrugRule<SimulationRoute>> SimulationRouteRules()
{
    return SimulationTable;
}

std::span<const TDrugRule<TInitialAmountRule>> InitialAmountRuleRules()
{
    return InitialAmountTable;
}

std::span<const TDrugRule<ConcentrationUnit>> ConcentrationUnitRules()
{
    return ConcentrationUnitTable;
}
