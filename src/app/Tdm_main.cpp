#include "Tdm_main.h"

#include "CaseLoading.h"
#include "AnalyseCommand.h"
#include "AppPaths.h"
#include "Clock.h"
#include "Exceptions.h"
#include "DebugSettings.h"
#include "ConcentrationDispatch.h"
#include "DrugPage.h"
#include "EstimationDispatch.h"
#include "FitTextLabel.h"
#include "GraphRange.h"
#include "HintLine.h"
#include "MessageBox.h"
#include "PanelButton.h"
#include "PatientPage.h"
#include "ResultPage.h"
#include "SchedulePage.h"
#include "ScheduleSetOps.h"
#include "ScheduleUndo.h"
#include "Ucommon.h"
#include "WorkingDatabase.h"
#include "uCaseSearch.h"
#include "uDataBase.h"
#include "uHelpDlg.h"
#include "WindowPlacement.h"
#include "WindowsAlive.h"
#include "ResultDialogs.h"
#include "uSplash.h"
#include "plButton.h"

#include <QCloseEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QTabBar>
#include <QTabWidget>
#include <QTimer>

#include <algorithm>

TfrmMain* frmMain = nullptr;

namespace {

constexpr int TimerIntervalMs = 100;
constexpr int ResultsPage = 3;

// The pages follow the step bar alone: the page control takes no Ctrl+Tab of
// its own, which would pass by the steps' conditions (and by the result
// page's update after a schedule change).
class TStepPages : public QTabWidget {
public:
    using QTabWidget::QTabWidget;

protected:
    void keyPressEvent(QKeyEvent* event) override { event->ignore(); }
};

// The show handlers of the pages, by page index.
constexpr void (TfrmMain::*PageShowHandlers[WorkflowStepCount])(QObject*) = {
    &TfrmMain::TabSheet1Show, &TfrmMain::TabSheet6Show, &TfrmMain::TabSheet2Show, &TfrmMain::TabSheet4Show};

} // namespace

TfrmMain::TfrmMain(QWidget* parent) : QMainWindow(parent)
{
    setObjectName(QStringLiteral("frmMain"));
    setWindowTitle(QStringLiteral("Quorvel"));

    // The working database beside the program, copied from the template on the
    // first start. Without it every later save would fail unseen, so the
    // program does not start.
    QString databaseError;
    if (!EnsureWorkingDatabase(&databaseError))
        throw vcl::Exception(databaseError);

    LoadDebugSettings();

    ScheduleSets = TScheduleSets{};
    model1ComKeiko_ = std::make_unique<T1ComKeikoGN>();
    model1ComTenteki_ = std::make_unique<T1ComTentekiGN>();
    model2ComTenteki_ = std::make_unique<T2ComTentekiGN>();
    modelMM1ComKeiko_ = std::make_unique<TMM1ComKeikoGN>();
    modelMM1ComTenteki_ = std::make_unique<TMM1ComTentekiGN>();
    graph_.GraphViewDays = 30;
    highestStep_ = 0;

    auto* client = new QWidget(this);
    client->setObjectName(QStringLiteral("ClientArea"));
    client->setAutoFillBackground(true);
    QPalette palette = client->palette();
    palette.setColor(QPalette::Window, vcl::ToQColor(MainWindowColor));
    client->setPalette(palette);
    setCentralWidget(client);
    // 1034 x 772 with the frame of the desktop the program was designed on.
    setFixedSize(1018, 734);
    setWindowFlags(Qt::Window | Qt::WindowTitleHint | Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint);
    CenterOnScreen(this);

    BuildHeader(client);
    BuildPages(client);
    BuildStepBar(client);
    // The hint line follows the pointer over the window's controls.
    new THintLine(this, header_.Panel17);

    Timer1 = new QTimer(this);
    Timer2 = new QTimer(this);
    Timer3 = new QTimer(this);
    for (QTimer* timer : {Timer1, Timer2, Timer3})
        timer->setInterval(TimerIntervalMs);
    connect(Timer1, &QTimer::timeout, this, [this] { vcl::RunEventHandler([this] { TabSheet1->Timer1Timer(); }); });
    connect(Timer2, &QTimer::timeout, this, [this] { vcl::RunEventHandler([this] { TabSheet6->Timer2Timer(); }); });
    // Timer1 and Timer2 run from the start; Timer3 does nothing.
    Timer1->start();
    Timer2->start();

    ClearCaseFrom(0, PatientKey::Clear, DrugValues::ClearAll);
    TabSheet4->plButton42->setVisible(CsvSettings.CsvRange > 0);

    ShowCaseFrom(0);
    SetWorkflowStep(highestStep_, 0);
    TabSheet1Show(TabSheet1);

    // The caption always carries the build's version.
    setWindowTitle(windowTitle() + QStringLiteral(" Ver.") + vcl::VersionText() + QStringLiteral("M"));
}

