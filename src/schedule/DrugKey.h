#pragma once
// The key that every per-drug rule of the schedule dispatches on: category,
// generic drug and product of the current analysis, all 1-based. A rule for
// "every product of a drug" checks the first two numbers only.
#include "Ustruct.h"

struct TDrugKey {
    int kubun = 0;      // category (`kubun_id`)
    int yakuzai = 0;    // generic drug within the category (`yakuzainame_id`)
    int yakuhin = 0;    // product within the drug (`yakuhinname_id`)

    constexpr bool IsDrug(int category, int drug) const { return kubun == category && yakuzai == drug; }
    constexpr bool IsProduct(int category, int drug, int product) const
    {
        return IsDrug(category, drug) && yakuhin == product;
    }
};

inline TDrugKey DrugKeyOf(const TAnalysisRecord& analysis)
{
    return {analysis.kubun_id, analysis.yakuzainame_id, analysis.yakuhinname_id};
}
