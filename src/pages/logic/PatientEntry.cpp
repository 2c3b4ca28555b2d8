#include "PatientEntry.h"

#include "DateTimeFormat.h"
#include "Udifine.h"
#include "uDataProc.h"

#include <cmath>

namespace {

constexpr int WesternMinimumYear = 1867;
constexpr int MaximumAge = 140;
constexpr double MinimumHeight = 20, MaximumHeight = 300;   // cm
constexpr double MinimumWeight = 1, MaximumWeight = 500;    // kg

// The Western year before year 1 of each era.
struct TEra {
    BirthCalendar Calendar;
    int YearBeforeFirst;
    int LastYear;   // 0: runs to the current year
};
constexpr TEra Eras[] = {
    {BirthCalendar::Meiji, 1867, 45},
    {BirthCalendar::Taisho, 1911, 15},
    {BirthCalendar::Showa, 1925, 64},
    {BirthCalendar::Heisei, 1988, 0},
};

const TEra* EraOf(BirthCalendar calendar)
{
    for (const TEra& era : Eras)
        if (era.Calendar == calendar)
            return &era;
    return nullptr;
}

TPatientProblem Problem(const char16_t* message, PatientField focus)
{
    return {QString::fromUtf16(message), patientpage::ErrorCaption, focus};
}

bool IsEntered(const TPatientEntry& entry, PatientField field)
{
    return entry.Entered.count(field) > 0;
}

std::optional<int> TruncatedAge(const std::optional<double>& cell)
{
    if (!cell || !std::isfinite(*cell))
        return std::nullopt;
    return static_cast<int>(std::trunc(*cell));
}

// The age the entry gives: from the birth date on today, else the age cell.
std::optional<int> EntryAge(const TPatientEntry& entry, vcl::TDateTime today)
{
    if (entry.Calendar == BirthCalendar::Age)
        return TruncatedAge(entry.Age);
    if (const auto birth = EntryBirthDate(entry))
        return AgeOnDate(*birth, today);
    return std::nullopt;
}

bool Within(const std::optional<double>& value, double min, double max)
{
    return value && *value >= min && *value <= max;   // NaN fails both
}

int WholeNumber(const QString& text, int fallback)
{
    bool ok = false;
    const int value = text.trimmed().toInt(&ok);
    return ok ? value : fallback;
}

} // namespace

TYearRange BirthYearRange(BirthCalendar calendar, int currentYear)
{
    const TEra* era = EraOf(calendar);
    if (!era)
        return {WesternMinimumYear, currentYear};
    return {1, era->LastYear != 0 ? era->LastYear : currentYear - era->YearBeforeFirst};
}

int WesternYear(BirthCalendar calendar, int year)
{
    const TEra* era = EraOf(calendar);
    return era ? year + era->YearBeforeFirst : year;
}

int CorrectedDay(int westernYear, int month, int day)
{
    switch (month) {
    case 4:
    case 6:
    case 9:
    case 11:
        return day == 31 ? 30 : day;
    case 2:
        if (vcl::IsLeapYear(westernYear))
            return day >= 30 ? 29 : day;
        return day >= 29 ? 28 : day;
    default:
        return day;
    }
}

int ListNumberOrFirst(const QString& text, int last)
{
    const int value = WholeNumber(text, 0);
    return value >= 1 && value <= last ? value : 1;
}

std::optional<vcl::TDateTime> BirthDateOf(int westernYear, int month, int day)
{
    vcl::TDateTime date = 0;
    if (!vcl::TryEncodeDate(westernYear, month, day, date))
        return std::nullopt;
    return date;
}

std::optional<vcl::TDateTime> EntryBirthDate(const TPatientEntry& entry)
{
    if (entry.Calendar == BirthCalendar::Age || !entry.Year || !std::isfinite(*entry.Year))
        return std::nullopt;
    // A month or day that holds no number makes no date.
    const int year = WesternYear(entry.Calendar, static_cast<int>(std::trunc(*entry.Year)));
    return BirthDateOf(year, WholeNumber(entry.MonthText, 0), WholeNumber(entry.DayText, 0));
}

