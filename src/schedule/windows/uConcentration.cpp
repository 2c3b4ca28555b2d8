#include "uConcentration.h"

#include "EntryCells.h"
#include "Fonts.h"
#include "MainWindowHub.h"
#include "NumberCell.h"
#include "PageWidgets.h"
#include "ResultDialogParts.h"
#include "ResultDialogRules.h"
#include "StringGridEx.h"
#include "Ucommon.h"
#include "plButton.h"

#include <QComboBox>
#include <QDateEdit>
#include <QLabel>

TfrmConcentration* frmConcentration = nullptr;

namespace {

TStepUnit StepUnitOf(int index)
{
    switch (index) {
    case 0:
        return TStepUnit::Minute;
    case 1:
        return TStepUnit::Hour;
    default:
        return TStepUnit::Day;
    }
}

} // namespace

TfrmConcentration::TfrmConcentration(TMainWindowHub& hub, QWidget* parent) : TFillOnShowForm(parent), hub_(hub)
{
    setObjectName(QStringLiteral("frmConcentration"));
    setWindowTitle(QStringLiteral("血中濃度比較"));
    setFont(vcl::ProgramFont(9));
    SetClientSize(640, 190);

    AddCaption(this, QStringLiteral("日時"), 16, 22);
    DateTimePicker1 = AddDatePicker(this, QStringLiteral("DateTimePicker1"), 52, 18);
    StringGridEx25 = AddNumberCell(this, QStringLiteral("StringGridEx25"), 180, 18, 40,
                                   {.Min = 0, .Max = 23, .Format = QStringLiteral("00")});
    AddCaption(this, QStringLiteral("："), 224, 22);
    StringGridEx26 = AddNumberCell(this, QStringLiteral("StringGridEx26"), 240, 18, 40,
                                   {.Min = 0, .Max = 59, .Format = QStringLiteral("00")});

    plButton1 = AddButton(this, QStringLiteral("plButton1"), QStringLiteral("←"), 300, 16, 40, 28);
    plButton2 = AddButton(this, QStringLiteral("plButton2"), QStringLiteral("→"), 344, 16, 40, 28);
    AddCaption(this, QStringLiteral("ステップ単位"), 400, 22);
    ComboBox1 = new QComboBox(this);
    ComboBox1->setObjectName(QStringLiteral("ComboBox1"));
    ComboBox1->addItems({QStringLiteral("分"), QStringLiteral("時"), QStringLiteral("日")});
    ComboBox1->setCurrentIndex(0);
    ComboBox1->setGeometry(480, 18, 60, 24);

    StringGridEx1 = AddTextTable(this, QStringLiteral("StringGridEx1"), 16, 64, {140, 90, 90, 90, 90, 90}, 2,
                                 THeadingRow::First, THeadingColumn::None);
    const QString headings[] = {QString(), QStringLiteral("母集団"), QStringLiteral("患者データ"),
                                QStringLiteral("変更1"), QStringLiteral("変更2"), QStringLiteral("変更3")};
    for (int col = 0; col < 6; ++col)
        StringGridEx1->SetCells(col, 0, headings[col]);

    plButton3 = AddButton(this, QStringLiteral("plButton3"), QStringLiteral("閉じる"), 524, 144, 100, 30);
    plButton3->SetModalResult(vcl::mrCancel);

    plButton1->OnClick = [this](QObject* Sender) { plButton1Click(Sender); };
    plButton2->OnClick = [this](QObject* Sender) { plButton1Click(Sender); };
    connect(DateTimePicker1, &QDateEdit::dateChanged, this,
            [this] { vcl::RunEventHandler([this] { DateTimePicker1Change(); }); });
    // A typed text that names no day shows no values; one that names the
    // day again shows them at once.
    OnPickerTextChange(DateTimePicker1, [this] {
        vcl::RunEventHandler([this] { StringGridEx25SetEditText(DateTimePicker1, 0, 0, QString()); });
    });
    for (TStringGridEx* cell : {StringGridEx25, StringGridEx26}) {
        cell->OnSetEditText = [this](QObject* Sender, int ACol, int ARow, const QString& Value) {
            StringGridEx25SetEditText(Sender, ACol, ARow, Value);
        };
        // A number typed out of range is put back inside it when the cell is
        // left; the values follow the time then shown.
        cell->OnValueChange = [this](QObject* Sender, int ACol, int ARow) {
            StringGridEx25SetEditText(Sender, ACol, ARow, QString());
        };
    }
}

TScheduleDays TfrmConcentration::Days() const
{
    const TGraphState& graph = hub_.Graph();
    return {graph.GraphFirstDay, graph.GraphLastDay};
}

std::optional<vcl::TDateTime> TfrmConcentration::ShownMoment() const
{
    const std::optional<vcl::TDateTime> day = ShownPickerDate(DateTimePicker1);
    if (!day)
        return std::nullopt;
    return MomentFromCells(*day, StringGridEx25->Cells(0, 0), StringGridEx26->Cells(0, 0));
}

void TfrmConcentration::ShowMoment(const TMomentFields& fields)
{
    SetPickerDate(DateTimePicker1, fields.Day);
    StringGridEx25->SetCellValue(0, 0, fields.Hour);
    StringGridEx26->SetCellValue(0, 0, fields.Minute);
}

void TfrmConcentration::FillValues(vcl::TDateTime t)
{
    TSetValues values{};
    int k = 0;
    CalcConcAllSets(hub_.EngineContext(), t, values, k);
    const TSetRowTexts texts = SetValueTexts(values, k);
    SetRowTexts(StringGridEx1, 1, texts);
}

void TfrmConcentration::FormShow()
{
    StringGridEx1->SetCells(0, 0, ConcentrationHeadingFor(DrugKeyOf(CurrentAnalysis)));
    DateTimePicker1Change();
}

void TfrmConcentration::DateTimePicker1Change()
{
    const std::optional<vcl::TDateTime> day = ShownPickerDate(DateTimePicker1);
    if (!day) {
        SetRowTexts(StringGridEx1, 1, NoValueTexts());
        return;
    }
    // A cell that holds no time counts as 00:00 of the chosen day.
    const vcl::TDateTime t = ShownMoment().value_or(*day);
    const TMomentFields fields = PullIntoSchedule(t, Days());
    ShowMoment(fields);
    FillValues(MomentOf(fields));
}

void TfrmConcentration::plButton1Click(QObject* Sender)
{
    if (!ReadPickerDate(DateTimePicker1, {NotADateMessage(QStringLiteral("日時")), windowTitle()}))
        return;
    const std::optional<vcl::TDateTime> t = ShownMoment();
    if (!t)
        return;
    const TStepDirection direction = Sender == plButton2 ? TStepDirection::Forward : TStepDirection::Back;
    const TMomentFields fields = StepMoment(*t, StepUnitOf(ComboBox1->currentIndex()), direction, Days());
    ShowMoment(fields);
    FillValues(MomentOf(fields));
}

void TfrmConcentration::StringGridEx25SetEditText(QObject*, int, int, const QString&)
{
    if (!ShownPickerDate(DateTimePicker1))
        SetRowTexts(StringGridEx1, 1, NoValueTexts());
    else if (const std::optional<vcl::TDateTime> t = ShownMoment())
        FillValues(*t);
}
