// The grid's cells, geometry and typed-cell operations. Input handling lives
// in StringGridExInput.cpp, painting in StringGridExPaint.cpp.
#include "StringGridEx.h"

#include "GridCellRules.h"
#include "InplaceEditEx.h"

#include <QScrollBar>
#include <algorithm>

TStringGridEx::TStringGridEx(QWidget* parent)
    : QAbstractScrollArea(parent), ranges_(std::make_unique<TRanges>(static_cast<TRangesOwner*>(this)))
{
    setFocusPolicy(Qt::StrongFocus);
    setAttribute(Qt::WA_InputMethodEnabled, false);
    viewport()->setMouseTracking(true);
    viewport()->setAutoFillBackground(false);
    colWidths_.assign(5, defaultColWidth_);
    rowHeights_.assign(5, defaultRowHeight_);
    cells_.assign(25, QString());
    editor_ = new TInplaceEditEx(this);
    editor_->hide();
    SetScrollBars(ssBoth);
}

TStringGridEx::~TStringGridEx()
{
    // The editor must not report its focus loss to a grid being destroyed.
    editor_->DetachGrid();
    delete editor_;
}

// ---- Typed cells -------------------------------------------------------------

void TStringGridEx::SetRanges(const TRanges& value)
{
    ranges_->Assign(value);
}

TRange* TStringGridEx::FindRange(int ACol, int ARow) const
{
    return ranges_->Find(ACol, ARow);
}

void TStringGridEx::SetCellValue(int ACol, int ARow, double Value)
{
    if (const auto text = gridrules::TextForValue(Value, FindRange(ACol, ARow)))
        SetCells(ACol, ARow, *text);
}

double TStringGridEx::GetCellValue(int ACol, int ARow) const
{
    double value = 0;
    TryGetCellValue(ACol, ARow, value);
    return value;
}

bool TStringGridEx::TryGetCellValue(int ACol, int ARow, double& Value) const
{
    return gridrules::TryCellValue(Cells(ACol, ARow), FindRange(ACol, ARow), Value);
}

void TStringGridEx::InitByDefault()
{
    for (int row = fixedRows_; row < RowCount(); ++row)
        for (int col = fixedCols_; col < ColCount(); ++col)
            if (const auto text = gridrules::DefaultText(FindRange(col, row)))
                SetCells(col, row, *text);
}

void TStringGridEx::SetCellDisabled(int ACol, int ARow, bool Disabled)
{
    TRange* range = FindRange(ACol, ARow);
    if (!range)
        return;
    range->SetDisabled(Disabled);
    if (range->Contains(Col(), Row())) {
        SetCellImeMode(range);
        if (Disabled)
            HideEditor();
    }
}

bool TStringGridEx::GetCellDisabled(int ACol, int ARow) const
{
    const TRange* range = FindRange(ACol, ARow);
    return range && range->Disabled();
}

void TStringGridEx::IncCellValue(int Dir)
{
    const int col = Col();
    const int row = Row();
    const TRange* range = FindRange(col, row);
    if (!range)
        return;
    if (!range->Disabled()) {
        const int step = Dir >= 1 ? 1 : -1;
        switch (range->RangeType()) {
        case trtEditVal:
            SetCells(col, row, GetNumText(Cells(col, row), step, range));
            break;
        case trtList:
        case trtListColor:
            SetCells(col, row, GetListItem(Cells(col, row), step, range));
            break;
        case trtFixedStr:
        case trtEditStr:
            return;
        }
    }
    if (Cells(col, row) != enterText_) {
        enterText_ = Cells(col, row);
        FireValueChange(col, row);
    }
}

QString TStringGridEx::GetNumText(const QString& Text, int Dir, const TRange* Range) const
{
    return Range ? gridrules::GetNumText(Text, Dir, *Range) : Text;
}

QString TStringGridEx::GetListItem(const QString& Text, int Dir, const TRange* Range) const
{
    return Range ? gridrules::GetListItem(Text, Dir, Range->Items()) : Text;
}

void TStringGridEx::DoValidate(int ACol, int ARow)
{
    const QString text = Cells(ACol, ARow);
    const auto validated = gridrules::ValidatedText(text, FindRange(ACol, ARow));
    if (validated && *validated != text)
        SetCells(ACol, ARow, *validated);
}

