#pragma once
// A set's prescriptions expanded into single administrations.
#include "DrugKey.h"
#include "Udifine.h"

#include <vector>

// Entry allows 24 prescriptions of at most 90 days; a damaged record could
// ask for any number of days. The day list stops one record past what the
// engine can take, so a set cut short here is always refused when its dose
// events are built, never analysed without its later doses.
inline constexpr int MaxExpandedDays = EngineMaxDoseEvents + 1;

enum class ExpansionResult {
    Complete,
    CutAtLimit,   // stopped at MaxExpandedDays records
};

// Clears days and fills it, prescription by prescription in list order: for
// each prescription i, one record {i, start + d + time of day, dose, infusion
// hours, formulation amount} for d = 0, interval, 2 x interval, ... while
// d < trunc(end - start + 1), an open end (0) counting as start + 89. The
// formulation amount is the dose converted by the drug's salt factor, or the
// dose itself. An interval below 1 day (which entry never makes) counts as 1.
ExpansionResult ExpandPrescriptions(const std::vector<TPrescription>& prescriptions, const TDrugKey& drug,
                                    std::vector<TScheduleDay>& days);
