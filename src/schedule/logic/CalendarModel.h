#pragma once
// What the schedule page's month calendar shows: one month as 7 x 6 day
// cells, the day's total formulation amount of the current schedule set,
// the days with samplings, the dosing period being entered and the selected
// day. The calendar widget paints this model and forwards its events here.
#include "Colors.h"
#include "DateTime.h"
#include "Ustruct.h"

#include <QString>
#include <array>
#include <vector>

inline constexpr int CalendarColumns = 7;   // Sunday .. Saturday
inline constexpr int CalendarRows = 6;      // row 0 the week of the first of the month
inline constexpr int CalendarCellCount = CalendarColumns * CalendarRows;

// Cells are counted down the columns: column x 6 + row.
constexpr int CalendarCellIndex(int column, int row)
{
    return column * CalendarRows + row;
}

// The years the schedule's dates keep to: the date pickers' range, which the
// calendar's paging keeps to as well, so that a day chosen on the calendar
// always fits the picker its menu sets.
inline constexpr int FirstScheduleYear = 1900;
inline constexpr int LastScheduleYear = 2099;

inline constexpr vcl::TColor CalendarPlainColour = 0xFFFFFF;
inline constexpr vcl::TColor CalendarPeriodColour = 0x72BFFE;
inline constexpr vcl::TColor CalendarSelectedColour = 0xAAAAFF;

// The dosing period being entered, as the calendar marks it.
struct TCalendarPeriod {
    vcl::TDateTime Start = 0;
    vcl::TDateTime End = 0;
    int Interval = 1;
};

// Marked only when start <= end, end - start <= 89 days and the interval is 1 .. 30 days.
bool IsMarkablePeriod(const TCalendarPeriod& period);

class TCalendarModel {
public:
    // As the calendar is created: today shown and selected, the period from
    // today to today + 30 every second day, amounts in "mg" formatted "0".
    explicit TCalendarModel(vcl::TDateTime today);

    // Today becomes the displayed month and the selected day.
    void ResetCalendar(vcl::TDateTime today);
    // Shows the month of date. The marks of the month shown before are dropped
    // until the next RefreshMarks.
    void SetCalendarMonth(vcl::TDateTime date);
    void SetCalendarSelected(vcl::TDateTime date);
    void SetCalendarStart(vcl::TDateTime date);
    void SetCalendarEnd(vcl::TDateTime date);
    void SetCalendarInterval(int days);

    void SetDoseUnitText(const QString& unit) { doseUnitText_ = unit; }
    void SetDoseFormCode(int code) { doseFormCode_ = code; }
    void SetDoseFormat(const QString& format) { doseFormat_ = format; }

    // Rebuilds the day sums of the administrations and the sampling marks of
    // the month shown.
    void RefreshMarks(const std::vector<TScheduleDay>& days, const std::vector<TSamplingRecord>& samplings);

    // The first of the month before or after the one shown; nothing beyond
    // January of FirstScheduleYear and December of LastScheduleYear.
    void PreviousMonth();
    void NextMonth();

    // A click on a cell: remembered, and refused (false) when the cell shows
    // no day; otherwise its day becomes the selected day and the month shown.
    bool SelectCell(int column, int row);
    // Whether the last cell clicked shows a day (the context menu opens only then).
    bool LastSelectedCellHasDay() const;

    vcl::TDateTime DisplayMonth() const { return displayMonth_; }
    vcl::TDateTime SelectedDate() const { return selectedDate_; }
    // The dosing period being entered.
    vcl::TDateTime PeriodStart() const { return period_.Start; }
    vcl::TDateTime PeriodEnd() const { return period_.End; }
    int PeriodInterval() const { return period_.Interval; }
    int Year() const;
    int Month() const;
    const QString& DoseUnitText() const { return doseUnitText_; }
    int DoseFormCode() const { return doseFormCode_; }
    const QString& DoseFormat() const { return doseFormat_; }

    // By cell index: the day number ("" outside the month), its "yyyymmdd"
    // key, its background, the formatted day sum and "採血" on sampling days.
    const std::array<QString, CalendarCellCount>& DayTexts() const { return dayTexts_; }
    const std::array<QString, CalendarCellCount>& DateKeys() const { return dateKeys_; }
    const std::array<vcl::TColor, CalendarCellCount>& CellColours() const { return cellColours_; }
    const std::array<QString, CalendarCellCount>& DoseTexts() const { return doseTexts_; }
    const std::array<QString, CalendarCellCount>& SampleTexts() const { return sampleTexts_; }

private:
    void LayOutMonth();
    void ComputeColours();
    int CellOfKey(const QString& key) const;

    vcl::TDateTime displayMonth_ = 0;
    vcl::TDateTime selectedDate_ = 0;
    TCalendarPeriod period_;
    QString doseUnitText_ = QStringLiteral("mg");
    int doseFormCode_ = -1;
    QString doseFormat_ = QStringLiteral("0");
    std::array<QString, CalendarCellCount> dayTexts_;
    std::array<QString, CalendarCellCount> dateKeys_;
    std::array<vcl::TColor, CalendarCellCount> cellColours_{};
    std::array<QString, CalendarCellCount> doseTexts_;
    std::array<QString, CalendarCellCount> sampleTexts_;
    int selectedColumn_ = 0;
    int selectedRow_ = 0;
};
