#include "SchedulePage.h"

#include "ChangedRegimens.h"
#include "Clock.h"
#include "Colors.h"
#include "DrugMaster.h"
#include "EntryCells.h"
#include "Fonts.h"
#include "MainWindowHub.h"
#include "MessageBox.h"
#include "NumberCell.h"
#include "NumberFormat.h"
#include "PageWidgets.h"
#include "SaltFactors.h"
#include "ScheduleLists.h"
#include "SchedulePageRules.h"
#include "ScheduleSetOps.h"
#include "StringGridEx.h"
#include "Ucommon.h"
#include "plButton.h"
#include "uCalender.h"
#include "uDataBase.h"
#include "uDetailSet.h"
#include "uInitialValue.h"

#include <QAction>
#include <QComboBox>
#include <QDateEdit>
#include <QGroupBox>
#include <QLabel>
#include <QMenu>
#include <QPainter>
#include <QRadioButton>
#include <QSignalBlocker>
#include <QTabWidget>

#include <cmath>

namespace {

constexpr int InfusionDoseForm = 4;                  // the dose form of injections given as infusion
constexpr double MaxDose = 99999;
constexpr double MaxInfusionHours = 24;
constexpr double MaxMeasuredValue = 1000;

QGroupBox* AddGroup(QWidget* parent, const QString& title, int left, int top, int width, int height)
{
    auto* group = new QGroupBox(title, parent);
    group->setGeometry(left, top, width, height);
    return group;
}

QRadioButton* AddRadio(QWidget* parent, const QString& name, const QString& text, int left, int top, int width = 100)
{
    auto* radio = new QRadioButton(text, parent);
    radio->setObjectName(name);
    radio->setGeometry(left, top, width, 22);
    return radio;
}

// A list of the schedule page: a fixed header row and rows selected whole.
TStringGridEx* AddList(QWidget* parent, const QString& name, const std::vector<std::pair<QString, int>>& columns,
                       int left, int top, int height)
{
    auto* grid = new TStringGridEx(parent);
    grid->setObjectName(name);
    grid->SetColCount(static_cast<int>(columns.size()));
    grid->SetRowCount(2);
    grid->SetFixedCols(0);
    grid->SetFixedRows(1);
    grid->SetScrollBars(ssVertical);
    grid->SetDefaultRowHeight(20);
    grid->SetOptions(goFixedVertLine | goFixedHorzLine | goVertLine | goHorzLine | goRowSelect);
    int width = 0;
    for (int col = 0; col < grid->ColCount(); ++col) {
        const auto& [caption, columnWidth] = columns[static_cast<std::size_t>(col)];
        grid->SetColWidths(col, columnWidth);
        grid->SetCells(col, 0, caption);
        width += columnWidth + grid->GridLineWidth();
    }
    // Room for the vertical scroll bar.
    grid->setGeometry(left, top, width + 2 * grid->frameWidth() + 18, height);
    return grid;
}

// Columns 0 and 1 centred, the numbers right-aligned, all on one line.
void DrawListCell(TStringGridEx* grid, int ACol, int ARow, const QRect& Rect, TGridDrawState State)
{
    QPainter& canvas = *grid->Canvas();
    const bool header = State.testFlag(gdFixed);
    const bool selected = !header && State.testFlag(gdSelected) && !grid->Cells(0, ARow).isEmpty();
    canvas.fillRect(Rect, vcl::ToQColor(header ? vcl::clBtnFace : selected ? vcl::clHighlight : vcl::clWindow));
    canvas.setPen(vcl::ToQColor(selected ? vcl::clHighlightText : vcl::clWindowText));
    const Qt::Alignment across = header || ACol < 2 ? Qt::AlignHCenter : Qt::AlignRight;
    canvas.drawText(Rect.adjusted(2, 0, -3, 0), across | Qt::AlignVCenter | Qt::TextSingleLine,
                    grid->Cells(ACol, ARow));
}

template <std::size_t N>
void FillList(TStringGridEx* grid, const std::vector<std::array<QString, N>>& rows)
{
    grid->SetRowCount(std::max<int>(2, static_cast<int>(rows.size()) + 1));
    for (int row = 1; row < grid->RowCount(); ++row) {
        for (int col = 0; col < grid->ColCount(); ++col) {
            const std::size_t index = static_cast<std::size_t>(row - 1);
            grid->SetCells(col, row, index < rows.size() && col < static_cast<int>(N) ? rows[index][col] : QString());
        }
    }
    grid->viewport()->update();
}

bool RowHasDate(const TStringGridEx* grid, int row)
{
    return row >= grid->FixedRows() && row < grid->RowCount() && !grid->Cells(0, row).isEmpty();
}

void SetCellFormat(TStringGridEx* cell, const QString& format, std::optional<double> max = std::nullopt)
{
    if (TRange* range = cell->FindRange(0, 0)) {
        range->SetFmtStr(format);
        if (max)
            range->SetMax(*max);
    }
}

} // namespace

