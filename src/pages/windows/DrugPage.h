#pragma once
// The drug page of the main window ("薬剤/採血情報"): category, generic drug,
// product, model and the source of the population parameters.
#include "Ustruct.h"

#include <QWidget>
#include <vector>

class QComboBox;
class TMainWindowHub;
class TplButton;

class TDrugPage : public QWidget {
    Q_OBJECT

public:
    TDrugPage(TMainWindowHub& hub, QWidget* parent = nullptr);

    // The category list of the drug master into `cbKubun`.
    void FillCategoryCombo();
    // Rebuilds the page from the current analysis record.
    void SetupDrugPage();
    // Empties the selection.
    void ResetDrugSelection();
    // The confirm button follows whether the required inputs are there.
    void Timer2Timer();
    bool IsDrugInputComplete() const;

    QComboBox* cbKubun;        // category
    TplButton* plButton11;     // "確定"

private:
    TMainWindowHub& hub_;
    // Copies of the past analyses offered as parameter sources, in list order.
    std::vector<TAnalysisRecord> pastAnalyses_;
};
