#pragma once
// TfrmCaseSearch ("症例検索"): finds an analysed case by prefix search.
#include "CaseSearch.h"
#include "Forms.h"

#include <optional>

class TfrmCaseSearch : public vcl::TForm {
    Q_OBJECT

public:
    explicit TfrmCaseSearch(QWidget* parent = nullptr);

    // The chosen row, after the dialog closed with OK; nothing otherwise.
    std::optional<TCaseSearchRow> SelectedCase() const { return selected_; }

private:
    std::optional<TCaseSearchRow> selected_;
};

extern TfrmCaseSearch* frmCaseSearch;