std::optional<TPatientProblem> CheckPatientEntry(const TPatientEntry& entry, vcl::TDateTime today)
{
    constexpr auto birthMessage = u"生年月日が不正です。再入力して下さい。";
    if (entry.Calendar != BirthCalendar::Age) {
        // The year, month and day as typed: a field still being typed in has
        // not been corrected by leaving it.
        const TYearRange range = BirthYearRange(entry.Calendar, vcl::DecodeDateTime(today).year);
        if (!IsEntered(entry, PatientField::Year) || !Within(entry.Year, range.Min, range.Max))
            return Problem(birthMessage, PatientField::Year);
        const int month = WholeNumber(entry.MonthText, 0);
        if (!IsEntered(entry, PatientField::Month) || month < 1 || month > 12)
            return Problem(birthMessage, PatientField::Month);
        const auto birth = EntryBirthDate(entry);
        if (!IsEntered(entry, PatientField::Day) || !birth)
            return Problem(birthMessage, PatientField::Day);
        if (*birth > vcl::DateOf(today))
            return Problem(birthMessage, PatientField::Year);
    }
    const bool byAge = entry.Calendar == BirthCalendar::Age;
    const std::optional<int> age = EntryAge(entry, today);
    if (!age || *age < 0 || *age > MaximumAge || (byAge && !IsEntered(entry, PatientField::Age)))
        return Problem(u"年齢が不正です。再入力して下さい。", byAge ? PatientField::Age : PatientField::Year);
    if (!IsEntered(entry, PatientField::Height) || !Within(entry.Height, MinimumHeight, MaximumHeight))
        return Problem(u"身長が不正です。再入力して下さい。", PatientField::Height);
    if (!IsEntered(entry, PatientField::Weight) || !Within(entry.Weight, MinimumWeight, MaximumWeight))
        return Problem(u"体重が不正です。再入力して下さい。", PatientField::Weight);
    return std::nullopt;
}

TPatientRecord PatientRecordFromEntry(const TPatientEntry& entry, const QString& key, vcl::TDateTime today)
{
    TPatientRecord record = ResetPatientRecord();
    record.patient_id_t = key;
    record.patient_id = entry.Number;
    record.patient_name = entry.Name;
    record.patient_name_kana = entry.Kana;
    record.patient_gender = entry.Gender;
    record.patient_birth = EntryBirthDate(entry).value_or(BirthDateUnknown);
    record.patient_age = EntryAge(entry, today).value_or(0);
    record.patient_weight = entry.Weight.value_or(0);
    record.patient_height = entry.Height.value_or(0);
    record.sinryouka_id = entry.Department;
    record.doctor_id = entry.Doctor;
    record.patient_kubun = entry.Kubun;
    record.patient_disorder = entry.Disorder;
    return record;
}

TPatientQuestion PatientConfirmQuestion(bool patientCurrent, int highestStep)
{
    if (!patientCurrent)
        return {QStringLiteral("患者情報を登録して薬剤情報の設定に進みます。\n よろしいですか？"), PatientKey::Clear};
    if (highestStep > 0)
        return {QStringLiteral("患者情報を更新します。\n患者情報を更新すると現在表示中の以降の情報がクリアされます。\n"
                               "よろしいですか？"),
                PatientKey::Keep};
    return {QStringLiteral("患者情報を更新します。\nよろしいですか？"), PatientKey::Keep};
}

std::optional<QString> UnusedPatientKey(vcl::TDateTime now, const std::function<int(const QString&)>& rowsWithKey)
{
    const vcl::DateTimeParts parts = vcl::DecodeDateTime(now);
    const vcl::TDateTime day = vcl::EncodeDate(parts.year, parts.month, parts.day);
    const int secondOfDay = parts.hour * 3600 + parts.minute * 60 + parts.second;
    for (long long later = 0;; ++later) {
        const QString key = vcl::FormatDateTime(QStringLiteral("yyyymmddhhnnss"),
                                                day + (secondOfDay + later) / vcl::SecsPerDay);
        const int rows = rowsWithKey(key);
        if (rows < 0)
            return std::nullopt;
        if (rows == 0)
            return key;
    }
}
