#include "DrugPage.h"

#include "CaseRecords.h"
#include "Clock.h"
#include "DrugChecks.h"
#include "DrugPageWidgets.h"
#include "DrugMaster.h"
#include "Events.h"
#include "Fonts.h"
#include "GraphRange.h"
#include "HelpTexts.h"
#include "MainWindowHub.h"
#include "MessageBox.h"
#include "PageWidgets.h"
#include "ParamTable.h"
#include "PopulationSets.h"
#include "ScheduleUndo.h"
#include "StringGridEx.h"
#include "TypedNumber.h"
#include "Ucommon.h"
#include "plButton.h"
#include "uDataBase.h"
#include "uLithiumWarn.h"
#include "uLithiumWarn2.h"
#include "uPhenivaWarn.h"

#include <QApplication>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>

namespace {

using namespace drugpage;

const QString ErrorCaption = QStringLiteral("薬剤情報設定エラー");

constexpr int ParamGridRows = ParamTableRowCount + 1;   // the heading and six parameters

} // namespace

TDrugPage::TDrugPage(TMainWindowHub& hub, QWidget* parent) : QWidget(parent), hub_(hub)
{
    setObjectName(QStringLiteral("TabSheet6"));
    setFont(vcl::ProgramFont(12));
    BuildChoice();
    BuildSources();
    BuildCovariates();
    plButton11 = AddButton(this, QStringLiteral("plButton11"), QStringLiteral("確定"), 840, 540, 120, 40);
    plButton11->OnClick = [this](QObject* Sender) { plButton11Click(Sender); };
    plButton11->setEnabled(false);
}

TDrugKey TDrugPage::HelpChoice() const
{
    return {cbKubun->currentIndex() + 1, cbIppan->currentIndex() + 1, cbSyouhin->currentIndex() + 1, 0};
}

// ---- Building the page -------------------------------------------------------

void TDrugPage::Connect(QComboBox* combo, void (TDrugPage::*handler)(QObject*))
{
    connect(combo, &QComboBox::activated, this,
            [this, combo, handler] { vcl::RunEventHandler([&] { (this->*handler)(combo); }); });
}

void TDrugPage::Connect(QRadioButton* radio, void (TDrugPage::*handler)(QObject*))
{
    connect(radio, &QRadioButton::clicked, this,
            [this, radio, handler] { vcl::RunEventHandler([&] { (this->*handler)(radio); }); });
}

