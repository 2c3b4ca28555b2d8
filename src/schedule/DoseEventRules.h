#pragma once
// How an administration becomes engine input, by drug: the factor from mg of
// moiety to the engine's amount unit, and whether the drug's model is an
// infusion model that needs an end event after every administration.
#include "DrugKey.h"

// 0.2 for 2/1/2, 0.8 for aminophylline 2/2/1, 1000 for digoxin 1/1 (mg to
// the engine's µg), else 1.
double EventAmountFactor(const TDrugKey& drug);

// 1/1/4, 2/2/1, 3/1/2, 3/1/3, 3/2/6, 4/1/1, 5/1/1, 5/2/1, 8/1/1 and every
// product of 9/1.
bool IsInfusionKey(const TDrugKey& drug);