TSchedulePage::TSchedulePage(TMainWindowHub& hub, QWidget* parent) : QWidget(parent), hub_(hub)
{
    setObjectName(QStringLiteral("TabSheet2"));
    setFont(vcl::ProgramFont(9));

    PageControl4 = new QTabWidget(this);
    PageControl4->setObjectName(QStringLiteral("PageControl4"));
    PageControl4->setGeometry(8, 8, 340, 470);
    BuildEntryTab();
    BuildCutTab();
    BuildSamplingTab();

    TCalender1 = new TCalender(this);
    TCalender1->move(356, 8);
    TCalender1->OnDaySelected = [this] { RefreshScheduleView(); };
    TCalender1->plButton1->OnClick = [this](QObject* Sender) { TCalender1plButton1Click(Sender); };
    TCalender1->N3->setEnabled(true);
    TCalender1->N4->setEnabled(true);
    N6 = TCalender1->PopupMenu1->addAction(QStringLiteral("この日の採血削除"));
    N6->setObjectName(QStringLiteral("N6"));
    const auto onMenu = [this](QAction* item, void (TSchedulePage::*handler)(QObject*)) {
        connect(item, &QAction::triggered, this,
                [this, item, handler] { vcl::RunEventHandler([&] { (this->*handler)(item); }); });
    };
    onMenu(TCalender1->N1, &TSchedulePage::TCalender1N1Click);
    onMenu(TCalender1->N2, &TSchedulePage::TCalender1N2Click);
    onMenu(TCalender1->N3, &TSchedulePage::TCalender1N3Click);
    onMenu(TCalender1->N4, &TSchedulePage::TCalender1N4Click);
    onMenu(TCalender1->N5, &TSchedulePage::TCalender1N5Click);
    onMenu(N6, &TSchedulePage::N6Click);

    BuildLists();
    BuildButtons();

    ClearPrescriptionCells();
    ClearSamplingCells();
    UpdateDeleteButtons();
}

void TSchedulePage::BuildEntryTab()
{
    entryTab_ = new QWidget;
    PageControl4->addTab(entryTab_, QStringLiteral("投与入力"));

    // The boxes carry the names the hint line knows them by.
    auto* start = AddGroup(entryTab_, QStringLiteral("① 投与開始日"), 6, 4, 320, 52);
    start->setObjectName(QStringLiteral("GroupBox3"));
    DateTimePicker7 = AddDatePicker(start, QStringLiteral("DateTimePicker7"), 16, 20);

    auto* period = AddGroup(entryTab_, QStringLiteral("② 投与期間"), 6, 60, 320, 74);
    period->setObjectName(QStringLiteral("GroupBox13"));
    RadioButton16 = AddRadio(period, QStringLiteral("RadioButton16"), QStringLiteral("終了日"), 12, 20, 80);
    DateTimePicker4 = AddDatePicker(period, QStringLiteral("DateTimePicker4"), 96, 19);
    RadioButton17 = AddRadio(period, QStringLiteral("RadioButton17"), QStringLiteral("開始日のみ"), 12, 46);
    RadioButton18 = AddRadio(period, QStringLiteral("RadioButton18"), QStringLiteral("無限"), 130, 46);
    RadioButton18->setChecked(true);

    auto* spacing = AddGroup(entryTab_, QStringLiteral("③ 投与間隔"), 6, 138, 320, 52);
    spacing->setObjectName(QStringLiteral("GroupBox18"));
    RadioButton23 = AddRadio(spacing, QStringLiteral("RadioButton23"), QStringLiteral("間隔"), 12, 20, 56);
    StringGridEx20 = AddNumberCell(spacing, QStringLiteral("StringGridEx20"), 70, 19, 44,
                                   {.Min = MinIntervalDays, .Max = MaxIntervalDays, .Default = MinIntervalDays,
                                    .Format = QStringLiteral("0")});
    AddCaption(spacing, QStringLiteral("日毎"), 120, 23);
    RadioButton22 = AddRadio(spacing, QStringLiteral("RadioButton22"), QStringLiteral("連続"), 180, 20, 80);
    RadioButton22->setChecked(true);

    auto* dose = AddGroup(entryTab_, QStringLiteral("④ 処方投与スケジュール"), 6, 194, 320, 240);
    dose->setObjectName(QStringLiteral("GroupBox12"));
    AddCaption(dose, QStringLiteral("投与時刻"), 12, 26);
    StringGridEx25 = AddNumberCell(dose, QStringLiteral("StringGridEx25"), 100, 22, 38,
                                   {.Min = 0, .Max = 23, .Format = QStringLiteral("00")});
    AddCaption(dose, QStringLiteral("："), 140, 26);
    StringGridEx26 = AddNumberCell(dose, QStringLiteral("StringGridEx26"), 154, 22, 38,
                                   {.Min = 0, .Max = 59, .Format = QStringLiteral("00")});
    formulationLabel_ = AddCaption(dose, QStringLiteral("投与量"), 12, 56);
    formulationLabel_->setFixedWidth(86);
    StringGridEx15 = AddNumberCell(dose, QStringLiteral("StringGridEx15"), 100, 52, 76,
                                   {.Min = 0, .Max = MaxDose, .Format = QStringLiteral("0")});
    doseUnit_ = AddCaption(dose, QStringLiteral("mg"), 180, 56);
    moietyLabel_ = AddCaption(dose, QString(), 12, 86);
    moietyLabel_->setFixedWidth(86);
    StringGridEx29 = AddNumberCell(dose, QStringLiteral("StringGridEx29"), 100, 82, 76,
                                   {.Min = 0, .Max = MaxDose, .Format = QStringLiteral("0.0")});
    moietyUnit_ = AddCaption(dose, QStringLiteral("mg"), 180, 86);
    infusionLabel_ = AddCaption(dose, QStringLiteral("点滴時間"), 12, 116);
    StringGridEx16 = AddNumberCell(dose, QStringLiteral("StringGridEx16"), 100, 112, 60,
                                   {.Min = 0, .Max = MaxInfusionHours, .Format = QStringLiteral("0.0")});
    infusionUnit_ = AddCaption(dose, QStringLiteral("hr"), 164, 116);
    plButton14 = AddButton(dose, QStringLiteral("plButton14"), QStringLiteral("処方入力"), 206, 104, 104, 38);

    amountChoice_ = AddGroup(dose, QStringLiteral("投与量表示"), 10, 144, 300, 46);
    RadioButton11 = AddRadio(amountChoice_, QStringLiteral("RadioButton11"), QStringLiteral("製剤量"), 10, 18, 130);
    RadioButton13 = AddRadio(amountChoice_, QStringLiteral("RadioButton13"), QString(), 150, 18, 146);
    RadioButton11->setChecked(true);

    // The two notes belong to different drugs and share their place.
    Label77 = new QLabel(dose);
    Label77->setObjectName(QStringLiteral("Label77"));
    Label77->setGeometry(12, 196, 300, 20);
    Label83 = new QLabel(QStringLiteral("※投与量は、原末量(成分量)でなく、製品の投与量をご入力ください。"), dose);
    Label83->setObjectName(QStringLiteral("Label83"));
    Label83->setWordWrap(true);
    Label83->setGeometry(12, 192, 300, 40);
    Label83->hide();

    plButton14->OnClick = [this](QObject* Sender) { plButton14Click(Sender); };
    StringGridEx15->OnValueChange = [this](QObject* S, int c, int r) { StringGridEx15ValueChange(S, c, r); };
    StringGridEx15->OnSetEditText = [this](QObject* S, int c, int r, const QString& v) {
        StringGridEx15SetEditText(S, c, r, v);
    };
    StringGridEx29->OnValueChange = [this](QObject* S, int c, int r) { StringGridEx29ValueChange(S, c, r); };
    StringGridEx29->OnSetEditText = [this](QObject* S, int c, int r, const QString& v) {
        StringGridEx29SetEditText(S, c, r, v);
    };
    StringGridEx16->OnValueChange = [this](QObject* S, int c, int r) { StringGridEx16ValueChange(S, c, r); };
    StringGridEx16->OnSetEditText = [this](QObject* S, int c, int r, const QString& v) {
        StringGridEx16SetEditText(S, c, r, v);
    };
    StringGridEx20->OnValueChange = [this](QObject* S, int c, int r) { StringGridEx20ValueChange(S, c, r); };
    for (QRadioButton* radio : {RadioButton11, RadioButton13})
        connect(radio, &QRadioButton::clicked, this,
                [this, radio] { vcl::RunEventHandler([&] { RadioButton11Click(radio); }); });
}

