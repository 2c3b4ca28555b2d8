#pragma once
// TfrmAlb ("アルブミン補正"): the serum albumin and the dialysis status that
// correct phenytoin concentrations. Created once at start-up and kept.
#include "Forms.h"
#include "ResultDialogParts.h"

class QRadioButton;
class TStringGridEx;
class TplButton;

class TfrmAlb : public vcl::TForm {
    Q_OBJECT

public:
    explicit TfrmAlb(QWidget* parent = nullptr);

    // The result page's "アルブミン補正": shows the analysis' albumin and
    // dialysis; after "確定" the analysis takes them and is saved (a failed
    // save is reported). Confirmed when the graph must be drawn again.
    TDialogOutcome ShowAndApply();

    // "解説": the correction formulas.
    void plButton3Click(QObject* Sender);

    TStringGridEx* StringGridEx3;   // "血清アルブミン値", g/dL
    QRadioButton* RadioButton1;     // dialysis "なし"
    QRadioButton* RadioButton2;     // dialysis "あり"
    TplButton* plButton1;           // "確定"
    TplButton* plButton2;           // "閉じる"
    TplButton* plButton3;           // "解説"
};

extern TfrmAlb* frmAlb;
