// The drug page's accompanying information: the covariate panels in
// `GroupBox5`, the creatinine clearance entry and the covariate models.
#include "DrugPage.h"

#include "CovariateModels.h"
#include "DrugPageWidgets.h"
#include "NumberCell.h"
#include "PageWidgets.h"
#include "StringGridEx.h"
#include "Ucommon.h"
#include "plButton.h"
#include "uCLcrHelpDlg.h"

#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QRadioButton>
#include <utility>

namespace {

using namespace drugpage;

constexpr QPoint Page1QuestionAt{18, 340};
constexpr QPoint Page2QuestionAt{26, 24};
constexpr QRect QuestionBox{0, 0, 424, 64};

// A number cell of the page: its range as given, no grid lines, 28 pixels
// high frame included.
TNumberCellSpec ValueCell(TNumberCellSpec range)
{
    range.GridOptions = {};
    range.GridLineWidth = 0;
    range.Height = 28;
    range.HeightIs = TCellMeasure::WholeGrid;
    return range;
}

const TNumberCellSpec ClearanceCell =
    ValueCell({.Min = 0, .Max = 1000, .Default = 0, .Format = QStringLiteral("0.0000")});
const TNumberCellSpec LagTimeCell = ValueCell({.Min = 0, .Max = 24, .Default = 0, .Format = QStringLiteral("0.00")});

} // namespace

// ---- Building the panels ---------------------------------------------------------

void TDrugPage::BuildCovariates()
{
    GroupBox5 = AddGroup(this, QStringLiteral("GroupBox5"),
                         QStringLiteral("解析条件 (解析に必要な条件を入力して下さい)     "), {490, 4, 492, 528});
    Label30 = new QLabel(QStringLiteral("追加が必要な付随情報はありません"), GroupBox5);
    Label30->setObjectName(QStringLiteral("Label30"));
    Label30->setGeometry(16, 240, 460, 28);
    Label30->setAlignment(Qt::AlignCenter);
    gbFuzuiPage1 = AddGroup(GroupBox5, QStringLiteral("gbFuzuiPage1"), QString(), {16, 24, 460, 494});
    gbFuzuiPage2 = AddGroup(GroupBox5, QStringLiteral("gbFuzuiPage2"), QString(), {16, 24, 460, 494});
    BuildClearance(gbFuzuiPage1);
    BuildQuestions();
    ShowAccompanyGroup(0);
}