TfrmMain::~TfrmMain()
{
    ClearScheduleUndo(ScheduleSets);
    ScheduleSets = TScheduleSets{};
    if (frmMain == this)
        frmMain = nullptr;
}

void TfrmMain::BuildHeader(QWidget* client)
{
    struct HeaderItem {
        const char16_t* label;
        const char16_t* name;
        QLabel** panel;
        int left;
        int width;
    };
    const HeaderItem items[] = {
        {u"患者名", u"Panel3", &header_.Panel3, 11, 150},
        {u"一般名", u"Panel4", &header_.Panel4, 241, 170},
        {u"商品名", u"Panel7", &header_.Panel7, 491, 190},
        // The source panel ends before the "?" button at 964; it is wide
        // enough for every source label at 7 points or more.
        {u"母集団", u"Panel28", &header_.Panel28, 761, 122},
    };
    // Each panel shows its whole text, in a smaller size where it must.
    for (const HeaderItem& item : items) {
        auto* label = new TPanelButton(client);
        label->SetCaption(QString::fromUtf16(item.label));
        label->setGeometry(item.left, 8, 76, 26);
        auto* panel = new TFitTextLabel(client);
        panel->setObjectName(QString::fromUtf16(item.name));
        panel->setGeometry(item.left + 78, 8, item.width, 26);
        panel->setFrameStyle(QFrame::Panel | QFrame::Sunken);
        panel->setAutoFillBackground(true);
        QPalette palette = panel->palette();
        palette.setColor(QPalette::Window, Qt::white);
        panel->setPalette(palette);
        *item.panel = panel;
    }
    plButton29 = new TplButton(client);
    plButton29->SetName(QStringLiteral("plButton29"));
    plButton29->CaptionA().SetCaption(QStringLiteral("?"));
    plButton29->setGeometry(964, 8, 40, 26);
    plButton29->OnClick = [this](QObject* Sender) { plButton29Click(Sender); };

    header_.Panel17 = new QLabel(QStringLiteral("　ヒント、エラーメッセージ等を表示します。"), client);
    header_.Panel17->setObjectName(QStringLiteral("Panel17"));
    header_.Panel17->setGeometry(11, 700, 993, 26);
    header_.Panel17->setFrameStyle(QFrame::Panel | QFrame::Sunken);
}

void TfrmMain::BuildStepBar(QWidget* client)
{
    auto* Panel2 = new QWidget(client);
    Panel2->setObjectName(QStringLiteral("Panel2"));
    Panel2->setGeometry(11, 40, 993, 41);

    const char16_t* captions[WorkflowStepCount] = {u"患者情報", u"薬剤情報", u"投与/採血スケジュール", u"解析結果"};
    const char16_t* names[WorkflowStepCount] = {u"plButton35", u"plButton36", u"plButton37", u"plButton38"};
    const char16_t* markers[WorkflowStepCount] = {u"Panel21", u"Panel22", u"Panel23", u"Panel24"};
    TplButton** buttons[WorkflowStepCount] = {&plButton35, &plButton36, &plButton37, &plButton38};
    void (TfrmMain::*handlers[WorkflowStepCount])(QObject*) = {
        &TfrmMain::plButton35Click, &TfrmMain::plButton36Click, &TfrmMain::plButton37Click,
        &TfrmMain::plButton38Click};
    constexpr int buttonWidth = 200;
    constexpr int gap = 56;
    for (int step = 0; step < WorkflowStepCount; ++step) {
        const int left = 8 + step * (buttonWidth + gap);
        auto* marker = new QWidget(Panel2);
        marker->setObjectName(QString::fromUtf16(markers[step]));
        marker->setGeometry(left, 3, 10, 35);
        marker->setAutoFillBackground(true);
        QPalette palette = marker->palette();
        palette.setColor(QPalette::Window, vcl::ToQColor(vcl::clYellow));
        marker->setPalette(palette);
        StepMarkers[step] = marker;

        auto* button = new TplButton(Panel2);
        button->SetName(QString::fromUtf16(names[step]));
        button->CaptionA().SetCaption(QString::fromUtf16(captions[step]));
        button->setGeometry(left + 12, 3, buttonWidth - 12, 35);
        const auto handler = handlers[step];
        button->OnClick = [this, handler](QObject* Sender) { (this->*handler)(Sender); };
        *buttons[step] = button;

        if (step + 1 < WorkflowStepCount) {
            auto* arrow = new QLabel(QStringLiteral(">>"), Panel2);
            arrow->setGeometry(left + buttonWidth + 12, 10, gap - 24, 20);
            arrow->setAlignment(Qt::AlignCenter);
        }
    }
}