void TDrugPage::BuildChoice()
{
    QGroupBox* box = AddGroup(this, QStringLiteral("gbDrug"), QStringLiteral("薬剤"), {8, 4, 470, 214});
    // The captions of the three lists carry the names the hint line knows them by.
    AddCaption(box, QStringLiteral("区分"), 16, 30)->setObjectName(QStringLiteral("Panel5"));
    cbKubun = AddCombo(box, QStringLiteral("cbKubun"), 104, 26, 350);
    AddCaption(box, QStringLiteral("一般名"), 16, 64)->setObjectName(QStringLiteral("Panel31"));
    cbIppan = AddCombo(box, QStringLiteral("cbIppan"), 104, 60, 350);
    AddCaption(box, QStringLiteral("商品名"), 16, 98)->setObjectName(QStringLiteral("Panel32"));
    cbSyouhin = AddCombo(box, QStringLiteral("cbSyouhin"), 104, 94, 350);
    AddCaption(box, QStringLiteral("剤形"), 16, 132);
    Edit12 = AddReadOnlyEdit(box, QStringLiteral("Edit12"), 104, 128, 120);
    Label78 = AddCaption(box, QStringLiteral("モデル式"), 16, 166);
    Edit5 = AddReadOnlyEdit(box, QStringLiteral("Edit5"), 104, 162, 350);
    ComboBox1 = AddCombo(box, QStringLiteral("ComboBox1"), 104, 162, 350);
    Label85 = AddCaption(box, QStringLiteral("※"), 88, 166);
    Label85->setStyleSheet(QStringLiteral("color: red"));
    ComboBox1->hide();
    Label85->hide();
    cbIppan->setEnabled(false);
    cbSyouhin->setEnabled(false);
    // The help pages of the chosen drug; the main window attaches them.
    plButton25 = AddButton(box, QStringLiteral("plButton25"), QStringLiteral("? 薬剤情報"), 236, 126, 106, 28);
    plButton48 = AddButton(box, QStringLiteral("plButton48"), QStringLiteral("? 母集団情報"), 348, 126, 106, 28);

    Connect(cbKubun, &TDrugPage::cbKubunChange);
    Connect(cbIppan, &TDrugPage::cbIppanChange);
    Connect(cbSyouhin, &TDrugPage::cbSyouhinChange);
    Connect(ComboBox1, &TDrugPage::ComboBox1Change);

    // The notice windows beside the product; each opens modally.
    plButton18 = AddButton(this, QStringLiteral("plButton18"), QStringLiteral("リチウム解析の際にお読みください"), 8,
                           222, 230, 30);
    plButton21 = AddButton(this, QStringLiteral("plButton21"), QStringLiteral("リチウムの血中濃度測定遵守について"),
                           244, 222, 234, 30);
    plButton32 = AddButton(this, QStringLiteral("plButton32"), FosphenytoinDoseTableTitle(),
                           8, 222, 470, 30);
    // The page's 12-point text would not fit the notices' long captions.
    for (TplButton* notice : {plButton18, plButton21, plButton32})
        SetPointSize(notice, 9);
    plButton18->OnClick = [](QObject*) { frmLithiumWarn->ShowModal(); };
    plButton21->OnClick = [](QObject*) { frmLithiumWarn2->ShowModal(); };
    plButton32->OnClick = [](QObject*) { frmPhenivaWarn->ShowModal(); };
    ShowNoticeButtons(NoticeButtons::None);
}

void TDrugPage::BuildSources()
{
    QGroupBox* box = AddGroup(this, QStringLiteral("gbSource"), QStringLiteral("パラメータ"), {8, 258, 470, 330});
    RadioButton8 = AddRadio(box, QStringLiteral("RadioButton8"), QStringLiteral("母集団パラメータ"), 16, 26, 170);
    ComboBox8 = AddCombo(box, QStringLiteral("ComboBox8"), 190, 26, 264);
    RadioButton9 = AddRadio(box, QStringLiteral("RadioButton9"), QStringLiteral("過去パラメータ"), 16, 60, 170);
    ComboBox9 = AddCombo(box, QStringLiteral("ComboBox9"), 190, 60, 264);
    RadioButton12 = AddRadio(box, QStringLiteral("RadioButton12"), QStringLiteral("パラメータを入力"), 16, 94, 170);
    RadioButton8->setChecked(true);
    ComboBox9->setEnabled(false);
    BuildParamTable(box);

    Connect(RadioButton8, &TDrugPage::RadioButton8Click);
    Connect(RadioButton9, &TDrugPage::RadioButton9Click);
    Connect(RadioButton12, &TDrugPage::RadioButton12Click);
    Connect(ComboBox8, &TDrugPage::ComboBox8Change);
    Connect(ComboBox9, &TDrugPage::ComboBox9Change);
}

