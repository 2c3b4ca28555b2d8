#include "uAUC.h"

#include "EntryCells.h"
#include "Fonts.h"
#include "MainWindowHub.h"
#include "NumberFormat.h"
#include "PageWidgets.h"
#include "ResultDialogParts.h"
#include "ResultDialogRules.h"
#include "StringGridEx.h"
#include "plButton.h"
#include "uAUCrHelpDlg.h"

#include <QDateEdit>
#include <QFontMetrics>
#include <QLabel>

TfrmAUC* frmAUC = nullptr;

namespace {

const QString TableHeading = QStringLiteral("AUC  (μg・hr/mL)");

// A small "24" set low into the gap after "AUC" of a text drawn from x.
QLabel* AddSubscript(QWidget* parent, const QString& name, const QFont& textFont, const QString& text, int x, int y)
{
    auto* label = new QLabel(QStringLiteral("24"), parent);
    label->setObjectName(name);
    label->setFont(vcl::ProgramFont(7));
    label->adjustSize();
    const int gap = QFontMetrics(textFont).horizontalAdvance(text.left(text.indexOf(QStringLiteral("AUC")) + 3));
    label->move(x + gap, y);
    return label;
}

} // namespace

TfrmAUC::TfrmAUC(TMainWindowHub& hub, QWidget* parent) : TFillOnShowForm(parent), hub_(hub)
{
    setObjectName(QStringLiteral("frmAUC"));
    setWindowTitle(QStringLiteral("AUC値表示"));
    setFont(vcl::ProgramFont(9));
    SetClientSize(640, 210);

    DateTimePicker1 = AddDatePicker(this, QStringLiteral("DateTimePicker1"), 16, 16);
    const QString caption = QStringLiteral("の投与量での定常状態のAUC  値（推定）");
    AddCaption(this, caption, 142, 20);
    Panel1 = AddSubscript(this, QStringLiteral("Panel1"), font(), caption, 142, 27);

    StringGridEx1 = AddTextTable(this, QStringLiteral("StringGridEx1"), 16, 56, {150, 90, 90, 90, 90, 90}, 3,
                                 THeadingRow::First, THeadingColumn::First);
    const QString headings[] = {TableHeading, QStringLiteral("母集団"), QStringLiteral("患者データ"),
                                QStringLiteral("変更1"), QStringLiteral("変更2"), QStringLiteral("変更3")};
    for (int col = 0; col < 6; ++col)
        StringGridEx1->SetCells(col, 0, headings[col]);
    StringGridEx1->SetCells(0, 1, QStringLiteral("Dose-CLtot近似法"));
    StringGridEx1->SetCells(0, 2, QStringLiteral("区分求積法"));
    for (int row = 1; row <= 2; ++row) {
        for (int col = 1; col <= 5; ++col)
            StringGridEx1->SetCells(col, row, col <= 2 ? vcl::FormatFloat(QStringLiteral("0"), 9999.0) : NoValueText);
    }
    // The heading is centred in its 150-pixel cell.
    const QFontMetrics metrics(StringGridEx1->font());
    const int headingLeft = 16 + StringGridEx1->frameWidth() + (150 - metrics.horizontalAdvance(TableHeading)) / 2;
    Panel2 = AddSubscript(this, QStringLiteral("Panel2"), StringGridEx1->font(), TableHeading, headingLeft,
                          56 + StringGridEx1->frameWidth() + 13);

    plButton1 = AddButton(this, QStringLiteral("plButton1"), QStringLiteral("解説"), 414, 164, 100, 30);
    plButton1->OnClick = [this](QObject* Sender) { plButton1Click(Sender); };
    plButton3 = AddButton(this, QStringLiteral("plButton3"), QStringLiteral("閉じる"), 524, 164, 100, 30);
    plButton3->SetModalResult(vcl::mrCancel);

    connect(DateTimePicker1, &QDateEdit::dateChanged, this,
            [this] { vcl::RunEventHandler([this] { DateTimePicker1Change(); }); });
    OnPickerTextChange(DateTimePicker1, [this] { vcl::RunEventHandler([this] { FillAuc(); }); });
}

void TfrmAUC::FormShow()
{
    FillAuc();
}

void TfrmAUC::DateTimePicker1Change()
{
    FillAuc();
}

void TfrmAUC::FillAuc()
{
    const std::optional<vcl::TDateTime> shown = ShownPickerDate(DateTimePicker1);
    if (!shown) {
        SetRowTexts(StringGridEx1, 1, NoValueTexts());
        SetRowTexts(StringGridEx1, 2, NoValueTexts());
        return;
    }
    const TGraphState& graph = hub_.Graph();
    const vcl::TDateTime day = PullAucDay(*shown, {graph.GraphFirstDay, graph.GraphLastDay});
    SetPickerDate(DateTimePicker1, day);

    const TEngineContext context = hub_.EngineContext();
    TAucValues values{};
    int k = 0;
    const bool byDose = CalcDailyAuc(context, day, values, k);
    SetRowTexts(StringGridEx1, 1, AucRowTexts(byDose, values, k));
    const bool byCurve = CalcDailyAucFine(context, hub_.CurveLists(), day, values, k);
    SetRowTexts(StringGridEx1, 2, AucRowTexts(byCurve, values, k));
}

void TfrmAUC::plButton1Click(QObject*)
{
    if (frmAUCrHelpDlg)
        frmAUCrHelpDlg->ShowModal();
}