void TSchedulePage::BuildCutTab()
{
    cutTab_ = new QWidget;
    PageControl4->addTab(cutTab_, QStringLiteral("投与削除"));

    auto* start = AddGroup(cutTab_, QStringLiteral("① 削除開始日"), 6, 4, 320, 52);
    start->setObjectName(QStringLiteral("GroupBox4"));
    DateTimePicker1 = AddDatePicker(start, QStringLiteral("DateTimePicker1"), 16, 20);

    auto* period = AddGroup(cutTab_, QStringLiteral("② 削除期間"), 6, 60, 320, 100);
    period->setObjectName(QStringLiteral("GroupBox10"));
    RadioButton25 = AddRadio(period, QStringLiteral("RadioButton25"), QStringLiteral("終了日"), 12, 20, 80);
    DateTimePicker6 = AddDatePicker(period, QStringLiteral("DateTimePicker6"), 96, 19);
    RadioButton26 = AddRadio(period, QStringLiteral("RadioButton26"), QStringLiteral("開始日のみ"), 12, 46);
    RadioButton27 = AddRadio(period, QStringLiteral("RadioButton27"), QStringLiteral("開始日以降全て"), 12, 72, 160);
    RadioButton27->setChecked(true);

    plButton39 = AddButton(cutTab_, QStringLiteral("plButton39"), QStringLiteral("処方削除"), 206, 170, 110, 34);
    plButton39->OnClick = [this](QObject* Sender) { plButton39Click(Sender); };

    // The period choices and dates of both tabs move the calendar to the
    // start date and re-mark the period.
    for (QDateEdit* picker : {DateTimePicker7, DateTimePicker4, DateTimePicker1, DateTimePicker6})
        connect(picker, &QDateEdit::dateChanged, this,
                [this, picker] { vcl::RunEventHandler([&] { DateTimePicker7Change(picker); }); });
    for (QRadioButton* radio : {RadioButton16, RadioButton17, RadioButton18, RadioButton22, RadioButton23,
                                RadioButton25, RadioButton26, RadioButton27})
        connect(radio, &QRadioButton::clicked, this,
                [this, radio] { vcl::RunEventHandler([&] { DateTimePicker7Change(radio); }); });
}

void TSchedulePage::BuildSamplingTab()
{
    samplingTab_ = new QWidget;
    PageControl4->addTab(samplingTab_, QStringLiteral("採血情報"));

    auto* sampling = AddGroup(samplingTab_, QStringLiteral("① 採血情報"), 6, 4, 320, 130);
    sampling->setObjectName(QStringLiteral("GroupBox15"));
    AddCaption(sampling, QStringLiteral("採血日"), 12, 26);
    DateTimePicker5 = AddDatePicker(sampling, QStringLiteral("DateTimePicker5"), 84, 22);
    AddCaption(sampling, QStringLiteral("採血時刻"), 12, 60);
    StringGridEx27 = AddNumberCell(sampling, QStringLiteral("StringGridEx27"), 84, 56, 38,
                                   {.Min = 0, .Max = 23, .Format = QStringLiteral("00")});
    AddCaption(sampling, QStringLiteral("："), 124, 60);
    StringGridEx28 = AddNumberCell(sampling, QStringLiteral("StringGridEx28"), 138, 56, 38,
                                   {.Min = 0, .Max = 59, .Format = QStringLiteral("00")});
    AddCaption(sampling, QStringLiteral("測定値"), 12, 94);
    StringGridEx19 = AddNumberCell(sampling, QStringLiteral("StringGridEx19"), 84, 90, 76,
                                   {.Min = 0, .Max = MaxMeasuredValue, .Format = QStringLiteral("0.00")});
    samplingUnit_ = AddCaption(sampling, QStringLiteral("μg/mL"), 164, 94);
    samplingUnit_->setFixedWidth(60);

    plButton40 = AddButton(samplingTab_, QStringLiteral("plButton40"), QStringLiteral("採血追加"), 88, 144, 110, 34);
    plButton41 = AddButton(samplingTab_, QStringLiteral("plButton41"), QStringLiteral("採血削除"), 206, 144, 110, 34);
    plButton40->OnClick = [this](QObject* Sender) { plButton40Click(Sender); };
    plButton41->OnClick = [this](QObject* Sender) { plButton41Click(Sender); };
    StringGridEx19->OnValueChange = [this](QObject* S, int c, int r) { StringGridEx19ValueChange(S, c, r); };
    StringGridEx19->OnSetEditText = [this](QObject* S, int c, int r, const QString& v) {
        StringGridEx19SetEditText(S, c, r, v);
    };
}

