#pragma once
// TfrmInitialValue ("初期値設定"): the concentration present before the
// first dose. Created once at start-up and kept. The schedule page's "初期値"
// shows it and, after "確定", stores InitialValue() in the analysis.
#include "ResultDialogParts.h"

class QLabel;
class TStringGridEx;
class TplButton;

class TfrmInitialValue : public TFillOnShowForm {
    Q_OBJECT

public:
    explicit TfrmInitialValue(QWidget* parent = nullptr);

    // The unit and format of the drug; the analysis' initial concentration.
    void FormShow() override;

    // The initial concentration confirmed with OK, which the schedule page
    // stores in the analysis.
    double InitialValue() const;

    TStringGridEx* StringGridEx1;   // "初期値", 0 .. 1000
    QLabel* Label2;                 // the unit
    TplButton* plButton1;           // "確定"
    TplButton* plButton2;           // "キャンセル"
};

extern TfrmInitialValue* frmInitialValue;
