#pragma once
// TCalender: the month calendar of the schedule page. It paints what its
// model (TCalendarModel) computed: the day numbers, the day's total amount
// with its unit and the dose-form icon, the sampling icon, the dosing period
// being entered and the selected day. A click on a day selects it and tells
// the page; a left click on a day also opens the context menu, whose commands
// the page handles.
#include "CalendarModel.h"
#include "Events.h"

#include <QPixmap>
#include <QWidget>
#include <array>
#include <functional>

class QAction;
class QLabel;
class QMenu;
class TStringGridEx;
class TplButton;

class TCalender : public QWidget {
    Q_OBJECT

public:
    explicit TCalender(QWidget* parent = nullptr);

    // Today becomes the month shown and the selected day.
    void ResetCalendar();
    // Rebuilds the day sums from the current schedule set and the sampling
    // marks from the samplings, then repaints.
    void RefreshCalendar();
    void SetCalendarMonth(vcl::TDateTime date);
    void SetCalendarSelected(vcl::TDateTime date);
    void SetCalendarStart(vcl::TDateTime date);
    void SetCalendarEnd(vcl::TDateTime date);
    void SetCalendarInterval(int days);
    // The product's dose unit, dose-form code (selects the icon) and amount format.
    void SetDoseUnitText(const QString& unit);
    void SetDoseFormCode(int code);
    void SetDoseFormat(const QString& format);

    const TCalendarModel& Model() const { return model_; }
    vcl::TDateTime SelectedDate() const { return model_.SelectedDate(); }

    // "先月" and "来月".
    void plButton1Click(QObject* Sender);
    void plButton2Click(QObject* Sender);

    // A day was selected by a click.
    std::function<void()> OnDaySelected;

    QLabel* Label4;            // year
    QLabel* Label3;            // "年"
    QLabel* Label1;            // month
    QLabel* Label2;            // "月"
    TplButton* plButton1;      // "先月"
    TplButton* plButton2;      // "来月"
    TStringGridEx* StringGridEx1;   // weekday header
    TStringGridEx* DrawGrid1;       // the 7 x 6 day cells
    QMenu* PopupMenu1;
    QAction* N1;               // "この日を投与開始日に設定"
    QAction* N2;               // "この日を投与終了日に設定"
    QAction* N3;               // "この日を削除開始日に設定"
    QAction* N4;               // "この日を削除終了日に設定"
    QAction* N5;               // "この日に採血追加"
    // Image 0 the sampling icon, image k + 1 the icon of dose-form code k.
    std::array<QPixmap, 6> ImageList1;

private:
    void BuildWeekdayHeader();
    void BuildDayGrid();
    void DrawGrid1SelectCell(int ACol, int ARow, bool& CanSelect);
    void DrawGrid1MouseDown(vcl::TMouseButton Button, int X, int Y);
    // The pointer over the days changes nothing (the hint line has its sentence).
    void DrawGrid1MouseMove(int X, int Y);
    void DrawGrid1DrawCell(int ACol, int ARow, const QRect& Rect);
    void ShowMonth();

    TCalendarModel model_;
};