void TSchedulePage::BuildLists()
{
    const int left = 696;
    Panel37 = new QLabel(this);
    Panel37->setObjectName(QStringLiteral("Panel37"));
    Panel37->setGeometry(left, 8, 286, 26);
    Panel37->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    Panel37->setAlignment(Qt::AlignCenter);
    Panel37->setAutoFillBackground(true);
    QPalette palette = Panel37->palette();
    palette.setColor(QPalette::Window, Qt::white);
    Panel37->setPalette(palette);

    // Column 4, the prescription's position in its set, is kept but not shown.
    StringGridEx14 = AddList(this, QStringLiteral("StringGridEx14"),
                             {{QStringLiteral("投与日"), 80}, {QStringLiteral("時刻"), 50}, {QStringLiteral("投与量"), 64},
                              {QStringLiteral("点滴(hr)"), 60}, {QString(), 0}},
                             left, 38, 200);
    AddCaption(this, QStringLiteral("採血情報"), left, 248);
    StringGridEx18 = AddList(this, QStringLiteral("StringGridEx18"),
                             {{QStringLiteral("採血日"), 90}, {QStringLiteral("時刻"), 60}, {QStringLiteral("測定値"), 104}},
                             left, 266, 200);
    StringGridEx14->SetDefaultDrawing(false);
    StringGridEx18->SetDefaultDrawing(false);
    StringGridEx14->OnDrawCell = [this](QObject* S, int c, int r, const QRect& rect, TGridDrawState state) {
        StringGridEx14DrawCell(S, c, r, rect, state);
    };
    StringGridEx18->OnDrawCell = [this](QObject* S, int c, int r, const QRect& rect, TGridDrawState state) {
        StringGridEx18DrawCell(S, c, r, rect, state);
    };
    StringGridEx14->OnValueChange = [this](QObject* S, int c, int r) { StringGridEx14ValueChange(S, c, r); };
    StringGridEx18->OnValueChange = [this](QObject* S, int c, int r) { StringGridEx18ValueChange(S, c, r); };
    StringGridEx14->OnClick = [this](QObject* Sender) { StringGridEx14Click(Sender); };
    StringGridEx18->OnClick = [this](QObject* Sender) { StringGridEx18Click(Sender); };
    StringGridEx14->OnSelectCell = [this](QObject* S, int c, int r, bool& can) { StringGridEx14SelectCell(S, c, r, can); };
    StringGridEx18->OnSelectCell = [this](QObject* S, int c, int r, bool& can) { StringGridEx18SelectCell(S, c, r, can); };

    StringGridEx22 = AddNumberCell(this, QStringLiteral("StringGridEx22"), left, 470, 60,
                                   {.Min = 0, .Max = 1000, .Format = QStringLiteral("0.0")});
    StringGridEx22->hide();
}

void TSchedulePage::BuildButtons()
{
    plButton30 = AddButton(this, QStringLiteral("plButton30"), QString(), 8, 488, 340, 40);
    AddCaption(plButton30, QStringLiteral("変更番号"), 10, 12);
    ComboBox12 = new QComboBox(plButton30);
    ComboBox12->setObjectName(QStringLiteral("ComboBox12"));
    ComboBox12->setGeometry(80, 8, 130, 24);
    plButton2 = AddButton(plButton30, QStringLiteral("plButton2"), QStringLiteral("リセット"), 222, 5, 110, 30);
    plButton30->hide();

    plButton15 = AddButton(this, QStringLiteral("plButton15"), QStringLiteral("クリア"), 356, 488, 100, 40);
    plButton56 = AddButton(this, QStringLiteral("plButton56"), QStringLiteral("1つ戻る"), 464, 488, 100, 40);
    plButton4 = AddButton(this, QStringLiteral("plButton4"), QStringLiteral("詳細設定"), 572, 488, 110, 40);
    plButton50 = AddButton(this, QStringLiteral("plButton50"), QString(), 696, 488, 120, 40);
    plButton51 = AddButton(plButton50, QStringLiteral("plButton51"), QStringLiteral("初期値"), 0, 0, 120, 40);
    plButton16 = AddButton(this, QStringLiteral("plButton16"), QStringLiteral("解析"), 836, 540, 146, 48);

    connect(ComboBox12, &QComboBox::activated, this,
            [this] { vcl::RunEventHandler([this] { ComboBox12Change(ComboBox12); }); });
    plButton2->OnClick = [this](QObject* Sender) { plButton2Click(Sender); };
    plButton15->OnClick = [this](QObject* Sender) { plButton15Click(Sender); };
    plButton56->OnClick = [this](QObject* Sender) { plButton56Click(Sender); };
    plButton4->OnClick = [this](QObject* Sender) { plButton4Click(Sender); };
    plButton51->OnClick = [this](QObject* Sender) { plButton51Click(Sender); };
}

// ---- Set-up and refreshing ---------------------------------------------------

TScheduleOwner TSchedulePage::Owner() const
{
    return {CurrentPatient.patient_id_t, CurrentAnalysis.kaiseki_id, DrugKeyOf(CurrentAnalysis)};
}

