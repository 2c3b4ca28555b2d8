#include "CalendarModel.h"

#include <gtest/gtest.h>

namespace {

vcl::TDateTime Date(int year, int month, int day)
{
    return vcl::EncodeDate(year, month, day);
}

int CellOfDay(const TCalendarModel& model, int day)
{
    for (int cell = 0; cell < CalendarCellCount; ++cell) {
        if (model.DayTexts()[cell] == QString::number(day))
            return cell;
    }
    return -1;
}

// The days of the month shown whose cell has the colour.
std::vector<int> DaysColoured(const TCalendarModel& model, vcl::TColor colour)
{
    std::vector<int> days;
    for (int cell = 0; cell < CalendarCellCount; ++cell) {
        if (model.CellColours()[cell] == colour)
            days.push_back(model.DayTexts()[cell].toInt());
    }
    std::sort(days.begin(), days.end());
    return days;
}

TScheduleDay Administration(vcl::TDateTime at, double amount)
{
    return {0, at, amount, 0, amount};
}

} // namespace

TEST(CalendarModel, MonthLayoutCountsCellsDownTheColumns)
{
    // October 2022 starts on a Saturday and has 31 days: all six rows.
    TCalendarModel model(Date(2022, 10, 15));
    EXPECT_EQ(model.Year(), 2022);
    EXPECT_EQ(model.Month(), 10);
    EXPECT_EQ(model.DayTexts()[CalendarCellIndex(6, 0)], QStringLiteral("1"));
    EXPECT_EQ(model.DateKeys()[CalendarCellIndex(6, 0)], QStringLiteral("20221001"));
    EXPECT_EQ(model.DayTexts()[CalendarCellIndex(0, 1)], QStringLiteral("2"));
    EXPECT_EQ(model.DayTexts()[CalendarCellIndex(1, 5)], QStringLiteral("31"));
    EXPECT_EQ(model.DateKeys()[CalendarCellIndex(1, 5)], QStringLiteral("20221031"));
    EXPECT_EQ(CalendarCellIndex(1, 5), 11);
    for (int column = 0; column < 6; ++column)
        EXPECT_TRUE(model.DayTexts()[CalendarCellIndex(column, 0)].isEmpty()) << column;
    for (int column = 2; column < 7; ++column)
        EXPECT_TRUE(model.DateKeys()[CalendarCellIndex(column, 5)].isEmpty()) << column;

    // February 2026 starts on a Sunday and fills exactly four rows.
    model.SetCalendarMonth(Date(2026, 2, 20));
    EXPECT_EQ(model.DayTexts()[CalendarCellIndex(0, 0)], QStringLiteral("1"));
    EXPECT_EQ(model.DayTexts()[CalendarCellIndex(6, 3)], QStringLiteral("28"));
    EXPECT_TRUE(model.DayTexts()[CalendarCellIndex(0, 4)].isEmpty());
}

TEST(CalendarModel, PeriodMarksAndTheSelectedDay)
{
    const vcl::TDateTime today = Date(2026, 12, 8);
    TCalendarModel model(today);
    // At creation: every second day from today to today + 30, today selected.
    EXPECT_EQ(DaysColoured(model, CalendarPeriodColour), (std::vector<int>{10, 12, 14, 16, 18, 20, 22, 24, 26, 28, 30}));
    EXPECT_EQ(DaysColoured(model, CalendarSelectedColour), std::vector<int>{8});

    model.SetCalendarMonth(Date(2026, 1, 1));
    model.SetCalendarSelected(Date(2026, 1, 1));
    model.SetCalendarStart(Date(2026, 1, 1));
    model.SetCalendarInterval(1);
    model.SetCalendarEnd(Date(2026, 1, 1) + 89);
    EXPECT_EQ(DaysColoured(model, CalendarPeriodColour).size(), 30u);   // 2 .. 31, day 1 selected
    model.SetCalendarEnd(Date(2026, 1, 1) + 90);
    EXPECT_TRUE(DaysColoured(model, CalendarPeriodColour).empty());
    model.SetCalendarEnd(Date(2026, 1, 31));
    model.SetCalendarInterval(30);
    EXPECT_EQ(DaysColoured(model, CalendarPeriodColour), std::vector<int>{31});
    model.SetCalendarInterval(31);
    EXPECT_TRUE(DaysColoured(model, CalendarPeriodColour).empty());
    model.SetCalendarInterval(0);
    EXPECT_TRUE(DaysColoured(model, CalendarPeriodColour).empty());
    model.SetCalendarInterval(1);
    model.SetCalendarEnd(Date(2025, 12, 31));
    EXPECT_TRUE(DaysColoured(model, CalendarPeriodColour).empty());

    // A selected day outside the month shown colours nothing.
    model.SetCalendarSelected(Date(2026, 2, 1));
    EXPECT_TRUE(DaysColoured(model, CalendarSelectedColour).empty());
    EXPECT_EQ(DaysColoured(model, CalendarPlainColour).size(), 42u);
}

