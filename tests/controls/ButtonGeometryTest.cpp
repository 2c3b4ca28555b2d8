// Caption, character and image placement of the painted button and its
// rounded window region, on given text metrics.
#include "ButtonGeometry.h"

#include <gtest/gtest.h>

namespace {

CaptionLayoutInput Lines(int height, int textHeight, bool first, bool second, bool centred)
{
    CaptionLayoutInput in;
    in.buttonHeight = height;
    in.vertCenter = centred;
    in.firstEmpty = !first;
    in.secondEmpty = !second;
    in.firstTextHeight = textHeight;
    in.secondTextHeight = textHeight;
    in.captionTop = 3;
    return in;
}

} // namespace

TEST(CaptionLines, CentredLines)
{
    // One line of height 16 in 26 pixels: (26 - 16) / 2 + 1, written back to CaptionTop.
    CaptionLines lines = PlaceCaptionLines(Lines(26, 16, true, false, true));
    EXPECT_EQ(lines.firstTop, 6);
    EXPECT_EQ(lines.captionTop, 6);
    // Too tall for the button: truncation towards zero, -5 / 2 + 1.
    EXPECT_EQ(PlaceCaptionLines(Lines(11, 16, true, false, true)).firstTop, -1);

    // Two lines in 41 pixels with a line space of 4.
    lines = PlaceCaptionLines(Lines(41, 16, true, true, true));
    EXPECT_EQ(lines.firstTop, 2);   // (41 - 32 - 4) / 2
    EXPECT_EQ(lines.secondTop, 22); // 2 + 16 + 4

    // The second line alone is centred on its own height.
    CaptionLayoutInput in = Lines(41, 16, false, true, true);
    in.secondTextHeight = 12;
    lines = PlaceCaptionLines(in);
    EXPECT_EQ(lines.secondTop, 14);
    EXPECT_EQ(lines.captionTop, 14);
}

TEST(CaptionLines, FixedTop)
{
    CaptionLayoutInput in = Lines(41, 16, true, true, false);
    in.lineSpace = 2;
    const CaptionLines lines = PlaceCaptionLines(in);
    EXPECT_EQ(lines.firstTop, 3);
    EXPECT_EQ(lines.secondTop, 21);
    EXPECT_EQ(lines.captionTop, 3);
    in.firstEmpty = true; // the second line moves up to CaptionTop
    EXPECT_EQ(PlaceCaptionLines(in).secondTop, 3);
}

TEST(CaptionAnchors, MarginsAndTheOneCharacterEvenCaption)
{
    EXPECT_EQ(AnchorCaption(TplBBtnAlignment::taLeft, 75, 5, 0, 3).x, 7);
    EXPECT_EQ(AnchorCaption(TplBBtnAlignment::taRight, 75, 0, 5, 3).x, 68);
    const CaptionAnchor even = AnchorCaption(TplBBtnAlignment::taEven, 75, 10, 6, 4);
    EXPECT_EQ(even.x, 12);
    EXPECT_EQ(even.span, 55); // 75 - 12 - 6 - 2
    const CaptionAnchor single = AnchorCaption(TplBBtnAlignment::taEven, 75, 10, 6, 1);
    EXPECT_FALSE(single.evenSpacing);
    EXPECT_EQ(single.anchor, TextAnchor::Center);
    EXPECT_EQ(single.x, 37);
}

TEST(EvenSpacing, RemainderGoesToTheFirstGapsWithTheSignOfTheSpare)
{
    // 4 characters of total width 40 in a span of 47: gap 2, remainder 1.
    EXPECT_EQ(EvenCharacterPositions(2, 47, {10, 10, 10, 10}), (std::vector<int>{2, 15, 27, 39}));
    // In a span of 33: gap -2, remainder -1; the last still ends at the span's end.
    EXPECT_EQ(EvenCharacterPositions(0, 33, {10, 10, 10, 10}), (std::vector<int>{0, 7, 15, 23}));
    EXPECT_EQ(EvenCharacterPositions(5, 30, {8}), (std::vector<int>{5}));
}

TEST(PressOffsets, CaptionAndImage)
{
    EXPECT_EQ(CaptionPressOffset({true, true, false}), 1);
    EXPECT_EQ(ImagePressOffset({true, true, false}), 1);
    // HasFocus off: the image never moves, the caption only with DispDownFocus.
    EXPECT_EQ(CaptionPressOffset({false, true, false}), 0);
    EXPECT_EQ(CaptionPressOffset({false, true, true}), 1);
    EXPECT_EQ(ImagePressOffset({false, true, true}), 0);
}

TEST(RoundRegion, RoundedCornersOverOneMorePixel)
{
    const QRegion region = RoundRectRegion(75, 26, 5);
    EXPECT_EQ(region.boundingRect(), QRect(0, 0, 76, 27));
    EXPECT_FALSE(region.contains(QPoint(0, 0)));
    EXPECT_FALSE(region.contains(QPoint(75, 26)));
    EXPECT_TRUE(region.contains(QPoint(2, 0)));
    EXPECT_TRUE(region.contains(QPoint(37, 13)));
    EXPECT_FALSE(RoundRectRegion(75, 26, 20).contains(QPoint(2, 1)));
    EXPECT_EQ(RoundRectRegion(75, 26, 0), QRegion(0, 0, 76, 27));
    EXPECT_TRUE(RoundRectRegion(20, 10, 500).contains(QPoint(10, 5)));
}