void TDrugPage::BuildParamTable(QWidget* parent)
{
    StringGridEx1 = new TStringGridEx(parent);
    StringGridEx1->setObjectName(QStringLiteral("StringGridEx1"));
    StringGridEx1->SetColCount(3);
    StringGridEx1->SetRowCount(ParamGridRows);
    StringGridEx1->SetFixedCols(0);
    StringGridEx1->SetFixedRows(1);
    StringGridEx1->SetScrollBars(ssNone);
    StringGridEx1->SetOptions(goFixedVertLine | goFixedHorzLine | goVertLine | goHorzLine | goEditing);
    StringGridEx1->SetDefaultRowHeight(24);
    const int widths[] = {136, 100, 100};
    const char16_t* headings[] = {u"動態係数", u"平均値", u"個体間変動"};
    TRanges* ranges = StringGridEx1->Ranges();
    for (int col = 0; col < 3; ++col) {
        StringGridEx1->SetColWidths(col, widths[col]);
        TRange* heading = ranges->Add();
        heading->SetColLeft(col);
        heading->SetColRight(col);
        heading->SetText(QString::fromUtf16(headings[col]));
        heading->SetAlignment(taCenter);
        heading->SetAlignmentV(tavCenter);
        heading->SetColor(vcl::clBtnFace);
    }
    TRange* captions = ranges->Add();
    captions->SetRowTop(1);
    captions->SetRowBottom(ParamGridRows - 1);
    captions->SetRangeType(trtEditStr);
    captions->SetAlignmentV(tavCenter);
    captions->SetColor(vcl::clBtnFace);
    TRange* values = ranges->Add();
    values->SetColLeft(1);
    values->SetColRight(2);
    values->SetRowTop(1);
    values->SetRowBottom(ParamGridRows - 1);
    values->SetRangeType(trtEditVal);
    values->SetMin(0);
    values->SetMax(1000);
    values->SetDefault(0);
    values->SetFmtStr(QStringLiteral("0.0000"));
    values->SetAlignment(taRightJustify);
    values->SetAlignmentV(tavCenter);
    // The captions are the layout's, never typed.
    for (int row = 1; row < ParamGridRows; ++row)
        StringGridEx1->SetCellDisabled(0, row, true);
    StringGridEx1->InitByDefault();
    const int rowPitch = StringGridEx1->DefaultRowHeight() + StringGridEx1->GridLineWidth();
    StringGridEx1->setGeometry(16, 128, 336 + 3 * StringGridEx1->GridLineWidth() + 2 * StringGridEx1->frameWidth(),
                               ParamGridRows * rowPitch + 2 * StringGridEx1->frameWidth());
    StringGridEx1->setEnabled(false);
}

// ---- Lists -------------------------------------------------------------------

TDrugSelection TDrugPage::Selection() const
{
    TDrugSelection selection;
    selection.CategoryIndex = cbKubun->currentIndex();
    selection.DrugIndex = cbIppan->currentIndex();
    selection.ProductIndex = cbSyouhin->currentIndex();
    selection.ModelIndex = ComboBox1->currentIndex();
    selection.Source = RadioButton8->isChecked()   ? ParamSource::Population
                       : RadioButton9->isChecked() ? ParamSource::PastAnalysis
                                                   : ParamSource::Manual;
    selection.SourceIndex = ComboBox8->currentIndex();
    selection.SourceLabel = ComboBox8->currentText();
    selection.PastIndex = ComboBox9->currentIndex();
    return selection;
}

TDrugKey TDrugPage::SelectedKey() const
{
    return SelectedDrugKey(Selection());
}

void TDrugPage::FillCategoryCombo()
{
    QStringList categories;
    FillCategoryList(categories);
    cbKubun->clear();
    cbKubun->addItems(categories);
    cbKubun->setCurrentIndex(-1);
}

void TDrugPage::FillDrugCombo()
{
    QStringList drugs;
    FillDrugList(drugs, cbKubun->currentIndex() + 1);
    cbIppan->clear();
    cbIppan->addItems(drugs);
    cbIppan->setCurrentIndex(-1);
}

void TDrugPage::FillProductCombo()
{
    QStringList products;
    FillProductList(products, cbKubun->currentIndex() + 1, cbIppan->currentIndex() + 1);
    cbSyouhin->clear();
    cbSyouhin->addItems(products);
    cbSyouhin->setCurrentIndex(-1);
}

void TDrugPage::ShowDoseForm()
{
    const TDrugKey key = SelectedKey();
    Edit12->setText(DoseFormText(ProductDoseForm(key.kubun, key.yakuzai, key.yakuhin)));
}

