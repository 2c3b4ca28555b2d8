#pragma once
// Where keys take the caret and the current cell: the scan that skips cells
// which cannot be edited, and the in-place editor's Left and Right keys.
#include "GridTypes.h"

#include <QString>
#include <Qt>
#include <functional>
#include <optional>

namespace gridnav {

struct GridShape {
    int colCount = 0;
    int rowCount = 0;
    int fixedCols = 0;
    int fixedRows = 0;
};

// The cell that Home, End or an arrow key reaches from `current` when cells
// for which `editable` is false are skipped: Home scans forwards from the
// first scrolled cell, End backwards from the last, Left and Up backwards,
// Right and Down forwards, in reading order. Columns wrap into the previous
// or next row. nullopt for other keys, a start row outside the scrolled rows,
// or when no cell is found.
std::optional<TGridCoord> NextEditableCell(int key, TGridCoord current, const GridShape& shape,
                                           const std::function<bool(int col, int row)>& editable);

// A selection of the editor: start and length in characters.
struct EditSelection {
    int start = 0;
    int length = 0;
};

// What Left or Right does inside the open editor. nullopt: the key goes on to
// the line edit's own handling (Shift extending a partial selection, other
// keys). Otherwise the new selection; the key then never reaches the grid,
// so Left and Right never leave the cell while the editor is open.
std::optional<EditSelection> EditorArrowKey(const QString& text, EditSelection now, int key,
                                            Qt::KeyboardModifiers modifiers);

} // namespace gridnav
