#pragma once
// TfrmAUC ("AUC値表示"): the estimated 24-hour AUC of one day under each
// regimen, by dose over clearance and by trapezoids over the graph's
// two-minute curves. Created once at start-up and kept; it fills itself each
// time it shows and on every change of the day, and shows no values while
// the date typed names no day.
#include "ResultDialogParts.h"

class QDateEdit;
class QLabel;
class TMainWindowHub;
class TStringGridEx;
class TplButton;

class TfrmAUC : public TFillOnShowForm {
    Q_OBJECT

public:
    explicit TfrmAUC(TMainWindowHub& hub, QWidget* parent = nullptr);

    // The day kept to the schedule, then both rows.
    void FormShow() override;
    void DateTimePicker1Change();
    // "解説": the explanation of the two methods.
    void plButton1Click(QObject* Sender);

    QDateEdit* DateTimePicker1;
    QLabel* Panel1;                 // the "24" of the label's AUC
    QLabel* Panel2;                 // the "24" of the table's AUC
    TStringGridEx* StringGridEx1;   // row 1 "Dose-CLtot近似法", row 2 "区分求積法"
    TplButton* plButton1;           // "解説"
    TplButton* plButton3;           // "閉じる"

private:
    void FillAuc();

    TMainWindowHub& hub_;
};

extern TfrmAUC* frmAUC;
