#pragma once
// The schedule page of the main window ("投与スケジュール"): prescriptions and
// samplings of the four schedule sets, with the calendar.
#include <QWidget>

class TMainWindowHub;
class TplButton;

class TSchedulePage : public QWidget {
    Q_OBJECT

public:
    TSchedulePage(TMainWindowHub& hub, QWidget* parent = nullptr);

    // Fills the page from the current analysis and its schedule sets.
    void SetupSchedulePage();
    // Marks the dosing period on the calendar.
    void UpdateCalendarPeriod();
    // Rebuilds the dose and sampling marks of the calendar.
    void RefreshCalendar();

    // The schedule-set choice ("変更番号"), shown when changed regimens exist.
    TplButton* plButton30;
    // "解析": the main window attaches the Analyse command.
    TplButton* plButton16;

private:
    TMainWindowHub& hub_;
};
