#include "GridDemoWindow.h"

#include "Fonts.h"
#include "StringGridEx.h"

#include <QLabel>

namespace {

constexpr TGridOptions SingleCellOptions =
    goFixedVertLine | goFixedHorzLine | goVertLine | goHorzLine | goRangeSelect | goEditing;

TStringGridEx* SingleCell(QWidget* parent, const QString& name, int x, int y)
{
    auto* grid = new TStringGridEx(parent);
    grid->setObjectName(name);
    grid->SetColCount(1);
    grid->SetRowCount(1);
    grid->SetFixedCols(0);
    grid->SetFixedRows(0);
    grid->SetScrollBars(ssNone);
    grid->SetOptions(SingleCellOptions);
    grid->move(x, y);
    return grid;
}

QLabel* Caption(QWidget* parent, const QString& text, int x, int y)
{
    auto* label = new QLabel(text, parent);
    label->move(x, y + 4);
    return label;
}

} // namespace

GridDemoWindow::GridDemoWindow(QWidget* parent) : QWidget(parent)
{
    setFont(vcl::ProgramFont(9));
    setWindowTitle(QStringLiteral("TStringGridEx"));

    Caption(this, QStringLiteral("グラフ最大値"), 10, 10);
    NumberBox = SingleCell(this, QStringLiteral("NumberBox"), 120, 10);
    TRange* number = NumberBox->Ranges()->Add();
    number->SetRangeType(trtEditVal);
    number->SetMin(1);
    number->SetMax(10000);
    number->SetDefault(10);
    number->SetFmtStr(QStringLiteral("0.00"));
    number->SetColWidth(72);
    number->SetColor(NumberColor);
    number->SetAlignment(taRightJustify);
    number->SetAlignmentV(tavCenter);
    NumberBox->SetKeyCodeInc(fkcF5);
    NumberBox->SetKeyCodeDec(fkcS5);

    Caption(this, QStringLiteral("患者名"), 10, 50);
    TextBox = SingleCell(this, QStringLiteral("TextBox"), 120, 50);
    TRange* text = TextBox->Ranges()->Add();
    text->SetRangeType(trtEditStr);
    text->SetMaxLength(10);
    text->SetImeMode(imHira);
    text->SetColWidth(120);
    text->SetColor(TextColor);

    Caption(this, QStringLiteral("肥満"), 10, 90);
    ListBox = SingleCell(this, QStringLiteral("ListBox"), 120, 90);
    TRange* list = ListBox->Ranges()->Add();
    list->SetRangeType(trtList);
    list->SetItems({QStringLiteral("なし"), QStringLiteral("あり")});
    list->SetColWidth(72);
    list->SetColor(ListColor);
    list->SetAlignment(taCenter);
    list->SetAlignmentV(tavCenter);

    Caption(this, QStringLiteral("SS値"), 10, 130);
    DisabledBox = SingleCell(this, QStringLiteral("DisabledBox"), 120, 130);
    TRange* disabled = DisabledBox->Ranges()->Add();
    disabled->SetRangeType(trtEditVal);
    disabled->SetMin(0.0001);
    disabled->SetMax(1000);
    disabled->SetDefault(0.0001);
    disabled->SetFmtStr(QStringLiteral("0.0000"));
    disabled->SetColWidth(100);
    disabled->SetColor(DisabledColor);
    disabled->SetAlignment(taRightJustify);
    DisabledBox->SetCellDisabled(0, 0, true);

    Table = new TStringGridEx(this);
    Table->setObjectName(QStringLiteral("Table"));
    Table->SetColCount(4);
    Table->SetRowCount(6);
    Table->SetFixedCols(1);
    Table->SetFixedRows(1);
    Table->SetScrollBars(ssVertical);
    Table->SetOptions(SingleCellOptions);
    Table->SetColWidths(0, 100);
    QFont bold = font();
    bold.setBold(true);
    bold.setPixelSize(16);
    auto heading = [&](int left, int right, const QString& caption) {
        TRange* range = Table->Ranges()->Add();
        range->SetColRight(right);
        range->SetColLeft(left);
        range->SetText(caption);
        range->SetUnion(true);
        range->SetColor(HeaderColor);
        range->SetBevelInner(bvRaised);
        range->SetAlignment(taCenter);
        range->SetAlignmentV(tavCenter);
        range->SetFont(bold);
    };
    heading(0, 0, QStringLiteral("動態係数"));
    heading(1, 2, QStringLiteral("平均値"));
    heading(3, 3, QStringLiteral("色"));
    TRange* values = Table->Ranges()->Add();
    values->SetColLeft(1);
    values->SetColRight(2);
    values->SetRowTop(1);
    values->SetRowBottom(5);
    values->SetRangeType(trtEditVal);
    values->SetMax(1000);
    values->SetDefault(1);
    values->SetFmtStr(QStringLiteral("0.0000"));
    values->SetColWidth(90);
    values->SetColor(TableNumberColor);
    values->SetAlignment(taRightJustify);
    values->SetAlignmentV(tavCenter);
    TRange* colours = Table->Ranges()->Add();
    colours->SetColLeft(3);
    colours->SetColRight(3);
    colours->SetRowTop(1);
    colours->SetRowBottom(5);
    colours->SetRangeType(trtListColor);
    colours->SetItems({QStringLiteral("clRed"), QStringLiteral("clLime"), QStringLiteral("clBlue")});
    colours->SetColWidth(60);
    const QStringList captions{QStringLiteral("CL (L/hr)"), QStringLiteral("Vd (L)"), QStringLiteral("Ka (1/hr)"),
                               QStringLiteral("K12 (1/hr)"), QStringLiteral("K21 (1/hr)")};
    for (int row = 1; row <= captions.size(); ++row)
        Table->SetCells(0, row, captions[row - 1]);
    Table->move(10, 180);

    for (TStringGridEx* grid : {NumberBox, TextBox, ListBox, DisabledBox, Table}) {
        grid->InitByDefault();
        grid->resize(grid->sizeHint());
    }
    resize(420, 180 + Table->height() + 10);
}
