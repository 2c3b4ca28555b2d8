#pragma once
// The edits of the schedule page as operations on the schedule sets: a
// prescription entered, a period cut out of the current set, a sampling added
// or deleted, the current set cleared, the last edit undone. Each takes what
// the page's controls hold, checks it and either changes the sets (pushing an
// undo snapshot first and re-expanding the current set) or refuses with the
// reason, leaving the sets and the undo history as they were.
#include "DateTime.h"
#include "DrugKey.h"
#include "SchedulePageRules.h"
#include "Ucommon.h"

#include <QString>
#include <optional>
#include <vector>

enum class TScheduleError {
    None,
    PeriodTooLong,            // "投与期間が長すぎます。"
    PeriodReversed,           // "開始日と終了日が逆転しています。"
    BadDose,                  // "投与量が不正です。" (the dose cell)
    BadMoietyDose,            // "投与量が不正です。" (the moiety cell)
    TooManyPrescriptions,     // "これ以上投与スケジュールを設定できません。"
    BadInfusionTime,          // "点滴時間が不正です。"
    BadInterval,              // an interval cell outside 1 .. 30 days
    BadDoseTime,              // an hour or minute cell that holds no time
    OverlappingInfusions,     // "点滴時間が次の投与と重なっています。"
    CutEndBeforeStart,        // "終了日が開始日より前です。"
    CutTooManyPrescriptions,  // "1つのスケジュールに登録できる処方は24件までです。"
    BadSamplingValue,         // "測定値が不正です。"
    TooManySamplings,         // "これ以上採血情報を設定できません。"
    BadSamplingTime,          // an hour or minute cell that holds no time
};

// The caption every refusal of the page carries.
inline const QString ScheduleErrorCaption = QStringLiteral("投与/採血スケジュールエラー");
QString ScheduleErrorText(TScheduleError error);

// The page's control that a refusal points at, to be focused.
enum class TScheduleField {
    None, StartDate, EndDate, Interval, DoseHours, Dose, MoietyDose, InfusionHours, CutEndDate,
    SamplingHours, SamplingValue,
};
TScheduleField ScheduleErrorField(TScheduleError error);

// Whose schedule it is: the keys every new record carries and the drug.
struct TScheduleOwner {
    QString PatientKey;     // `patient_id_t` of the patient
    int AnalysisId = 0;     // `kaiseki_id`
    TDrugKey Drug;
};

enum class TDoseSpacing {
    Interval,   // "間隔": every so many days
    Daily,      // "連続"
};

enum class TAmountChoice {
    Formulation,   // "製剤量": the formulation amount is entered, the moiety follows
    Moiety,        // the moiety amount is entered
};

enum class TInfusionCell { Hidden, Shown };

// The controls of the tab "投与入力". A number cell that does not hold a
// number is nothing.
struct TPrescriptionEntry {
    vcl::TDateTime StartDate = 0;              // DateTimePicker7
    TDosePeriod Period = TDosePeriod::Open;
    vcl::TDateTime EndDate = 0;                // DateTimePicker4
    TDoseSpacing Spacing = TDoseSpacing::Daily;
    std::optional<double> IntervalDays;        // StringGridEx20
    std::optional<double> Hours;               // StringGridEx25
    std::optional<double> Minutes;             // StringGridEx26
    std::optional<double> Dose;                // StringGridEx15, the formulation amount in a salt case
    std::optional<double> MoietyDose;          // StringGridEx29, salt cases only
    TAmountChoice Amount = TAmountChoice::Formulation;
    TInfusionCell Infusion = TInfusionCell::Hidden;
    std::optional<double> InfusionHours;       // StringGridEx16
};

// The checks of an entry, in the page's order, against the current set:
// the period (end date chosen), the amounts, the set's 24 prescriptions, the
// infusion time, the interval and the time of day, and last whether the new
// administrations would overlap an infusion of the set.
TScheduleError CheckPrescriptionEntry(const TPrescriptionEntry& entry, const TScheduleSets& sets,
                                      const TScheduleOwner& owner);

