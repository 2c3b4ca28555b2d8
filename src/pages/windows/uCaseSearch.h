#pragma once
// TfrmCaseSearch ("症例検索"): finds analysed cases by prefix search on up to
// five patient fields, newest analysis first, and hands the chosen one to the
// main window, which reopens it. Created once; the edits, the grid and the
// hits stay between uses.
#include "CaseSearch.h"
#include "Forms.h"

#include <optional>
#include <vector>

class QDateTimeEdit;
class QHideEvent;
class QLabel;
class QLineEdit;
class QShowEvent;
class TStringGridEx;
class TplButton;

class TfrmCaseSearch : public vcl::TForm {
    Q_OBJECT

public:
    explicit TfrmCaseSearch(QWidget* parent = nullptr);
    ~TfrmCaseSearch() override;

    // The chosen row, after the dialog closed with OK; nothing otherwise.
    std::optional<TCaseSearchRow> SelectedCase() const { return selected_; }

    // The hits of the last search, newest first.
    const std::vector<TCaseSearchRow>& Results() const { return cases_; }

    QLineEdit* Edit1;      // "患者番号"
    QLineEdit* Edit2;      // "患者名"
    QLineEdit* Edit3;      // " (カナ)"
    QLineEdit* Edit5;      // "診療科　"
    QLineEdit* Edit6;      // "医師名　"
    // Present but hidden; they take no part in the search.
    QLineEdit* Edit4;      // "薬剤名"
    QDateTimeEdit* DateTimePicker1; // "解析日" from
    QDateTimeEdit* DateTimePicker2; // to
    TStringGridEx* StringGridEx3;
    TplButton* plButton8;  // "検索"
    TplButton* plButton1;  // "クリア"
    TplButton* plButton2;  // "選択"
    TplButton* plButton3;  // "閉じる"
    TplButton* plButton29; // "?"

    void plButton8Click(QObject* Sender);
    void plButton1Click(QObject* Sender);
    void plButton2Click(QObject* Sender);
    void plButton29Click(QObject* Sender);
    void StringGridEx3DblClick(QObject* Sender);

protected:
    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;

private:
    void FillCaseGrid();
    // Keeps the hit on the grid's current row as the chosen case; false when
    // that row shows none.
    bool SelectCurrentRow();

    std::vector<TCaseSearchRow> cases_;
    std::optional<TCaseSearchRow> selected_;
};

extern TfrmCaseSearch* frmCaseSearch;
