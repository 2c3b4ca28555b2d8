#pragma once
// The schedule page of the main window ("投与スケジュール"): prescriptions and
// samplings of the current schedule set, entered, cut and undone on three
// tabs beside the month calendar, with the administrations of the chosen day
// and every sampling listed. The edits themselves are the operations of
// ScheduleEdits.h; the page reads its controls into their entry structs and
// shows what they answer.
#include "DateTime.h"
#include "Events.h"
#include "GridTypes.h"
#include "ScheduleEdits.h"

#include <QWidget>
#include <initializer_list>
#include <utility>

class QAction;
class QComboBox;
class QDateEdit;
class QGroupBox;
class QLabel;
class QRadioButton;
class QRect;
class QTabWidget;
class TCalender;
class TMainWindowHub;
class TStringGridEx;
class TplButton;

class TSchedulePage : public QWidget {
    Q_OBJECT

public:
    TSchedulePage(TMainWindowHub& hub, QWidget* parent = nullptr);

    // Prepares the page for the current drug: units, formats and labels,
    // which cells and buttons show, the set choice, the calendar and the
    // lists; the entry cells start at 0.
    void SetupSchedulePage();
    // Marks the dosing period being entered on the calendar.
    void UpdateCalendarPeriod();
    // Rebuilds the dose and sampling marks of the calendar.
    void RefreshCalendar();
    // The date label and both lists for the calendar's selected day.
    void RefreshScheduleView();
    // After the current set changed (the set choice, a new changed regimen, a
    // reset): moves the calendar to today, then as after every edit.
    void ShowCurrentScheduleSet();
    // A stored case was loaded: the calendar and every date picker go to the
    // first day of its schedule, the period to "無限" ("開始日のみ" for
    // methotrexate).
    void ShowLoadedSchedule(vcl::TDateTime firstDay);
    // A newly confirmed drug: the calendar and every date picker on today,
    // the period "無限" ("開始日のみ" for methotrexate), the interval, time,
    // dose and sampling cells at their defaults, a cut "開始日以降全て", the
    // lists refilled from the emptied sets.
    void ResetScheduleEntry();

    // The changed regimens: "投与変更" of the result page makes a new one and
    // shows it here; the set choice and "リセット" of this page.
    void NewChangedRegimen();
    void ComboBox12Change(QObject* Sender);
    void plButton2Click(QObject* Sender);

    // Commands.
    void plButton14Click(QObject* Sender);   // "処方入力"
    void plButton39Click(QObject* Sender);   // "処方削除"
    void plButton40Click(QObject* Sender);   // "採血追加"
    void plButton41Click(QObject* Sender);   // "採血削除"
    void plButton15Click(QObject* Sender);   // "クリア"
    void plButton56Click(QObject* Sender);   // "1つ戻る"
    void plButton4Click(QObject* Sender);    // "詳細設定"
    void plButton51Click(QObject* Sender);   // "初期値"

    // Entry cells.
    void StringGridEx15ValueChange(QObject* Sender, int ACol, int ARow);
    void StringGridEx15SetEditText(QObject* Sender, int ACol, int ARow, const QString& Value);
    void StringGridEx29ValueChange(QObject* Sender, int ACol, int ARow);
    void StringGridEx29SetEditText(QObject* Sender, int ACol, int ARow, const QString& Value);
    void StringGridEx16ValueChange(QObject* Sender, int ACol, int ARow);
    void StringGridEx16SetEditText(QObject* Sender, int ACol, int ARow, const QString& Value);
    void StringGridEx19ValueChange(QObject* Sender, int ACol, int ARow);
    void StringGridEx19SetEditText(QObject* Sender, int ACol, int ARow, const QString& Value);
    void StringGridEx20ValueChange(QObject* Sender, int ACol, int ARow);
    void RadioButton11Click(QObject* Sender);
    // Every date picker and period or interval choice of the first two tabs.
    void DateTimePicker7Change(QObject* Sender);

    // The two lists.
    void StringGridEx14Click(QObject* Sender);
    void StringGridEx18Click(QObject* Sender);
    void StringGridEx14SelectCell(QObject* Sender, int ACol, int ARow, bool& CanSelect);
    void StringGridEx18SelectCell(QObject* Sender, int ACol, int ARow, bool& CanSelect);
    // "処方削除" and "採血削除" follow the selected rows.
    void StringGridEx14ValueChange(QObject* Sender, int ACol, int ARow);
    void StringGridEx18ValueChange(QObject* Sender, int ACol, int ARow);
    void StringGridEx14DrawCell(QObject* Sender, int ACol, int ARow, const QRect& Rect, TGridDrawState State);
    void StringGridEx18DrawCell(QObject* Sender, int ACol, int ARow, const QRect& Rect, TGridDrawState State);

    // The calendar's menu and its "先月".
    void TCalender1N1Click(QObject* Sender);
    void TCalender1N2Click(QObject* Sender);
    void TCalender1N3Click(QObject* Sender);
    void TCalender1N4Click(QObject* Sender);
    void TCalender1N5Click(QObject* Sender);
    void N6Click(QObject* Sender);
    void TCalender1plButton1Click(QObject* Sender);

