#include "GridDemoWindow.h"

#include "Fonts.h"
#include "NumberCell.h"
#include "StringGridEx.h"

#include <QLabel>

namespace {

constexpr TGridOptions SingleCellOptions =
    goFixedVertLine | goFixedHorzLine | goVertLine | goHorzLine | goRangeSelect | goEditing;

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
    NumberBox = AddNumberCell(this, QStringLiteral("NumberBox"), 120, 10, 72,
                              {.Min = 1,
                               .Max = 10000,
                               .Default = 10,
                               .Format = QStringLiteral("0.00"),
                               .Color = NumberColor,
                               .WidthIs = TCellMeasure::CellOnly});
    NumberBox->SetKeyCodeInc(fkcF5);
    NumberBox->SetKeyCodeDec(fkcS5);

    Caption(this, QStringLiteral("患者名"), 10, 50);
    TextBox = AddOneCellGrid(this, QStringLiteral("TextBox"), SingleCellOptions);
    TextBox->move(120, 50);
    TRange* text = TextBox->Ranges()->Add();
    text->SetRangeType(trtEditStr);
    text->SetMaxLength(10);
    text->SetImeMode(imHira);
    text->SetColWidth(120);
    text->SetColor(TextColor);

    Caption(this, QStringLiteral("肥満"), 10, 90);
    ListBox = AddOneCellGrid(this, QStringLiteral("ListBox"), SingleCellOptions);
    ListBox->move(120, 90);
    TRange* list = ListBox->Ranges()->Add();
    list->SetRangeType(trtList);
    list->SetItems({QStringLiteral("なし"), QStringLiteral("あり")});
    list->SetColWidth(72);
    list->SetColor(ListColor);
    list->SetAlignment(taCenter);
    list->SetAlignmentV(tavCenter);

    Caption(this, QStringLiteral("SS値"), 10, 130);
    DisabledBox = AddNumberCell(this, QStringLiteral("DisabledBox"), 120, 130, 100,
                                {.Min = 0.0001,
                                 .Max = 1000,
                                 .Default = 0.0001,
                                 .Format = QStringLiteral("0.0000"),
                                 .AlignmentV = tavTop,
                                 .Color = DisabledColor,
                                 .WidthIs = TCellMeasure::CellOnly});
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
