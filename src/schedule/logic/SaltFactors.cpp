#include "SaltFactors.h"

#include <cmath>

namespace {

using namespace drugs;

// Tested in this order; the first match wins.
constexpr TDrugRule<TSaltFactor> SaltTable[] = {
    {Lithium, {0.1878467992962512, 5.323487031700288}},                // lithium carbonate, every product
    {Phenytoin.Product(2), {0.9198541476754786, 1.0871288698616561}},  // phenytoin injection
    {Phenytoin.Product(3), {0.620987593540764, 1.6103381297815833}},   // fosphenytoin
    {ValproicAcid, {0.8677417413803479, 1.1524166146591774}},          // valproic acid, every product
    {Vancomycin, {0.9754931985380727, 1.0251224729179604}},            // vancomycin, every product
    {Pilsicainide, {0.856961774421897, 1.1669131924520157}},           // pilsicainide, every product
};

} // namespace

std::optional<TSaltFactor> SaltFactorFor(const TDrugKey& drug)
{
    return FindFirstMatch(SaltTable, drug);
}

std::span<const TDrugRule<TSaltFactor>> SaltFactorRules()
{
    return SaltTable;
}

double FormulationToMoiety(const TDrugKey& drug, double formulation)
{
    const std::optional<TSaltFactor> salt = SaltFactorFor(drug);
    return salt ? formulation * salt->Factor : formulation;
}

double MoietyToFormulation(const TDrugKey& drug, double moiety)
{
    const std::optional<TSaltFactor> salt = SaltFactorFor(drug);
    return salt ? std::floor(moiety * salt->Reciprocal + 0.5) : moiety;
}
