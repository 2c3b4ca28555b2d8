#include "CalendarModel.h"

#include "DateTimeFormat.h"
#include "NumberFormat.h"
#include "Udifine.h"

#include <QHash>

namespace {

const QString DayKeyFormat = QStringLiteral("yyyymmdd");

// The calendar's initial period: every second day over the coming month.
constexpr double InitialPeriodDays = 30;
constexpr int InitialPeriodInterval = 2;

} // namespace

bool IsMarkablePeriod(const TCalendarPeriod& period)
{
    return period.Start <= period.End && period.End - period.Start <= MaxPrescriptionDays &&
           period.Interval >= MinIntervalDays && period.Interval <= MaxIntervalDays;
}

TCalendarModel::TCalendarModel(vcl::TDateTime today)
{
    period_ = {today, today + InitialPeriodDays, InitialPeriodInterval};
    ResetCalendar(today);
}

void TCalendarModel::ResetCalendar(vcl::TDateTime today)
{
    displayMonth_ = today;
    selectedDate_ = today;
    LayOutMonth();
    ComputeColours();
}

void TCalendarModel::SetCalendarMonth(vcl::TDateTime date)
{
    displayMonth_ = date;
    LayOutMonth();
    ComputeColours();
}

void TCalendarModel::SetCalendarSelected(vcl::TDateTime date)
{
    selectedDate_ = date;
    ComputeColours();
}

void TCalendarModel::SetCalendarStart(vcl::TDateTime date)
{
    period_.Start = date;
    ComputeColours();
}

void TCalendarModel::SetCalendarEnd(vcl::TDateTime date)
{
    period_.End = date;
    ComputeColours();
}

void TCalendarModel::SetCalendarInterval(int days)
{
    period_.Interval = days;
    ComputeColours();
}

int TCalendarModel::Year() const
{
    int year = 0, month = 0, day = 0;
    vcl::DecodeDate(displayMonth_, year, month, day);
    return year;
}

int TCalendarModel::Month() const
{
    int year = 0, month = 0, day = 0;
    vcl::DecodeDate(displayMonth_, year, month, day);
    return month;
}

void TCalendarModel::LayOutMonth()
{
    const int year = Year();
    const int month = Month();
    const vcl::TDateTime first = vcl::EncodeDate(year, month, 1);
    const int firstColumn = vcl::DayOfWeek(first) - 1;
    const int days = vcl::DaysInMonth(year, month);
    for (int row = 0; row < CalendarRows; ++row) {
        for (int column = 0; column < CalendarColumns; ++column) {
            const int cell = CalendarCellIndex(column, row);
            const int day = row * CalendarColumns + column - firstColumn + 1;
            doseTexts_[cell].clear();
            sampleTexts_[cell].clear();
            if (day < 1 || day > days) {
                dayTexts_[cell].clear();
                dateKeys_[cell].clear();
                continue;
            }
            dayTexts_[cell] = QString::number(day);
            dateKeys_[cell] = vcl::FormatDateTime(DayKeyFormat, vcl::EncodeDate(year, month, day));
        }
    }
}

int TCalendarModel::CellOfKey(const QString& key) const
{
    for (int cell = 0; cell < CalendarCellCount; ++cell) {
        if (!dateKeys_[cell].isEmpty() && dateKeys_[cell] == key)
            return cell;
    }
    return -1;
}

void TCalendarModel::ComputeColours()
{
    cellColours_.fill(CalendarPlainColour);
    if (IsMarkablePeriod(period_)) {
        for (double day = period_.Start; day <= period_.End; day += period_.Interval) {
            const int cell = CellOfKey(vcl::FormatDateTime(DayKeyFormat, day));
            if (cell >= 0)
                cellColours_[cell] = CalendarPeriodColour;
        }
    }
    const int selected = CellOfKey(vcl::FormatDateTime(DayKeyFormat, selectedDate_));
    if (selected >= 0)
        cellColours_[selected] = CalendarSelectedColour;
}

void TCalendarModel::RefreshMarks(const std::vector<TScheduleDay>& days, const std::vector<TSamplingRecord>& samplings)
{
    QHash<QString, int> cellOfKey;
    for (int cell = 0; cell < CalendarCellCount; ++cell) {
        if (!dateKeys_[cell].isEmpty())
            cellOfKey.insert(dateKeys_[cell], cell);
    }
    std::array<double, CalendarCellCount> sums{};
    std::array<bool, CalendarCellCount> dosed{};
    for (const TScheduleDay& day : days) {
        const auto found = cellOfKey.constFind(vcl::FormatDateTime(DayKeyFormat, day.DateTime));
        if (found == cellOfKey.constEnd())
            continue;
        sums[*found] += day.FormulationAmount;
        dosed[*found] = true;
    }
    std::array<bool, CalendarCellCount> sampled{};
    for (const TSamplingRecord& sampling : samplings) {
        const auto found = cellOfKey.constFind(vcl::FormatDateTime(DayKeyFormat, sampling.saiketu_time));
        if (found != cellOfKey.constEnd())
            sampled[*found] = true;
    }
    for (int cell = 0; cell < CalendarCellCount; ++cell) {
        doseTexts_[cell] = dosed[cell] ? vcl::FormatFloat(doseFormat_, sums[cell]) : QString();
        sampleTexts_[cell] = sampled[cell] ? QStringLiteral("採血") : QString();
    }
}

void TCalendarModel::PreviousMonth()
{
    int year = Year();
    int month = Month() - 1;
    if (month < 1) {
        month = 12;
        --year;
    }
    if (year < FirstScheduleYear)
        return;
    SetCalendarMonth(vcl::EncodeDate(year, month, 1));
}

void TCalendarModel::NextMonth()
{
    int year = Year();
    int month = Month() + 1;
    if (month > 12) {
        month = 1;
        ++year;
    }
    if (year > LastScheduleYear)
        return;
    SetCalendarMonth(vcl::EncodeDate(year, month, 1));
}

bool TCalendarModel::SelectCell(int column, int row)
{
    if (column < 0 || column >= CalendarColumns || row < 0 || row >= CalendarRows)
        return false;
    selectedColumn_ = column;
    selectedRow_ = row;
    const QString& day = dayTexts_[CalendarCellIndex(column, row)];
    if (day.isEmpty())
        return false;
    const vcl::TDateTime date = vcl::EncodeDate(Year(), Month(), day.toInt());
    displayMonth_ = date;
    selectedDate_ = date;
    ComputeColours();
    return true;
}

bool TCalendarModel::LastSelectedCellHasDay() const
{
    return !dayTexts_[CalendarCellIndex(selectedColumn_, selectedRow_)].isEmpty();
}
