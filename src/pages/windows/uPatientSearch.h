#pragma once
// TfrmPatientSearch ("患者検索"): finds stored patients by prefix search on up
// to five fields and hands the chosen one to the main window, which starts a
// new analysis for it. Created once; the edits, the grid and the hits stay
// between uses.
#include "Forms.h"
#include "Ustruct.h"

#include <vector>

class QLineEdit;
class QHideEvent;
class TStringGridEx;
class TplButton;

class TfrmPatientSearch : public vcl::TForm {
    Q_OBJECT

public:
    explicit TfrmPatientSearch(QWidget* parent = nullptr);
    ~TfrmPatientSearch() override;

    // The hit on the grid's current row; an empty record when that row shows none.
    TPatientRecord GetSelectedPatient() const;

    // The hits of the last search, in the database's order.
    const std::vector<TPatientRecord>& Results() const { return patients_; }

    QLineEdit* Edit1;      // "患者番号"
    QLineEdit* Edit2;      // "患者名"
    QLineEdit* Edit3;      // " (カナ)"
    QLineEdit* Edit5;      // "診療科　"
    QLineEdit* Edit6;      // "医師名　"
    TStringGridEx* StringGridEx1;
    TplButton* plButton8;  // "検索"
    TplButton* plButton1;  // "クリア"
    TplButton* plButton2;  // "選択"
    TplButton* plButton3;  // "閉じる"
    TplButton* plButton29; // "?"

    void plButton8Click(QObject* Sender);
    void plButton1Click(QObject* Sender);
    void plButton2Click(QObject* Sender);
    void plButton29Click(QObject* Sender);
    void StringGridEx1DblClick(QObject* Sender);

protected:
    void hideEvent(QHideEvent* event) override;

private:
    void FillPatientGrid();

    std::vector<TPatientRecord> patients_;
};

extern TfrmPatientSearch* frmPatientSearch;
