#include "DrugPage.h"

#include "Clock.h"
#include "DrugMaster.h"
#include "Events.h"
#include "Fonts.h"
#include "GraphRange.h"
#include "MainWindowHub.h"
#include "MessageBox.h"
#include "PageWidgets.h"
#include "ParamTable.h"
#include "PopulationSets.h"
#include "StringGridEx.h"
#include "Ucommon.h"
#include "plButton.h"
#include "uDataBase.h"
#include "uLithiumWarn.h"
#include "uLithiumWarn2.h"
#include "uPhenivaWarn.h"

#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>

namespace {

const QString ErrorCaption = QStringLiteral("薬剤情報設定エラー");

constexpr int ParamGridRows = ParamTableRowCount + 1;   // the heading and six parameters

QComboBox* AddCombo(QWidget* parent, const QString& name, int left, int top, int width)
{
    auto* combo = new QComboBox(parent);
    combo->setObjectName(name);
    combo->setGeometry(left, top, width, 28);
    return combo;
}

QRadioButton* AddRadio(QWidget* parent, const QString& name, const QString& text, int left, int top, int width)
{
    auto* radio = new QRadioButton(text, parent);
    radio->setObjectName(name);
    radio->setGeometry(left, top, width, 28);
    return radio;
}

QLineEdit* AddReadOnlyEdit(QWidget* parent, const QString& name, int left, int top, int width)
{
    QLineEdit* edit = AddLineEdit(parent, name, left, top, width);
    edit->setReadOnly(true);
    edit->setFocusPolicy(Qt::NoFocus);
    edit->setFixedHeight(28);
    return edit;
}

QGroupBox* AddGroup(QWidget* parent, const QString& name, const QString& title, const QRect& geometry)
{
    auto* group = new QGroupBox(title, parent);
    group->setObjectName(name);
    group->setGeometry(geometry);
    return group;
}

void SetPointSize(QWidget* widget, int pointSize)
{
    QFont font = widget->font();
    font.setPointSize(pointSize);
    widget->setFont(font);
}

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
    AddCaption(box, QStringLiteral("区分"), 16, 30);
    cbKubun = AddCombo(box, QStringLiteral("cbKubun"), 104, 26, 350);
    AddCaption(box, QStringLiteral("一般名"), 16, 64);
    cbIppan = AddCombo(box, QStringLiteral("cbIppan"), 104, 60, 350);
    AddCaption(box, QStringLiteral("商品名"), 16, 98);
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

    Connect(cbKubun, &TDrugPage::cbKubunChange);
    Connect(cbIppan, &TDrugPage::cbIppanChange);
    Connect(cbSyouhin, &TDrugPage::cbSyouhinChange);
    Connect(ComboBox1, &TDrugPage::ComboBox1Change);

