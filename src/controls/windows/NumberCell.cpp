#include "NumberCell.h"

#include "StringGridEx.h"

TStringGridEx* AddOneCellGrid(QWidget* parent, const QString& name, TGridOptions options)
{
    auto* grid = new TStringGridEx(parent);
    grid->setObjectName(name);
    grid->SetColCount(1);
    grid->SetRowCount(1);
    grid->SetFixedCols(0);
    grid->SetFixedRows(0);
    grid->SetScrollBars(ssNone);
    grid->SetOptions(options);
    return grid;
}

TStringGridEx* AddNumberCell(QWidget* parent, const QString& name, int left, int top, int width,
                             const TNumberCellSpec& spec)
{
    TStringGridEx* grid = AddOneCellGrid(
        parent, name, spec.Editing == TCellEditing::Typed ? spec.GridOptions | goEditing : spec.GridOptions);
    grid->SetGridLineWidth(spec.GridLineWidth);

    // What the frame and the grid line (where one is drawn) add around the cell.
    const QSize around = grid->sizeHint() - QSize(grid->ColWidths(0), grid->RowHeights(0));
    const int cellWidth = spec.WidthIs == TCellMeasure::WholeGrid ? width - around.width() : width;
    const int cellHeight = spec.HeightIs == TCellMeasure::WholeGrid ? spec.Height - around.height() : spec.Height;
    grid->SetDefaultColWidth(cellWidth);
    grid->SetDefaultRowHeight(cellHeight);

    TRange* range = grid->Ranges()->Add();
    range->SetRangeType(trtEditVal);
    range->SetMin(spec.Min);
    range->SetMax(spec.Max);
    range->SetDefault(spec.Default);
    range->SetFmtStr(spec.Format);
    range->SetColor(spec.Color);
    range->SetAlignment(spec.Alignment);
    range->SetAlignmentV(spec.AlignmentV);

    grid->setGeometry(left, top, cellWidth + around.width(), cellHeight + around.height());
    if (spec.Start == TCellStart::RangeDefault)
        grid->InitByDefault();
    return grid;
}

void SetCellEditable(TStringGridEx* cell, bool editable)
{
    cell->SetCellDisabled(0, 0, !editable);
    if (TRange* range = cell->FindRange(0, 0))
        range->SetColor(editable ? vcl::clWindow : vcl::clSilver);
}

std::optional<double> NumberCellValue(const TStringGridEx* cell)
{
    double value = 0;
    if (!cell->TryGetCellValue(0, 0, value))
        return std::nullopt;
    return value;
}
