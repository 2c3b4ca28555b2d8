#include "uScale.h"

#include "EntryCells.h"
#include "Fonts.h"
#include "MainWindowHub.h"
#include "MessageBox.h"
#include "NumberCell.h"
#include "PageWidgets.h"
#include "StringGridEx.h"
#include "TypedNumber.h"
#include "Ucommon.h"
#include "plButton.h"
#include "uDataBase.h"

#include <QDateEdit>
#include <QLabel>

TfrmScale* frmScale = nullptr;

namespace {

constexpr int LabelLeft = 20;
constexpr int FieldLeft = 150;
constexpr int CellWidth = 100;

void SetGreyed(TStringGridEx* cell, bool greyed)
{
    cell->SetCellDisabled(0, 0, greyed);
    if (TRange* range = cell->FindRange(0, 0))
        range->SetFontColor(greyed ? vcl::clGray : vcl::clWindowText);
}

} // namespace

TfrmScale::TfrmScale(TMainWindowHub& hub, QWidget* parent) : TFillOnShowForm(parent), hub_(hub)
{
    setObjectName(QStringLiteral("frmScale"));
    setWindowTitle(QStringLiteral("グラフスケール"));
    setFont(vcl::ProgramFont(9));
    SetClientSize(300, 262);

    const auto row = [](int index) { return 16 + index * 34; };
    const QString format = QStringLiteral("0.00");
    AddCaption(this, QStringLiteral("グラフ最大値"), LabelLeft, row(0) + 4);
    StringGridEx1 = AddNumberCell(this, QStringLiteral("StringGridEx1"), FieldLeft, row(0), CellWidth,
                                  {.Min = 1, .Max = 10000, .Default = 10, .Format = format});
    AddCaption(this, QStringLiteral("グラフ最小値"), LabelLeft, row(1) + 4);
    StringGridEx2 = AddNumberCell(this, QStringLiteral("StringGridEx2"), FieldLeft, row(1), CellWidth,
                                  {.Min = 0, .Max = 10000, .Default = 0, .Format = format});
    Label5 = AddCaption(this, QStringLiteral("有効治療域上限"), LabelLeft, row(2) + 4);
    StringGridEx3 = AddNumberCell(this, QStringLiteral("StringGridEx3"), FieldLeft, row(2), CellWidth,
                                  {.Min = 0, .Max = RangeLimitMax, .Default = 10, .Format = format});
    Label6 = AddCaption(this, QStringLiteral("有効治療域下限"), LabelLeft, row(3) + 4);
    StringGridEx4 = AddNumberCell(this, QStringLiteral("StringGridEx4"), FieldLeft, row(3), CellWidth,
                                  {.Min = 0, .Max = RangeLimitMax, .Default = 10, .Format = format});
    AddCaption(this, QStringLiteral("表示開始年月日"), LabelLeft, row(4) + 4);
    DateTimePicker2 = AddDatePicker(this, QStringLiteral("DateTimePicker2"), FieldLeft, row(4));
    AddCaption(this, QStringLiteral("表示終了年月日"), LabelLeft, row(5) + 4);
    DateTimePicker1 = AddDatePicker(this, QStringLiteral("DateTimePicker1"), FieldLeft, row(5));

    plButton8 = AddButton(this, QStringLiteral("plButton8"), QStringLiteral("初期化"), 20, 220, 80, 30);
    plButton8->hide();
    plButton1 = AddButton(this, QStringLiteral("plButton1"), QStringLiteral("確定"), 110, 220, 80, 30);
    plButton1->SetModalResult(vcl::mrOk);
    plButton1->OnClick = [this](QObject* Sender) { plButton1Click(Sender); };
    plButton2 = AddButton(this, QStringLiteral("plButton2"), QStringLiteral("閉じる"), 200, 220, 80, 30);
    plButton2->SetModalResult(vcl::mrCancel);
}

