#include "uPKPD.h"

#include "EntryCells.h"
#include "Fonts.h"
#include "MainWindowHub.h"
#include "NumberCell.h"
#include "PageWidgets.h"
#include "ResultDialogParts.h"
#include "ResultDialogRules.h"
#include "StringGridEx.h"
#include "plButton.h"

#include <QDateEdit>
#include <QLabel>
#include <array>

TfrmPKPD* frmPKPD = nullptr;

TfrmPKPD::TfrmPKPD(TMainWindowHub& hub, QWidget* parent) : TFillOnShowForm(parent), hub_(hub)
{
    setObjectName(QStringLiteral("frmPKPD"));
    setWindowTitle(QStringLiteral("PK/PD表示"));
    setFont(vcl::ProgramFont(9));
    SetClientSize(420, 190);

    AddCaption(this, QStringLiteral("日付"), 16, 20);
    DateTimePicker1 = AddDatePicker(this, QStringLiteral("DateTimePicker1"), 60, 16);
    StringGridEx1 = AddNumberCell(this, QStringLiteral("StringGridEx1"), 206, 16, 80,
                                  {.Min = 0, .Max = 9999, .Format = QStringLiteral("0.0")});
    AddCaption(this, QStringLiteral("μg/mL"), 292, 20);

    AddCaption(this, QStringLiteral("PK/PD"), 16, 68);
    StringGridEx2 = AddTextTable(this, QStringLiteral("StringGridEx2"), 76, 64, {60}, 1, THeadingRow::None,
                                 THeadingColumn::None);
    StringGridEx2->SetCells(0, 0, QStringLiteral("0"));
    AddCaption(this, QStringLiteral("hr / 24hr = "), 146, 68);
    StringGridEx3 = AddTextTable(this, QStringLiteral("StringGridEx3"), 226, 64, {60}, 1, THeadingRow::None,
                                 THeadingColumn::None);
    StringGridEx3->SetCells(0, 0, QStringLiteral("0.0"));
    AddCaption(this, QStringLiteral("％"), 292, 68);
    AddCaption(this, QStringLiteral("静菌的20％  殺菌的40％"), 76, 104);

    plButton3 = AddButton(this, QStringLiteral("plButton3"), QStringLiteral("閉じる"), 304, 146, 100, 30);
    plButton3->SetModalResult(vcl::mrCancel);

    connect(DateTimePicker1, &QDateEdit::dateChanged, this,
            [this] { vcl::RunEventHandler([this] { DateTimePicker1Change(); }); });
    OnPickerTextChange(DateTimePicker1, [this] { vcl::RunEventHandler([this] { UpdateTimeAboveMic(); }); });
    StringGridEx1->OnValueChange = [this](QObject* Sender, int ACol, int ARow) {
        StringGridEx1ValueChange(Sender, ACol, ARow);
    };
    StringGridEx1->OnKeyPress = [this](QObject* Sender, QChar& Key) { StringGridEx1KeyPress(Sender, Key); };
}

void TfrmPKPD::ShowOnFirstDay()
{
    SetPickerDate(DateTimePicker1, hub_.Graph().GraphFirstDay);
    ShowModal();
}

void TfrmPKPD::FormShow()
{
    UpdateTimeAboveMic();
}

void TfrmPKPD::DateTimePicker1Change()
{
    UpdateTimeAboveMic();
}

void TfrmPKPD::StringGridEx1ValueChange(QObject*, int, int)
{
    UpdateTimeAboveMic();
}

void TfrmPKPD::StringGridEx1KeyPress(QObject* Sender, QChar& Key)
{
    // Enter takes the MIC as leaving the cell does.
    if (Key != QChar(13))
        return;
    StringGridEx1->DoValidate(0, 0);
    StringGridEx1ValueChange(Sender, 0, 0);
}

void TfrmPKPD::UpdateTimeAboveMic()
{
    double mic = 0;
    const std::optional<vcl::TDateTime> shown = ShownPickerDate(DateTimePicker1);
    if (!shown || !StringGridEx1->TryGetCellValue(0, 0, mic)) {
        StringGridEx2->SetCells(0, 0, QString());
        StringGridEx3->SetCells(0, 0, QString());
        return;
    }
    const TGraphState& graph = hub_.Graph();
    // A day outside the schedule is moved to its first or last day and
    // computed there.
    const vcl::TDateTime day = PullPkPdDay(*shown, {graph.GraphFirstDay, graph.GraphLastDay});
    SetPickerDate(DateTimePicker1, day);
    std::array<double, MinutesPerDay> concentrations{};
    CalcConcCurveOfDay(hub_.EngineContext(), day, concentrations);
    const TTimeAboveMic above = TimeAboveMic(concentrations, mic);
    StringGridEx2->SetCells(0, 0, above.Hours);
    StringGridEx3->SetCells(0, 0, above.Percent);
}