void TDrugPage::BuildClearance(QWidget* page)
{
    gbPage1ParaA = AddGroup(page, QStringLiteral("gbPage1ParaA"), QStringLiteral("クレアチニンクリアランス"),
                            {8, 8, 444, 326});
    QGroupBox* box = gbPage1ParaA;
    RadioButton6 = AddRadio(box, QStringLiteral("RadioButton6"), QStringLiteral("直接入力"), 12, 26, 170);
    StringGridEx6 = AddNumberCell(box, QStringLiteral("StringGridEx6"), 190, 26, 120, ClearanceCell);
    Panel11 = new QLabel(QStringLiteral("mL/min"), box);
    Panel11->setObjectName(QStringLiteral("Panel11"));
    Panel11->setGeometry(316, 26, 80, 28);
    RadioButton7 = AddRadio(box, QStringLiteral("RadioButton7"), QStringLiteral("血清クレアチニン値より算出"), 12, 60,
                            320);
    RadioButton7->setChecked(true);
    AddCaption(box, QStringLiteral("血清クレアチニン値"), 36, 98);
    StringGridEx7 = AddNumberCell(box, QStringLiteral("StringGridEx7"), 190, 94, 120, ClearanceCell);
    AddCaption(box, QStringLiteral("mg/dL"), 316, 98);

    Panel27 = new QWidget(box);
    Panel27->setObjectName(QStringLiteral("Panel27"));
    Panel27->setGeometry(30, 126, 400, 32);
    AddCaption(Panel27, QStringLiteral("肥満"), 6, 6);
    RadioButton19 = AddRadio(Panel27, QStringLiteral("RadioButton19"), QStringLiteral("なし"), 70, 2, 80);
    RadioButton20 = AddRadio(Panel27, QStringLiteral("RadioButton20"), QStringLiteral("あり"), 160, 2, 80);
    obesity_ = {RadioButton19, RadioButton20};

    AddCaption(box, QStringLiteral("(CockCroft & Gault式)"), 36, 168);
    // Shows the clearance in use; the models write it, nobody types into it.
    TNumberCellSpec shownClearance = ClearanceCell;
    shownClearance.Editing = TCellEditing::ReadOnly;
    StringGridEx13 = AddNumberCell(box, QStringLiteral("StringGridEx13"), 250, 164, 120, shownClearance);
    SetCellEditable(StringGridEx13, false);
    AddCaption(box, QStringLiteral("mL/min"), 376, 168);

    GroupBox6 = AddGroup(box, QStringLiteral("GroupBox6"), QStringLiteral("算出方式"), {12, 200, 420, 60});
    RadioButton3 = AddRadio(GroupBox6, QStringLiteral("RadioButton3"), QStringLiteral("Cockcroft-Gault"), 8, 24, 170);
    RadioButton4 = AddRadio(GroupBox6, QStringLiteral("RadioButton4"), QStringLiteral("Jelliffe"), 180, 24, 110);
    RadioButton5 = AddRadio(GroupBox6, QStringLiteral("RadioButton5"), QStringLiteral("小児"), 300, 24, 100);
    RadioButton3->setChecked(true);
    GroupBox6->hide();

    Label86 = AddCaption(box, QStringLiteral("＜参考＞"), 12, 206);
    plButton55 = AddButton(box, QStringLiteral("plButton55"), QStringLiteral("解説"), 360, 200, 72, 28);
    plButton55->OnClick = [](QObject*) { frmCLcrHelpDlg->ShowModal(); };
    Label87 = AddCaption(box, QString(), 24, 234);
    Label93 = AddCaption(box, QString(), 24, 262);
    Label89 = AddCaption(box, QStringLiteral("です"), 130, 262);
    Label88 = AddCaption(box, QStringLiteral("BMIは"), 24, 290);
    Label92 = AddCaption(box, QString(), 84, 290);
    Label90 = AddCaption(box, QStringLiteral("です (BMI 25以上は肥満です)"), 190, 290);

    for (QRadioButton* radio : {RadioButton6, RadioButton7})
        Connect(radio, &TDrugPage::RadioButton6Click);
    for (QRadioButton* radio : obesity_)
        Connect(radio, &TDrugPage::rbParaClick);
    StringGridEx6->OnKeyPress = [this](QObject* Sender, QChar& Key) { StringGridEx6KeyPress(Sender, Key); };
    StringGridEx6->OnExit = [this](QObject* Sender) { StringGridEx6Exit(Sender); };
    StringGridEx7->OnKeyPress = [this](QObject* Sender, QChar& Key) { StringGridEx7KeyPress(Sender, Key); };
    StringGridEx7->OnExit = [this](QObject* Sender) { StringGridEx7Exit(Sender); };
}

QGroupBox* TDrugPage::AddQuestion(QWidget* page, const QString& name, std::span<QRadioButton*> radios,
                                  std::span<const char* const> radioNames)
{
    const int rows = radios.size() > 3 ? 2 : 1;
    auto* group = AddGroup(page, name, QString(), QuestionBox.adjusted(0, 0, 0, (rows - 1) * 32));
    const int perRow = static_cast<int>((radios.size() + rows - 1) / rows);
    for (std::size_t i = 0; i < radios.size(); ++i) {
        const int column = static_cast<int>(i) % perRow;
        const int row = static_cast<int>(i) / perRow;
        radios[i] = AddRadio(group, QString::fromLatin1(radioNames[i]), QString(), 16 + column * 200, 26 + row * 32,
                             196);
    }
    return group;
}

