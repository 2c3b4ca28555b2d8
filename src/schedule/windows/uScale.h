#pragma once
// TfrmScale ("グラフスケール"): the graph's y range, the therapeutic range and
// the displayed dates. Created once at start-up and kept; it fills itself
// from the graph state each time it shows.
#include "ResultDialogParts.h"
#include "ScaleDialogRules.h"

class QDateEdit;
class QLabel;
class TMainWindowHub;
class TStringGridEx;
class TplButton;

class TfrmScale : public TFillOnShowForm {
    Q_OBJECT

public:
    explicit TfrmScale(TMainWindowHub& hub, QWidget* parent = nullptr);

    // The result page's "グラフスケール": shows the dialog and, after "確定",
    // gives the graph state the entry and stores the therapeutic range as the
    // product's own (a failed store is reported). Confirmed when the graph
    // must be drawn again.
    TDialogOutcome ShowAndApply();

    // Fills the controls from the graph state, by the drug's axis.
    void FormShow() override;
    // "確定": the checks; a refused entry keeps the dialog open.
    void plButton1Click(QObject* Sender);

    TStringGridEx* StringGridEx1;   // "グラフ最大値"
    TStringGridEx* StringGridEx2;   // "グラフ最小値"
    QLabel* Label5;                 // "有効治療域上限"
    TStringGridEx* StringGridEx3;
    QLabel* Label6;                 // "有効治療域下限"
    TStringGridEx* StringGridEx4;
    QDateEdit* DateTimePicker2;     // "表示開始年月日"
    QDateEdit* DateTimePicker1;     // "表示終了年月日"
    TplButton* plButton1;           // "確定"
    TplButton* plButton2;           // "閉じる"
    TplButton* plButton8;           // "初期化", hidden

private:
    // The controls as typed; nothing, with the message shown, when a cell
    // holds no number.
    std::optional<TScaleEntry> ReadEntry();
    void Focus(TScaleField field);

    TMainWindowHub& hub_;
    TScaleEntry confirmed_;
};

extern TfrmScale* frmScale;
