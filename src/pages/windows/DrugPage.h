#pragma once
// The drug page of the main window ("薬剤/採血情報"): category, generic drug,
// product, model and the source of the population parameters (a built-in set,
// a past analysis of the patient and product, or values typed in), with the
// parameter table that shows the prior the analysis will use.
//
// List handlers run on the user's choice only (`activated`), radio handlers
// on `clicked`: restoring a stored analysis sets the lists and radios from
// code and so shows no notice and leaves the stored population block alone.
#include "DrugSelection.h"
#include "Ustruct.h"

#include <QWidget>
#include <vector>

class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QRadioButton;
class TMainWindowHub;
class TStringGridEx;
class TplButton;

class TDrugPage : public QWidget {
    Q_OBJECT

public:
    TDrugPage(TMainWindowHub& hub, QWidget* parent = nullptr);

    // --- Lists of the drug master ---
    void FillCategoryCombo();
    void FillDrugCombo();
    void FillProductCombo();
    void ShowDoseForm();
    // Vancomycin: the model list, with the record's model selected when
    // fromRecord is 1; any other product: its one model's name.
    void FillModelCombo(int fromRecord);
    void FillSourceCombo();
    // The patient's past analyses of the product; the one numbered selectId
    // is selected (-1: none).
    void FillPastAnalysisCombo(int selectId);

    // Empties the choice below a level: 0 the category and all below, 1 the
    // drug, 2 the product, 3 what follows the product (dose form, model,
    // source lists, past analyses, parameter table, covariate panels).
    void ClearDrugSelection(int level);
    // Shows covariate page 1 or 2, or none for 0.
    void ShowAccompanyGroup(int page);

    // The population block of the current analysis from the built-in set of
    // the choice; then the graph's range follows the product.
    void SelectPopulationParams();
    // The parameter table from the chosen source.
    void ShowParamTable();
    // The covariate questions and models.
    void SetupCovariatePanels(int kubun, int yakuzai, int yakuhin, int source, int model);
    void ApplyCovariateModel();

    // Rebuilds the page from the current analysis record, running no handler.
    void SetupDrugPage();
    // Empties the page.
    void ResetDrugSelection();
    // The confirm button follows whether the required inputs are there.
    void Timer2Timer();
    bool IsDrugInputComplete() const;
    // The lists as the page shows them.
    TDrugSelection Selection() const;

    // --- Handlers ---
    void cbKubunChange(QObject* Sender);
    void cbIppanChange(QObject* Sender);
    void cbSyouhinChange(QObject* Sender);
    void ComboBox1Change(QObject* Sender);
    void RadioButton8Click(QObject* Sender);
    void RadioButton9Click(QObject* Sender);
    void RadioButton12Click(QObject* Sender);
    void ComboBox8Change(QObject* Sender);
    void ComboBox9Change(QObject* Sender);
    void plButton11Click(QObject* Sender);

    QComboBox* cbKubun;        // category
    QComboBox* cbIppan;        // generic drug
    QComboBox* cbSyouhin;      // product
    QLineEdit* Edit12;         // dose form
    QLabel* Label78;           // "モデル式"
    QLineEdit* Edit5;          // the model of a product with one
    QComboBox* ComboBox1;      // the model choice (vancomycin)
    QLabel* Label85;           // its required-field mark
    QRadioButton* RadioButton8;    // "母集団パラメータ"
    QComboBox* ComboBox8;          // built-in sets by source label
    QRadioButton* RadioButton9;    // "過去パラメータ"
    QComboBox* ComboBox9;          // past analyses
    QRadioButton* RadioButton12;   // "パラメータを入力"
    TStringGridEx* StringGridEx1;  // the parameter table
    QGroupBox* GroupBox5;      // "解析条件": the covariate questions
    QLabel* Label30;           // "追加が必要な付随情報はありません"
    QGroupBox* gbFuzuiPage1;
    QGroupBox* gbFuzuiPage2;
    TplButton* plButton18;     // lithium notices
    TplButton* plButton21;
    TplButton* plButton32;     // fosphenytoin dose table
    TplButton* plButton11;     // "確定"

private:
    void BuildChoice();
    void BuildSources();
    void BuildParamTable(QWidget* parent);
    void BuildCovariates();
    void Connect(QComboBox* combo, void (TDrugPage::*handler)(QObject*));
    void Connect(QRadioButton* radio, void (TDrugPage::*handler)(QObject*));

    // The steps the product and model changes share: notice buttons, source
    // defaults, the set with its covariates and the table.
    void ShowNoticeButtons(NoticeButtons buttons);
    void TakeDefaultSource();
    void TakePopulationSet(int model);
    void EnableSources(ParamSource source);
    // Empty captions and zeros in every parameter row.
    void ClearParamTable();
    TDrugKey SelectedKey() const;

    TMainWindowHub& hub_;
    // Copies of the past analyses offered as parameter sources, in list order.
    std::vector<TAnalysisRecord> pastAnalyses_;
};
