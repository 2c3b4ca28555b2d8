#include "ResultPage.h"

#include "AnalyseSteps.h"
#include "Events.h"
#include "GraphPanel.h"
#include "MainWindowHub.h"
#include "MessageBox.h"
#include "PageWidgets.h"
#include "WindowsAlive.h"
#include "plButton.h"
#include "uProgress.h"

#include <QCheckBox>
#include <QFrame>
#include <QGroupBox>
#include <QLabel>
#include <QProgressBar>

namespace {

constexpr int LegendLeft = 816;
constexpr int LegendWidth = 165;

QCheckBox* AddCheckBox(QWidget* parent, const QString& name, const QString& caption, int top)
{
    auto* box = new QCheckBox(caption, parent);
    box->setObjectName(name);
    box->setGeometry(12, top, 100, 24);
    box->setChecked(true);
    return box;
}

void AdvanceProgress(int steps)
{
    if (frmProgress)
        frmProgress->ProgressBar1->setValue(frmProgress->ProgressBar1->value() + steps);
}

void SetProgress(int value)
{
    if (frmProgress)
        frmProgress->ProgressBar1->setValue(value);
}

} // namespace

TResultPage::TResultPage(TMainWindowHub& hub, QWidget* parent) : QWidget(parent), hub_(hub)
{
    setObjectName(QStringLiteral("TabSheet4"));
    Panel9 = new TGraphPanel(graph_, this);
    Panel9->move(8, 8);
    BuildLegend();
    BuildButtons();
}

void TResultPage::BuildLegend()
{
    GroupBox16 = new QGroupBox(this);
    GroupBox16->setObjectName(QStringLiteral("GroupBox16"));
    GroupBox16->setGeometry(LegendLeft, 8, LegendWidth, 129);
    CheckBox1 = AddCheckBox(GroupBox16, QStringLiteral("CheckBox1"), QStringLiteral("患者"), 24);
    CheckBox2 = AddCheckBox(GroupBox16, QStringLiteral("CheckBox2"), QStringLiteral("母集団"), 56);
    CheckBox3 = AddCheckBox(GroupBox16, QStringLiteral("CheckBox3"), QStringLiteral("測定値"), 88);
    Bevel2 = new QFrame(GroupBox16);
    Bevel2->setObjectName(QStringLiteral("Bevel2"));
    Bevel2->setFrameShape(QFrame::HLine);
    Bevel2->setFrameShadow(QFrame::Sunken);
    Bevel2->setGeometry(8, 122, LegendWidth - 16, 4);
    CheckBox4 = AddCheckBox(GroupBox16, QStringLiteral("CheckBox4"), QString(), 132);
    CheckBox5 = AddCheckBox(GroupBox16, QStringLiteral("CheckBox5"), QString(), 164);
    CheckBox4->setFixedWidth(LegendWidth - 24);
    CheckBox5->setFixedWidth(LegendWidth - 24);

    static const char16_t* rows[4] = {u"患者データ", u"変更1", u"変更2", u"変更3"};
    for (int set = 0; set < 4; ++set) {
        SetRows[set] = AddCheckBox(GroupBox16, QStringLiteral("CheckBox%1").arg(10 + set),
                                   QString::fromUtf16(rows[set]), 142 + 32 * set);
        auto* label = new QLabel(QStringLiteral("――"), GroupBox16);
        label->setObjectName(QStringLiteral("Label%1").arg(52 + set));
        label->setGeometry(116, 142 + 32 * set, 40, 24);
        QPalette palette = label->palette();
        palette.setColor(QPalette::WindowText, vcl::ToQColor(SetColors[set]));
        label->setPalette(palette);
        SetLabels[set] = label;
    }

    auto connectClick = [this](QCheckBox* box, void (TResultPage::*handler)(QObject*)) {
        connect(box, &QCheckBox::clicked, this,
                [this, box, handler] { vcl::RunEventHandler([this, box, handler] { (this->*handler)(box); }); });
    };
    connectClick(CheckBox1, &TResultPage::CheckBox1Click);
    connectClick(CheckBox2, &TResultPage::CheckBox2Click);
    connectClick(CheckBox3, &TResultPage::CheckBox3Click);
    connectClick(CheckBox4, &TResultPage::CheckBox10Click);
    connectClick(CheckBox5, &TResultPage::CheckBox10Click);
    for (QCheckBox* row : SetRows)
        connectClick(row, &TResultPage::CheckBox10Click);
}

void TResultPage::BuildButtons()
{
    plButton52 = AddButton(this, QStringLiteral("plButton52"), QString(), 8, 466, 489, 48);
    auto inBar = [this](const char16_t* name, const char16_t* caption, int left) {
        TplButton* button = AddButton(plButton52, QString::fromUtf16(name), QString::fromUtf16(caption), left, 6, 112, 36);
        return button;
    };
    plButton13 = inBar(u"plButton13", u"動態係数", 8);
    plButton19 = inBar(u"plButton19", u"血中濃度比較", 128);
    plButton20 = inBar(u"plButton20", u"採血点確認", 248);
    plButton22 = inBar(u"plButton22", u"グラフスケール", 368);
    plButton54 = inBar(u"plButton54", u"AUC値表示", 488);
    plButton17 = inBar(u"plButton17", u"血中/末梢濃度", 608);
    plButton57 = inBar(u"plButton57", u"アルブミン補正", 728);
    plButton58 = inBar(u"plButton58", u"Vmax", 848);
    plButton59 = inBar(u"plButton59", u"PK/PD", 968);
    for (TplButton* optional : {plButton54, plButton17, plButton57, plButton58, plButton59})
        optional->hide();

    plButton23 = AddButton(this, QStringLiteral("plButton23"), QStringLiteral("投与変更"), 8, 530, 120, 40);
    plButton34 = AddButton(this, QStringLiteral("plButton34"), QStringLiteral("剤形変更"), 140, 530, 120, 40);
    plButton12 = AddButton(this, QStringLiteral("plButton12"), QStringLiteral("印字"), 840, 530, 120, 40);
    // The export panel.
    plButton42 = AddButton(this, QStringLiteral("plButton42"), QString(), 560, 530, 260, 40);
    plButton44 = AddButton(plButton42, QStringLiteral("plButton44"), QStringLiteral("CSV出力"), 4, 4, 124, 32);
    plButton43 = AddButton(plButton42, QStringLiteral("plButton43"), QStringLiteral("入力値補正"), 132, 4, 124, 32);
    plButton42->hide();
}

