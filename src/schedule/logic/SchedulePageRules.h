#pragma once
// What the schedule page shows for a drug: the units of the dose and of the
// measured value, the number formats of the entry cells, the dose list and
// the calendar, and for the six salt cases the labels and limits of the
// second amount cell (the active moiety).
#include "DrugKey.h"

#include <QString>
#include <optional>
#include <span>

// The moiety cell and its labels, for a drug given as a salt or ester.
struct TMoietyLabels {
    double MoietyMax = 0;                           // upper limit of the moiety cell
    const char16_t* MoietyName = u"";               // RadioButton13 and the moiety label: "リチウム量"
    const char16_t* FormulationChoice = u"製剤量";  // RadioButton11: the amount that is entered
    const char16_t* FormulationLabel = u"製剤量";   // the label beside the formulation cell
    const char16_t* Note = u"※表示している投与量は製剤量です。";   // Label77
};

struct TSchedulePageUnits {
    const char16_t* DoseUnit = u"mg";
    const char16_t* SamplingUnit = u"μg/mL";
    const char16_t* DoseFormat = u"0";          // the dose cell and the calendar's day sums
    const char16_t* ListAmountFormat = u"0";    // dose list, formulation amount
    const char16_t* ListHoursFormat = u"0.0";   // dose list, infusion hours
    const char16_t* InfusionFormat = u"0.0";    // the infusion-time cell
    std::optional<TMoietyLabels> Moiety;        // nothing: the moiety cell is hidden
};

TSchedulePageUnits SchedulePageUnitsFor(const TDrugKey& drug);
std::span<const TDrugRule<TSchedulePageUnits>> SchedulePageUnitRules();

enum class TPageItem { Shown, Hidden };

// The "初期値" button: hidden for the two-compartment models, whose initial
// value is not entered.
TPageItem InitialValueButtonFor(const TDrugKey& drug);
std::span<const TDrugRule<TPageItem>> InitialValueButtonRules();

// The note Label83 asking for the product amount, not the substance amount.
TPageItem ProductAmountNoteFor(const TDrugKey& drug);

// How a stored case's schedule period starts out when it is loaded.
enum class TDosePeriod {
    EndDate,     // "終了日": from the start to the end date
    StartOnly,   // "開始日のみ": the start day alone
    Open,        // "無限": start + 89 days
};
TDosePeriod LoadedCasePeriodFor(const TDrugKey& drug);
