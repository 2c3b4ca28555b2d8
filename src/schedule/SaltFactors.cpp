#include "SaltFactors.h"

#include <cmath>

namespace {

constexpr int AnyProduct = 0;   // products are 1-based, so 0 never names one

struct TSaltRow {
    int kubun, yakuzai, yakuhin;
    TSaltFactor factors;
};

// Tested in this order; the first match wins.
constexpr TSaltRow SaltRows[] = {
    {6, 1, AnyProduct, {0.1878467992962512, 5.323487031700288}},    // lithium carbonate
    {3, 1, 2, {0.9198541476754786, 1.0871288698616561}},            // phenytoin, product 2
    {3, 1, 3, {0.620987593540764, 1.6103381297815833}},             // phenytoin derivative, product 3
    {3, 5, AnyProduct, {0.8677417413803479, 1.1524166146591774}},   // valproic acid
    {5, 1, AnyProduct, {0.9754931985380727, 1.0251224729179604}},   // vancomycin
    {7, 1, AnyProduct, {0.856961774421897, 1.1669131924520157}},    // pilsicainide
};

} // namespace

std::optional<TSaltFactor> SaltFactorFor(const TDrugKey& drug)
{
    for (const TSaltRow& row : SaltRows) {
        if (drug.IsDrug(row.kubun, row.yakuzai) && (row.yakuhin == AnyProduct || drug.yakuhin == row.yakuhin))
            return row.factors;
    }
    return std::nullopt;
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