void TfrmScale::FormShow()
{
    const TScaleAxis axis = ScaleAxisFor(DrugKeyOf(CurrentAnalysis));
    const bool logarithmic = axis == TScaleAxis::Logarithmic;
    const TScaleEntry entry = ScaleEntryFromGraph(hub_.Graph(), axis);
    for (TStringGridEx* cell : {StringGridEx1, StringGridEx2})
        SetGreyed(cell, logarithmic);
    for (QWidget* part : std::initializer_list<QWidget*>{Label5, Label6, StringGridEx3, StringGridEx4})
        part->setVisible(!logarithmic);
    DateTimePicker2->setEnabled(!logarithmic);

    StringGridEx1->SetCellValue(0, 0, entry.YMax);
    StringGridEx2->SetCellValue(0, 0, entry.YMin);
    StringGridEx3->SetCellValue(0, 0, entry.RangeUpper);
    StringGridEx4->SetCellValue(0, 0, entry.RangeLower);
    SetPickerDate(DateTimePicker2, entry.ViewStart);
    SetPickerDate(DateTimePicker1, entry.ViewEnd);
}

std::optional<TScaleEntry> TfrmScale::ReadEntry()
{
    struct Field {
        TStringGridEx* cell;
        const char16_t* name;
        double TScaleEntry::*value;
    };
    const Field fields[] = {
        {StringGridEx1, u"グラフ最大値", &TScaleEntry::YMax},
        {StringGridEx2, u"グラフ最小値", &TScaleEntry::YMin},
        {StringGridEx3, u"有効治療域上限", &TScaleEntry::RangeUpper},
        {StringGridEx4, u"有効治療域下限", &TScaleEntry::RangeLower},
    };
    TScaleEntry entry;
    for (const Field& field : fields) {
        const std::optional<double> value = ReadTypedNumber(
            *field.cell, 0, 0, {NotANumberMessage(QString::fromUtf16(field.name)), ScaleErrorCaption});
        if (!value)
            return std::nullopt;
        entry.*field.value = *value;
    }
    const std::optional<vcl::TDateTime> start =
        ReadPickerDate(DateTimePicker2, {NotADateMessage(QStringLiteral("表示開始年月日")), ScaleErrorCaption});
    const std::optional<vcl::TDateTime> end = start ? ReadPickerDate(
        DateTimePicker1, {NotADateMessage(QStringLiteral("表示終了年月日")), ScaleErrorCaption}) : std::nullopt;
    if (!end)
        return std::nullopt;
    entry.ViewStart = *start;
    entry.ViewEnd = *end;
    return entry;
}

void TfrmScale::plButton1Click(QObject*)
{
    const std::optional<TScaleEntry> entry = ReadEntry();
    if (!entry) {
        SetModalResult(vcl::mrNone);
        return;
    }
    if (const std::optional<TScaleRefusal> refusal = CheckScaleEntry(*entry, hub_.Graph())) {
        vcl::ShowError(refusal->Text, refusal->Caption);
        SetModalResult(vcl::mrNone);
        Focus(refusal->Focus);
        return;
    }
    confirmed_ = *entry;
}

void TfrmScale::Focus(TScaleField field)
{
    QWidget* control = StringGridEx1;
    switch (field) {
    case TScaleField::ViewStart: control = DateTimePicker2; break;
    case TScaleField::ViewEnd: control = DateTimePicker1; break;
    case TScaleField::YMax: control = StringGridEx1; break;
    case TScaleField::RangeUpper: control = StringGridEx3; break;
    }
    control->setFocus(Qt::OtherFocusReason);
}

TDialogOutcome TfrmScale::ShowAndApply()
{
    if (ShowModal() != vcl::mrOk)
        return TDialogOutcome::Cancelled;
    const TDrugKey drug = DrugKeyOf(CurrentAnalysis);
    TGraphState& graph = hub_.Graph();
    ApplyScaleEntry(graph, confirmed_, ScaleAxisFor(drug));
    // From now on the product's own range, also when it did not change.
    if (DataModule1
        && DataModule1->WriteRangeLimits(drug.kubun, drug.yakuzai, drug.yakuhin, graph.RangeUpper, graph.RangeLower)
               != 0)
        vcl::ShowError(DataModule1->LastFailureText(), ScaleErrorCaption);
    return TDialogOutcome::Confirmed;
}
