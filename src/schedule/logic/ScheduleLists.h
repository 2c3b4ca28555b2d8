#pragma once
// The two lists of the schedule page: the administrations of the day chosen
// on the calendar, and every sampling; and what a click on a row copies back
// into the entry cells.
#include "DateTime.h"
#include "DrugKey.h"
#include "Ustruct.h"

#include <QString>
#include <array>
#include <optional>
#include <vector>

// Date "yyyy/mm/dd", time "hh:nn", formulation amount, infusion hours and the
// position of the prescription in its set.
using TDoseListRow = std::array<QString, 5>;
// Date "yyyy/mm/dd", time "hh:nn", measured value "0.00".
using TSamplingListRow = std::array<QString, 3>;

// The administrations of days that fall on day, in time order, formatted
// for the drug (digoxin "0.000" and "0.0", the salt cases "0" and "0.00",
// every other drug "0" and "0.0").
std::vector<TDoseListRow> DoseListRows(const std::vector<TScheduleDay>& days, vcl::TDateTime day,
                                       const TDrugKey& drug);
std::vector<TSamplingListRow> SamplingListRows(const std::vector<TSamplingRecord>& samplings);

// The entry cells a dose-list row fills: the time of day, the amounts of the
// row's prescription (in a salt case the formulation amount and the moiety)
// and the infusion hours shown in the row.
struct TDoseRowValues {
    int Hours = 0;
    int Minutes = 0;
    double Dose = 0;                     // StringGridEx15
    std::optional<double> MoietyDose;    // StringGridEx29, salt cases
    double InfusionHours = 0;            // StringGridEx16
};

// Nothing for a row without a date, or whose prescription index is not a
// position in prescriptions (a list left over from another set).
std::optional<TDoseRowValues> DoseRowValues(const TDoseListRow& row, const std::vector<TPrescription>& prescriptions,
                                            const TDrugKey& drug);