bool TSchedulePage::IsSaltCase() const
{
    return SaltFactorFor(DrugKeyOf(CurrentAnalysis)).has_value();
}

void TSchedulePage::SetupSchedulePage()
{
    const TDrugKey drug = DrugKeyOf(CurrentAnalysis);
    const TSchedulePageUnits units = SchedulePageUnitsFor(drug);
    const QString doseFormat = QString::fromUtf16(units.DoseFormat);
    doseUnit_->setText(QString::fromUtf16(units.DoseUnit));
    moietyUnit_->setText(QString::fromUtf16(units.DoseUnit));
    samplingUnit_->setText(QString::fromUtf16(units.SamplingUnit));
    SetCellFormat(StringGridEx15, doseFormat);
    TCalender1->SetDoseUnitText(QString::fromUtf16(units.DoseUnit));
    TCalender1->SetDoseFormat(doseFormat);
    TCalender1->SetDoseFormCode(ProductDoseForm(drug.kubun, drug.yakuzai, drug.yakuhin));

    const bool salt = units.Moiety.has_value();
    if (salt) {
        const TMoietyLabels& moiety = *units.Moiety;
        SetCellFormat(StringGridEx29, QStringLiteral("0.0"), moiety.MoietyMax);
        Label77->setText(QString::fromUtf16(moiety.Note));
        RadioButton11->setText(QString::fromUtf16(moiety.FormulationChoice));
        RadioButton13->setText(QString::fromUtf16(moiety.MoietyName));
        formulationLabel_->setText(QString::fromUtf16(moiety.FormulationLabel));
        moietyLabel_->setText(QString::fromUtf16(moiety.MoietyName));
    } else {
        formulationLabel_->setText(QStringLiteral("投与量"));
    }
    for (QWidget* part : std::initializer_list<QWidget*>{Label77, amountChoice_, StringGridEx29, moietyLabel_, moietyUnit_})
        part->setVisible(salt);
    ApplyAmountChoice();
    SetCellFormat(StringGridEx16, QString::fromUtf16(units.InfusionFormat));

    plButton50->setVisible(InitialValueButtonFor(drug) == TPageItem::Shown);
    const bool infusion = ProductDoseForm(drug.kubun, drug.yakuzai, drug.yakuhin) == InfusionDoseForm;
    for (QWidget* part : std::initializer_list<QWidget*>{StringGridEx16, infusionLabel_, infusionUnit_})
        part->setVisible(infusion);
    Label83->setVisible(ProductAmountNoteFor(drug) == TPageItem::Shown);

    FillSetChoice();
    StringGridEx22->SetCellValue(0, 0, CurrentAnalysis.init_value);

    RefreshCalendar();
    RefreshScheduleView();
    ClearPrescriptionCells();
    ClearSamplingCells();
}

void TSchedulePage::FillSetChoice()
{
    const int last = LastListedScheduleSet(ScheduleSets);
    {
        const QSignalBlocker blocker(ComboBox12);
        ComboBox12->clear();
        ComboBox12->addItems(ScheduleSetChoices(last));
        ComboBox12->setCurrentIndex(ScheduleSets.CurSetIndex);
    }
    plButton30->setVisible(last > 0);
}

void TSchedulePage::UpdateCalendarPeriod()
{
    const vcl::TDateTime start = PickerDate(DateTimePicker7);
    vcl::TDateTime end = start + OpenEndExtraDays;
    if (RadioButton16->isChecked())
        end = PickerDate(DateTimePicker4);
    else if (RadioButton17->isChecked())
        end = start;
    int interval = 1;
    if (!RadioButton22->isChecked()) {
        // A cell that holds no number (yet) marks nothing.
        const std::optional<double> days = NumberCellValue(StringGridEx20);
        interval = days && std::fabs(*days) < MaxIntervalDays + 1 ? static_cast<int>(std::trunc(*days)) : 0;
    }
    TCalender1->SetCalendarStart(start);
    TCalender1->SetCalendarEnd(end);
    TCalender1->SetCalendarInterval(interval);
}

void TSchedulePage::RefreshCalendar()
{
    TCalender1->RefreshCalendar();
}

void TSchedulePage::RefreshScheduleView()
{
    const vcl::TDateTime day = TCalender1->SelectedDate();
    int year = 0, month = 0, dayOfMonth = 0;
    vcl::DecodeDate(day, year, month, dayOfMonth);
    Panel37->setText(QString::asprintf("%04d年%02d月%02d日", year, month, dayOfMonth));
    FillList(StringGridEx18, SamplingListRows(ScheduleSets.Samplings));
    FillList(StringGridEx14, DoseListRows(ScheduleSets.CurScheduleDays(), day, DrugKeyOf(CurrentAnalysis)));
    UpdateDeleteButtons();
}

void TSchedulePage::ShowCurrentScheduleSet()
{
    TCalender1->ResetCalendar();
    ScheduleChanged();
}

void TSchedulePage::ShowLoadedSchedule(vcl::TDateTime firstDay)
{
    TCalender1->SetCalendarMonth(firstDay);
    TCalender1->SetCalendarSelected(firstDay);
    for (QDateEdit* picker : {DateTimePicker4, DateTimePicker5, DateTimePicker7, DateTimePicker1, DateTimePicker6})
        SetPickerDate(picker, firstDay);
    const bool startOnly = LoadedCasePeriodFor(DrugKeyOf(CurrentAnalysis)) == TDosePeriod::StartOnly;
    (startOnly ? RadioButton17 : RadioButton18)->setChecked(true);
}

