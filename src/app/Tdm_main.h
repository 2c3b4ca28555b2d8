#pragma once
// The main window: the header with the case's patient, drug and parameter
// source, the step bar of the four-step workflow, the four pages and the hint
// line. The pages are widgets of their own (patient and drug pages in
// src/pages, schedule and result pages in src/schedule); what crosses pages
// (the workflow, the case state, the graph state, the model objects) stays
// here, and the pages reach it through TMainWindowHub. The graph's layers and
// curve lists belong to the result page.
#include "ConcentrationSeries.h"
#include "EngineContext.h"
#include "Events.h"
#include "U1comkeikogn.h"
#include "U1comtentekign.h"
#include "U2comtentekign.h"
#include "Umm1comkeikogn.h"
#include "Umm1comtentekign.h"
#include "MainWindowHub.h"
#include "Workflow.h"

#include <QMainWindow>
#include <QStringList>
#include <array>
#include <memory>
#include <vector>

class QLabel;
class QTabWidget;
class QTimer;
class TDrugPage;
class TPanelButton;
class TPatientPage;
class TResultPage;
class TSchedulePage;
class TplButton;
struct TCsvInput;
struct TLoadedCase;
struct TReportDisplayOptions;
struct TReportInput;

class TfrmMain : public QMainWindow, public TMainWindowHub {
    Q_OBJECT

public:
    explicit TfrmMain(QWidget* parent = nullptr);
    ~TfrmMain() override;

    // --- TMainWindowHub ---
    int HighestStep() const override { return highestStep_; }
    void SetHighestStep(int step) override { highestStep_ = step; }
    // Enables the step buttons up to maxStep and shows page with its marker.
    // The result page shows only once its graph follows the dose events; a
    // schedule the engine cannot compute keeps the page where it is.
    void SetWorkflowStep(int maxStep, int page) override;
    // Clears the case from a step on: 0 the patient, 1 the analysis, 2 the
    // schedule sets and samplings; the undo history always.
    void ClearCaseFrom(int step, PatientKey patientKey, DrugValues drugValues) override;
    // Shows the pages from a step on, as far as the case reaches.
    void ShowCaseFrom(int step) override;
    // The schedule page after a drug confirm.
    void ResetScheduleEntry() override;
    // Every set's dose events rebuilt; the result page's graph computed again
    // before it next shows.
    void ScheduleChanged() override;
    TGraphState& Graph() override { return graph_; }
    const TCurveLists& CurveLists() const override;
    const QStringList& CompartmentLines() const override;
    // The records, the schedule sets, the graph's days and the window's model
    // objects and buffers.
    TEngineContext EngineContext() override;
    const TMainHeader& Header() const override { return header_; }

    // Fills the drug categories when the window first shows, then shows the disclaimer.
    void FormShow();
    // Closing asks first; nothing is saved.
    void FormCloseQuery(QObject* Sender, bool& CanClose);

    // Step buttons.
    void plButton35Click(QObject* Sender);
    void plButton36Click(QObject* Sender);
    void plButton37Click(QObject* Sender);
    void plButton38Click(QObject* Sender);
    // A page shows: the "?" button is there on the drug and schedule pages.
    void TabSheet1Show(QObject* Sender);
    void TabSheet6Show(QObject* Sender);
    void TabSheet2Show(QObject* Sender);
    void TabSheet4Show(QObject* Sender);
    // Page changes: the three timers follow the page.
    void PageControl1Change(QObject* Sender);
    void plButton29Click(QObject* Sender);
    // The drug page's help buttons: the chosen drug's information and
    // population pages.
    void plButton25Click(QObject* Sender);
    void plButton48Click(QObject* Sender);
    // New patient, case search, print.
    void plButton6Click(QObject* Sender);
    void plButton7Click(QObject* Sender);
    void plButton12Click(QObject* Sender);

    // --- the report ---
    // "動態係数": the parameter display.
    void plButton13Click(QObject* Sender);
    // What the printed report is made of: the case, the drug page's texts and
    // the result page's display options and graph layers.
    TReportInput ReportInput();
    TReportDisplayOptions ReportDisplayOptions() const;
    // "CSV出力": the comma-separated export of the analysis.
    void plButton44Click(QObject* Sender);
    // What the export is made of: the case with set 0's schedule.
    TCsvInput CsvInput() const;

