#pragma once
// Six drugs are given as a salt or ester whose amount differs from that of
// the active moiety. The schedule stores and the engine receives the moiety;
// the schedule page also shows and takes the formulation amount. Both columns
// of the table are used as listed: the reciprocal is never recomputed from
// the factor, so amounts converted back and forth match the stored records.
#include "DrugKey.h"

#include <optional>
#include <span>

struct TSaltFactor {
    double Factor = 1;        // formulation -> moiety
    double Reciprocal = 1;    // moiety -> formulation
};

// The first matching row of the table, or nothing for a drug without salt
// conversion.
std::optional<TSaltFactor> SaltFactorFor(const TDrugKey& drug);
// The table itself, for checks over every row.
std::span<const TDrugRule<TSaltFactor>> SaltFactorRules();

// formulation x factor; the amount unchanged for a drug without salt conversion.
double FormulationToMoiety(const TDrugKey& drug, double formulation);

// floor(moiety x reciprocal + 0.5), a whole amount of formulation; the amount
// unchanged for a drug without salt conversion.
double MoietyToFormulation(const TDrugKey& drug, double moiety);
