// The gradient face: the blend arithmetic, the begin-colour share and the
// line placement per style.
#include "ButtonGradient.h"

#include <gtest/gtest.h>

using namespace vcl;

namespace {

std::vector<GdiLine> Face(TplaGradationStyle style, int height, int ratio = 0)
{
    return GradientLines({style, 75, height, ratio, clWhite, clBlue});
}

} // namespace

TEST(GradientColours, BlendTruncatesTowardsZeroPerChannel)
{
    // 255 + (0 - 255) * 13 / 26: -127.5 truncates to -127.
    EXPECT_EQ(GradientLineColor(13, 26, 0, clWhite, clBlue), RGB(128, 128, 255));
    EXPECT_EQ(GradientLineColor(1, 3, 0, clBlack, RGB(200, 0, 0)), RGB(66, 0, 0));
    EXPECT_EQ(GradientLineColor(26, 26, 0, clWhite, clBlue), clBlue);
    EXPECT_EQ(GradientLineColor(0, 10, 0, clBtnFace, clBlack), RGB(240, 240, 240));
    // Ratio 50 of 26 lines: 0..12 keep white, the blend runs from line 13.
    EXPECT_EQ(GradientBeginSteps(26, 50), 13);
    EXPECT_EQ(GradientLineColor(13, 26, 13, clWhite, clBlue), clWhite);
    EXPECT_EQ(GradientLineColor(26, 26, 13, clWhite, clBlue), clBlue);
}

TEST(GradientColours, RatioOfAHundredOrMoreIsAllBeginColourWithoutDividing)
{
    for (const int ratio : {100, 101, 2147483647}) {
        const auto lines = Face(TplaGradationStyle::bsDown, 26, ratio);
        ASSERT_EQ(lines.size(), 27u);
        for (const GdiLine& line : lines)
            EXPECT_EQ(line.color, clWhite) << "ratio " << ratio;
    }
    EXPECT_EQ(Face(TplaGradationStyle::bsDown, 26, -50).back().color, clBlue);
}

TEST(GradientLines, PlacementPerStyle)
{
    auto lines = Face(TplaGradationStyle::bsUp, 26);
    EXPECT_EQ(lines.front().from, QPoint(0, 26));
    EXPECT_EQ(lines.back().from, QPoint(0, 0));

    lines = Face(TplaGradationStyle::bsLeft, 26);
    ASSERT_EQ(lines.size(), 76u);
    EXPECT_EQ(lines.front().from, QPoint(74, 0));
    EXPECT_EQ(lines.front().to, QPoint(74, 26));

    // bsCenter: the top half, then the bottom half; the end colour meets in the middle.
    lines = Face(TplaGradationStyle::bsCenter, 26);
    ASSERT_EQ(lines.size(), 28u);
    EXPECT_EQ(lines[13].from.y(), 13);
    EXPECT_EQ(lines[13].color, clBlue);
    EXPECT_EQ(lines[14].from.y(), 26);
    EXPECT_EQ(lines[14].color, clWhite);

    // bsRound: begin colour in the middle, end colour at the edges.
    lines = Face(TplaGradationStyle::bsRound, 26);
    EXPECT_EQ(lines[0].from.y(), 13);
    EXPECT_EQ(lines[13].from.y(), 0);
    EXPECT_EQ(lines[27].from.y(), 26);
    EXPECT_EQ(lines[27].color, clBlue);

    // One step: one top line in the begin colour; none: nothing.
    lines = Face(TplaGradationStyle::bsDown, 1);
    ASSERT_EQ(lines.size(), 1u);
    EXPECT_EQ(lines[0].to, QPoint(75, 0));
    EXPECT_TRUE(Face(TplaGradationStyle::bsCenter, 1).empty());
}
