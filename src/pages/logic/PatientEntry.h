#pragma once
// The rules of the patient page: the birth year by calendar (Western or one of
// four Japanese eras, or no birth date but an age), the day correction of the
// month and day lists, the checks of the confirm, the record the page stores
// and the new patient's key. Pure: the page reads its controls into a
// TPatientEntry, asks these functions and applies the answer; "today" and
// "now" are arguments.
#include "CaseRecords.h"
#include "DateTime.h"
#include "Ustruct.h"

#include <QString>
#include <functional>
#include <optional>
#include <set>

// How the birth date is given: `rbAge`, `rbSeireki`, `rbMeiji`, `rbTaisyou`,
// `rbSyouwa`, `rbHeisei`.
enum class BirthCalendar { Age, Western, Meiji, Taisho, Showa, Heisei };

struct TYearRange {
    int Min = 0;
    int Max = 0;
};

// The years the year cell takes in a calendar; the Western range (also that of
// Age) ends at the current year, Heisei at current year - 1988.
TYearRange BirthYearRange(BirthCalendar calendar, int currentYear);

// The Western year of a year in a calendar; with Age the value unchanged.
int WesternYear(BirthCalendar calendar, int year);

// The day a month allows: 31 becomes 30 in April, June, September and
// November; in February 30 or more becomes 29 in a leap year, 29 or more 28
// otherwise.
int CorrectedDay(int westernYear, int month, int day);

// The number a month or day list keeps when the field is left: the typed
// number when it lies in 1..last, else 1.
int ListNumberOrFirst(const QString& text, int last);

// The birth date of a Western year, month and day; nothing for an impossible date.
std::optional<vcl::TDateTime> BirthDateOf(int westernYear, int month, int day);

// The controls a refused confirm puts the focus on.
enum class PatientField { Year, Month, Day, Age, Height, Weight };

// The page's inputs. Number cells as typed: nothing when the cell holds no number.
struct TPatientEntry {
    QString Number;                 // Edit1
    QString Name;                   // Edit2
    QString Kana;                   // Edit3
    int Gender = 0;                 // 0 `RadioButton1` (male), 1 `RadioButton2`
    BirthCalendar Calendar = BirthCalendar::Western;
    std::optional<double> Year;     // StringGridEx2, in the chosen calendar
    QString MonthText;              // MonthCombo1
    QString DayText;                // DayCombo1
    std::optional<double> Age;      // StringGridEx3
    std::optional<double> Height;   // StringGridEx5, cm
    std::optional<double> Weight;   // StringGridEx4, kg
    QString Department;             // Edit9
    QString Doctor;                 // Edit10
    int Kubun = 0;                  // ComboBox10: 0 outpatient, 1 inpatient
    QString Disorder;               // Edit8
    // The fields that hold a value given for this patient (typed or chosen,
    // or shown from the stored patient); a new page's "0", this year and
    // its first month and day are no such value.
    std::set<PatientField> Entered;
};

// The birth date the entry gives: nothing with Age, or when year, month and
// day make no date.
std::optional<vcl::TDateTime> EntryBirthDate(const TPatientEntry& entry);

struct TPatientProblem {
    QString Message;
    QString Caption;
    PatientField Focus;
};

// The confirm's checks, in order: the birth date (when one is given: a year
// entered and of the calendar's range, a month and day entered as numbers
// that make a date, not after today), the age (from the birth date on today, else
// the age cell entered and truncated) in 0..140, the height entered and in
// 20..300, the weight entered and in 1..500. A cell without a number fails
// its check.
std::optional<TPatientProblem> CheckPatientEntry(const TPatientEntry& entry, vcl::TDateTime today);

// The record of a checked entry under `key`: text cut to the fields' byte
// widths, the birth date or "unknown" with Age, the age as checked.
TPatientRecord PatientRecordFromEntry(const TPatientEntry& entry, const QString& key, vcl::TDateTime today);

// The question before a confirm, and whether the clearing keeps the key.
struct TPatientQuestion {
    QString Text;
    PatientKey Key;
};
TPatientQuestion PatientConfirmQuestion(bool patientCurrent, int highestStep);

// A new patient's key: the time "yyyymmddhhnnss", moved on one second at a
// time while `rowsWithKey` finds a patient under it, so a key made in the
// same second as another (or after the clock was set back) never takes over
// that patient's row. Nothing when `rowsWithKey` fails (returns a negative count).
std::optional<QString> UnusedPatientKey(vcl::TDateTime now, const std::function<int(const QString&)>& rowsWithKey);

// The page's texts.
namespace patientpage {
inline const QString ErrorCaption = QStringLiteral("患者情報入力エラー");
inline const QString QuestionCaption = QStringLiteral("患者情報登録確認");
} // namespace patientpage