// The prescription an entry stands for, in schedule set setIndex, not yet
// numbered (sequence -1). The dose is mg of moiety: in a salt case the
// formulation amount times the salt factor, or the moiety amount as entered.
TPrescription AddPrescriptionFromEntry(const TPrescriptionEntry& entry, const TScheduleOwner& owner, int setIndex);

// Checks the entry, then pushes an undo snapshot, appends the prescription to
// the current set, sorts the set by start and re-expands it.
TScheduleError AddPrescription(TScheduleSets& sets, const TPrescriptionEntry& entry, const TScheduleOwner& owner);

// What "処方削除" cuts out of every prescription of the current set.
enum class TCutPeriod {
    EndDate,          // "終了日": from the start to the end date
    StartOnly,        // "開始日のみ": the start day alone
    AllFromStart,     // "開始日以降全て": from the start to each prescription's end
};
struct TDoseRangeCut {
    vcl::TDateTime StartDate = 0;   // DateTimePicker1
    TCutPeriod Period = TCutPeriod::AllFromStart;
    vcl::TDateTime EndDate = 0;     // DateTimePicker6
};

// The prescriptions with the period cut out, in processing order. Every
// prescription's open end becomes explicit (start + 89). One the period
// misses comes back unchanged; one it touches is replaced by a head (up to
// the day before the cut, when it starts before it) and, except for
// "開始日以降全て", a tail from its first administration day after the cut,
// so the remaining doses keep their days. Refused when the end date lies
// before the start date, or when more than 24 prescriptions would result.
TScheduleError DeleteDoseRange(const std::vector<TPrescription>& prescriptions, const TDoseRangeCut& cut,
                               std::vector<TPrescription>& result);

// DeleteDoseRange on the current set: on success an undo snapshot is pushed,
// the set replaced and re-expanded.
TScheduleError DeletePrescriptionPeriod(TScheduleSets& sets, const TDoseRangeCut& cut, const TDrugKey& drug);

// The controls of the tab "採血情報".
struct TSamplingEntry {
    vcl::TDateTime Date = 0;           // DateTimePicker5
    std::optional<double> Hours;       // StringGridEx27
    std::optional<double> Minutes;     // StringGridEx28
    std::optional<double> Value;       // StringGridEx19
};

// Checks the value and the eight samplings, then pushes an undo snapshot,
// appends the sampling (sequence -1) and sorts the samplings by time.
TScheduleError AddSampling(TScheduleSets& sets, const TSamplingEntry& entry, const TScheduleOwner& owner);

// Deletes the sampling at index (pushing an undo snapshot); false, changing
// nothing, for an index outside the list.
bool DeleteSampling(TScheduleSets& sets, int index);

// Deletes every sampling taken on day, after pushing an undo snapshot.
void DeleteSamplingsOfDay(TScheduleSets& sets, vcl::TDateTime day);

// Pushes an undo snapshot and empties the current set (the samplings stay).
void ClearScheduleSet(TScheduleSets& sets);

// Restores the newest snapshot into the current set and the samplings, sorts
// both and re-expands the set; false, changing nothing, without a snapshot.
bool UndoScheduleEdit(TScheduleSets& sets, const TDrugKey& drug);

// The time of day of hours and minutes as the cells hold them ("9" and "5"
// give 09:05); nothing unless both are whole numbers of a time of day.
std::optional<vcl::TDateTime> TimeOfDayFromCells(std::optional<double> hours, std::optional<double> minutes);

// A number cell's text as typed, read leniently: a text that is not (yet) a
// number, such as "", "." or "-", counts as 0.
double TypedNumber(const QString& text);

// The entry buttons ("処方入力", "採血追加") are enabled exactly when every
// visible amount cell holds a value other than 0; texts are the cells' texts.
bool EntryCellsFilled(std::initializer_list<QString> visibleTexts);