void TDrugPage::BuildQuestions()
{
    static const char* const page1B[] = {"rbPage1ParaB1", "rbPage1ParaB2"};
    static const char* const page1C[] = {"rbPage1ParaC1", "rbPage1ParaC2"};
    static const char* const page1D[] = {"rbPage1ParaD1", "rbPage1ParaD2"};
    static const char* const page2A[] = {"rbPage2ParaA1", "rbPage2ParaA2"};
    static const char* const page2B[] = {"rbPage2ParaB1", "rbPage2ParaB2", "rbPage2ParaB3"};
    static const char* const page2C[] = {"rbPage2ParaC1", "rbPage2ParaC2"};
    static const char* const page2D[] = {"rbPage2ParaD1", "rbPage2ParaD2", "rbPage2ParaD3", "rbPage2ParaD4"};
    gbPage1ParaB = AddQuestion(gbFuzuiPage1, QStringLiteral("gbPage1ParaB"), page1B_, page1B);
    gbPage1ParaC = AddQuestion(gbFuzuiPage1, QStringLiteral("gbPage1ParaC"), page1C_, page1C);
    gbPage1ParaD = AddQuestion(gbFuzuiPage1, QStringLiteral("gbPage1ParaD"), page1D_, page1D);
    gbPage2ParaA = AddQuestion(gbFuzuiPage2, QStringLiteral("gbPage2ParaA"), page2A_, page2A);
    gbPage2ParaB = AddQuestion(gbFuzuiPage2, QStringLiteral("gbPage2ParaB"), page2B_, page2B);
    gbPage2ParaC = AddQuestion(gbFuzuiPage2, QStringLiteral("gbPage2ParaC"), page2C_, page2C);
    gbPage2ParaD = AddQuestion(gbFuzuiPage2, QStringLiteral("gbPage2ParaD"), page2D_, page2D);
    rbPage1ParaB1 = page1B_[0];
    rbPage1ParaB2 = page1B_[1];
    rbPage1ParaC1 = page1C_[0];
    rbPage1ParaC2 = page1C_[1];
    rbPage1ParaD1 = page1D_[0];
    rbPage1ParaD2 = page1D_[1];
    rbPage2ParaA1 = page2A_[0];
    rbPage2ParaA2 = page2A_[1];
    rbPage2ParaB1 = page2B_[0];
    rbPage2ParaB2 = page2B_[1];
    rbPage2ParaB3 = page2B_[2];
    rbPage2ParaC1 = page2C_[0];
    rbPage2ParaC2 = page2C_[1];
    rbPage2ParaD1 = page2D_[0];
    rbPage2ParaD2 = page2D_[1];
    rbPage2ParaD3 = page2D_[2];
    rbPage2ParaD4 = page2D_[3];

    gbPage2ParaE = AddGroup(gbFuzuiPage2, QStringLiteral("gbPage2ParaE"), QStringLiteral("ラグタイム"),
                            QuestionBox.translated(Page2QuestionAt + QPoint(0, 80)));
    StringGridEx24 = AddNumberCell(gbPage2ParaE, QStringLiteral("StringGridEx24"), 16, 26, 100, LagTimeCell);
    AddCaption(gbPage2ParaE, QStringLiteral("時間"), 124, 30);

    for (auto* radios : {&page1B_, &page1D_, &page2A_, &page2C_})
        for (QRadioButton* radio : *radios)
            Connect(radio, &TDrugPage::rbParaClick);
    for (QRadioButton* radio : page2B_)
        Connect(radio, &TDrugPage::rbParaClick);
    for (QRadioButton* radio : page2D_)
        Connect(radio, &TDrugPage::rbParaClick);
    Connect(rbPage1ParaC1, &TDrugPage::rbPage1ParaC1Click);
    Connect(rbPage1ParaC2, &TDrugPage::rbPage1ParaC2Click);
}

TDrugPage::TChoiceControls TDrugPage::ControlsOf(ChoiceGroup group) const
{
    switch (group) {
    case ChoiceGroup::Page1ParaB:
        return {gbPage1ParaB, page1B_};
    case ChoiceGroup::Page1ParaC:
        return {gbPage1ParaC, page1C_};
    case ChoiceGroup::Page2ParaA:
        return {gbPage2ParaA, page2A_};
    case ChoiceGroup::Page2ParaC:
        return {gbPage2ParaC, page2C_};
    case ChoiceGroup::Page2ParaD:
        return {gbPage2ParaD, page2D_};
    case ChoiceGroup::None:
        break;
    }
    return {};
}

// ---- The panels of a drug ----------------------------------------------------------

void TDrugPage::ShowAccompanyGroup(int page)
{
    for (QGroupBox* group : {gbFuzuiPage1, gbPage1ParaA, gbPage1ParaB, gbPage1ParaC, gbPage1ParaD, gbFuzuiPage2,
                             gbPage2ParaA, gbPage2ParaB, gbPage2ParaC, gbPage2ParaD, gbPage2ParaE})
        group->hide();
    gbFuzuiPage1->setVisible(page == 1);
    gbFuzuiPage2->setVisible(page == 2);
    Label30->setVisible(page != 1 && page != 2);
}

std::optional<TPanelChoice> TDrugPage::PanelOfSelection() const
{
    return CovariatePanelFor(SelectedKey(), ComboBox8->currentIndex());
}

