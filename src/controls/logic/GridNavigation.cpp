#include "GridNavigation.h"

#include <algorithm>

namespace gridnav {

std::optional<TGridCoord> NextEditableCell(int key, TGridCoord current, const GridShape& shape,
                                           const std::function<bool(int col, int row)>& editable)
{
    TGridCoord target = current;
    bool forwards = true;
    switch (key) {
    case Qt::Key_Home: target = {shape.fixedCols, shape.fixedRows}; break;
    case Qt::Key_End: target = {shape.colCount - 1, shape.rowCount - 1}; forwards = false; break;
    case Qt::Key_Left: target.X -= 1; forwards = false; break;
    case Qt::Key_Up: target.Y -= 1; forwards = false; break;
    case Qt::Key_Right: target.X += 1; break;
    case Qt::Key_Down: target.Y += 1; break;
    default: return std::nullopt;
    }
    if (target.X < shape.fixedCols) {
        target.X = shape.colCount - 1;
        target.Y -= 1;
    } else if (target.X >= shape.colCount) {
        target.X = shape.fixedCols;
        target.Y += 1;
    }
    if (target.X < shape.fixedCols)
        return std::nullopt; // no scrolled column at all
    for (int row = target.Y; row >= shape.fixedRows && row < shape.rowCount; row += forwards ? 1 : -1) {
        const int first = row == target.Y ? target.X : (forwards ? shape.fixedCols : shape.colCount - 1);
        for (int col = first; col >= shape.fixedCols && col < shape.colCount; col += forwards ? 1 : -1)
            if (editable(col, row))
                return TGridCoord{col, row};
    }
    return std::nullopt;
}

namespace {

bool InsidePair(const QString& text, int position)
{
    return position > 0 && position < text.size() && text[position].isLowSurrogate()
        && text[position - 1].isHighSurrogate();
}

} // namespace

std::optional<EditSelection> EditorArrowKey(const QString& text, EditSelection now, int key,
                                            Qt::KeyboardModifiers modifiers)
{
    if (key != Qt::Key_Left && key != Qt::Key_Right)
        return std::nullopt;
    const int length = static_cast<int>(text.size());
    const bool shift = modifiers.testFlag(Qt::ShiftModifier);
    const bool ctrl = modifiers.testFlag(Qt::ControlModifier);
    const bool alt = modifiers.testFlag(Qt::AltModifier);
    const bool wholeSelected = now.start == 0 && now.length == length;
    if (shift && !ctrl && !alt) {
        if (!wholeSelected)
            return std::nullopt;
        return EditSelection{key == Qt::Key_Right ? length : 0, 0};
    }
    if (shift && ctrl) {
        if (key == Qt::Key_Right)
            return EditSelection{now.start, length - now.start};
        return EditSelection{0, now.start};
    }
    // One character, never half of a surrogate pair (as a CP932 text never
    // stops inside a double-byte character).
    int position = now.start + (key == Qt::Key_Right ? 1 : -1);
    if (InsidePair(text, position))
        position += key == Qt::Key_Right ? 1 : -1;
    return EditSelection{std::clamp(position, 0, length), 0};
}

} // namespace gridnav