void TDrugPage::FillModelCombo(int fromRecord)
{
    const TDrugKey key = SelectedKey();
    if (!HasModelChoice(key)) {
        Edit5->setText(ProductModelName(key.kubun, key.yakuzai, key.yakuhin));
        ComboBox1->hide();
        Label85->hide();
        return;
    }
    QStringList models;
    FillModelList(models, key.kubun, key.yakuzai, key.yakuhin);
    ComboBox1->clear();
    ComboBox1->addItems(models);
    ComboBox1->setCurrentIndex(fromRecord == 1 ? CurrentAnalysis.analysis_algo - 1 : -1);
    ComboBox1->show();
    ComboBox1->raise();
    Label85->show();
}

void TDrugPage::FillSourceCombo()
{
    const TDrugKey key = SelectedKey();
    QStringList labels;
    FillSourceList(labels, key.kubun, key.yakuzai, key.yakuhin, SourceListVariant(key));
    ComboBox8->clear();
    ComboBox8->addItems(labels);
    ComboBox8->setCurrentIndex(-1);
    SetPointSize(ComboBox8, SourceListFontSize(key));
}

void TDrugPage::FillPastAnalysisCombo(int selectId)
{
    const TDrugKey key = SelectedKey();
    pastAnalyses_.clear();
    if (DataModule1 && IsPatientCurrent(CurrentPatient)
        && DataModule1->ListAnalyses(pastAnalyses_, CurrentPatient.patient_id_t, key.kubun, key.yakuzai,
                                     key.yakuhin, PastAnalysisVariant(key)) < 0)
        vcl::ShowError(DataModule1->LastFailureText(), ErrorCaption);
    ComboBox9->clear();
    ComboBox9->addItems(PastAnalysisItems(pastAnalyses_));
    ComboBox9->setCurrentIndex(PastAnalysisIndexOf(pastAnalyses_, selectId));
}

void TDrugPage::ClearDrugSelection(int level)
{
    if (level < 1)
        cbKubun->clear();
    if (level < 2)
        cbIppan->clear();
    if (level < 3)
        cbSyouhin->clear();
    if (level < 4) {
        Edit12->clear();
        Edit5->clear();
        ComboBox1->hide();
        Label85->hide();
        ComboBox8->clear();
        ComboBox9->clear();
        pastAnalyses_.clear();
        ClearParamTable();
        ShowAccompanyGroup(0);
    }
}

void TDrugPage::ClearParamTable()
{
    for (int row = 1; row < StringGridEx1->RowCount(); ++row)
        StringGridEx1->SetCells(0, row, QString());
    StringGridEx1->InitByDefault();
}

void TDrugPage::ShowNoticeButtons(NoticeButtons buttons)
{
    plButton18->setVisible(buttons == NoticeButtons::Lithium);
    plButton21->setVisible(buttons == NoticeButtons::Lithium);
    plButton32->setVisible(buttons == NoticeButtons::Fosphenytoin);
}

void TDrugPage::EnableSources(ParamSource source)
{
    ComboBox8->setEnabled(source == ParamSource::Population);
    ComboBox9->setEnabled(source == ParamSource::PastAnalysis);
    StringGridEx1->setEnabled(source == ParamSource::Manual);
}

// ---- The population block and the table ---------------------------------------

void TDrugPage::SelectPopulationParams()
{
    const TDrugSelection selection = Selection();
    const TDrugKey key = SelectedDrugKey(selection);
    population_ = ::SelectPopulationParams(key, selection.SourceIndex, selection.SourceLabel,
                                           CovariatesOf(CurrentPatient, vcl::Date()));
}