void TDrugPage::SetupCovariatePanels(int kubun, int yakuzai, int yakuhin, int source, int model,
                                     PanelAnswers answersFrom)
{
    const std::optional<TPanelChoice> answered = std::exchange(answeredPanel_, std::nullopt);
    // Read before the panel is set up again: the same questions, the same controls.
    const TCovariateAnswers onScreen = ReadAnswers();
    ShowAccompanyGroup(0);
    if (!RadioButton8->isChecked())
        return;
    TDrugKey key{kubun, yakuzai, yakuhin, 0};
    if (HasModelChoice(key))
        key.algo = model;
    const std::optional<TPanelChoice> panel = CovariatePanelFor(key, source - 1);
    if (!panel)
        return;
    const bool keepShown = answersFrom == PanelAnswers::KeepShown && answered
        && answered->Panel == panel->Panel && answered->LagTime == panel->LagTime;
    const TPanelSchema& schema = PanelSchemaOf(panel->Panel);
    ShowAccompanyGroup(schema.Page);
    gbPage1ParaA->setVisible(schema.Clearance);
    if (const TChoiceControls controls = ControlsOf(schema.Group); controls.Group) {
        QGroupBox* group = controls.Group;
        group->setTitle(QString::fromUtf16(schema.Caption));
        const std::span<QRadioButton* const> radios = controls.Radios;
        for (std::size_t i = 0; i < radios.size() && i < schema.Radios.size(); ++i)
            radios[i]->setText(QString::fromUtf16(schema.Radios[i]));
        group->move(schema.Page == 1 ? Page1QuestionAt : Page2QuestionAt);
        group->show();
    }
    gbPage2ParaE->setVisible(panel->LagTime);

    // Another product's or source's record keeps other answers in these fields.
    const bool restore = RecordHoldsAnswersFor(CurrentAnalysis, key, source);
    const TCovariateAnswers answers = keepShown ? onScreen
        : restore                               ? AnswersFromRecord(*panel, CurrentAnalysis)
                                                : DefaultAnswers(*panel);
    ShowAnswers(*panel, answers);
    answeredPanel_ = panel;
    if (!schema.Clearance)
        return;
    // What the radio's click shows, here without running its handler.
    ShowClearanceEntry(answers.Clearance.Entry);
    if (answers.Clearance.Entry == ClearanceEntry::Computed)
        StringGridEx13->SetCellValue(0, 0, CockcroftGaultClcr(0, WeightMode(), StringGridEx7->GetCellValue(0, 0),
                                                              ClearancePatientOf(CurrentPatient)));
    if (AppliesModelWithPanel(key)) {
        ApplyCovariateModel();
        ShowParamTable();
    }
    ShowClcrReference();
}

void TDrugPage::ShowAnswers(const TPanelChoice& panel, const TCovariateAnswers& answers)
{
    const TPanelSchema& schema = PanelSchemaOf(panel.Panel);
    if (schema.Clearance) {
        const TClearanceAnswers& c = answers.Clearance;
        StringGridEx6->SetCellValue(0, 0, c.Typed);
        StringGridEx13->SetCellValue(0, 0, c.InUse);
        StringGridEx7->SetCellValue(0, 0, c.SerumCreatinine);
        (c.Entry == ClearanceEntry::Typed ? RadioButton6 : RadioButton7)->setChecked(true);
        CheckRadio(obesity_, c.Obesity);
    }
    CheckRadio(ControlsOf(schema.Group).Radios, answers.Choice);
    if (panel.LagTime)
        StringGridEx24->SetCellValue(0, 0, answers.LagTime);
}

TCovariateAnswers TDrugPage::ReadAnswers() const
{
    TCovariateAnswers answers;
    TClearanceAnswers& c = answers.Clearance;
    c.Entry = RadioButton6->isChecked() ? ClearanceEntry::Typed : ClearanceEntry::Computed;
    c.Typed = StringGridEx6->GetCellValue(0, 0);
    c.SerumCreatinine = StringGridEx7->GetCellValue(0, 0);
    c.Obesity = CheckedIndex(obesity_);
    c.InUse = StringGridEx13->GetCellValue(0, 0);
    if (const std::optional<TPanelChoice> panel = PanelOfSelection())
        answers.Choice = CheckedIndex(ControlsOf(PanelSchemaOf(panel->Panel).Group).Radios);
    answers.LagTime = StringGridEx24->GetCellValue(0, 0);
    return answers;
}

