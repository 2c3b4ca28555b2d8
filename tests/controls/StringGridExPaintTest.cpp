// The grid rendered offscreen: each range paints its own colour, union boxes,
// bevels and frames, colour-list cells, row highlight and owner drawing.
#include "GridDemoWindow.h"
#include "GridTestHelpers.h"

#include <QImage>
#include <QPainter>

#include <set>
#include <utility>

namespace {

using namespace gridtest;

QColor Rgb(vcl::TColor color)
{
    return vcl::ToQColor(color);
}

// A rendered window and where a grid's cells lie in it.
class Rendered {
public:
    // Scroll bars show and hide through queued calls: let them settle first.
    explicit Rendered(QWidget& window) : window_(window), image_((QCoreApplication::processEvents(), window.grab().toImage())) {}

    // The pixel at an offset from a cell's top-left corner; negative offsets
    // count from the right or bottom edge.
    QColor At(const TStringGridEx& grid, int col, int row, int dx, int dy) const
    {
        const QRect cell = grid.CellRect(col, row);
        const int x = dx >= 0 ? cell.left() + dx : cell.left() + cell.width() + dx;
        const int y = dy >= 0 ? cell.top() + dy : cell.top() + cell.height() + dy;
        return image_.pixelColor(grid.viewport()->mapTo(&window_, QPoint(x, y)));
    }

private:
    QWidget& window_;
    QImage image_;
};

class DemoPaint : public ::testing::Test {
protected:
    void SetUp() override { window.show(); }
    GridDemoWindow window;
};

TEST_F(DemoPaint, EachCellShowsItsRangeColour)
{
    const Rendered image(window);
    // Number and disabled boxes are right-aligned: their left part is background.
    EXPECT_EQ(image.At(*window.NumberBox, 0, 0, 5, -5), Rgb(GridDemoWindow::NumberColor));
    EXPECT_EQ(image.At(*window.TextBox, 0, 0, 5, -5), Rgb(GridDemoWindow::TextColor));
    EXPECT_EQ(image.At(*window.ListBox, 0, 0, 5, -5), Rgb(GridDemoWindow::ListColor));
    EXPECT_EQ(image.At(*window.DisabledBox, 0, 0, 5, -5), Rgb(GridDemoWindow::DisabledColor));

    const TStringGridEx& table = *window.Table;
    EXPECT_EQ(image.At(table, 1, 0, 5, -5), Rgb(GridDemoWindow::HeaderColor));
    EXPECT_EQ(image.At(table, 1, 3, 5, -5), Rgb(GridDemoWindow::TableNumberColor));
    EXPECT_EQ(image.At(table, 2, 5, 5, -5), Rgb(GridDemoWindow::TableNumberColor));
    // The caption column has no range: a plain fixed cell.
    EXPECT_EQ(image.At(table, 0, 2, 5, -5), Rgb(table.FixedColor()));
    // Colour lists show the colour their text names (the default is the first item).
    EXPECT_EQ(image.At(table, 3, 1, 30, 12), Rgb(vcl::clRed));
}

TEST_F(DemoPaint, ColourListCellsFollowTheirValue)
{
    TStringGridEx& table = *window.Table;
    table.SetCellValue(3, 2, 2);
    table.SetCellValue(3, 4, 1);
    const Rendered image(window);
    EXPECT_EQ(image.At(table, 3, 2, 30, 12), Rgb(vcl::clBlue));
    EXPECT_EQ(image.At(table, 3, 4, 30, 12), Rgb(vcl::clLime));
    EXPECT_EQ(image.At(table, 3, 3, 30, 12), Rgb(vcl::clRed));
}

TEST_F(DemoPaint, LinesBevelsAndUnionBoxes)
{
    const TStringGridEx& table = *window.Table;
    const Rendered image(window);
    // Between two number cells: a silver grid line; beside the fixed column a black one.
    EXPECT_EQ(image.At(table, 1, 3, table.ColWidths(1), 3), Rgb(vcl::clSilver));
    EXPECT_EQ(image.At(table, 0, 3, table.ColWidths(0), 3), Rgb(vcl::clBlack));
    // The heading spanning columns 1 and 2 is one box: no line where the
    // columns meet, the raised bevel along the box's own edges.
    EXPECT_EQ(image.At(table, 1, 0, table.ColWidths(1), 12), Rgb(GridDemoWindow::HeaderColor));
    // Nor the cells' own edges on either side of the join.
    EXPECT_EQ(image.At(table, 1, 0, -1, 2), Rgb(GridDemoWindow::HeaderColor));
    EXPECT_EQ(image.At(table, 2, 0, 0, 2), Rgb(GridDemoWindow::HeaderColor));
    EXPECT_EQ(image.At(table, 1, 0, 30, 0), Rgb(vcl::clBtnHighlight));
    EXPECT_EQ(image.At(table, 2, 0, -1, 12), Rgb(vcl::clBtnShadow));
    EXPECT_EQ(image.At(table, 0, 0, -1, 12), Rgb(vcl::clBtnShadow));
}

TEST(GridPaint, RowSelectHighlightsTheWholeRowOfPlainCells)
{
    QWidget window;
    TStringGridEx* grid = NewGrid(window, 3, 4, 0, 1, goRowSelect);
    grid->resize(grid->sizeHint());
    window.show();
    grid->SetRow(2);
    const Rendered image(window);
    for (int col = 0; col < 3; ++col) {
        EXPECT_EQ(image.At(*grid, col, 2, 5, -5), Rgb(vcl::clHighlight)) << col;
        EXPECT_EQ(image.At(*grid, col, 1, 5, -5), Rgb(vcl::clWindow)) << col;
    }
    EXPECT_EQ(image.At(*grid, 1, 0, 5, -5), Rgb(vcl::clBtnFace));
}

TEST(GridPaint, OwnerDrawingPaintsThroughOnDrawCell)
{
    QWidget window;
    TStringGridEx* grid = NewGrid(window, 7, 6, 0, 0);
    grid->SetDefaultColWidth(46);
    grid->SetDefaultRowHeight(65);
    grid->SetScrollBars(ssNone);
    grid->SetDefaultDrawing(false);
    std::set<std::pair<int, int>> drawn;
    grid->OnDrawCell = [&](QObject* sender, int col, int row, const QRect& rect, TGridDrawState) {
        auto* self = static_cast<TStringGridEx*>(sender);
        drawn.emplace(col, row);
        self->Canvas()->fillRect(rect, col == 0 ? QColor(0xFF, 0xAC, 0xAC) : Qt::white);
    };
    grid->resize(grid->sizeHint());
    window.show();
    const Rendered image(window);
    EXPECT_EQ(drawn.size(), 42u);
    EXPECT_EQ(image.At(*grid, 0, 3, 20, 30), QColor(0xFF, 0xAC, 0xAC));
    EXPECT_EQ(image.At(*grid, 6, 5, 20, 30), QColor(Qt::white));
}

TEST(GridPaint, OnDrawCellPaintsOverARangeCell)
{
    QWidget window;
    TStringGridEx* grid = NewGrid(window, 2, 1, 0, 0);
    TRange* range = grid->Ranges()->Add();
    range->SetColRight(1);
    range->SetColor(vcl::clYellow);
    range->SetBevelInner(bvLowered);
    grid->OnDrawCell = [](QObject* sender, int col, int, const QRect& rect, TGridDrawState) {
        if (col == 1)
            static_cast<TStringGridEx*>(sender)->Canvas()->fillRect(rect.adjusted(10, 10, -10, -10), Qt::blue);
    };
    grid->resize(grid->sizeHint());
    window.show();
    const Rendered image(window);
    EXPECT_EQ(image.At(*grid, 0, 0, 20, 12), Rgb(vcl::clYellow));
    EXPECT_EQ(image.At(*grid, 1, 0, 20, 12), QColor(Qt::blue));
    EXPECT_EQ(image.At(*grid, 1, 0, 5, 5), Rgb(vcl::clYellow));
    // The lowered bevel (of the cell that has no focus rectangle): dark at
    // the top-left edge, light at the bottom-right.
    EXPECT_EQ(image.At(*grid, 1, 0, 0, 10), Rgb(vcl::cl3DDkShadow));
    EXPECT_EQ(image.At(*grid, 1, 0, -1, 10), Rgb(vcl::cl3DLight));
}

TEST(GridPaint, FocusedCellIsHighlightedWithDrawFocusSelected)
{
    QWidget window;
    TStringGridEx* grid = NewGrid(window, 2, 1, 0, 0, goDrawFocusSelected);
    TRange* range = grid->Ranges()->Add();
    range->SetColRight(1);
    range->SetRangeType(trtEditStr);
    range->SetColor(vcl::clYellow);
    grid->resize(grid->sizeHint());
    ShowActive(window);
    Focus(grid);
    const Rendered image(window);
    EXPECT_EQ(image.At(*grid, 0, 0, 20, 12), Rgb(vcl::clHighlight));
    EXPECT_EQ(image.At(*grid, 1, 0, 20, 12), Rgb(vcl::clYellow));
}

} // namespace