void TfrmMain::BuildPages(QWidget* client)
{
    PageControl1 = new TStepPages(client);
    PageControl1->setObjectName(QStringLiteral("PageControl1"));
    // The step bar takes the place of the tab row.
    PageControl1->tabBar()->hide();
    PageControl1->setGeometry(11, 82, 993, 611);
    TabSheet1 = new TPatientPage(*this);
    TabSheet6 = new TDrugPage(*this);
    TabSheet2 = new TSchedulePage(*this);
    TabSheet4 = new TResultPage(*this);
    PageControl1->addTab(TabSheet1, QStringLiteral("患者情報"));
    PageControl1->addTab(TabSheet6, QStringLiteral("薬剤/採血情報"));
    PageControl1->addTab(TabSheet2, QStringLiteral("投与スケジュール"));
    PageControl1->addTab(TabSheet4, QStringLiteral("解析結果"));
    connect(PageControl1, &QTabWidget::currentChanged, this, [this](int page) {
        vcl::RunEventHandler([this, page] {
            if (page >= 0 && page < WorkflowStepCount)
                (this->*PageShowHandlers[page])(PageControl1->widget(page));
            PageControl1Change(PageControl1);
        });
    });

    TabSheet1->plButton6->OnClick = [this](QObject* Sender) { plButton6Click(Sender); };
    TabSheet6->plButton25->OnClick = [this](QObject* Sender) { plButton25Click(Sender); };
    TabSheet6->plButton48->OnClick = [this](QObject* Sender) { plButton48Click(Sender); };
    TabSheet1->plButton7->OnClick = [this](QObject* Sender) { plButton7Click(Sender); };
    TabSheet4->plButton12->OnClick = [this](QObject* Sender) { plButton12Click(Sender); };
    TabSheet2->plButton16->OnClick = [this](QObject* Sender) { plButton16Click(Sender); };
    TabSheet4->plButton13->OnClick = [this](QObject* Sender) { plButton13Click(Sender); };
    TabSheet4->plButton44->OnClick = [this](QObject* Sender) { plButton44Click(Sender); };

    // The result page's dialogs, changed regimens and product change.
    TabSheet4->plButton19->OnClick = [this](QObject* Sender) { plButton19Click(Sender); };
    TabSheet4->plButton20->OnClick = [this](QObject* Sender) { plButton20Click(Sender); };
    TabSheet4->plButton22->OnClick = [this](QObject* Sender) { plButton22Click(Sender); };
    TabSheet4->plButton54->OnClick = [this](QObject* Sender) { plButton54Click(Sender); };
    TabSheet4->plButton17->OnClick = [this](QObject* Sender) { plButton17Click(Sender); };
    TabSheet4->plButton57->OnClick = [this](QObject* Sender) { plButton57Click(Sender); };
    TabSheet4->plButton58->OnClick = [this](QObject* Sender) { plButton58Click(Sender); };
    TabSheet4->plButton59->OnClick = [this](QObject* Sender) { plButton59Click(Sender); };
    TabSheet4->plButton23->OnClick = [this](QObject* Sender) { plButton23Click(Sender); };
    TabSheet4->plButton34->OnClick = [this](QObject* Sender) { plButton34Click(Sender); };
    TabSheet4->plButton43->OnClick = [this](QObject* Sender) { plButton34Click(Sender); };
}

