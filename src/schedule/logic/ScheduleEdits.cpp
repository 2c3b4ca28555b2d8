#include "ScheduleEdits.h"

#include "DoseEvents.h"
#include "NumberFormat.h"
#include "SaltFactors.h"
#include "ScheduleExpansion.h"
#include "ScheduleMinutes.h"
#include "ScheduleSetOps.h"
#include "ScheduleSort.h"
#include "ScheduleUndo.h"

#include <algorithm>
#include <cmath>

namespace {

bool Positive(const std::optional<double>& value)
{
    return value && std::isfinite(*value) && *value > 0;
}

bool IsSaltCase(const TDrugKey& drug)
{
    return SaltFactorFor(drug).has_value();
}

void ReexpandCurrentSet(TScheduleSets& sets, const TDrugKey& drug)
{
    ExpandPrescriptions(sets.CurPrescriptions(), drug, sets.CurScheduleDays());
}

// A whole number of a cell in first .. last, or nothing.
std::optional<int> WholeIn(const std::optional<double>& value, int first, int last)
{
    if (!value || !std::isfinite(*value))
        return std::nullopt;
    const double whole = std::trunc(*value);
    if (whole < first || whole > last)
        return std::nullopt;
    return static_cast<int>(whole);
}

// The administration days of a prescription: start + k x interval up to its end.
double FirstAdministrationAfter(const TPrescription& p, double day)
{
    const int interval = std::max(p.touyo_interval, MinIntervalDays);
    const double k = std::floor((day - p.touyo_start_time) / interval) + 1;
    return p.touyo_start_time + k * interval;
}

} // namespace

QString ScheduleErrorText(TScheduleError error)
{
    switch (error) {
    case TScheduleError::None:
        return {};
    case TScheduleError::PeriodTooLong:
        return QStringLiteral("投与期間が長すぎます。");
    case TScheduleError::PeriodReversed:
        return QStringLiteral("開始日と終了日が逆転しています。");
    case TScheduleError::BadDose:
    case TScheduleError::BadMoietyDose:
        return QStringLiteral("投与量が不正です。");
    case TScheduleError::TooManyPrescriptions:
        return QStringLiteral("これ以上投与スケジュールを設定できません。");
    case TScheduleError::BadInfusionTime:
        return QStringLiteral("点滴時間が不正です。");
    case TScheduleError::BadInterval:
        return QStringLiteral("投与間隔が不正です。");
    case TScheduleError::BadDoseTime:
        return QStringLiteral("投与時刻が不正です。");
    case TScheduleError::OverlappingInfusions:
        return QStringLiteral("点滴時間が次の投与と重なっています。");
    case TScheduleError::CutEndBeforeStart:
        return QStringLiteral("終了日が開始日より前です。");
    case TScheduleError::CutTooManyPrescriptions:
        return QStringLiteral("1つのスケジュールに登録できる処方は24件までです。");
    case TScheduleError::BadSamplingValue:
        return QStringLiteral("測定値が不正です。");
    case TScheduleError::TooManySamplings:
        return QStringLiteral("これ以上採血情報を設定できません。");
    case TScheduleError::BadSamplingTime:
        return QStringLiteral("採血時刻が不正です。");
    }
    return {};
}

TScheduleField ScheduleErrorField(TScheduleError error)
{
    switch (error) {
    case TScheduleError::PeriodTooLong:
    case TScheduleError::PeriodReversed:
        return TScheduleField::EndDate;
    case TScheduleError::BadDose:
        return TScheduleField::Dose;
    case TScheduleError::BadMoietyDose:
        return TScheduleField::MoietyDose;
    case TScheduleError::BadInfusionTime:
    case TScheduleError::OverlappingInfusions:
        return TScheduleField::InfusionHours;
    case TScheduleError::BadInterval:
        return TScheduleField::Interval;
    case TScheduleError::BadDoseTime:
        return TScheduleField::DoseHours;
    case TScheduleError::CutEndBeforeStart:
        return TScheduleField::CutEndDate;
    case TScheduleError::BadSamplingValue:
        return TScheduleField::SamplingValue;
    case TScheduleError::BadSamplingTime:
        return TScheduleField::SamplingHours;
    default:
        return TScheduleField::None;
    }
}

std::optional<vcl::TDateTime> TimeOfDayFromCells(std::optional<double> hours, std::optional<double> minutes)
{
    const std::optional<int> h = WholeIn(hours, 0, 23);
    const std::optional<int> m = WholeIn(minutes, 0, 59);
    if (!h || !m)
        return std::nullopt;
    return vcl::EncodeTime(*h, *m, 0, 0);
}

