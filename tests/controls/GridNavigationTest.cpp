// Keys that move the caret in the editor and the scan for an editable cell.
#include "GridNavigation.h"

#include <gtest/gtest.h>

#include <set>
#include <utility>

namespace {

using gridnav::EditSelection;

struct Moved {
    std::optional<EditSelection> result;
    bool Is(int start, int length) const { return result && result->start == start && result->length == length; }
};

Moved Press(const QString& text, EditSelection now, int key, Qt::KeyboardModifiers modifiers = Qt::NoModifier)
{
    return {gridnav::EditorArrowKey(text, now, key, modifiers)};
}

TEST(GridEditorKeys, LeftAndRightMoveOneCharacterAndStayInTheText)
{
    const QString text = QStringLiteral("ab漢字");
    EXPECT_TRUE(Press(text, {1, 0}, Qt::Key_Right).Is(2, 0));
    EXPECT_TRUE(Press(text, {4, 0}, Qt::Key_Right).Is(4, 0));
    EXPECT_TRUE(Press(text, {0, 0}, Qt::Key_Left).Is(0, 0));
    EXPECT_TRUE(Press(text, {3, 0}, Qt::Key_Left, Qt::ControlModifier).Is(2, 0));
    // A selection collapses next to its start, as the caret moves from there.
    EXPECT_TRUE(Press(text, {0, 4}, Qt::Key_Right).Is(1, 0));
    // A character outside the basic plane is one step, never half of one.
    const QString wide = QStringLiteral("a𠮷b");
    EXPECT_TRUE(Press(wide, {1, 0}, Qt::Key_Right).Is(3, 0));
    EXPECT_TRUE(Press(wide, {3, 0}, Qt::Key_Left).Is(1, 0));
}

TEST(GridEditorKeys, ShiftAndCtrlShiftSelect)
{
    const QString text = QStringLiteral("12345");
    EXPECT_TRUE(Press(text, {0, 5}, Qt::Key_Right, Qt::ShiftModifier).Is(5, 0));
    EXPECT_TRUE(Press(text, {0, 5}, Qt::Key_Left, Qt::ShiftModifier).Is(0, 0));
    // A partial selection is extended by the line edit itself.
    EXPECT_FALSE(Press(text, {1, 2}, Qt::Key_Right, Qt::ShiftModifier).result);
    EXPECT_TRUE(Press(text, {2, 0}, Qt::Key_Right, Qt::ShiftModifier | Qt::ControlModifier).Is(2, 3));
    EXPECT_TRUE(Press(text, {2, 0}, Qt::Key_Left, Qt::ShiftModifier | Qt::ControlModifier).Is(0, 2));
    EXPECT_FALSE(Press(text, {2, 0}, Qt::Key_Up).result);
}

TEST(GridMoveSelect, ScansInReadingOrderSkippingCellsThatCannotBeEdited)
{
    const gridnav::GridShape shape{4, 4, 1, 1}; // scrolled cells: columns 1..3, rows 1..3
    const std::set<std::pair<int, int>> blocked{{2, 1}, {3, 1}, {1, 2}};
    auto editable = [&](int col, int row) { return !blocked.count({col, row}); };
    auto next = [&](int key, TGridCoord from) { return gridnav::NextEditableCell(key, from, shape, editable); };

    EXPECT_EQ(next(Qt::Key_Right, {1, 1}), (TGridCoord{2, 2})); // skips two, wraps a row
    EXPECT_EQ(next(Qt::Key_Left, {2, 2}), (TGridCoord{1, 1}));  // wraps back over blocked cells
    EXPECT_EQ(next(Qt::Key_Right, {3, 2}), (TGridCoord{1, 3})); // the last column wraps at once
    EXPECT_EQ(next(Qt::Key_Left, {1, 3}), (TGridCoord{3, 2}));
    EXPECT_EQ(next(Qt::Key_Down, {2, 1}), (TGridCoord{2, 2}));
    EXPECT_EQ(next(Qt::Key_Home, {3, 3}), (TGridCoord{1, 1}));
    EXPECT_EQ(next(Qt::Key_End, {1, 1}), (TGridCoord{3, 3}));
    EXPECT_FALSE(next(Qt::Key_Up, {1, 1}));   // row 0 is fixed
    EXPECT_FALSE(next(Qt::Key_Down, {3, 3})); // past the last row
    EXPECT_FALSE(next(Qt::Key_Left, {1, 1})); // scan runs out
    EXPECT_FALSE(next(Qt::Key_Tab, {1, 1}));
}

} // namespace
