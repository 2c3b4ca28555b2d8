#include "DoseEventRules.h"

double EventAmountFactor(const TDrugKey& drug)
{
    if (drug.IsProduct(2, 1, 2))
        return 0.2;
    if (drug.IsProduct(2, 2, 1))
        return 0.8;
    if (drug.IsDrug(1, 1))
        return 1000.0;
    return 1.0;
}

bool IsInfusionKey(const TDrugKey& drug)
{
    struct TProductKey {
        int kubun, yakuzai, yakuhin;
    };
    static constexpr TProductKey InfusionProducts[] = {
        {1, 1, 4}, {2, 2, 1}, {3, 1, 2}, {3, 1, 3}, {3, 2, 6}, {4, 1, 1}, {5, 1, 1}, {5, 2, 1}, {8, 1, 1},
    };
    if (drug.IsDrug(9, 1))
        return true;
    for (const TProductKey& key : InfusionProducts) {
        if (drug.IsProduct(key.kubun, key.yakuzai, key.yakuhin))
            return true;
    }
    return false;
}