double TypedNumber(const QString& text)
{
    double value = 0;
    if (!vcl::TryStrToFloat(text, value) || !std::isfinite(value))
        return 0;
    return value;
}

bool EntryCellsFilled(std::initializer_list<QString> visibleTexts)
{
    return std::all_of(visibleTexts.begin(), visibleTexts.end(),
                       [](const QString& text) { return !text.trimmed().isEmpty() && TypedNumber(text) != 0; });
}

TPrescription AddPrescriptionFromEntry(const TPrescriptionEntry& entry, const TScheduleOwner& owner, int setIndex)
{
    TPrescription p;
    p.patient_id = owner.PatientKey;
    p.analysis_id = owner.AnalysisId;
    p.result_id = setIndex;
    p.touyo_id = -1;
    p.touyo_start_time = vcl::DateOf(entry.StartDate);
    switch (entry.Period) {
    case TDosePeriod::StartOnly:
        p.touyo_end_time = p.touyo_start_time;
        break;
    case TDosePeriod::Open:
        p.touyo_end_time = OpenEndDate;
        break;
    case TDosePeriod::EndDate:
        p.touyo_end_time = vcl::DateOf(entry.EndDate);
        break;
    }
    p.touyo_interval = entry.Spacing == TDoseSpacing::Daily
                           ? 1
                           : WholeIn(entry.IntervalDays, MinIntervalDays, MaxIntervalDays).value_or(MinIntervalDays);
    p.touyo_time = TimeOfDayFromCells(entry.Hours, entry.Minutes).value_or(0);
    const std::optional<TSaltFactor> salt = SaltFactorFor(owner.Drug);
    const double dose = entry.Dose.value_or(0);
    if (salt && entry.Amount == TAmountChoice::Formulation)
        p.touyo_dose = dose * salt->Factor;
    else if (salt)
        p.touyo_dose = entry.MoietyDose.value_or(0);
    else
        p.touyo_dose = dose;
    p.touyo_drip_time = entry.InfusionHours.value_or(0);
    return p;
}

TScheduleError CheckPrescriptionEntry(const TPrescriptionEntry& entry, const TScheduleSets& sets,
                                      const TScheduleOwner& owner)
{
    if (entry.Period == TDosePeriod::EndDate) {
        const double days = vcl::DateOf(entry.EndDate) - vcl::DateOf(entry.StartDate);
        if (days > MaxPrescriptionDays)
            return TScheduleError::PeriodTooLong;
        if (days < 0)
            return TScheduleError::PeriodReversed;
    }
    if (!Positive(entry.Dose))
        return TScheduleError::BadDose;
    if (IsSaltCase(owner.Drug) && !Positive(entry.MoietyDose))
        return TScheduleError::BadMoietyDose;
    if (sets.CurPrescriptions().size() >= static_cast<std::size_t>(MaxPrescriptionsPerSet))
        return TScheduleError::TooManyPrescriptions;
    if (entry.Infusion == TInfusionCell::Shown && !Positive(entry.InfusionHours))
        return TScheduleError::BadInfusionTime;
    if (entry.Spacing == TDoseSpacing::Interval && !WholeIn(entry.IntervalDays, MinIntervalDays, MaxIntervalDays))
        return TScheduleError::BadInterval;
    if (!TimeOfDayFromCells(entry.Hours, entry.Minutes))
        return TScheduleError::BadDoseTime;
    if (entry.InfusionHours && !std::isfinite(*entry.InfusionHours))
        return TScheduleError::BadInfusionTime;

    // The engine runs one infusion at a time: a start before the previous
    // infusion has ended would stop the earlier one's drug short.
    std::vector<TPrescription> candidate = sets.CurPrescriptions();
    candidate.push_back(AddPrescriptionFromEntry(entry, owner, sets.CurSetIndex));
    std::vector<TScheduleDay> days;
    ExpandPrescriptions(candidate, owner.Drug, days);
    if (FindOverlappingInfusions(days, owner.Drug))
        return TScheduleError::OverlappingInfusions;
    return TScheduleError::None;
}

TScheduleError AddPrescription(TScheduleSets& sets, const TPrescriptionEntry& entry, const TScheduleOwner& owner)
{
    const TScheduleError error = CheckPrescriptionEntry(entry, sets, owner);
    if (error != TScheduleError::None)
        return error;
    PushScheduleSnapshot(sets);
    sets.CurPrescriptions().push_back(AddPrescriptionFromEntry(entry, owner, sets.CurSetIndex));
    SortByStartDateTime(sets.CurPrescriptions());
    ReexpandCurrentSet(sets, owner.Drug);
    return TScheduleError::None;
}