void TfrmMain::showEvent(QShowEvent* event)
{
    QMainWindow::showEvent(event);
    if (!shownOnce_) {
        shownOnce_ = true;
        // The user can type the patient number at once. Only on the first
        // show: every message box hands the activation back, and moving the
        // focus then would take it from where the user was typing.
        if (PageControl1->currentIndex() == 0)
            TabSheet1->Edit1->setFocus(Qt::ActiveWindowFocusReason);
        vcl::RunEventHandler([this] { FormShow(); });
    }
}

void TfrmMain::FormShow()
{
    TabSheet6->FillCategoryCombo();
    // The disclaimer as soon as the window is on the screen: agreeing closes
    // it, disagreeing closes this window and so ends the program.
    QTimer::singleShot(0, this, [] {
        vcl::RunEventHandler([] {
            if (frmSplash)
                frmSplash->ShowModal();
        });
    });
}

void TfrmMain::closeEvent(QCloseEvent* event)
{
    bool canClose = true;
    FormCloseQuery(this, canClose);
    if (canClose)
        event->accept();
    else
        event->ignore();
}

void TfrmMain::FormCloseQuery(QObject*, bool& CanClose)
{
    CanClose = vcl::AskOkCancel(QStringLiteral("Quorvelを終了します。\nよろしいですか？"), QStringLiteral("終了確認"));
}

void TfrmMain::SetWorkflowStep(int maxStep, int page)
{
    if (page == ResultsPage && !TabSheet4->ReadyToShow())
        page = -1;   // the buttons follow, the page stays
    workflow_ = ApplyWorkflowStep(workflow_, maxStep, page);
    TplButton* buttons[WorkflowStepCount] = {plButton35, plButton36, plButton37, plButton38};
    for (int step = 0; step < WorkflowStepCount; ++step) {
        buttons[step]->setEnabled(workflow_.StepEnabled[step]);
        StepMarkers[step]->setVisible(step == workflow_.Page);
    }
    if (page >= 0 && page < WorkflowStepCount)
        PageControl1->setCurrentIndex(workflow_.Page);
}

void TfrmMain::ClearCaseFrom(int step, PatientKey patientKey, DrugValues drugValues)
{
    const TCaseClearing clearing = CaseClearingFrom(step);
    if (clearing.Patient) {
        ClearPatientRecord(CurrentPatient, patientKey);
        header_.Panel3->clear();
    }
    if (clearing.Analysis) {
        ClearDrugRecord(CurrentAnalysis, drugValues);
        header_.Panel4->clear();
        header_.Panel7->clear();
        header_.Panel28->clear();
    }
    if (clearing.Schedule)
        ClearAllScheduleSets(ScheduleSets);
    ClearScheduleUndo(ScheduleSets);
}

void TfrmMain::ShowCaseFrom(int step)
{
    const bool analysisCurrent = IsAnalysisCurrent(CurrentAnalysis);
    if (step < 1) {
        if (IsPatientCurrent(CurrentPatient))
            TabSheet1->ShowPatientRecord();
        else
            TabSheet1->InitPatientPage();
    }
    if (step < 2) {
        if (analysisCurrent)
            TabSheet6->SetupDrugPage();
        else
            TabSheet6->ResetDrugSelection();
    }
    if (step < 3 && analysisCurrent)
        TabSheet2->SetupSchedulePage();
    if (step < 4 && analysisCurrent && !ScheduleSets.Samplings.empty())
        TabSheet4->ShowResults();
}

void TfrmMain::ResetScheduleEntry()
{
    TabSheet2->ResetScheduleEntry();
}

void TfrmMain::ScheduleChanged()
{
    // A failure leaves that set without events; the result page refuses to
    // show such a schedule, as the Analyse command refuses to analyse it.
    RebuildDoseEvents(ScheduleSets, DoseEventContextOf(CurrentAnalysis, graph_));
    TabSheet4->InvalidateCurves();
}

void TfrmMain::plButton35Click(QObject*)
{
    SetWorkflowStep(highestStep_, 0);
}

void TfrmMain::plButton36Click(QObject*)
{
    SetWorkflowStep(highestStep_, 1);
}

void TfrmMain::plButton37Click(QObject*)
{
    TabSheet2->RefreshCalendar();
    SetWorkflowStep(highestStep_, 2);
}

void TfrmMain::plButton38Click(QObject*)
{
    SetWorkflowStep(highestStep_, 3);
}

