#pragma once
// TfrmDispParam ("動態係数"): the pharmacokinetic parameters of the current
// analysis in one table (population value and variability, the patient's
// estimate and variability) and the fit's final objective value. Created once
// at start-up and shown modally from the result page; it fills itself each
// time it shows.
#include "Forms.h"
#include "Ustruct.h"

class QShowEvent;
class TStringGridEx;
class TplButton;

class TfrmDispParam : public vcl::TForm {
    Q_OBJECT

public:
    explicit TfrmDispParam(QWidget* parent = nullptr);

    // Fills the table from the current analysis.
    void FormShow();

    TStringGridEx* StringGridEx2;   // the parameter table
    TStringGridEx* StringGridEx7;   // the objective value "SS値"
    TplButton* plButton12;          // "閉じる"

protected:
    void showEvent(QShowEvent* event) override;
};

// Rewrites both grids of the window with the analysis's table.
void FillParamTable(TfrmDispParam& form, const TAnalysisRecord& analysis);

extern TfrmDispParam* frmDispParam;