void TStringGridEx::SetCellImeMode(const TRange* Range)
{
    cellImeMode_ = imDisable;
    if (Range && Range->RangeType() == trtEditStr && !Range->Disabled())
        cellImeMode_ = Range->ImeMode();
    // The grid itself takes composed text only for a free-text cell, so the
    // first composed character can open the editor.
    const bool accepts = gridrules::ImeAcceptsInput(cellImeMode_) && options_.testFlag(goEditing);
    setAttribute(Qt::WA_InputMethodEnabled, accepts);
    setInputMethodHints(gridrules::ImeHints(cellImeMode_));
}

void TStringGridEx::RangeChanged(TRange* item)
{
    if (item) {
        if (item->ColWidth() > 0)
            for (int col = std::max(0, item->ColLeft()); col <= std::min(item->ColRight(), ColCount() - 1); ++col)
                colWidths_[static_cast<size_t>(col)] = item->ColWidth();
        if (item->RowHeight() > 0)
            for (int row = std::max(0, item->RowTop()); row <= std::min(item->RowBottom(), RowCount() - 1); ++row)
                rowHeights_[static_cast<size_t>(row)] = item->RowHeight();
        UpdateScrollBars();
        PlaceEditor();
    }
    viewport()->update();
}

// ---- Cells and geometry ---------------------------------------------------------

bool TStringGridEx::ValidCell(int col, int row) const
{
    return col >= 0 && row >= 0 && col < ColCount() && row < RowCount();
}

QString TStringGridEx::Cells(int ACol, int ARow) const
{
    return ValidCell(ACol, ARow) ? cells_[static_cast<size_t>(Index(ACol, ARow))] : QString();
}

void TStringGridEx::SetCells(int ACol, int ARow, const QString& value)
{
    if (!ValidCell(ACol, ARow))
        return;
    QString& cell = cells_[static_cast<size_t>(Index(ACol, ARow))];
    if (cell == value)
        return;
    cell = value;
    if (editor_->isVisible() && ACol == Col() && ARow == Row())
        editor_->SetTextFromGrid(value);
    viewport()->update();
}

void TStringGridEx::ResizeCells(int colCount, int rowCount)
{
    std::vector<QString> cells(static_cast<size_t>(colCount * rowCount));
    for (int row = 0; row < std::min(rowCount, RowCount()); ++row)
        for (int col = 0; col < std::min(colCount, ColCount()); ++col)
            cells[static_cast<size_t>(row * colCount + col)] = std::move(cells_[static_cast<size_t>(Index(col, row))]);
    cells_ = std::move(cells);
    colWidths_.resize(static_cast<size_t>(colCount), defaultColWidth_);
    rowHeights_.resize(static_cast<size_t>(rowCount), defaultRowHeight_);
}

void TStringGridEx::ClampPositions()
{
    auto clampCoord = [this](TGridCoord& c) {
        c.X = std::clamp(c.X, std::min(fixedCols_, ColCount() - 1), ColCount() - 1);
        c.Y = std::clamp(c.Y, std::min(fixedRows_, RowCount() - 1), RowCount() - 1);
    };
    clampCoord(current_);
    clampCoord(anchor_);
    leftCol_ = std::clamp(leftCol_, fixedCols_, std::max(fixedCols_, ColCount() - 1));
    topRow_ = std::clamp(topRow_, fixedRows_, std::max(fixedRows_, RowCount() - 1));
    UpdateScrollBars();
    PlaceEditor();
    viewport()->update();
}

void TStringGridEx::SetColCount(int value)
{
    value = std::max(1, value);
    if (value == ColCount())
        return;
    if (fixedCols_ >= value)
        fixedCols_ = value - 1;
    ResizeCells(value, RowCount());
    ClampPositions();
}

void TStringGridEx::SetRowCount(int value)
{
    value = std::max(1, value);
    if (value == RowCount())
        return;
    if (fixedRows_ >= value)
        fixedRows_ = value - 1;
    ResizeCells(ColCount(), value);
    ClampPositions();
}

void TStringGridEx::SetFixedCols(int value)
{
    value = std::clamp(value, 0, ColCount() - 1);
    if (value == fixedCols_)
        return;
    fixedCols_ = value;
    ResetToTopLeft();
}

void TStringGridEx::SetFixedRows(int value)
{
    value = std::clamp(value, 0, RowCount() - 1);
    if (value == fixedRows_)
        return;
    fixedRows_ = value;
    ResetToTopLeft();
}

