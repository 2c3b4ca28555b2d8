#include "ResultDialogParts.h"

#include "StringGridEx.h"
#include "WindowPlacement.h"

namespace {

constexpr int RowHeight = 24;

void AddArea(TStringGridEx* grid, int colLeft, int colRight, int rowTop, int rowBottom, vcl::TColor color,
             TAlignment alignment)
{
    TRange* range = grid->Ranges()->Add();
    range->SetRangeType(trtEditStr);
    range->SetColLeft(colLeft);
    range->SetColRight(colRight);
    range->SetRowTop(rowTop);
    range->SetRowBottom(rowBottom);
    range->SetColor(color);
    range->SetAlignment(alignment);
    range->SetAlignmentV(tavCenter);
}

} // namespace

void TFillOnShowForm::showEvent(QShowEvent* event)
{
    vcl::TForm::showEvent(event);
    CenterOnScreen(this);
    vcl::RunEventHandler([this] { FormShow(); });
}

TStringGridEx* AddTextTable(QWidget* parent, const QString& name, int left, int top,
                            std::initializer_list<int> colWidths, int rowCount, THeadingRow headingRow,
                            THeadingColumn headingColumn)
{
    auto* grid = new TStringGridEx(parent);
    grid->setObjectName(name);
    const int cols = static_cast<int>(colWidths.size());
    const int fixedRows = headingRow == THeadingRow::First ? 1 : 0;
    const int fixedCols = headingColumn == THeadingColumn::First ? 1 : 0;
    grid->SetColCount(cols);
    grid->SetRowCount(rowCount);
    grid->SetFixedRows(fixedRows);
    grid->SetFixedCols(fixedCols);
    grid->SetScrollBars(ssNone);
    grid->SetOptions(goFixedVertLine | goFixedHorzLine | goVertLine | goHorzLine);
    grid->SetDefaultRowHeight(RowHeight);
    int col = 0;
    for (int width : colWidths)
        grid->SetColWidths(col++, width);
    // The heading areas come first: the first range holding a cell decides it.
    if (fixedRows > 0)
        AddArea(grid, 0, cols - 1, 0, 0, vcl::clBtnFace, taCenter);
    if (fixedCols > 0 && rowCount > fixedRows)
        AddArea(grid, 0, 0, fixedRows, rowCount - 1, vcl::clBtnFace, taCenter);
    if (cols > fixedCols && rowCount > fixedRows)
        AddArea(grid, fixedCols, cols - 1, fixedRows, rowCount - 1, vcl::clWindow, taRightJustify);
    const QSize size = grid->sizeHint();
    grid->setGeometry(left, top, size.width(), size.height());
    return grid;
}

void SetRowTexts(TStringGridEx* grid, int row, std::span<const QString> texts)
{
    int col = 1;
    for (const QString& text : texts)
        grid->SetCells(col++, row, text);
}
