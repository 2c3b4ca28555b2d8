#pragma once
// The drug page of the main window ("薬剤/採血情報"): category, generic drug,
// product, model and the source of the population parameters (a built-in set,
// a past analysis of the patient and product, or values typed in), with the
// parameter table that shows the prior the analysis will use.
//
// List handlers run on the user's choice only (`activated`), radio handlers
// on `clicked`: restoring a stored analysis sets the lists and radios from
// code and so shows no notice and leaves the stored population block alone.
#include "AnalysisSettings.h"
#include "CovariatePanels.h"
#include "DrugChecks.h"
#include "DrugSelection.h"
#include "Ustruct.h"

#include <QWidget>
#include <array>
#include <optional>
#include <span>
#include <vector>

class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QRadioButton;
class TMainWindowHub;
class TStringGridEx;
class TplButton;
struct TFieldMessage;

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

    // The page's population block from the built-in set of the choice.
    void SelectPopulationParams();
    // The parameter table from the chosen source.
    void ShowParamTable();
    // Where the accompanying questions take their answers from: the record
    // (when it holds answers to these very questions, else the defaults), or
    // the answers on screen when the source is only chosen again and asks the
    // questions they answer.
    enum class PanelAnswers { FromRecord, KeepShown };
    // The accompanying questions of the chosen drug (`source` the source
    // index + 1, `model` the model index + 1) with their answers.
    void SetupCovariatePanels(int kubun, int yakuzai, int yakuhin, int source, int model,
                              PanelAnswers answers = PanelAnswers::FromRecord);
    // The drug's covariate model over the population block, from the answers.
    void ApplyCovariateModel();
    void RecalcPopulationParams();
    // The BMI and the average clearance for the age.
    void ShowClcrReference();

    // The confirm's check: false when a message stopped it (or Cancel).
    bool CheckDrugInfo(const TDrugPageEntry& entry);
    // The page into a cleared analysis record.
    void StoreAnalysisSettings(TAnalysisRecord& record, const TDrugPageEntry& entry, int kaisekiId) const;

    // Rebuilds the page from the current analysis record, running no handler.
    void SetupDrugPage();
    // Empties the page.
    void ResetDrugSelection();
    // "剤形変更" on the result page: the drug page with the category and the
    // generic drug fixed, so that only the product and its settings change,
    // and the past analyses listed afresh (the one just made among them).
    void StartProductChange();
    // The confirm button follows whether the required inputs are there.
    void Timer2Timer();
    bool IsDrugInputComplete() const;
    // The lists as the page shows them.
    TDrugSelection Selection() const;
    // The category, drug and product positions + 1 (0 where nothing is
    // chosen), as the help buttons look their pages up.
    TDrugKey HelpChoice() const;

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
    // Creatinine clearance entry: typed in or computed from serum creatinine.
    void RadioButton6Click(QObject* Sender);
    void StringGridEx6KeyPress(QObject* Sender, QChar& Key);
    void StringGridEx6Exit(QObject* Sender);
    void StringGridEx7KeyPress(QObject* Sender, QChar& Key);
    void StringGridEx7Exit(QObject* Sender);
    // Any other answer: the model again, then the table.
    void rbParaClick(QObject* Sender);
    // Arbekacin's pneumonia answer sets K12 in the table.
    void rbPage1ParaC1Click(QObject* Sender);
    void rbPage1ParaC2Click(QObject* Sender);

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
    // Page 1: creatinine clearance, heart failure, pneumonia.
    QGroupBox* gbPage1ParaA;       // "クレアチニンクリアランス"
    QRadioButton* RadioButton6;    // "直接入力"
    TStringGridEx* StringGridEx6;  // typed clearance, mL/min
    QLabel* Panel11;
    QRadioButton* RadioButton7;    // "血清クレアチニン値より算出"
    TStringGridEx* StringGridEx7;  // serum creatinine, mg/dL
    QWidget* Panel27;              // the obesity question
    QRadioButton* RadioButton19;   // "なし": the body weight
    QRadioButton* RadioButton20;   // "あり": the ideal body weight
    TStringGridEx* StringGridEx13; // the clearance in use
    QGroupBox* GroupBox6;          // "算出方式", never shown: Cockcroft-Gault only
    QRadioButton* RadioButton3;
    QRadioButton* RadioButton4;
    QRadioButton* RadioButton5;
    QLabel* Label86;               // "＜参考＞"
    QLabel* Label87;
    QLabel* Label93;
    QLabel* Label89;
    QLabel* Label88;
    QLabel* Label92;
    QLabel* Label90;
    TplButton* plButton55;         // "解説"
    QGroupBox* gbPage1ParaB;
    QRadioButton* rbPage1ParaB1;
    QRadioButton* rbPage1ParaB2;
    QGroupBox* gbPage1ParaC;
    QRadioButton* rbPage1ParaC1;
    QRadioButton* rbPage1ParaC2;
    QGroupBox* gbPage1ParaD;
    QRadioButton* rbPage1ParaD1;
    QRadioButton* rbPage1ParaD2;
    // Page 2: co-medication, symptoms, lag time.
    QGroupBox* gbPage2ParaA;
    QRadioButton* rbPage2ParaA1;
    QRadioButton* rbPage2ParaA2;
    QGroupBox* gbPage2ParaB;
    QRadioButton* rbPage2ParaB1;
    QRadioButton* rbPage2ParaB2;
    QRadioButton* rbPage2ParaB3;
    QGroupBox* gbPage2ParaC;
    QRadioButton* rbPage2ParaC1;
    QRadioButton* rbPage2ParaC2;
    QGroupBox* gbPage2ParaD;
    QRadioButton* rbPage2ParaD1;
    QRadioButton* rbPage2ParaD2;
    QRadioButton* rbPage2ParaD3;
    QRadioButton* rbPage2ParaD4;
    QGroupBox* gbPage2ParaE;       // "ラグタイム"
    TStringGridEx* StringGridEx24; // lag time, hours
    TplButton* plButton25;     // "? 薬剤情報": the drug's help page
    TplButton* plButton48;     // "? 母集団情報": the population help page
    TplButton* plButton18;     // lithium notices
    TplButton* plButton21;
    TplButton* plButton32;     // fosphenytoin dose table
    TplButton* plButton11;     // "確定"