void TResultPage::ShowResults()
{
    SetGraphLegend();
    RefreshGraph();
    hub_.SetHighestStep(std::max(hub_.HighestStep(), 3));
    hub_.SetWorkflowStep(3, 3);
}

bool TResultPage::ReadyToShow()
{
    if (!curvesOutdated_)
        return true;
    const TEngineContext context = hub_.EngineContext();
    if (const std::optional<TAnalyseMessage> refusal = CheckSetsComputable(context.Sets, DrugKeyOf(context.Analysis))) {
        vcl::ShowError(refusal->Text, refusal->Caption);
        return false;
    }
    SetGraphLegend();
    RefreshGraph();
    return true;
}

void TResultPage::RefreshGraph()
{
    ComputeCurves();
    DrawGraph();
}

void TResultPage::ComputeCurves()
{
    SetProgress(0);
    const TGraphState graph = hub_.Graph();
    const TEngineContext context = hub_.EngineContext();
    TGraphCurves curves = vcl::RunKeepingWindowsAlive([&] { return ComputeGraphCurves(context, graph); });
    graph_.SetCurves(std::move(curves), graph, DrugKeyOf(context.Analysis), [] { AdvanceProgress(1); });
    curvesOutdated_ = false;
    SetProgress(TfrmProgress::ProgressSteps);
    Panel9->update();
}

void TResultPage::DrawGraphAxes()
{
    const TEngineContext context = hub_.EngineContext();
    TGraphAxesInput input;
    input.Graph = hub_.Graph();
    input.Drug = DrugKeyOf(context.Analysis);
    const std::vector<TPrescription>& patientSchedule = context.Sets.PrescriptionLists[0];
    if (!patientSchedule.empty())
        input.FirstDoseTimeOfDay = patientSchedule.front().touyo_time;
    if (CheckBox3->isChecked()) {
        for (const TSamplingRecord& sampling : context.Sets.Samplings)
            input.Measured.push_back({sampling.saiketu_time, sampling.saiketu_value});
    }
    graph_.SetAxes(input, TGraphFontMetrics());
}

void TResultPage::DrawGraph()
{
    DrawGraphAxes();
    const TEngineContext context = hub_.EngineContext();
    graph_.SetVisibility(
        GraphLayerVisibility(GraphCaseOf(DrugKeyOf(context.Analysis)), context.LastSetIndex, DisplayOptions()));
    Panel9->update();
}

TGraphDisplayOptions TResultPage::DisplayOptions() const
{
    TGraphDisplayOptions options;
    options.Patient = CheckBox1->isChecked();
    options.Population = CheckBox2->isChecked();
    options.Solid = CheckBox4->isChecked();
    options.Dotted = CheckBox5->isChecked();
    for (int set = 0; set < 4; ++set)
        options.Sets[set] = SetRows[set]->isChecked();
    return options;
}

void TResultPage::SetGraphLegend()
{
    const TEngineContext context = hub_.EngineContext();
    const TDrugKey drug = DrugKeyOf(context.Analysis);
    const TGraphLegendLayout legend = GraphLegendLayout(GraphCaseOf(drug), context.LastSetIndex);
    CheckBox4->setVisible(legend.PairShown);
    CheckBox5->setVisible(legend.PairShown);
    Bevel2->setVisible(legend.PairShown);
    if (legend.PairShown) {
        CheckBox4->setText(legend.SolidCaption);
        CheckBox5->setText(legend.DottedCaption);
    }
    if (!legend.CompartmentHint.isEmpty())
        plButton17->setToolTip(legend.CompartmentHint);
    for (int set = 0; set < 4; ++set) {
        SetRows[set]->move(SetRows[set]->x(), legend.RowTops[set]);
        SetLabels[set]->move(SetLabels[set]->x(), legend.RowTops[set]);
        SetRows[set]->setEnabled(legend.RowEnabled[set]);
        SetLabels[set]->setEnabled(legend.RowEnabled[set]);
    }
    GroupBox16->resize(GroupBox16->width(), legend.GroupHeight);

    const TOptionalButtonLayout buttons = OptionalResultButtons(drug);
    plButton52->resize(buttons.BarWidth, plButton52->height());
    TplButton* optional[OptionalResultButtonCount] = {plButton54, plButton17, plButton57, plButton58, plButton59};
    for (int i = 0; i < OptionalResultButtonCount; ++i) {
        if (buttons.Left[i]) {
            optional[i]->move(*buttons.Left[i], optional[i]->y());
            optional[i]->show();
        } else {
            optional[i]->hide();
        }
    }
}

void TResultPage::CheckBox1Click(QObject*)
{
    DrawGraph();
}

void TResultPage::CheckBox2Click(QObject*)
{
    DrawGraph();
}

void TResultPage::CheckBox3Click(QObject*)
{
    DrawGraph();
}

void TResultPage::CheckBox10Click(QObject*)
{
    DrawGraph();
}