void TSchedulePage::ResetScheduleEntry()
{
    ShowLoadedSchedule(vcl::Date());
    for (TStringGridEx* cell : {StringGridEx20, StringGridEx25, StringGridEx26, StringGridEx15, StringGridEx29,
                                StringGridEx16, StringGridEx27, StringGridEx28, StringGridEx19})
        cell->InitByDefault();
    plButton14->setEnabled(false);
    plButton40->setEnabled(false);
    RadioButton27->setChecked(true);
    TCalender1->ResetCalendar();
    RefreshCalendar();
    UpdateCalendarPeriod();
    RefreshScheduleView();
}

void TSchedulePage::ScheduleChanged()
{
    hub_.ScheduleChanged();
    RefreshCalendar();
    RefreshScheduleView();
    FillSetChoice();
}

void TSchedulePage::ShowTab(QWidget* tab)
{
    PageControl4->setCurrentWidget(tab);
}

// ---- Entry cells -------------------------------------------------------------

void TSchedulePage::ApplyAmountChoice()
{
    const bool salt = IsSaltCase();
    const bool formulation = !salt || RadioButton11->isChecked();
    SetCellEditable(StringGridEx15, formulation);
    SetCellEditable(StringGridEx29, salt && !formulation);
}

void TSchedulePage::RadioButton11Click(QObject*)
{
    ApplyAmountChoice();
}

void TSchedulePage::UpdatePrescriptionButton()
{
    bool filled = EntryCellsFilled({StringGridEx15->Cells(0, 0)});
    if (!StringGridEx29->isHidden())
        filled = filled && EntryCellsFilled({StringGridEx29->Cells(0, 0)});
    if (!StringGridEx16->isHidden())
        filled = filled && EntryCellsFilled({StringGridEx16->Cells(0, 0)});
    plButton14->setEnabled(filled);
}

void TSchedulePage::UpdateSamplingButton()
{
    plButton40->setEnabled(EntryCellsFilled({StringGridEx19->Cells(0, 0)}));
}

void TSchedulePage::ConvertFormulationToMoiety(double formulation)
{
    if (IsSaltCase())
        StringGridEx29->SetCellValue(0, 0, FormulationToMoiety(DrugKeyOf(CurrentAnalysis), formulation));
}

void TSchedulePage::ConvertMoietyToFormulation(double moiety)
{
    if (IsSaltCase())
        StringGridEx15->SetCellValue(0, 0, MoietyToFormulation(DrugKeyOf(CurrentAnalysis), moiety));
}

void TSchedulePage::StringGridEx15ValueChange(QObject*, int, int)
{
    ConvertFormulationToMoiety(TypedNumber(StringGridEx15->Cells(0, 0)));
    if (!StringGridEx15->isHidden())
        UpdatePrescriptionButton();
}

void TSchedulePage::StringGridEx15SetEditText(QObject*, int, int, const QString& Value)
{
    if (Value.isEmpty())
        return;
    ConvertFormulationToMoiety(TypedNumber(Value));
    UpdatePrescriptionButton();
}

void TSchedulePage::StringGridEx29ValueChange(QObject*, int, int)
{
    ConvertMoietyToFormulation(TypedNumber(StringGridEx29->Cells(0, 0)));
    if (!StringGridEx29->isHidden())
        UpdatePrescriptionButton();
}

void TSchedulePage::StringGridEx29SetEditText(QObject*, int, int, const QString& Value)
{
    if (Value.isEmpty())
        return;
    ConvertMoietyToFormulation(TypedNumber(Value));
    UpdatePrescriptionButton();
}

void TSchedulePage::StringGridEx16ValueChange(QObject*, int, int)
{
    if (!StringGridEx16->isHidden())
        UpdatePrescriptionButton();
}

void TSchedulePage::StringGridEx16SetEditText(QObject*, int, int, const QString& Value)
{
    if (!Value.isEmpty())
        UpdatePrescriptionButton();
}

void TSchedulePage::StringGridEx19ValueChange(QObject*, int, int)
{
    UpdateSamplingButton();
}

void TSchedulePage::StringGridEx19SetEditText(QObject*, int, int, const QString& Value)
{
    if (!Value.isEmpty())
        UpdateSamplingButton();
}

void TSchedulePage::StringGridEx20ValueChange(QObject*, int, int)
{
    UpdateCalendarPeriod();
}

void TSchedulePage::DateTimePicker7Change(QObject*)
{
    const vcl::TDateTime start = PickerDate(DateTimePicker7);
    TCalender1->SetCalendarMonth(start);
    TCalender1->SetCalendarSelected(start);
    RefreshCalendar();
    RefreshScheduleView();
    UpdateCalendarPeriod();
}

void TSchedulePage::ClearPrescriptionCells()
{
    for (TStringGridEx* cell : {StringGridEx25, StringGridEx26, StringGridEx15, StringGridEx29, StringGridEx16})
        cell->SetCellValue(0, 0, 0);
    plButton14->setEnabled(false);
}

void TSchedulePage::ClearSamplingCells()
{
    for (TStringGridEx* cell : {StringGridEx27, StringGridEx28, StringGridEx19})
        cell->SetCellValue(0, 0, 0);
    plButton40->setEnabled(false);
}

// ---- Commands ----------------------------------------------------------------