void TDrugPage::ShowParamTable()
{
    const TDrugSelection selection = Selection();
    if (!selection.HasProduct())
        return;
    const std::optional<TPopulationBlock> shown =
        ShownParams(selection.Source, selection.SourceIndex, selection.PastIndex, population_, pastAnalyses_);
    if (!shown)
        return;
    const TParamTable table = ParamTableFor(SelectedDrugKey(selection), *shown);
    for (int i = 0; i < ParamTableRowCount; ++i) {
        StringGridEx1->SetCells(0, i + 1, table[i].Caption);
        StringGridEx1->SetCellValue(1, i + 1, table[i].Mean);
        StringGridEx1->SetCellValue(2, i + 1, table[i].Cv);
    }
}

// ---- Handlers ------------------------------------------------------------------

void TDrugPage::cbKubunChange(QObject*)
{
    if (cbKubun->currentIndex() < 0)
        return;
    ClearDrugSelection(1);
    FillDrugCombo();
    cbIppan->setEnabled(true);
    cbIppan->setFocus();
    ShowNoticeButtons(NoticeButtons::None);
}

void TDrugPage::cbIppanChange(QObject*)
{
    if (cbIppan->currentIndex() < 0)
        return;
    ClearDrugSelection(2);
    FillProductCombo();
    cbSyouhin->setEnabled(true);
    cbSyouhin->setFocus();
    ShowNoticeButtons(NoticeButtons::None);
}

void TDrugPage::cbSyouhinChange(QObject*)
{
    if (cbSyouhin->currentIndex() < 0)
        return;
    const TDrugKey product = SelectedKey();
    if (HasModelChoice(product)) {
        ShowDoseForm();
        FillModelCombo(0);
        const int model = ModelIndexForAge(CurrentPatient.patient_age);
        ComboBox1->setCurrentIndex(model);
        ComboBox1Change(ComboBox1);
        vcl::ShowInformation(ModelChoiceNotice(model));
        return;
    }
    for (const QString& notice : ProductNotices(product))
        vcl::ShowInformation(notice);
    if (!IsProductSupported(product)) {
        vcl::ShowError(UnsupportedProductText, UnsupportedProductCaption);
        cbSyouhin->setCurrentIndex(-1);
        ClearDrugSelection(3);
        return;
    }
    ShowNoticeButtons(NoticeButtonsFor(product));
    ClearDrugSelection(3);
    ShowDoseForm();
    FillModelCombo(0);
    TakeDefaultSource();
    TakePopulationSet(1);
}

void TDrugPage::ComboBox1Change(QObject*)
{
    if (ComboBox1->currentIndex() < 0)
        return;
    ShowNoticeButtons(NoticeButtonsFor(SelectedKey()));
    TakeDefaultSource();
    TakePopulationSet(ComboBox1->currentIndex() + 1);
}

void TDrugPage::TakeDefaultSource()
{
    RadioButton8->setChecked(true);
    EnableSources(ParamSource::Population);
    ComboBox8->setFocus();
    FillSourceCombo();
    FillPastAnalysisCombo(-1);
    ComboBox8->setCurrentIndex(0);
}

void TDrugPage::TakePopulationSet(int model, PanelAnswers answers)
{
    SelectPopulationParams();
    const TDrugKey key = SelectedKey();
    SetupCovariatePanels(key.kubun, key.yakuzai, key.yakuhin, ComboBox8->currentIndex() + 1, model, answers);
    ApplyCovariateModel();
    ShowParamTable();
}

void TDrugPage::RadioButton8Click(QObject*)
{
    EnableSources(ParamSource::Population);
    if (ComboBox8->currentIndex() < 0)
        return;
    const TDrugKey key = SelectedKey();
    TakePopulationSet(HasModelChoice(key) ? ComboBox1->currentIndex() + 1 : 1, PanelAnswers::KeepShown);
}

void TDrugPage::RadioButton9Click(QObject*)
{
    EnableSources(ParamSource::PastAnalysis);
    ShowAccompanyGroup(0);
    ShowParamTable();
}

void TDrugPage::RadioButton12Click(QObject*)
{
    // The table keeps what it shows, ready to be typed over.
    EnableSources(ParamSource::Manual);
    ShowAccompanyGroup(0);
}