void TDrugPage::ShowClearanceEntry(ClearanceEntry entry)
{
    const bool typed = entry == ClearanceEntry::Typed;
    StringGridEx6->setEnabled(typed);
    SetCellEditable(StringGridEx6, typed);
    Panel11->setVisible(typed);
    RadioButton3->setEnabled(!typed);
    RadioButton4->setEnabled(false);
    RadioButton5->setEnabled(false);
    StringGridEx7->setEnabled(!typed);
    SetCellEditable(StringGridEx7, !typed);
    Panel27->setVisible(!typed);
    StringGridEx13->setEnabled(!typed);
}

int TDrugPage::WeightMode() const
{
    return CheckedIndex(obesity_);
}

double TDrugPage::ClearanceInUse()
{
    const double clcr = RadioButton6->isChecked()
        ? StringGridEx6->GetCellValue(0, 0)
        : CockcroftGaultClcr(0, WeightMode(), StringGridEx7->GetCellValue(0, 0), ClearancePatientOf(CurrentPatient));
    // The models take the value as the cell holds it: four decimals, at most 1000.
    StringGridEx13->SetCellValue(0, 0, clcr);
    return StringGridEx13->GetCellValue(0, 0);
}

void TDrugPage::ShowClcrReference()
{
    const TClcrReference reference = ClcrReference(ClearancePatientOf(CurrentPatient));
    Label92->setText(reference.Bmi);
    Label92->adjustSize();
    Label87->setText(reference.AverageFor);
    Label87->adjustSize();
    Label93->setText(reference.Average);
    Label93->adjustSize();
    Label89->move(Label93->x() + Label93->width() + 4, Label89->y());
    for (QLabel* label : {Label87, Label93, Label89})
        label->setVisible(reference.ShowsAverage);
}

// ---- The models ----------------------------------------------------------------

void TDrugPage::ApplyCovariateModel()
{
    if (!RadioButton8->isChecked())
        return;
    const TDrugSelection selection = Selection();
    const TDrugKey key = SelectedDrugKey(selection);
    const std::optional<CovariateModel> model = CovariateModelFor(key, selection.SourceIndex, selection.SourceLabel);
    if (!model)
        return;
    TCovariateInputs inputs;
    inputs.Choice = ReadAnswers().Choice;
    inputs.Weight = CurrentPatient.patient_weight;
    inputs.Age = CurrentPatient.patient_age;
    if (UsesClearance(*model))
        inputs.Clcr = ClearanceInUse();
    ::ApplyCovariateModel(*model, inputs, population_);
}

void TDrugPage::RecalcPopulationParams()
{
    ApplyCovariateModel();
    ShowParamTable();
}

// ---- Handlers ------------------------------------------------------------------

void TDrugPage::RadioButton6Click(QObject*)
{
    ShowClearanceEntry(RadioButton6->isChecked() ? ClearanceEntry::Typed : ClearanceEntry::Computed);
    if (RadioButton8->isChecked())
        RecalcPopulationParams();
}

void TDrugPage::StringGridEx6KeyPress(QObject* Sender, QChar& Key)
{
    if (Key == QChar(13))
        StringGridEx6Exit(Sender);
}

void TDrugPage::StringGridEx6Exit(QObject*)
{
    StringGridEx13->SetCellValue(0, 0, StringGridEx6->GetCellValue(0, 0));
    RecalcPopulationParams();
}

void TDrugPage::StringGridEx7KeyPress(QObject* Sender, QChar& Key)
{
    if (Key == QChar(13))
        StringGridEx7Exit(Sender);
}

void TDrugPage::StringGridEx7Exit(QObject*)
{
    StringGridEx13->SetCellValue(0, 0, CockcroftGaultClcr(0, WeightMode(), StringGridEx7->GetCellValue(0, 0),
                                                          ClearancePatientOf(CurrentPatient)));
    RecalcPopulationParams();
}

void TDrugPage::rbParaClick(QObject*)
{
    RecalcPopulationParams();
}

void TDrugPage::rbPage1ParaC1Click(QObject*)
{
    StringGridEx1->SetCellValue(1, 3, rbPage1ParaC1->isChecked() ? 0.753 : 2.31);
}

void TDrugPage::rbPage1ParaC2Click(QObject*)
{
    rbPage1ParaC1Click(rbPage1ParaC2);
}