void TfrmMain::TabSheet1Show(QObject*)
{
    plButton29->setVisible(HelpButtonVisibleOn(0));
}

void TfrmMain::TabSheet6Show(QObject*)
{
    plButton29->setVisible(HelpButtonVisibleOn(1));
}

void TfrmMain::TabSheet2Show(QObject*)
{
    plButton29->setVisible(HelpButtonVisibleOn(2));
}

void TfrmMain::TabSheet4Show(QObject*)
{
    plButton29->setVisible(HelpButtonVisibleOn(3));
}

void TfrmMain::PageControl1Change(QObject*)
{
    const int page = PageControl1->currentIndex();
    const TPageTimers timers = TimersForPage(page);
    auto run = [](QTimer* timer, bool on) {
        if (on)
            timer->start();
        else
            timer->stop();
    };
    run(Timer1, timers.Timer1);
    run(Timer2, timers.Timer2);
    // Timer3 has nothing to do; its state is kept only as the page asks.
    run(Timer3, timers.Timer3);
}

void TfrmMain::plButton25Click(QObject*)
{
    ShowDrugHelpPage(*frmHelpDlg, TabSheet6->HelpChoice(), DrugHelpTopic::Information);
}

void TfrmMain::plButton48Click(QObject*)
{
    ShowDrugHelpPage(*frmHelpDlg, TabSheet6->HelpChoice(), DrugHelpTopic::Population);
}

void TfrmMain::plButton29Click(QObject*)
{
    const int help = HelpPageForTab(PageControl1->currentIndex(), TabSheet2->plButton30->isVisible());
    if (help != 0 && frmHelpDlg)
        frmHelpDlg->ShowHelpPage(help);
}

void TfrmMain::plButton6Click(QObject*)
{
    ClearCaseFrom(0, PatientKey::Clear, DrugValues::ClearAll);
    highestStep_ = 0;
    ShowCaseFrom(0);
    SetWorkflowStep(0, 0);
}

void TfrmMain::plButton7Click(QObject*)
{
    if (frmCaseSearch->ShowModal() != vcl::mrOk)
        return;
    const std::optional<TCaseSearchRow> chosen = frmCaseSearch->SelectedCase();
    if (!chosen)
        return;
    update();
    LoadCaseFromStore(chosen->patient_id, chosen->kaiseki_id);
}

bool TfrmMain::LoadCaseFromStore(const QString& patientKey, int kaisekiId)
{
    TLoadedCase loaded;
    QString error;
    if (LoadCase(*DataModule1, patientKey, kaisekiId, vcl::Date(), graph_, loaded, &error)
        != CaseLoadResult::Loaded) {
        vcl::ShowError(error, QStringLiteral("症例検索"));
        return false;
    }
    ApplyLoadedCase(loaded);
    return true;
}

void TfrmMain::ApplyLoadedCase(TLoadedCase& loaded)
{
    const TAnalysisRecord& analysis = loaded.Analysis;
    SetGraphRangeFromLimits(loaded.Graph, DrugKeyOf(analysis));
    CurrentPatient = loaded.Patient;
    CurrentAnalysis = loaded.Analysis;
    ScheduleSets = std::move(loaded.Sets);
    graph_ = loaded.Graph;

    ClearScheduleUndo(ScheduleSets);
    TabSheet1->ShowPatientRecord();
    TabSheet1->plButton9->setEnabled(true);
    TabSheet6->SetupDrugPage();
    TabSheet6->plButton11->setEnabled(true);
    TabSheet2->ShowLoadedSchedule(graph_.GraphFirstDay);
    TabSheet2->SetupSchedulePage();
    TabSheet2->UpdateCalendarPeriod();
    if (!loaded.NotComputable) {
        TabSheet4->ShowResults();
        return;
    }
    // The schedule page, to mend the schedule; the result page checks again
    // before it next shows, as after any edit.
    TabSheet4->InvalidateCurves();
    highestStep_ = std::max(highestStep_, 3);
    SetWorkflowStep(highestStep_, 2);
    vcl::ShowError(loaded.NotComputable->Text, loaded.NotComputable->Caption);
}

void TfrmMain::plButton16Click(QObject*)
{
    RunAnalyseCommand(*this, *DataModule1, *TabSheet4, [this] { return EstimateIndividualParams(); });
}

TEngineContext TfrmMain::EngineContext()
{
    return EngineContextFor(CurrentAnalysis);
}