private:
    void BuildChoice();
    void BuildSources();
    void BuildParamTable(QWidget* parent);
    void BuildCovariates();
    void BuildClearance(QWidget* page);
    void BuildQuestions();
    QGroupBox* AddQuestion(QWidget* page, const QString& name, std::span<QRadioButton*> radios,
                           std::span<const char* const> radioNames);
    void Connect(QComboBox* combo, void (TDrugPage::*handler)(QObject*));
    void Connect(QRadioButton* radio, void (TDrugPage::*handler)(QObject*));

    // The steps the product and model changes share: notice buttons, source
    // defaults, the set with its covariates and the table.
    void ShowNoticeButtons(NoticeButtons buttons);
    void TakeDefaultSource();
    void TakePopulationSet(int model, PanelAnswers answers = PanelAnswers::FromRecord);
    void EnableSources(ParamSource source);
    // Empty captions and zeros in every parameter row.
    void ClearParamTable();
    TDrugKey SelectedKey() const;

    // The covariate panels.
    std::optional<TPanelChoice> PanelOfSelection() const;
    // The group box and radios a panel's question is asked with.
    struct TChoiceControls {
        QGroupBox* Group = nullptr;
        std::span<QRadioButton* const> Radios;
    };
    TChoiceControls ControlsOf(ChoiceGroup group) const;
    void ShowAnswers(const TPanelChoice& panel, const TCovariateAnswers& answers);
    TCovariateAnswers ReadAnswers() const;
    // Typed entry enables its cell, computing enables serum creatinine and
    // the obesity question: what RadioButton6Click shows, also after a restore.
    void ShowClearanceEntry(ClearanceEntry entry);
    // The clearance the models take, as StringGridEx13 holds it.
    double ClearanceInUse();
    int WeightMode() const;

    // The confirm.
    void FinishClearanceEntry();
    std::optional<TDrugPageEntry> ReadEntry();
    void ShowHeader(ParamSource source);
    void FocusCheckedField(CheckField field);

    TMainWindowHub& hub_;
    std::array<QRadioButton*, 2> obesity_{};
    std::array<QRadioButton*, 2> page1B_{};
    std::array<QRadioButton*, 2> page1C_{};
    std::array<QRadioButton*, 2> page1D_{};
    std::array<QRadioButton*, 2> page2A_{};
    std::array<QRadioButton*, 3> page2B_{};
    std::array<QRadioButton*, 2> page2C_{};
    std::array<QRadioButton*, 4> page2D_{};
    // The questions whose answers the panels' controls hold, since they were
    // last set up; nothing before.
    std::optional<TPanelChoice> answeredPanel_;
    // `kaiseki_id` of the past analysis chosen in ComboBox9, -1 when none.
    int ChosenPastAnalysisId() const;

    // Copies of the past analyses offered as parameter sources, in list order.
    std::vector<TAnalysisRecord> pastAnalyses_;
    // The population block of the choice on screen: the built-in set, adjusted
    // by the covariate model, shown by the table with the population and the
    // typed-values sources. The current analysis takes it on confirm only: a
    // product looked at and left leaves the confirmed analysis its own prior.
    TPopulationBlock population_;
};