void TStringGridEx::ResetToTopLeft()
{
    // New fixed cells start the grid afresh at its first scrolled cell.
    leftCol_ = fixedCols_;
    topRow_ = fixedRows_;
    current_ = {fixedCols_, fixedRows_};
    anchor_ = current_;
    if (options_.testFlag(goRowSelect))
        anchor_.X = ColCount() - 1;
    HideEditor();
    ClampPositions();
}

void TStringGridEx::SetDefaultColWidth(int value)
{
    defaultColWidth_ = std::max(0, value);
    std::fill(colWidths_.begin(), colWidths_.end(), defaultColWidth_);
    ClampPositions();
}

void TStringGridEx::SetDefaultRowHeight(int value)
{
    defaultRowHeight_ = std::max(0, value);
    std::fill(rowHeights_.begin(), rowHeights_.end(), defaultRowHeight_);
    ClampPositions();
}

int TStringGridEx::ColWidths(int ACol) const
{
    return ACol >= 0 && ACol < ColCount() ? colWidths_[static_cast<size_t>(ACol)] : 0;
}

void TStringGridEx::SetColWidths(int ACol, int value)
{
    if (ACol < 0 || ACol >= ColCount())
        return;
    colWidths_[static_cast<size_t>(ACol)] = std::max(0, value);
    ClampPositions();
}

int TStringGridEx::RowHeights(int ARow) const
{
    return ARow >= 0 && ARow < RowCount() ? rowHeights_[static_cast<size_t>(ARow)] : 0;
}

void TStringGridEx::SetRowHeights(int ARow, int value)
{
    if (ARow < 0 || ARow >= RowCount())
        return;
    rowHeights_[static_cast<size_t>(ARow)] = std::max(0, value);
    ClampPositions();
}

void TStringGridEx::SetGridLineWidth(int value)
{
    gridLineWidth_ = std::max(0, value);
    ClampPositions();
}

TGridRect TStringGridEx::Selection() const
{
    return {std::min(current_.X, anchor_.X), std::min(current_.Y, anchor_.Y), std::max(current_.X, anchor_.X),
            std::max(current_.Y, anchor_.Y)};
}

void TStringGridEx::SetCol(int value)
{
    if (value != Col() && value >= fixedCols_ && value < ColCount())
        FocusCell(value, Row(), Anchor::Move);
}

void TStringGridEx::SetRow(int value)
{
    if (value != Row() && value >= fixedRows_ && value < RowCount())
        FocusCell(Col(), value, Anchor::Move);
}

void TStringGridEx::SetTopRow(int value)
{
    const int first = std::clamp(value, fixedRows_, std::max(fixedRows_, gridlayout::MaxFirst(VertAxis(), viewport()->height())));
    verticalScrollBar()->setValue(first - fixedRows_);
    topRow_ = first;
    PlaceEditor();
    viewport()->update();
}

void TStringGridEx::SetLeftCol(int value)
{
    const int first = std::clamp(value, fixedCols_, std::max(fixedCols_, gridlayout::MaxFirst(HorzAxis(), viewport()->width())));
    horizontalScrollBar()->setValue(first - fixedCols_);
    leftCol_ = first;
    PlaceEditor();
    viewport()->update();
}

void TStringGridEx::SetOptions(TGridOptions value)
{
    if (value == options_)
        return;
    options_ = value;
    if (options_.testFlag(goRowSelect)) {
        current_.X = fixedCols_;
        anchor_.X = ColCount() - 1;
        HideEditor();
    }
    if (!options_.testFlag(goEditing))
        HideEditor();
    SetCellImeMode(FindRange(Col(), Row()));
    ClampPositions();
}

void TStringGridEx::SetScrollBars(TScrollStyle value)
{
    scrollBars_ = value;
    const bool horizontal = value == ssHorizontal || value == ssBoth;
    const bool vertical = value == ssVertical || value == ssBoth;
    setHorizontalScrollBarPolicy(horizontal ? Qt::ScrollBarAsNeeded : Qt::ScrollBarAlwaysOff);
    setVerticalScrollBarPolicy(vertical ? Qt::ScrollBarAsNeeded : Qt::ScrollBarAlwaysOff);
    UpdateScrollBars();
}

void TStringGridEx::SetDefaultDrawing(bool value)
{
    defaultDrawing_ = value;
    viewport()->update();
}

void TStringGridEx::SetColor(vcl::TColor value)
{
    color_ = value;
    viewport()->update();
}