void TDrugPage::ComboBox8Change(QObject*)
{
    // Another source may ask other questions (levetiracetam): the panels
    // follow. A source asking what the panels already answer keeps the answers.
    const TDrugKey key = SelectedKey();
    TakePopulationSet(HasModelChoice(key) ? ComboBox1->currentIndex() + 1 : 1, PanelAnswers::KeepShown);
}

void TDrugPage::ComboBox9Change(QObject*)
{
    ShowParamTable();
}

// ---- The confirm ----------------------------------------------------------------

void TDrugPage::plButton11Click(QObject*)
{
    FinishClearanceEntry();
    const std::optional<TDrugPageEntry> entry = ReadEntry();
    if (!entry || !CheckDrugInfo(*entry))
        return;
    const QString question = hub_.HighestStep() > 1
        ? QStringLiteral("薬剤情報を更新します。\n薬剤情報を更新すると現在表示中の以降の情報がクリアされます。\nよろしいですか？")
        : QStringLiteral("薬剤情報を登録して投与/採血スケジュールの設定に進みます。\nよろしいですか？");
    if (!vcl::AskOkCancel(question, QStringLiteral("薬剤情報登録確認")))
        return;

    // The analysis is numbered and saved before anything of the case is
    // cleared: a store that fails leaves the case, the record and the
    // workflow as they were.
    const int kaisekiId = DataModule1->CountAnalyses(CurrentPatient.patient_id_t);
    if (kaisekiId < 0) {
        vcl::ShowError(DataModule1->LastFailureText(), ErrorCaption);
        return;
    }
    // Estimates of another product, model or source are not this analysis's.
    const DrugValues kept = DrugValuesKeptByConfirm(CurrentAnalysis, *entry);
    TAnalysisRecord next = CurrentAnalysis;
    next.bosyudan = population_.Mean;
    ClearDrugRecord(next, kept);
    StoreAnalysisSettings(next, *entry, kaisekiId);
    if (DataModule1->SaveAnalysis(next) < 0) {
        vcl::ShowError(DataModule1->LastFailureText(), ErrorCaption);
        return;
    }

    hub_.ClearCaseFrom(1, PatientKey::Keep, kept);
    CurrentAnalysis = next;
    population_ = {next.bosyudan, next.bosyudan_vari};
    // The graph takes the confirmed product's range; a product only looked
    // at leaves the analysis's graph and the range the scale dialog stores.
    SetGraphRangeFromLimits(hub_.Graph(), DrugKeyOf(next));
    hub_.SetHighestStep(2);
    ShowHeader(entry->Selection.Source);
    ScheduleSets.CurSetIndex = 0;
    ClearScheduleUndo(ScheduleSets);
    hub_.ShowCaseFrom(2);
    hub_.ResetScheduleEntry();
    hub_.SetWorkflowStep(2, 2);
    hub_.Header().Panel17->clear();
}

void TDrugPage::FinishClearanceEntry()
{
    // The confirm button takes no focus: a clearance still being typed is
    // taken as leaving its cell would take it.
    auto typing = [](const QWidget* cell) {
        const QWidget* focus = QApplication::focusWidget();
        return focus && (focus == cell || cell->isAncestorOf(focus));
    };
    if (typing(StringGridEx6))
        StringGridEx6Exit(StringGridEx6);
    else if (typing(StringGridEx7))
        StringGridEx7Exit(StringGridEx7);
}

namespace {

// The number a cell holds as its range keeps it (clamped, four decimals),
// once it is known to hold one; the refusal's message otherwise.
std::optional<double> ReadCell(TStringGridEx& grid, int col, int row, const TFieldMessage& refusal)
{
    if (!ReadTypedNumber(grid, col, row, refusal))
        return std::nullopt;
    if (grid.EditorMode() && grid.Col() == col && grid.Row() == row)
        grid.HideEditor();
    grid.DoValidate(col, row);
    return grid.GetCellValue(col, row);
}

} // namespace