    // Loads a stored case and shows it on every page, as the case search's OK
    // does; false, with the reason shown, when it could not be read (the case
    // on screen then stays as it was). A case with a set the engine cannot
    // compute is loaded onto the schedule page with the Analyse command's
    // message, its results not shown.
    bool LoadCaseFromStore(const QString& patientKey, int kaisekiId);

    // The Analyse command of the schedule page ("解析").
    void plButton16Click(QObject* Sender);

    // The engine on the case on screen: thin calls that pass the window's
    // state (records, schedule sets, graph days, model objects) in. The
    // estimation keeps the window alive while it runs.
    int EstimateIndividualParams();
    double ConcentrationAt(int t, double* second, double* central, int* passed, int flag, const TParamBlock& block);
    void SelectSimulationParams(double* central, double* second, int flag);
    void CalcConcAllSets(vcl::TDateTime t, TSetValues& values, int& k);
    bool CalcDailyAuc(vcl::TDateTime day, TAucValues& values, int& k);
    bool CalcDailyAucFine(vcl::TDateTime day, TAucValues& values, int& k);
    void CalcConcCurveOfDay(vcl::TDateTime day, std::span<double, MinutesPerDay> values);

    // The concentration graph of the result page.
    void RefreshGraph();
    void ComputeCurves();
    void DrawGraph();

    // The result dialogs, opened by the result page's buttons.
    void plButton19Click(QObject* Sender);   // "血中濃度比較"
    void plButton20Click(QObject* Sender);   // "採血点確認"
    void plButton22Click(QObject* Sender);   // "グラフスケール"; the graph follows a confirmed scale
    void plButton54Click(QObject* Sender);   // "AUC値表示"
    void plButton17Click(QObject* Sender);   // "血中/末梢濃度"
    void plButton57Click(QObject* Sender);   // "アルブミン補正"; the graph follows a confirmed correction
    void plButton58Click(QObject* Sender);   // "Vmax"
    void plButton59Click(QObject* Sender);   // "PK/PD", from the first schedule day
    // The changed regimens and the product change of the result page.
    void plButton23Click(QObject* Sender);   // "投与変更": a new changed regimen on the schedule page
    void plButton34Click(QObject* Sender);   // "剤形変更" (and "入力値補正"): back to the drug page
    // The albumin-corrected concentration of c (c itself without an albumin value).
    double ApplyValueCorrection(double c) const;

    // Components of the window, named as the pages' code refers to them.
    TplButton* plButton29;                 // "?"
    TplButton* plButton35;                 // step buttons
    TplButton* plButton36;
    TplButton* plButton37;
    TplButton* plButton38;
    std::array<QWidget*, WorkflowStepCount> StepMarkers{};   // Panel21 .. Panel24
    QTabWidget* PageControl1;
    QTimer* Timer1;
    QTimer* Timer2;
    QTimer* Timer3;
    TPatientPage* TabSheet1;
    TDrugPage* TabSheet6;
    TSchedulePage* TabSheet2;
    TResultPage* TabSheet4;

protected:
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    void BuildHeader(QWidget* client);
    void BuildStepBar(QWidget* client);
    void BuildPages(QWidget* client);
    void ApplyLoadedCase(TLoadedCase& loaded);
    // The engine's view of the case with `analysis` as its analysis record.
    TEngineContext EngineContextFor(TAnalysisRecord& analysis);

    int highestStep_ = 0;
    TWorkflowView workflow_;
    TGraphState graph_;
    TMainHeader header_;
    bool shownOnce_ = false;

    // One object of each model, kept for the whole run.
    std::unique_ptr<T1ComKeikoGN> model1ComKeiko_;
    std::unique_ptr<T1ComTentekiGN> model1ComTenteki_;
    std::unique_ptr<T2ComTentekiGN> model2ComTenteki_;
    std::unique_ptr<TMM1ComKeikoGN> modelMM1ComKeiko_;
    std::unique_ptr<TMM1ComTentekiGN> modelMM1ComTenteki_;
    // Scratch arrays of the simulation, reused from call to call.
    TSimulationBuffers simulationBuffers_;
};

extern TfrmMain* frmMain;