TEngineContext TfrmMain::EngineContextFor(TAnalysisRecord& analysis)
{
    const TEngineGraphDays days{graph_.GraphFirstDay, graph_.GraphViewStart, graph_.GraphViewEnd};
    const TEngineModels models{*model1ComKeiko_, *model1ComTenteki_, *model2ComTenteki_, *modelMM1ComKeiko_,
                               *modelMM1ComTenteki_};
    return TEngineContext(CurrentPatient, analysis, ScheduleSets, LastScheduleSetIndex(ScheduleSets), days, models,
                          simulationBuffers_);
}

int TfrmMain::EstimateIndividualParams()
{
    // A fit can take seconds: it runs on a worker thread while the window
    // repaints and takes no input. It writes a copy of the analysis record,
    // which becomes the current one once the fit has returned, so nothing the
    // window paints meanwhile is written under it.
    TAnalysisRecord analysis = CurrentAnalysis;
    const TEngineContext context = EngineContextFor(analysis);
    const int result = vcl::RunKeepingWindowsAlive([&context] { return ::EstimateIndividualParams(context); });
    CurrentAnalysis = analysis;
    return result;
}

double TfrmMain::ConcentrationAt(int t, double* second, double* central, int* passed, int flag,
                                 const TParamBlock& block)
{
    return ::ConcentrationAt(EngineContext(), t, second, central, passed, flag, block);
}

void TfrmMain::SelectSimulationParams(double* central, double* second, int flag)
{
    ::SelectSimulationParams(EngineContext(), central, second, flag);
}

void TfrmMain::CalcConcAllSets(vcl::TDateTime t, TSetValues& values, int& k)
{
    ::CalcConcAllSets(EngineContext(), t, values, k);
}

bool TfrmMain::CalcDailyAuc(vcl::TDateTime day, TAucValues& values, int& k)
{
    return ::CalcDailyAuc(EngineContext(), day, values, k);
}

bool TfrmMain::CalcDailyAucFine(vcl::TDateTime day, TAucValues& values, int& k)
{
    return ::CalcDailyAucFine(EngineContext(), CurveLists(), day, values, k);
}

void TfrmMain::CalcConcCurveOfDay(vcl::TDateTime day, std::span<double, MinutesPerDay> values)
{
    ::CalcConcCurveOfDay(EngineContext(), day, values);
}

// ---- The result dialogs ------------------------------------------------------

void TfrmMain::plButton19Click(QObject*)
{
    frmConcentration->ShowModal();
}

void TfrmMain::plButton20Click(QObject*)
{
    frmCollectPoint->ShowModal();
}

void TfrmMain::plButton22Click(QObject*)
{
    if (frmScale->ShowAndApply() == TDialogOutcome::Confirmed)
        RefreshGraph();
}

void TfrmMain::plButton54Click(QObject*)
{
    frmAUC->ShowModal();
}

void TfrmMain::plButton17Click(QObject*)
{
    frmCSVDisp->SetLines(CompartmentLines());
    frmCSVDisp->ShowModal();
}

void TfrmMain::plButton57Click(QObject*)
{
    if (frmAlb->ShowAndApply() == TDialogOutcome::Confirmed)
        RefreshGraph();
}

void TfrmMain::plButton58Click(QObject*)
{
    frmVmax->ShowForCase();
}

void TfrmMain::plButton59Click(QObject*)
{
    frmPKPD->ShowOnFirstDay();
}

void TfrmMain::plButton23Click(QObject*)
{
    TabSheet2->NewChangedRegimen();
}

void TfrmMain::plButton34Click(QObject*)
{
    TabSheet6->StartProductChange();
}

double TfrmMain::ApplyValueCorrection(double c) const
{
    return ::ApplyValueCorrection(CurrentAnalysis, c);
}

const TCurveLists& TfrmMain::CurveLists() const
{
    return TabSheet4->CurveLists();
}

const QStringList& TfrmMain::CompartmentLines() const
{
    return TabSheet4->CompartmentLines();
}

void TfrmMain::RefreshGraph()
{
    TabSheet4->RefreshGraph();
}

void TfrmMain::ComputeCurves()
{
    TabSheet4->ComputeCurves();
}

void TfrmMain::DrawGraph()
{
    TabSheet4->DrawGraph();
}