std::optional<TDrugPageEntry> TDrugPage::ReadEntry()
{
    TDrugPageEntry entry;
    entry.Selection = Selection();
    const std::optional<TPanelChoice> panel = PanelOfSelection();
    if (panel && RadioButton8->isChecked()) {
        if (PanelSchemaOf(panel->Panel).Clearance) {
            const bool typed = RadioButton6->isChecked();
            TStringGridEx* cell = typed ? StringGridEx6 : StringGridEx7;
            const QString refusal = typed ? QStringLiteral("クレアチニンクリアランス値が不適当です。")
                                          : NotANumberMessage(QStringLiteral("血清クレアチニン値"));
            if (!ReadCell(*cell, 0, 0, {refusal, ErrorCaption}))
                return std::nullopt;
        }
        if (panel->LagTime && !ReadCell(*StringGridEx24, 0, 0, {NotANumberMessage(QStringLiteral("ラグタイム")), ErrorCaption}))
            return std::nullopt;
    }
    entry.Answers = ReadAnswers();
    const TParamTable shown = ParamTableFor(SelectedDrugKey(entry.Selection), {});
    for (int i = 0; i < ParamTableRowCount; ++i) {
        if (shown[i].Caption.isEmpty())
            continue;
        const TFieldMessage refusal{UnusablePriorText, ErrorCaption};
        const std::optional<double> mean = ReadCell(*StringGridEx1, 1, i + 1, refusal);
        const std::optional<double> cv = mean ? ReadCell(*StringGridEx1, 2, i + 1, refusal) : std::nullopt;
        if (!cv)
            return std::nullopt;
        entry.Table[i] = {shown[i].Caption, *mean, *cv};
    }
    entry.PastKaisekiId = ChosenPastAnalysisId();
    return entry;
}

int TDrugPage::ChosenPastAnalysisId() const
{
    const int past = ComboBox9->currentIndex();
    return past >= 0 && past < static_cast<int>(pastAnalyses_.size()) ? pastAnalyses_[past].kaiseki_id : -1;
}

bool TDrugPage::CheckDrugInfo(const TDrugPageEntry& entry)
{
    const TDrugSelection& s = entry.Selection;
    const TDrugKey key = SelectedDrugKey(s);
    const TDrugCheckInput input{key,
                                s.Source,
                                s.SourceIndex,
                                CurrentPatient.patient_age,
                                CurrentPatient.patient_weight,
                                entry.Answers,
                                BlockToStore(key, s.Source, population_.Mean, entry.Table)};
    for (const TCheckItem& item : ::CheckDrugInfo(input)) {
        if (item.kind == TCheckItem::Question) {
            if (!vcl::AskOkCancel(item.Text, item.Caption))
                return false;
            continue;
        }
        vcl::ShowError(item.Text, item.Caption);
        FocusCheckedField(item.Focus);
        return false;
    }
    return true;
}

void TDrugPage::FocusCheckedField(CheckField field)
{
    const std::optional<TPanelChoice> panel = PanelOfSelection();
    QWidget* target = nullptr;
    switch (field) {
    case CheckField::TypedClearance:
        target = StringGridEx6;
        break;
    case CheckField::SerumCreatinine:
        target = StringGridEx7;
        break;
    case CheckField::Obesity:
        target = RadioButton19;
        break;
    case CheckField::Choice:
        if (panel && !ControlsOf(PanelSchemaOf(panel->Panel).Group).Radios.empty())
            target = ControlsOf(PanelSchemaOf(panel->Panel).Group).Radios.front();
        break;
    case CheckField::ParamTable:
        target = StringGridEx1;
        break;
    case CheckField::None:
        break;
    }
    if (target && target->isEnabled() && target->isVisibleTo(this))
        target->setFocus(Qt::OtherFocusReason);
}

void TDrugPage::StoreAnalysisSettings(TAnalysisRecord& record, const TDrugPageEntry& entry, int kaisekiId) const
{
    ::StoreAnalysisSettings(record, entry, CurrentPatient.patient_id_t, kaisekiId);
}