    // Tabs "投与入力", "投与削除", "採血情報".
    QTabWidget* PageControl4;
    // "投与入力"
    QDateEdit* DateTimePicker7;          // start
    QRadioButton* RadioButton16;         // "終了日"
    QDateEdit* DateTimePicker4;          // end
    QRadioButton* RadioButton17;         // "開始日のみ"
    QRadioButton* RadioButton18;         // "無限"
    QRadioButton* RadioButton23;         // "間隔"
    TStringGridEx* StringGridEx20;       // interval, days
    QRadioButton* RadioButton22;         // "連続"
    TStringGridEx* StringGridEx25;       // hour
    TStringGridEx* StringGridEx26;       // minute
    TStringGridEx* StringGridEx15;       // dose (the formulation amount in a salt case)
    TStringGridEx* StringGridEx29;       // the moiety amount of a salt case
    TStringGridEx* StringGridEx16;       // infusion hours
    QRadioButton* RadioButton11;         // the formulation
    QRadioButton* RadioButton13;         // the moiety
    QLabel* Label77;                     // which amount the page shows
    QLabel* Label83;                     // enter the product amount
    TplButton* plButton14;               // "処方入力"
    // "投与削除"
    QDateEdit* DateTimePicker1;          // start of the cut
    QRadioButton* RadioButton25;         // "終了日"
    QDateEdit* DateTimePicker6;          // end of the cut
    QRadioButton* RadioButton26;         // "開始日のみ"
    QRadioButton* RadioButton27;         // "開始日以降全て"
    TplButton* plButton39;               // "処方削除"
    // "採血情報"
    QDateEdit* DateTimePicker5;          // sampling date
    TStringGridEx* StringGridEx27;       // hour
    TStringGridEx* StringGridEx28;       // minute
    TStringGridEx* StringGridEx19;       // measured value
    TplButton* plButton40;               // "採血追加"
    TplButton* plButton41;               // "採血削除"

    TCalender* TCalender1;
    QAction* N6;                         // "この日の採血削除"
    QLabel* Panel37;                     // the selected day
    TStringGridEx* StringGridEx14;       // administrations of the selected day
    TStringGridEx* StringGridEx18;       // every sampling
    TStringGridEx* StringGridEx22;       // the initial value (hidden)

    // The schedule-set choice "変更番号" with ComboBox12 and "リセット"
    // (plButton2).
    TplButton* plButton30;
    QComboBox* ComboBox12;
    TplButton* plButton2;
    TplButton* plButton15;               // "クリア"
    TplButton* plButton56;               // "1つ戻る"
    TplButton* plButton4;                // "詳細設定"
    TplButton* plButton50;               // holds "初期値"
    TplButton* plButton51;               // "初期値"
    // "解析": the main window attaches the Analyse command.
    TplButton* plButton16;

private:
    void BuildEntryTab();
    void BuildCutTab();
    void BuildSamplingTab();
    void BuildLists();
    void BuildButtons();

    TScheduleOwner Owner() const;
    bool IsSaltCase() const;
    TPrescriptionEntry ReadPrescriptionEntry() const;
    TDoseRangeCut ReadDoseRangeCut() const;
    TSamplingEntry ReadSamplingEntry() const;
    // Shows a refusal and puts the focus on the control at fault.
    void Refuse(TScheduleError error);
    // Whether the pickers a command reads (the null ones it does not) hold
    // whole dates as typed; the first that does not is refused by its name.
    bool PickersHoldDates(std::initializer_list<std::pair<QDateEdit*, const char16_t*>> pickers);
    // After every edit, the set choice and the initial value: the main
    // window is told (dose events, result page), then the calendar marks,
    // the lists and the set choice follow.
    void ScheduleChanged();
    void FillSetChoice();
    void ApplyAmountChoice();
    void UpdatePrescriptionButton();
    void UpdateSamplingButton();
    void UpdateDeleteButtons();
    void ConvertFormulationToMoiety(double formulation);
    void ConvertMoietyToFormulation(double moiety);
    void ClearPrescriptionCells();
    void ClearSamplingCells();
    void ShowTab(QWidget* tab);

    TMainWindowHub& hub_;
    QWidget* entryTab_ = nullptr;        // "投与入力"
    QWidget* cutTab_ = nullptr;          // "投与削除"
    QWidget* samplingTab_ = nullptr;     // "採血情報"
    QGroupBox* amountChoice_ = nullptr;  // "投与量表示": which amount is entered
    QLabel* doseUnit_ = nullptr;
    QLabel* formulationLabel_ = nullptr;
    QLabel* moietyLabel_ = nullptr;
    QLabel* moietyUnit_ = nullptr;
    QLabel* infusionLabel_ = nullptr;
    QLabel* infusionUnit_ = nullptr;
    QLabel* samplingUnit_ = nullptr;
};