    // The notice windows beside the product; each opens modally.
    plButton18 = AddButton(this, QStringLiteral("plButton18"), QStringLiteral("リチウム解析の際にお読みください"), 8,
                           222, 230, 30);
    plButton21 = AddButton(this, QStringLiteral("plButton21"), QStringLiteral("リチウムの血中濃度測定遵守について"),
                           244, 222, 234, 30);
    plButton32 = AddButton(this, QStringLiteral("plButton32"), QStringLiteral("ホスフェニトイン静注体重別投与量換算表"),
                           8, 222, 470, 30);
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

void TDrugPage::BuildCovariates()
{
    GroupBox5 = AddGroup(this, QStringLiteral("GroupBox5"),
                         QStringLiteral("解析条件 (解析に必要な条件を入力して下さい)     "), {490, 4, 492, 528});
    Label30 = new QLabel(QStringLiteral("追加が必要な付随情報はありません"), GroupBox5);
    Label30->setObjectName(QStringLiteral("Label30"));
    Label30->setGeometry(16, 240, 460, 28);
    Label30->setAlignment(Qt::AlignCenter);
    gbFuzuiPage1 = AddGroup(GroupBox5, QStringLiteral("gbFuzuiPage1"), QString(), {16, 24, 460, 490});
    gbFuzuiPage2 = AddGroup(GroupBox5, QStringLiteral("gbFuzuiPage2"), QString(), {16, 24, 460, 490});
    ShowAccompanyGroup(0);
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
        vcl::ShowError(DataModule1->LastError(), ErrorCaption);
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

void TDrugPage::ShowAccompanyGroup(int page)
{
    gbFuzuiPage1->setVisible(page == 1);
    gbFuzuiPage2->setVisible(page == 2);
    Label30->setVisible(page != 1 && page != 2);
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
    const TPopulationBlock block = ::SelectPopulationParams(key, selection.SourceIndex, selection.SourceLabel,
                                                            CovariatesOf(CurrentPatient, vcl::Date()));
    CurrentAnalysis.bosyudan = block.Mean;
    CurrentAnalysis.bosyudan_vari = block.Cv;
    SetGraphRangeFromLimits(hub_.Graph(), key);
}

void TDrugPage::ShowParamTable()
{
    const TDrugSelection selection = Selection();
    if (!selection.HasProduct())
        return;
    const std::optional<TPopulationBlock> shown =
        ShownParams(selection.Source, selection.SourceIndex, selection.PastIndex, CurrentAnalysis, pastAnalyses_);
    if (!shown)
        return;
    const TParamTable table = ParamTableFor(SelectedDrugKey(selection), *shown);
    for (int i = 0; i < ParamTableRowCount; ++i) {
        StringGridEx1->SetCells(0, i + 1, table[i].Caption);
        StringGridEx1->SetCellValue(1, i + 1, table[i].Mean);
        StringGridEx1->SetCellValue(2, i + 1, table[i].Cv);
    }
}

void TDrugPage::SetupCovariatePanels(int, int, int, int, int)
{
    // The covariate questions come with the covariate panels.
    ShowAccompanyGroup(0);
}

void TDrugPage::ApplyCovariateModel()
{
    // The covariate models come with the covariate panels.
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

void TDrugPage::TakePopulationSet(int model)
{
    SelectPopulationParams();
    const TDrugKey key = SelectedKey();
    SetupCovariatePanels(key.kubun, key.yakuzai, key.yakuhin, ComboBox8->currentIndex() + 1, model);
    ApplyCovariateModel();
    ShowParamTable();
}

void TDrugPage::RadioButton8Click(QObject*)
{
    EnableSources(ParamSource::Population);
    if (ComboBox8->currentIndex() < 0)
        return;
    const TDrugKey key = SelectedKey();
    TakePopulationSet(HasModelChoice(key) ? ComboBox1->currentIndex() + 1 : 1);
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
    SelectPopulationParams();
    ApplyCovariateModel();
    ShowParamTable();
}

void TDrugPage::ComboBox9Change(QObject*)
{
    ShowParamTable();
}

void TDrugPage::plButton11Click(QObject*)
{
    // The confirm comes with the checks of the drug information.
}

// ---- The page from the record --------------------------------------------------

void TDrugPage::SetupDrugPage()
{
    const TAnalysisRecord& analysis = CurrentAnalysis;
    for (QComboBox* list : {cbKubun, cbIppan, cbSyouhin, ComboBox8, ComboBox9})
        list->setCurrentIndex(-1);
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

    const TDrugKey key = SelectedKey();
    SetupCovariatePanels(key.kubun, key.yakuzai, key.yakuhin, analysis.syutten_id, analysis.analysis_algo);
    ShowParamTable();

    const TMainHeader& header = hub_.Header();
    header.Panel4->setText(cbIppan->currentText());
    header.Panel7->setText(cbSyouhin->currentText());
    header.Panel28->setText(source == ParamSource::Population     ? ComboBox8->currentText()
                            : source == ParamSource::PastAnalysis ? ComboBox9->currentText()
                                                                  : QStringLiteral("直接入力"));
    const THeaderFontSizes sizes = HeaderFontSizes(key, source);
    SetPointSize(header.Panel7, sizes.Product);
    SetPointSize(header.Panel28, sizes.Source);
    ShowNoticeButtons(NoticeButtonsFor(key));
}

void TDrugPage::ResetDrugSelection()
{
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
    ClearParamTable();
    ShowAccompanyGroup(0);
    plButton11->setEnabled(false);
    ShowNoticeButtons(NoticeButtons::None);
}

bool TDrugPage::IsDrugInputComplete() const
{
    return ::IsDrugInputComplete(Selection());
}

void TDrugPage::Timer2Timer()
{
    plButton11->setEnabled(IsDrugInputComplete());
}
