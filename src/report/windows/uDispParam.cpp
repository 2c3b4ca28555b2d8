#include "uDispParam.h"

#include "Events.h"
#include "Fonts.h"
#include "NumberCell.h"
#include "ParamTable.h"
#include "PageWidgets.h"
#include "StringGridEx.h"
#include "Ucommon.h"
#include "plButton.h"

#include <QLabel>
#include <QShowEvent>

TfrmDispParam* frmDispParam = nullptr;

namespace {

constexpr int ColumnWidths[ParamTableColumns] = {136, 100, 100, 100, 100};
constexpr int RowHeight = 24;

QFont HeaderFont()
{
    QFont font = vcl::ProgramFont();
    font.setPixelSize(16);
    font.setBold(true);
    return font;
}

void BuildParamGrid(TStringGridEx* grid)
{
    grid->SetColCount(ParamTableColumns);
    grid->SetRowCount(ParamTableRows);
    grid->SetFixedCols(0);
    grid->SetFixedRows(1);
    grid->SetDefaultRowHeight(RowHeight);
    grid->SetScrollBars(ssVertical);
    grid->SetOptions(goFixedVertLine | goFixedHorzLine | goVertLine | goHorzLine);
    const QString headers[ParamTableColumns] = {QStringLiteral("動態係数"), QStringLiteral("母集団値"),
                                                QStringLiteral("個体間変動"), QStringLiteral("患者推定値"),
                                                QStringLiteral("推定分散")};
    for (int column = 0; column < ParamTableColumns; ++column) {
        TRange* header = grid->Ranges()->Add();
        header->SetColLeft(column);
        header->SetColRight(column);
        header->SetRowTop(0);
        header->SetRowBottom(0);
        header->SetRangeType(trtFixedStr);
        header->SetText(headers[column]);
        header->SetFont(HeaderFont());
        header->SetColor(vcl::clBtnFace);
        header->SetBevelInner(bvRaised);
        header->SetAlignment(taCenter);
        header->SetAlignmentV(tavCenter);
        header->SetColWidth(ColumnWidths[column]);
    }
    // Column 0 the labels, centred; columns 1 to 4 the values, right-aligned.
    const int firsts[] = {0, 1};
    const int lasts[] = {0, ParamTableColumns - 1};
    const TAlignment alignments[] = {taCenter, taRightJustify};
    for (int part = 0; part < 2; ++part) {
        TRange* data = grid->Ranges()->Add();
        data->SetColLeft(firsts[part]);
        data->SetColRight(lasts[part]);
        data->SetRowTop(1);
        data->SetRowBottom(ParamTableRows - 1);
        data->SetRangeType(trtEditStr);
        data->SetFmtStr(QStringLiteral("0.0000"));
        data->SetMax(1000);
        data->SetColor(vcl::clInfoBk);
        data->SetAlignment(alignments[part]);
        data->SetAlignmentV(tavCenter);
    }
    for (int column = 0; column < ParamTableColumns; ++column)
        grid->SetColWidths(column, ColumnWidths[column]);
}

} // namespace

TfrmDispParam::TfrmDispParam(QWidget* parent) : vcl::TForm(parent)
{
    setObjectName(QStringLiteral("frmDispParam"));
    setWindowTitle(QStringLiteral("動態係数"));
    setFont(vcl::ProgramFont());
    SetColor(MainWindowColor);

    StringGridEx2 = new TStringGridEx(this);
    StringGridEx2->setObjectName(QStringLiteral("StringGridEx2"));
    BuildParamGrid(StringGridEx2);
    StringGridEx2->InitByDefault();
    int gridWidth = 2 * StringGridEx2->frameWidth() + 20;   // the vertical scroll bar
    for (int width : ColumnWidths)
        gridWidth += width + StringGridEx2->GridLineWidth();
    const int gridHeight = ParamTableRows * (RowHeight + StringGridEx2->GridLineWidth()) + 2 * StringGridEx2->frameWidth();
    StringGridEx2->setGeometry(8, 8, gridWidth, gridHeight);
    StringGridEx2->setEnabled(false);

    const int bottomRow = 8 + gridHeight + 12;
    auto* Label30 = new QLabel(QStringLiteral("SS値"), this);
    Label30->setObjectName(QStringLiteral("Label30"));
    QFont labelFont = HeaderFont();
    Label30->setFont(labelFont);
    Label30->setGeometry(16, bottomRow, 60, RowHeight);

    StringGridEx7 = AddNumberCell(this, QStringLiteral("StringGridEx7"), 80, bottomRow, 100,
                                  {.Min = 0.0001,
                                   .Max = 1000,
                                   .Default = 0.0001,
                                   .Format = QStringLiteral("0.0000"),
                                   .Editing = TCellEditing::ReadOnly,
                                   .Color = vcl::clInfoBk,
                                   .Start = TCellStart::Empty,
                                   .WidthIs = TCellMeasure::CellOnly,
                                   .Height = RowHeight});
    StringGridEx7->setEnabled(false);

    plButton12 = AddButton(this, QStringLiteral("plButton12"), QStringLiteral("閉じる"), gridWidth + 8 - 112,
                           bottomRow - 4, 112, 32);
    plButton12->SetModalResult(vcl::mrCancel);

    // The five columns need more than the 471 pixels the window was first
    // drawn with; the window is as wide as its table.
    SetClientSize(gridWidth + 16, std::max(249, bottomRow + RowHeight + 16));
}

void TfrmDispParam::showEvent(QShowEvent* event)
{
    vcl::TForm::showEvent(event);
    vcl::RunEventHandler([this] { FormShow(); });
}

void TfrmDispParam::FormShow()
{
    FillParamTable(*this, CurrentAnalysis);
}

void FillParamTable(TfrmDispParam& form, const TAnalysisRecord& analysis)
{
    const TParamTable table = BuildParamTable(analysis);
    TStringGridEx& grid = *form.StringGridEx2;
    for (int row = 0; row < grid.RowCount(); ++row) {
        for (int column = 0; column < grid.ColCount(); ++column)
            grid.SetCells(column, row, table.Cells[static_cast<std::size_t>(row)][static_cast<std::size_t>(column)]);
    }
    form.StringGridEx7->SetCells(0, 0, QString());
    form.StringGridEx7->SetCells(0, 0, table.Ss);
}