TPrescriptionEntry TSchedulePage::ReadPrescriptionEntry() const
{
    TPrescriptionEntry entry;
    entry.StartDate = PickerDate(DateTimePicker7);
    entry.Period = RadioButton16->isChecked()   ? TDosePeriod::EndDate
                   : RadioButton17->isChecked() ? TDosePeriod::StartOnly
                                                : TDosePeriod::Open;
    entry.EndDate = PickerDate(DateTimePicker4);
    entry.Spacing = RadioButton22->isChecked() ? TDoseSpacing::Daily : TDoseSpacing::Interval;
    entry.IntervalDays = NumberCellValue(StringGridEx20);
    entry.Hours = NumberCellValue(StringGridEx25);
    entry.Minutes = NumberCellValue(StringGridEx26);
    entry.Dose = NumberCellValue(StringGridEx15);
    if (IsSaltCase())
        entry.MoietyDose = NumberCellValue(StringGridEx29);
    entry.Amount = RadioButton13->isChecked() ? TAmountChoice::Moiety : TAmountChoice::Formulation;
    entry.Infusion = StringGridEx16->isHidden() ? TInfusionCell::Hidden : TInfusionCell::Shown;
    // A hidden infusion cell that holds no number counts as no infusion.
    entry.InfusionHours = NumberCellValue(StringGridEx16);
    if (entry.Infusion == TInfusionCell::Hidden && !entry.InfusionHours)
        entry.InfusionHours = 0;
    return entry;
}

TDoseRangeCut TSchedulePage::ReadDoseRangeCut() const
{
    TDoseRangeCut cut;
    cut.StartDate = PickerDate(DateTimePicker1);
    cut.Period = RadioButton25->isChecked()   ? TCutPeriod::EndDate
                 : RadioButton26->isChecked() ? TCutPeriod::StartOnly
                                              : TCutPeriod::AllFromStart;
    cut.EndDate = PickerDate(DateTimePicker6);
    return cut;
}

TSamplingEntry TSchedulePage::ReadSamplingEntry() const
{
    return {PickerDate(DateTimePicker5), NumberCellValue(StringGridEx27), NumberCellValue(StringGridEx28),
            NumberCellValue(StringGridEx19)};
}

void TSchedulePage::Refuse(TScheduleError error)
{
    vcl::ShowError(ScheduleErrorText(error), ScheduleErrorCaption);
    QWidget* field = nullptr;
    switch (ScheduleErrorField(error)) {
    case TScheduleField::EndDate: field = DateTimePicker4; break;
    case TScheduleField::Interval: field = StringGridEx20; break;
    case TScheduleField::DoseHours: field = StringGridEx25; break;
    case TScheduleField::Dose: field = StringGridEx15; break;
    case TScheduleField::MoietyDose: field = StringGridEx29; break;
    case TScheduleField::InfusionHours: field = StringGridEx16; break;
    case TScheduleField::CutEndDate: field = DateTimePicker6; break;
    case TScheduleField::SamplingHours: field = StringGridEx27; break;
    case TScheduleField::SamplingValue: field = StringGridEx19; break;
    default: break;
    }
    if (field && field->isVisible() && field->isEnabled())
        field->setFocus(Qt::OtherFocusReason);
}

bool TSchedulePage::PickersHoldDates(std::initializer_list<std::pair<QDateEdit*, const char16_t*>> pickers)
{
    for (const auto& [picker, field] : pickers)
        if (picker && !ReadPickerDate(picker, {NotADateMessage(QString::fromUtf16(field)), ScheduleErrorCaption}))
            return false;
    return true;
}

void TSchedulePage::plButton14Click(QObject*)
{
    if (!PickersHoldDates({{DateTimePicker7, u"投与開始日"},
                           {RadioButton16->isChecked() ? DateTimePicker4 : nullptr, u"投与終了日"}}))
        return;
    const TScheduleError error = AddPrescription(ScheduleSets, ReadPrescriptionEntry(), Owner());
    if (error != TScheduleError::None) {
        Refuse(error);
        return;
    }
    ScheduleChanged();
    ClearPrescriptionCells();
}

void TSchedulePage::plButton39Click(QObject*)
{
    if (!PickersHoldDates({{DateTimePicker1, u"削除開始日"},
                           {RadioButton25->isChecked() ? DateTimePicker6 : nullptr, u"削除終了日"}}))
        return;
    const TScheduleError error = DeletePrescriptionPeriod(ScheduleSets, ReadDoseRangeCut(), DrugKeyOf(CurrentAnalysis));
    if (error != TScheduleError::None) {
        Refuse(error);
        return;
    }
    ScheduleChanged();
}

void TSchedulePage::plButton40Click(QObject*)
{
    if (!PickersHoldDates({{DateTimePicker5, u"採血日"}}))
        return;
    const TScheduleError error = AddSampling(ScheduleSets, ReadSamplingEntry(), Owner());
    if (error != TScheduleError::None) {
        Refuse(error);
        return;
    }
    ScheduleChanged();
    ClearSamplingCells();
}

void TSchedulePage::plButton41Click(QObject*)
{
    if (!RowHasDate(StringGridEx18, StringGridEx18->Row()))
        return;
    if (DeleteSampling(ScheduleSets, StringGridEx18->Row() - 1))
        ScheduleChanged();
}

// ---- The changed regimens ----------------------------------------------------

void TSchedulePage::NewChangedRegimen()
{
    if (AddChangedRegimen(ScheduleSets, DoseEventContextOf(CurrentAnalysis, hub_.Graph()))
        == TChangedRegimenResult::LimitReached) {
        vcl::ShowError(ChangedRegimenLimitText, ChangedRegimenLimitCaption);
        return;
    }
    ShowCurrentScheduleSet();
    hub_.SetWorkflowStep(hub_.HighestStep(), 2);
}

void TSchedulePage::ComboBox12Change(QObject*)
{
    ChooseScheduleSet(ScheduleSets, ComboBox12->currentIndex());
    ShowCurrentScheduleSet();
}

void TSchedulePage::plButton2Click(QObject*)
{
    if (ResetChangedRegimen(ScheduleSets, DoseEventContextOf(CurrentAnalysis, hub_.Graph())))
        ShowCurrentScheduleSet();
}

void TSchedulePage::plButton15Click(QObject*)
{
    if (!vcl::AskOkCancel(QStringLiteral("投与/採血スケジュールをクリアします。\nよろしいですか？"),
                          QStringLiteral("投与/採血スケジュール確認")))
        return;
    ClearScheduleSet(ScheduleSets);
    ScheduleChanged();
}

