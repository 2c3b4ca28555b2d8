// Where columns and rows lie when fixed cells stay and the others scroll.
#include "GridLayout.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

using namespace gridlayout;

TEST(GridLayout, FixedCellsStayAndScrolledCellsFollowTheFirstShown)
{
    const std::vector<int> widths{30, 10, 20, 40};
    Axis axis{widths, 1, 2, 1}; // column 1 scrolled away
    EXPECT_EQ(FixedExtent(axis), 31);
    EXPECT_EQ(CellStart(axis, 0), 0);
    EXPECT_FALSE(CellStart(axis, 1));
    EXPECT_EQ(CellStart(axis, 2), 31);
    EXPECT_EQ(CellStart(axis, 3), 52);
    EXPECT_FALSE(CellStart(axis, 4));

    // A grid line belongs to the cell before it.
    EXPECT_EQ(CellAt(axis, 30, 200), 0);
    EXPECT_EQ(CellAt(axis, 31, 200), 2);
    EXPECT_EQ(CellAt(axis, 92, 200), 3);
    EXPECT_EQ(CellAt(axis, 93, 200), -1);
    EXPECT_EQ(CellAt(axis, 60, 55), -1); // outside the visible extent
    EXPECT_EQ(LastVisible(axis, 53), 3);
    EXPECT_EQ(LastVisible(axis, 52), 2);
}

TEST(GridLayout, ScrollingShowsACellWholeAndNoFurtherThanNeeded)
{
    const std::vector<int> heights(10, 20); // 10 rows, lines of 1: 21 pixels each
    Axis axis{heights, 1, 1, 1};
    const int extent = 21 * 4; // the fixed row and three more
    EXPECT_EQ(MaxFirst(axis, extent), 7);
    EXPECT_EQ(FirstToShow(axis, 3, extent), 1);
    EXPECT_EQ(FirstToShow(axis, 4, extent), 2);
    EXPECT_EQ(FirstToShow(axis, 9, extent), 7);
    axis.first = 5;
    EXPECT_EQ(FirstToShow(axis, 2, extent), 2);
    EXPECT_EQ(FirstToShow(axis, 0, extent), 5); // a fixed row never scrolls
    const std::vector<int> few{20, 20};
    EXPECT_EQ(MaxFirst(Axis{few, 1, 1, 1}, 500), 1);
}

} // namespace
