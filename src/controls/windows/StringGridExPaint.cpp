// How the grid paints: lines, then every visible cell (by its range, or as a
// plain string grid cell), then the focus rectangle.
#include "StringGridEx.h"

#include "GridCellRules.h"
#include "InplaceEditEx.h"

#include <QPaintEvent>
#include <QPainter>

namespace {

using vcl::ToQColor;

enum class Edge { Raised, Sunken };
enum EdgeSide { LeftSide = 1, TopSide = 2, RightSide = 4, BottomSide = 8, AllSides = 15 };

// A one-pixel inner edge: raised is light above and left and shadowed below
// and right, sunken the other way round with darker colours.
void DrawInnerEdge(QPainter& painter, const QRect& rect, Edge edge, int sides)
{
    const QColor topLeft = ToQColor(edge == Edge::Raised ? vcl::clBtnHighlight : vcl::cl3DDkShadow);
    const QColor bottomRight = ToQColor(edge == Edge::Raised ? vcl::clBtnShadow : vcl::cl3DLight);
    if (sides & TopSide)
        painter.fillRect(QRect(rect.left(), rect.top(), rect.width(), 1), topLeft);
    if (sides & LeftSide)
        painter.fillRect(QRect(rect.left(), rect.top(), 1, rect.height()), topLeft);
    if (sides & BottomSide)
        painter.fillRect(QRect(rect.left(), rect.bottom(), rect.width(), 1), bottomRight);
    if (sides & RightSide)
        painter.fillRect(QRect(rect.right(), rect.top(), 1, rect.height()), bottomRight);
}

int TextFlags(TAlignment alignment, TAlignmentV alignmentV)
{
    int flags = 0;
    switch (alignment) {
    case taLeftJustify: flags = Qt::AlignLeft; break;
    case taRightJustify: flags = Qt::AlignRight; break;
    case taCenter: flags = Qt::AlignHCenter; break;
    }
    switch (alignmentV) {
    case tavNone: flags |= Qt::AlignTop; break;
    case tavWordWrap: flags |= Qt::AlignTop | Qt::TextWordWrap; break;
    case tavTop: flags |= Qt::AlignTop | Qt::TextSingleLine; break;
    case tavCenter: flags |= Qt::AlignVCenter | Qt::TextSingleLine; break;
    case tavBottom: flags |= Qt::AlignBottom | Qt::TextSingleLine; break;
    }
    return flags;
}

} // namespace

std::vector<int> TStringGridEx::VisibleCols() const
{
    std::vector<int> cols;
    for (int col = 0; col < fixedCols_; ++col)
        cols.push_back(col);
    const int last = gridlayout::LastVisible(HorzAxis(), viewport()->width());
    for (int col = leftCol_; col <= last; ++col)
        cols.push_back(col);
    return cols;
}

std::vector<int> TStringGridEx::VisibleRows() const
{
    std::vector<int> rows;
    for (int row = 0; row < fixedRows_; ++row)
        rows.push_back(row);
    const int last = gridlayout::LastVisible(VertAxis(), viewport()->height());
    for (int row = topRow_; row <= last; ++row)
        rows.push_back(row);
    return rows;
}

void TStringGridEx::paintEvent(QPaintEvent* event)
{
    QPainter painter(viewport());
    canvas_ = &painter;
    painter.fillRect(viewport()->rect(), ToQColor(color_));
    const std::vector<int> cols = VisibleCols();
    const std::vector<int> rows = VisibleRows();
    PaintLines(painter, cols, rows);
    for (int row : rows)
        for (int col : cols)
            if (CellRect(col, row).intersects(event->rect()))
                PaintCell(painter, col, row);
    PaintFocusRect(painter);
    canvas_ = nullptr;
}

void TStringGridEx::PaintLines(QPainter& painter, const std::vector<int>& cols, const std::vector<int>& rows)
{
    const int vertical = HorzAxis().lineWidth;   // width of the lines between columns
    const int horizontal = VertAxis().lineWidth; // height of the lines between rows
    for (int row : rows) {
        for (int col : cols) {
            const QRect cell = CellRect(col, row);
            if (cell.isNull())
                continue;
            const bool fixed = col < fixedCols_ || row < fixedRows_;
            const QColor color = ToQColor(fixed ? vcl::clBlack : vcl::clSilver);
            if (vertical > 0 && options_.testFlag(fixed ? goFixedVertLine : goVertLine))
                painter.fillRect(QRect(cell.left() + cell.width(), cell.top(), vertical, cell.height() + horizontal), color);
            if (horizontal > 0 && options_.testFlag(fixed ? goFixedHorzLine : goHorzLine))
                painter.fillRect(QRect(cell.left(), cell.top() + cell.height(), cell.width() + vertical, horizontal), color);
        }
    }
}