void TSchedulePage::plButton56Click(QObject*)
{
    if (UndoScheduleEdit(ScheduleSets, DrugKeyOf(CurrentAnalysis)))
        ScheduleChanged();
}

void TSchedulePage::plButton4Click(QObject*)
{
    if (frmDetailSet->ShowModal() != vcl::mrOk)
        return;
    if (DataModule1->SaveAnalysis(CurrentAnalysis) != 0)
        vcl::ShowError(DataModule1->LastFailureText(), ScheduleErrorCaption);
}

void TSchedulePage::plButton51Click(QObject*)
{
    if (frmInitialValue->ShowModal() != vcl::mrOk)
        return;
    CurrentAnalysis.init_value = frmInitialValue->InitialValue();
    StringGridEx22->SetCellValue(0, 0, CurrentAnalysis.init_value);
    ScheduleChanged();
}

// ---- The two lists -------------------------------------------------------------

void TSchedulePage::UpdateDeleteButtons()
{
    plButton39->setEnabled(RowHasDate(StringGridEx14, StringGridEx14->Row()));
    plButton41->setEnabled(RowHasDate(StringGridEx18, StringGridEx18->Row()));
}

void TSchedulePage::StringGridEx14SelectCell(QObject*, int, int ARow, bool&)
{
    plButton39->setEnabled(RowHasDate(StringGridEx14, ARow));
}

void TSchedulePage::StringGridEx18SelectCell(QObject*, int, int ARow, bool&)
{
    plButton41->setEnabled(RowHasDate(StringGridEx18, ARow));
}

void TSchedulePage::StringGridEx14ValueChange(QObject*, int, int)
{
    UpdateDeleteButtons();
}

void TSchedulePage::StringGridEx18ValueChange(QObject*, int, int)
{
    UpdateDeleteButtons();
}

void TSchedulePage::StringGridEx14DrawCell(QObject*, int ACol, int ARow, const QRect& Rect, TGridDrawState State)
{
    DrawListCell(StringGridEx14, ACol, ARow, Rect, State);
}

void TSchedulePage::StringGridEx18DrawCell(QObject*, int ACol, int ARow, const QRect& Rect, TGridDrawState State)
{
    DrawListCell(StringGridEx18, ACol, ARow, Rect, State);
}

void TSchedulePage::StringGridEx14Click(QObject*)
{
    UpdateDeleteButtons();
    const int row = StringGridEx14->Row();
    if (!RowHasDate(StringGridEx14, row))
        return;
    TDoseListRow texts;
    for (int col = 0; col < static_cast<int>(texts.size()); ++col)
        texts[static_cast<std::size_t>(col)] = StringGridEx14->Cells(col, row);
    const std::optional<TDoseRowValues> values =
        DoseRowValues(texts, ScheduleSets.CurPrescriptions(), DrugKeyOf(CurrentAnalysis));
    if (!values)
        return;
    StringGridEx25->SetCellValue(0, 0, values->Hours);
    StringGridEx26->SetCellValue(0, 0, values->Minutes);
    StringGridEx15->SetCellValue(0, 0, values->Dose);
    if (values->MoietyDose)
        StringGridEx29->SetCellValue(0, 0, *values->MoietyDose);
    StringGridEx16->SetCellValue(0, 0, values->InfusionHours);
    UpdatePrescriptionButton();
}

void TSchedulePage::StringGridEx18Click(QObject*)
{
    UpdateDeleteButtons();
    const int index = StringGridEx18->Row() - 1;
    if (!RowHasDate(StringGridEx18, StringGridEx18->Row()) || index >= static_cast<int>(ScheduleSets.Samplings.size()))
        return;
    const TSamplingRecord& sampling = ScheduleSets.Samplings[static_cast<std::size_t>(index)];
    const vcl::DateTimeParts parts = vcl::DecodeDateTime(sampling.saiketu_time);
    SetPickerDate(DateTimePicker5, sampling.saiketu_time);
    StringGridEx27->SetCellValue(0, 0, parts.hour);
    StringGridEx28->SetCellValue(0, 0, parts.minute);
    StringGridEx19->SetCellValue(0, 0, sampling.saiketu_value);
    UpdateSamplingButton();
}

// ---- The calendar's menu -------------------------------------------------------

void TSchedulePage::TCalender1N1Click(QObject*)
{
    SetPickerDate(DateTimePicker7, TCalender1->SelectedDate());
    UpdateCalendarPeriod();
    ShowTab(entryTab_);
}

void TSchedulePage::TCalender1N2Click(QObject*)
{
    SetPickerDate(DateTimePicker4, TCalender1->SelectedDate());
    RadioButton16->setChecked(true);
    UpdateCalendarPeriod();
    ShowTab(entryTab_);
}

void TSchedulePage::TCalender1N3Click(QObject*)
{
    SetPickerDate(DateTimePicker1, TCalender1->SelectedDate());
    ShowTab(cutTab_);
}

void TSchedulePage::TCalender1N4Click(QObject*)
{
    SetPickerDate(DateTimePicker6, TCalender1->SelectedDate());
    RadioButton25->setChecked(true);
    ShowTab(cutTab_);
}

void TSchedulePage::TCalender1N5Click(QObject*)
{
    SetPickerDate(DateTimePicker5, TCalender1->SelectedDate());
    ShowTab(samplingTab_);
}

void TSchedulePage::N6Click(QObject*)
{
    DeleteSamplingsOfDay(ScheduleSets, TCalender1->SelectedDate());
    ScheduleChanged();
    ShowTab(samplingTab_);
}

void TSchedulePage::TCalender1plButton1Click(QObject* Sender)
{
    TCalender1->plButton1Click(Sender);
}