// ---- The page from the record --------------------------------------------------

void TDrugPage::SetupDrugPage()
{
    const TAnalysisRecord& analysis = CurrentAnalysis;
    for (QComboBox* list : {cbKubun, cbIppan, cbSyouhin, ComboBox8, ComboBox9})
        list->setCurrentIndex(-1);
    // A source that shows nothing (a past analysis no longer stored) leaves
    // the table empty rather than with what was shown before.
    ClearParamTable();
    // A product change left the category fixed; a case shown from its record
    // can choose again.
    cbKubun->setEnabled(true);
    cbKubun->setCurrentIndex(analysis.kubun_id - 1);
    FillDrugCombo();
    cbIppan->setEnabled(true);
    cbIppan->setCurrentIndex(analysis.yakuzainame_id - 1);
    FillProductCombo();
    cbSyouhin->setEnabled(true);
    cbSyouhin->setCurrentIndex(analysis.yakuhinname_id - 1);
    ShowDoseForm();
    FillModelCombo(1);
    FillSourceCombo();
    FillPastAnalysisCombo(analysis.syutten_id == -1 ? analysis.past_id : -1);

    ParamSource source = ParamSource::Manual;
    if (analysis.syutten_id > 0) {
        source = ParamSource::Population;
        RadioButton8->setChecked(true);
        ComboBox8->setCurrentIndex(analysis.syutten_id - 1);
    } else if (analysis.syutten_id == -1) {
        source = ParamSource::PastAnalysis;
        RadioButton9->setChecked(true);
    } else {
        RadioButton12->setChecked(true);
    }
    EnableSources(source);

    population_ = {analysis.bosyudan, analysis.bosyudan_vari};
    const TDrugKey key = SelectedKey();
    SetupCovariatePanels(key.kubun, key.yakuzai, key.yakuhin, analysis.syutten_id, analysis.analysis_algo);
    ShowParamTable();

    ShowHeader(source);
    ShowNoticeButtons(NoticeButtonsFor(key));
}

void TDrugPage::ShowHeader(ParamSource source)
{
    const TMainHeader& header = hub_.Header();
    header.Panel4->setText(cbIppan->currentText());
    header.Panel7->setText(cbSyouhin->currentText());
    header.Panel28->setText(source == ParamSource::Population     ? ComboBox8->currentText()
                            : source == ParamSource::PastAnalysis ? ComboBox9->currentText()
                                                                  : QStringLiteral("直接入力"));
    const THeaderFontSizes sizes = HeaderFontSizes(SelectedKey(), source);
    SetPointSize(header.Panel7, sizes.Product);
    SetPointSize(header.Panel28, sizes.Source);
}

void TDrugPage::ResetDrugSelection()
{
    cbKubun->setEnabled(true);
    cbKubun->setCurrentIndex(-1);
    for (QComboBox* list : {cbIppan, cbSyouhin, ComboBox8, ComboBox9}) {
        list->clear();
        list->setEnabled(false);
    }
    pastAnalyses_.clear();
    Edit12->clear();
    Edit5->clear();
    ComboBox1->hide();
    Label85->hide();
    RadioButton8->setChecked(true);
    population_ = {};
    ClearParamTable();
    ShowAccompanyGroup(0);
    plButton11->setEnabled(false);
    ShowNoticeButtons(NoticeButtons::None);
}

void TDrugPage::StartProductChange()
{
    cbKubun->setEnabled(false);
    cbIppan->setEnabled(false);
    FillPastAnalysisCombo(ChosenPastAnalysisId());
    hub_.SetWorkflowStep(hub_.HighestStep(), 1);
}

bool TDrugPage::IsDrugInputComplete() const
{
    return ::IsDrugInputComplete(Selection());
}

void TDrugPage::Timer2Timer()
{
    plButton11->setEnabled(IsDrugInputComplete());
}
