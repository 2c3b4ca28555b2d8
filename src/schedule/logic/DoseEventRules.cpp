#include "DoseEventRules.h"

namespace {

using namespace drugs;

// mg of moiety to the engine's amount unit.
constexpr TDrugRule<double> AmountFactorTable[] = {
    {Theophylline.Product(2), 0.2},      // theophylline dry syrup 20 %
    {Aminophylline.Product(1), 0.8},     // aminophylline injection
    {Digoxin, 1000.0},                   // digoxin, every product: mg to µg
};

// The products given by infusion, whose every administration is followed by
// its end event.
constexpr TDrugRule<Administration> AdministrationTable[] = {
    {Digoxin.Product(4), Administration::Infusion},          // digoxin injection
    {Aminophylline.Product(1), Administration::Infusion},    // aminophylline injection
    {Phenytoin.Products(2, 3), Administration::Infusion},    // phenytoin injection, fosphenytoin
    {Phenobarbital.Product(6), Administration::Infusion},    // phenobarbital intravenous
    {Arbekacin.Product(1), Administration::Infusion},        // arbekacin
    {Vancomycin.Product(1), Administration::Infusion},       // vancomycin
    {Teicoplanin.Product(1), Administration::Infusion},      // teicoplanin
    {Meropenem.Product(1), Administration::Infusion},        // meropenem
    {Methotrexate, Administration::Infusion},                // methotrexate, every product
};

} // namespace

double EventAmountFactor(const TDrugKey& drug)
{
    return FirstMatch(AmountFactorTable, drug, 1.0);
}

Administration AdministrationOf(const TDrugKey& drug)
{
    return FirstMatch(AdministrationTable, drug, Administration::Single);
}

std::span<const TDrugRule<double>> EventAmountFactorRules()
{
    return AmountFactorTable;
}

std::span<const TDrugRule<Administration>> AdministrationRules()
{
    return AdministrationTable;
}
