// The setter rules of a range and the first-match lookup of the collection.
#include "Fonts.h"
#include "GridRanges.h"

#include <gtest/gtest.h>

namespace {

class FakeGrid : public TRangesOwner {
public:
    int ColCount() const override { return 4; }
    int RowCount() const override { return 3; }
    vcl::TColor Color() const override { return vcl::clInfoBk; }
    QFont RangeFont() const override { return vcl::ProgramFont(12); }
    vcl::TColor FontColor() const override { return vcl::clNavy; }
    void RangeChanged(TRange* item) override { item ? ++itemChanges : ++collectionChanges; }

    int itemChanges = 0;
    int collectionChanges = 0;
};

TEST(GridRange, StartsWithTheGridsLook)
{
    FakeGrid grid;
    TRanges ranges(&grid);
    TRange* range = ranges.Add();
    EXPECT_EQ(grid.collectionChanges, 1);
    EXPECT_EQ(range->Color(), vcl::clInfoBk);
    EXPECT_EQ(range->FontColor(), vcl::clNavy);
    EXPECT_EQ(range->Font().pointSize(), 12);
    EXPECT_EQ(range->AlignmentV(), tavTop);
    EXPECT_EQ(range->RangeType(), trtFixedStr);
    EXPECT_EQ(range->ImeMode(), imDisable);
    EXPECT_FALSE(range->Disabled());
}

TEST(GridRange, BoundsAreClampedAndPushTheOtherBoundAlong)
{
    FakeGrid grid;
    TRanges ranges(&grid);
    TRange* range = ranges.Add();
    range->SetColLeft(2);
    EXPECT_EQ(range->ColRight(), 2);
    range->SetColRight(99);
    EXPECT_EQ(range->ColRight(), 3);
    range->SetColRight(1);
    EXPECT_EQ(range->ColLeft(), 1);
    range->SetRowBottom(-4);
    EXPECT_EQ(range->RowBottom(), 0);
    range->SetRowBottom(2);
    range->SetRowTop(7);
    EXPECT_EQ(range->RowTop(), 2);
    EXPECT_EQ(range->RowBottom(), 2);
}

TEST(GridRange, OnlyRealChangesAreReported)
{
    FakeGrid grid;
    TRanges ranges(&grid);
    TRange* range = ranges.Add();
    range->SetMin(1.5);
    range->SetMin(1.5);
    range->SetText(QStringLiteral("x"));
    range->SetText(QStringLiteral("x"));
    range->SetColLeft(0); // already 0
    EXPECT_EQ(grid.itemChanges, 2);
    // Fonts and item lists are copied and reported without comparing.
    range->SetFont(range->Font());
    range->SetItems(range->Items());
    EXPECT_EQ(grid.itemChanges, 4);
    // The input-method mode and the mask change no look.
    range->SetImeMode(imHira);
    range->SetEditMask(QStringLiteral("000"));
    range->SetDisabled(true);
    EXPECT_EQ(grid.itemChanges, 4);
}

TEST(GridRange, UnionBelongsToFixedText)
{
    FakeGrid grid;
    TRanges ranges(&grid);
    TRange* range = ranges.Add();
    range->SetUnion(true);
    EXPECT_TRUE(range->Union());
    // A fixed-text range keeps Union when it becomes another kind...
    range->SetRangeType(trtEditVal);
    EXPECT_TRUE(range->Union());
    // ...but any later change of kind clears it, and it cannot be set again.
    range->SetRangeType(trtEditStr);
    EXPECT_FALSE(range->Union());
    range->SetUnion(true);
    EXPECT_FALSE(range->Union());
    range->SetMaxLength(-3);
    EXPECT_EQ(range->MaxLength(), 0);
}

TEST(GridRange, AssignCopiesLookAndLimitsButNotItemsSizesOrDisabling)
{
    FakeGrid grid;
    TRanges ranges(&grid);
    TRange* source = ranges.Add();
    source->SetColRight(2);
    source->SetRowBottom(1);
    source->SetRangeType(trtEditVal);
    source->SetMax(1000);
    source->SetFmtStr(QStringLiteral("0.0000"));
    source->SetImeMode(imKata);
    source->SetItems({QStringLiteral("a")});
    source->SetColWidth(90);
    source->SetDisabled(true);
    TRange* copy = ranges.Add();
    copy->Assign(*source);
    EXPECT_EQ(copy->ColRight(), 2);
    EXPECT_EQ(copy->RowBottom(), 1);
    EXPECT_EQ(copy->RangeType(), trtEditVal);
    EXPECT_EQ(copy->Max(), 1000);
    EXPECT_EQ(copy->FmtStr(), QStringLiteral("0.0000"));
    EXPECT_EQ(copy->ImeMode(), imKata);
    EXPECT_TRUE(copy->Items().isEmpty());
    EXPECT_EQ(copy->ColWidth(), 0);
    EXPECT_FALSE(copy->Disabled());
}

TEST(GridRanges, OverlappingRangesAreResolvedByCollectionOrder)
{
    FakeGrid grid;
    TRanges ranges(&grid);
    TRange* first = ranges.Add();
    first->SetColRight(1);
    TRange* second = ranges.Add();
    second->SetColRight(3);
    second->SetColLeft(1);
    EXPECT_EQ(ranges.Find(0, 0), first);
    EXPECT_EQ(ranges.Find(1, 0), first);
    EXPECT_EQ(ranges.Find(2, 0), second);
    EXPECT_EQ(ranges.Find(2, 1), nullptr);
    ranges.Delete(0);
    EXPECT_EQ(ranges.Find(1, 0), second);

    TRanges copy(&grid);
    copy.Assign(ranges);
    ASSERT_EQ(copy.Count(), 1);
    EXPECT_EQ(copy.Find(3, 0), copy.Items(0));
    EXPECT_EQ(copy.Items(5), nullptr);
}

} // namespace
