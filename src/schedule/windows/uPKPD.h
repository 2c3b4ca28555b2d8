#pragma once
// TfrmPKPD ("PK/PD表示"): how long the patient's predicted concentration
// stays at or above a minimum inhibitory concentration on one day. Created
// once at start-up and kept; it computes each time it shows and whenever the
// day or an accepted MIC changes.
#include "ResultDialogParts.h"

class QDateEdit;
class TMainWindowHub;
class TStringGridEx;
class TplButton;

class TfrmPKPD : public TFillOnShowForm {
    Q_OBJECT

public:
    explicit TfrmPKPD(TMainWindowHub& hub, QWidget* parent = nullptr);

    // The result page's "PK/PD": the first schedule day, then the dialog.
    void ShowOnFirstDay();

    void FormShow() override;
    void DateTimePicker1Change();
    void StringGridEx1ValueChange(QObject* Sender, int ACol, int ARow);
    // Enter in the MIC cell: the MIC taken as when the cell is left.
    void StringGridEx1KeyPress(QObject* Sender, QChar& Key);
    // The day kept to the schedule, then the hours and the share of the day
    // at or above the MIC on it; empty cells while the date typed names no
    // day.
    void UpdateTimeAboveMic();

    QDateEdit* DateTimePicker1;     // "日付"
    TStringGridEx* StringGridEx1;   // MIC, μg/mL
    TStringGridEx* StringGridEx2;   // hours, read only
    TStringGridEx* StringGridEx3;   // percent of the day, read only
    TplButton* plButton3;           // "閉じる"

private:
    TMainWindowHub& hub_;
};

extern TfrmPKPD* frmPKPD;
