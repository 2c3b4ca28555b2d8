#pragma once
// What the result dialogs show, as texts from plain values: the unit
// headings by drug, the per-set value rows of the comparison and the AUC
// tables, the days the AUC and time-above-MIC dialogs keep to, the time
// above a MIC, Vmax and the sampling list rows. Pure.
#include "ComparisonMoment.h"
#include "ConcentrationSeries.h"
#include "DrugKey.h"

#include <QString>
#include <array>
#include <span>

// Shown where a set is not in use or a value cannot be given.
inline const QString NoValueText = QStringLiteral("------");

// The heading of the comparison dialog's value row: "血中濃度(ng/mL)" ...
QString ConcentrationHeadingFor(const TDrugKey& drug);

// The unit label and cell format of the initial concentration.
struct TInitialValueUnit {
    const char16_t* Unit;
    const char16_t* Format;
};
TInitialValueUnit InitialValueUnitFor(const TDrugKey& drug);
std::span<const TDrugRule<TInitialValueUnit>> InitialValueUnitRules();

// The column headings of the compartment listing.
struct TCompartmentHeadings {
    const char16_t* Central;
    const char16_t* Peripheral;
};
TCompartmentHeadings CompartmentHeadingsFor(const TDrugKey& drug);
std::span<const TDrugRule<TCompartmentHeadings>> CompartmentHeadingRules();

// Columns 1 .. 5 of a per-set row: the population value, then sets 0 .. 3,
// "0.0000" for the sets in use 0 .. k and "------" for the others.
using TSetRowTexts = std::array<QString, ScheduleSetCount + 1>;
TSetRowTexts SetValueTexts(const TSetValues& values, int k);
// Every cell "------": the row while the dialog's date names no day.
TSetRowTexts NoValueTexts();
// The same for a daily AUC row; every cell "------" when the day gives no
// AUC, and each value that cannot be given (no clearance, no curve) too.
TSetRowTexts AucRowTexts(bool available, const TAucValues& values, int k);

// The day the AUC dialog shows: before the first schedule day the first
// day, more than 100 days after it the day after the last schedule day.
vcl::TDateTime PullAucDay(vcl::TDateTime day, const TScheduleDays& days);

// The day the time-above-MIC dialog shows: kept to [first day, last day].
vcl::TDateTime PullPkPdDay(vcl::TDateTime day, const TScheduleDays& days);

// The minutes of a day's 1440 one-minute concentrations at or above mic,
// as hours ("0.0") and as a share of the day in percent ("0.0").
struct TTimeAboveMic {
    QString Hours;
    QString Percent;
};
TTimeAboveMic TimeAboveMic(std::span<const double, MinutesPerDay> concentrations, double mic);

// Vmax in mg: the estimate b (per kg and hour) x body weight x 24 hours.
QString VmaxText(double vmaxPerKgHour, double bodyWeight);

// The sampling list's row: date "yyyy/mm/dd", time "hh:nn:ss", value "0.00".
std::array<QString, 3> SamplingRowTexts(const TSamplingRecord& sampling);
