#pragma once
// Where the columns (or rows) of a grid lie on screen: fixed cells first,
// then the scrolled ones from the first shown, each followed by its grid
// line. One axis at a time; the widget asks for columns and rows alike.
#include <optional>
#include <span>

namespace gridlayout {

struct Axis {
    std::span<const int> sizes; // width of each column or height of each row
    int fixedCount = 0;
    int first = 0;              // first scrolled cell shown (left column / top row)
    int lineWidth = 0;          // the gap after every cell
};

// Pixels taken by the fixed cells and their lines.
int FixedExtent(const Axis& axis);

// Offset of a cell's first pixel; nullopt for a cell scrolled out of view
// or outside the grid.
std::optional<int> CellStart(const Axis& axis, int index);

// The cell under a pixel (its line counts with it); -1 for none.
int CellAt(const Axis& axis, int pixel, int extent);

// The last cell that starts inside `extent` pixels; -1 when none.
int LastVisible(const Axis& axis, int extent);

// The largest first cell that still shows the last cell whole.
int MaxFirst(const Axis& axis, int extent);

// The first cell to show so that `index` is whole in view, scrolling as
// little as possible.
int FirstToShow(const Axis& axis, int index, int extent);

} // namespace gridlayout
