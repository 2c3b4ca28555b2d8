#pragma once
// How an administration becomes engine input, by drug: the factor from mg of
// moiety to the engine's amount unit, and whether the drug's model is an
// infusion model that needs an end event after every administration.
#include "DrugKey.h"

#include <span>

// 0.2 for theophylline dry syrup, 0.8 for aminophylline, 1000 for digoxin (mg
// to the engine's µg), else 1.
double EventAmountFactor(const TDrugKey& drug);

enum class Administration {
    Single,     // an oral dose or a bolus: one event
    Infusion,   // a start event and, after it, its end event
};
Administration AdministrationOf(const TDrugKey& drug);

// The tables themselves, for checks over every row.
std::span<const TDrugRule<double>> EventAmountFactorRules();
std::span<const TDrugRule<Administration>> AdministrationRules();