void TStringGridEx::SetFixedColor(vcl::TColor value)
{
    fixedColor_ = value;
    viewport()->update();
}

void TStringGridEx::SetFontColor(vcl::TColor value)
{
    fontColor_ = value;
    viewport()->update();
}

void TStringGridEx::SetEditorMode(bool value)
{
    if (value)
        ShowEditor();
    else
        HideEditor();
}

gridlayout::Axis TStringGridEx::HorzAxis() const
{
    const bool lines = options_ & (goFixedVertLine | goVertLine);
    return {colWidths_, fixedCols_, leftCol_, lines ? gridLineWidth_ : 0};
}

gridlayout::Axis TStringGridEx::VertAxis() const
{
    const bool lines = options_ & (goFixedHorzLine | goHorzLine);
    return {rowHeights_, fixedRows_, topRow_, lines ? gridLineWidth_ : 0};
}

QRect TStringGridEx::CellRect(int ACol, int ARow) const
{
    if (!ValidCell(ACol, ARow))
        return QRect();
    const auto x = gridlayout::CellStart(HorzAxis(), ACol);
    const auto y = gridlayout::CellStart(VertAxis(), ARow);
    if (!x || !y)
        return QRect();
    return QRect(*x, *y, ColWidths(ACol), RowHeights(ARow));
}

QRect TStringGridEx::BoxRect(const TGridRect& box) const
{
    QRect rect;
    for (int row = std::max(0, box.Top); row <= std::min(box.Bottom, RowCount() - 1); ++row)
        for (int col = std::max(0, box.Left); col <= std::min(box.Right, ColCount() - 1); ++col)
            rect |= CellRect(col, row);
    return rect;
}

void TStringGridEx::MouseToCell(int X, int Y, int& ACol, int& ARow) const
{
    ACol = gridlayout::CellAt(HorzAxis(), X, viewport()->width());
    ARow = gridlayout::CellAt(VertAxis(), Y, viewport()->height());
}

int TStringGridEx::VisibleRowCount() const
{
    const int last = gridlayout::LastVisible(VertAxis(), viewport()->height());
    return std::max(1, last - topRow_ + 1);
}

QSize TStringGridEx::sizeHint() const
{
    const auto h = HorzAxis();
    const auto v = VertAxis();
    int width = 0;
    for (int w : colWidths_)
        width += w + h.lineWidth;
    int height = 0;
    for (int r : rowHeights_)
        height += r + v.lineWidth;
    const int frame = 2 * frameWidth();
    return {std::min(width, 640) + frame, std::min(height, 480) + frame};
}

void TStringGridEx::UpdateScrollBars()
{
    const int maxTop = gridlayout::MaxFirst(VertAxis(), viewport()->height());
    const int maxLeft = gridlayout::MaxFirst(HorzAxis(), viewport()->width());
    verticalScrollBar()->setRange(0, std::max(0, maxTop - fixedRows_));
    horizontalScrollBar()->setRange(0, std::max(0, maxLeft - fixedCols_));
    verticalScrollBar()->setPageStep(VisibleRowCount());
    topRow_ = std::clamp(topRow_, fixedRows_, std::max(fixedRows_, maxTop));
    leftCol_ = std::clamp(leftCol_, fixedCols_, std::max(fixedCols_, maxLeft));
    verticalScrollBar()->setValue(topRow_ - fixedRows_);
    horizontalScrollBar()->setValue(leftCol_ - fixedCols_);
}

void TStringGridEx::ClampInView(TGridCoord cell)
{
    const int top = gridlayout::FirstToShow(VertAxis(), cell.Y, viewport()->height());
    const int left = gridlayout::FirstToShow(HorzAxis(), cell.X, viewport()->width());
    if (top != topRow_)
        SetTopRow(top);
    if (left != leftCol_)
        SetLeftCol(left);
}

void TStringGridEx::resizeEvent(QResizeEvent* event)
{
    QAbstractScrollArea::resizeEvent(event);
    UpdateScrollBars();
    PlaceEditor();
}

void TStringGridEx::scrollContentsBy(int, int)
{
    topRow_ = fixedRows_ + verticalScrollBar()->value();
    leftCol_ = fixedCols_ + horizontalScrollBar()->value();
    PlaceEditor();
    viewport()->update();
}

void TStringGridEx::PlaceEditor()
{
    if (editor_ && editor_->isVisible())
        editor_->setGeometry(CellRect(Col(), Row())); // an empty rectangle keeps it, unseen
}