void TStringGridEx::PaintCell(QPainter& painter, int col, int row)
{
    const QRect rect = CellRect(col, row);
    const bool fixed = col < fixedCols_ || row < fixedRows_;
    TGridDrawState state;
    vcl::TColor background = color_;
    vcl::TColor text = fontColor_;
    if (fixed) {
        state |= gdFixed;
        background = fixedColor_;
    } else {
        const bool focused = col == Col() && row == Row() && IsActiveControl();
        if (focused)
            state |= gdFocused;
        if (Selection().Contains(col, row))
            state |= gdSelected;
        if ((state & gdSelected) && (!focused || options_ & (goDrawFocusSelected | goRowSelect))) {
            background = vcl::clHighlight;
            text = vcl::clHighlightText;
        }
    }
    // A fixed cell's raised edges go over what the cell painted, except
    // under a heading that spans cells: its box goes over the edges of the
    // cells it covers, or each join would show a light line through its text.
    const TRange* range = FindRange(col, row);
    const bool spanning = range && range->Union();
    auto drawFixedEdges = [&] {
        const int sides = (options_.testFlag(goFixedVertLine) ? LeftSide | RightSide : 0)
            | (options_.testFlag(goFixedHorzLine) ? TopSide | BottomSide : 0);
        if (defaultDrawing_ && fixed && sides)
            DrawInnerEdge(painter, rect, Edge::Raised, sides);
    };
    if (spanning)
        drawFixedEdges();
    painter.save();
    painter.setFont(font());
    painter.setPen(ToQColor(text));
    painter.setBrush(ToQColor(background));
    if (defaultDrawing_)
        painter.fillRect(rect, ToQColor(background));
    DrawCell(col, row, rect, state);
    painter.restore();
    if (!spanning)
        drawFixedEdges();
}

void TStringGridEx::DrawCell(int ACol, int ARow, const QRect& Rect, TGridDrawState State)
{
    QPainter& painter = *canvas_;
    const bool savedDrawing = defaultDrawing_;
    const TRange* range = FindRange(ACol, ARow);
    if (range && defaultDrawing_)
        DrawRangeCell(painter, *range, ACol, ARow, Rect, State);
    if (range)
        defaultDrawing_ = false; // a typed cell is painted by its range alone
    if (defaultDrawing_)
        painter.drawText(Rect.adjusted(2, 2, 0, 0), Qt::AlignLeft | Qt::AlignTop | Qt::TextSingleLine, Cells(ACol, ARow));
    CallHandler([&] {
        if (OnDrawCell)
            OnDrawCell(this, ACol, ARow, Rect, State);
    }, HandlerKind::Painting);
    defaultDrawing_ = savedDrawing;
}

void TStringGridEx::DrawRangeCell(QPainter& painter, const TRange& range, int col, int row, const QRect& cellRect,
                                  TGridDrawState state)
{
    const QRect rect = range.Union()
        ? BoxRect({range.ColLeft(), range.RowTop(), range.ColRight(), range.RowBottom()})
        : cellRect;
    if (rect.isEmpty())
        return;
    if (state & gdFixed) {
        painter.setPen(ToQColor(vcl::clBlack));
        painter.setBrush(Qt::NoBrush);
        painter.drawRect(rect.adjusted(-1, -1, 0, 0)); // one pixel around the cell
    }
    const bool focusSelected = (state & gdFocused) && options_.testFlag(goDrawFocusSelected);
    painter.fillRect(rect, ToQColor(focusSelected ? vcl::clHighlight : range.Color()));
    if (range.BevelInner() == bvLowered)
        DrawInnerEdge(painter, rect, Edge::Sunken, AllSides);
    else if (range.BevelInner() == bvRaised)
        DrawInnerEdge(painter, rect, Edge::Raised, AllSides);

    painter.setFont(range.Font());
    const bool highlightText = range.RangeType() != trtFixedStr && (state & gdFocused) && (state & gdSelected)
        && options_.testFlag(goDrawFocusSelected);
    painter.setPen(ToQColor(highlightText ? vcl::clHighlightText : range.FontColor()));
    const int flags = TextFlags(range.Alignment(), range.AlignmentV());
    const QRect textRect = rect.adjusted(2, 2, -2, -2);

    switch (range.RangeType()) {
    case trtFixedStr:
        painter.drawText(textRect, flags, range.Text());
        break;
    case trtEditStr:
    case trtEditVal:
    case trtList:
        painter.drawText(textRect, flags, Cells(col, row));
        break;
    case trtListColor: {
        const QString name = range.Items().isEmpty() ? QStringLiteral("clWhite") : Cells(col, row);
        painter.fillRect(rect, ToQColor(gridrules::ListColor(name)));
        painter.setPen(ToQColor(range.FontColor()));
        painter.drawText(rect, flags, range.Text());
        break;
    }
    }
}

void TStringGridEx::PaintFocusRect(QPainter& painter)
{
    if (!defaultDrawing_ || !IsActiveControl() || editor_->isVisible())
        return;
    const QRect rect = options_.testFlag(goRowSelect)
        ? BoxRect({fixedCols_, Row(), ColCount() - 1, Row()})
        : CellRect(Col(), Row());
    if (rect.isEmpty())
        return;
    painter.save();
    painter.setCompositionMode(QPainter::RasterOp_SourceXorDestination);
    painter.setPen(QPen(Qt::white, 1, Qt::DotLine));
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(rect.adjusted(0, 0, -1, -1));
    painter.restore();
}