TEST(CalendarModel, DaySumsAndSamplingMarks)
{
    TCalendarModel model(Date(2026, 12, 8));
    const std::vector<TScheduleDay> days = {
        Administration(Date(2026, 12, 1) + 0.375, 1000), Administration(Date(2026, 12, 1) + 0.875, 750),
        Administration(Date(2026, 12, 2) + 0.375, 1000), Administration(Date(2027, 1, 1) + 0.375, 500),
        // A time a hair before midnight belongs to the next day.
        Administration(Date(2026, 12, 3) - 1e-10, 250)};
    std::vector<TSamplingRecord> samplings(2);
    samplings[0].saiketu_time = Date(2026, 12, 2) + 0.35;
    samplings[1].saiketu_time = Date(2026, 12, 2) + 0.7;
    model.RefreshMarks(days, samplings);
    EXPECT_EQ(model.DoseTexts()[CellOfDay(model, 1)], QStringLiteral("1750"));
    EXPECT_EQ(model.DoseTexts()[CellOfDay(model, 2)], QStringLiteral("1000"));
    EXPECT_EQ(model.DoseTexts()[CellOfDay(model, 3)], QStringLiteral("250"));
    EXPECT_TRUE(model.DoseTexts()[CellOfDay(model, 4)].isEmpty());
    EXPECT_EQ(model.SampleTexts()[CellOfDay(model, 2)], QStringLiteral("採血"));
    EXPECT_TRUE(model.SampleTexts()[CellOfDay(model, 1)].isEmpty());

    model.SetDoseFormat(QStringLiteral("0.000"));
    model.RefreshMarks({Administration(Date(2026, 12, 5) + 0.3, 0.125), Administration(Date(2026, 12, 5) + 0.8, 0.125)},
                       {});
    EXPECT_EQ(model.DoseTexts()[CellOfDay(model, 5)], QStringLiteral("0.250"));
    EXPECT_TRUE(model.SampleTexts()[CellOfDay(model, 2)].isEmpty());

    // Another month drops the marks until they are rebuilt for it.
    model.NextMonth();
    EXPECT_TRUE(model.DoseTexts()[CellOfDay(model, 5)].isEmpty());
    model.RefreshMarks(days, samplings);
    EXPECT_EQ(model.DoseTexts()[CellOfDay(model, 1)], QStringLiteral("500.000"));
}

TEST(CalendarModel, PagingAcrossTheYearAndSelectingCells)
{
    TCalendarModel model(Date(2026, 1, 20));
    model.PreviousMonth();
    EXPECT_EQ(model.Year(), 2025);
    EXPECT_EQ(model.Month(), 12);
    EXPECT_EQ(model.DisplayMonth(), Date(2025, 12, 1));
    model.NextMonth();
    model.NextMonth();
    EXPECT_EQ(model.DisplayMonth(), Date(2026, 2, 1));
    model.SetCalendarMonth(Date(2026, 12, 31));
    model.NextMonth();
    EXPECT_EQ(model.DisplayMonth(), Date(2027, 1, 1));
    EXPECT_EQ(model.SelectedDate(), Date(2026, 1, 20));

    // January 2027 starts on a Friday: cell (0, 0) is empty.
    EXPECT_FALSE(model.SelectCell(0, 0));
    EXPECT_FALSE(model.LastSelectedCellHasDay());
    EXPECT_EQ(model.SelectedDate(), Date(2026, 1, 20));
    EXPECT_TRUE(model.SelectCell(3, 2));   // Wednesday of the third week
    EXPECT_TRUE(model.LastSelectedCellHasDay());
    EXPECT_EQ(model.SelectedDate(), Date(2027, 1, 13));
    EXPECT_EQ(model.DisplayMonth(), Date(2027, 1, 13));
    EXPECT_EQ(DaysColoured(model, CalendarSelectedColour), std::vector<int>{13});
    EXPECT_FALSE(model.SelectCell(7, 0));
    EXPECT_FALSE(model.SelectCell(0, 6));
    // An empty cell clicked after a day opens no menu and keeps the day.
    EXPECT_FALSE(model.SelectCell(0, 0));
    EXPECT_FALSE(model.LastSelectedCellHasDay());
    EXPECT_EQ(model.SelectedDate(), Date(2027, 1, 13));

    // Paging stops where the date pickers end, so a day chosen fits them.
    model.SetCalendarMonth(Date(2099, 12, 15));
    model.NextMonth();
    EXPECT_EQ(model.DisplayMonth(), Date(2099, 12, 15));
    model.SetCalendarMonth(Date(1900, 1, 15));
    model.PreviousMonth();
    EXPECT_EQ(model.DisplayMonth(), Date(1900, 1, 15));

    model.ResetCalendar(Date(2026, 12, 8));
    EXPECT_EQ(model.DisplayMonth(), Date(2026, 12, 8));
    EXPECT_EQ(model.SelectedDate(), Date(2026, 12, 8));
}