TScheduleError DeleteDoseRange(const std::vector<TPrescription>& prescriptions, const TDoseRangeCut& cut,
                               std::vector<TPrescription>& result)
{
    result.clear();
    const double from = vcl::DateOf(cut.StartDate);
    const double to = vcl::DateOf(cut.EndDate);
    if (cut.Period == TCutPeriod::EndDate && to < from)
        return TScheduleError::CutEndBeforeStart;

    for (TPrescription p : prescriptions) {
        if (p.touyo_end_time == OpenEndDate)
            p.touyo_end_time = p.touyo_start_time + OpenEndExtraDays;
        double last = p.touyo_end_time;   // the last day cut from this prescription
        if (cut.Period == TCutPeriod::StartOnly)
            last = from;
        else if (cut.Period == TCutPeriod::EndDate)
            last = to;
        if (p.touyo_end_time < from || last < p.touyo_start_time) {
            result.push_back(p);
            continue;
        }
        // The head holds at least the first administration.
        if (from > p.touyo_start_time) {
            TPrescription head = p;
            head.touyo_end_time = from - 1;
            result.push_back(head);
        }
        // The tail starts on the first administration day after the cut, so
        // the doses after it keep their days.
        if (cut.Period != TCutPeriod::AllFromStart) {
            const double first = FirstAdministrationAfter(p, last);
            if (first <= p.touyo_end_time) {
                TPrescription tail = p;
                tail.touyo_start_time = first;
                result.push_back(tail);
            }
        }
    }
    if (result.size() > static_cast<std::size_t>(MaxPrescriptionsPerSet)) {
        result.clear();
        return TScheduleError::CutTooManyPrescriptions;
    }
    return TScheduleError::None;
}

TScheduleError DeletePrescriptionPeriod(TScheduleSets& sets, const TDoseRangeCut& cut, const TDrugKey& drug)
{
    std::vector<TPrescription> result;
    const TScheduleError error = DeleteDoseRange(sets.CurPrescriptions(), cut, result);
    if (error != TScheduleError::None)
        return error;
    PushScheduleSnapshot(sets);
    sets.CurPrescriptions() = std::move(result);
    ReexpandCurrentSet(sets, drug);
    return TScheduleError::None;
}

TScheduleError AddSampling(TScheduleSets& sets, const TSamplingEntry& entry, const TScheduleOwner& owner)
{
    if (!Positive(entry.Value))
        return TScheduleError::BadSamplingValue;
    if (sets.Samplings.size() >= static_cast<std::size_t>(MaxSamplings))
        return TScheduleError::TooManySamplings;
    const std::optional<vcl::TDateTime> time = TimeOfDayFromCells(entry.Hours, entry.Minutes);
    if (!time)
        return TScheduleError::BadSamplingTime;
    PushScheduleSnapshot(sets);
    TSamplingRecord sampling;
    sampling.patient_id = owner.PatientKey;
    sampling.analysis_id = owner.AnalysisId;
    sampling.saiketu_id = -1;
    sampling.saiketu_time = vcl::DateOf(entry.Date) + *time;
    sampling.saiketu_value = *entry.Value;
    sets.Samplings.push_back(sampling);
    SortByDate(sets.Samplings);
    return TScheduleError::None;
}

bool DeleteSampling(TScheduleSets& sets, int index)
{
    if (index < 0 || index >= static_cast<int>(sets.Samplings.size()))
        return false;
    PushScheduleSnapshot(sets);
    sets.Samplings.erase(sets.Samplings.begin() + index);
    return true;
}

void DeleteSamplingsOfDay(TScheduleSets& sets, vcl::TDateTime day)
{
    PushScheduleSnapshot(sets);
    const double whole = CalendarDayOf(day);
    std::erase_if(sets.Samplings, [whole](const TSamplingRecord& s) { return CalendarDayOf(s.saiketu_time) == whole; });
}

void ClearScheduleSet(TScheduleSets& sets)
{
    PushScheduleSnapshot(sets);
    ClearCurrentScheduleSet(sets);
}

bool UndoScheduleEdit(TScheduleSets& sets, const TDrugKey& drug)
{
    if (!RestoreScheduleSnapshot(sets))
        return false;
    SortByStartDateTime(sets.CurPrescriptions());
    ReexpandCurrentSet(sets, drug);
    SortByDate(sets.Samplings);
    return true;
}
