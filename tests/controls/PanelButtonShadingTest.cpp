// Panel button shading, edges and caption arithmetic.
#include "PanelButtonShading.h"

#include <gtest/gtest.h>

using namespace vcl;

TEST(PanelShading, PureRedStaysPureRed)
{
    for (const PanelColumn& c : PanelShadingColumns(RGB(255, 0, 0), 0, 10))
        EXPECT_EQ(c.color, RGB(255, 0, 0)) << "column " << c.x;
}

TEST(PanelShading, TwoRunsOutwardFromTheMiddleDominantFirstOnATie)
{
    EXPECT_EQ(DominantChannel(RGB(200, 200, 100)), ColorChannel::Red);
    EXPECT_EQ(DominantChannel(RGB(10, 200, 200)), ColorChannel::Green);
    const auto columns = PanelShadingColumns(RGB(200, 200, 100), 0, 10);
    ASSERT_EQ(columns.size(), 11u); // 5..0, then 5..9
    EXPECT_EQ(columns[0].x, 5);
    EXPECT_EQ(columns[0].color, RGB(200, 195, 95));
    EXPECT_EQ(columns[5].x, 0);
    EXPECT_EQ(columns[5].color, RGB(200, 170, 70));
    EXPECT_EQ(columns[6].x, 5);
    EXPECT_EQ(columns[6].color, RGB(200, 195, 95));
    EXPECT_EQ(columns[10].x, 9);
    // Never below zero.
    EXPECT_EQ(PanelShadingColumns(RGB(200, 200, 100), 0, 200)[30].color, RGB(200, 45, 0));
}

TEST(PanelShading, CaptionBoxAndShadow)
{
    const QRect box = PanelCaptionBox(QRect(0, 0, 185, 41), 12, PanelLook::Released);
    EXPECT_EQ(box, QRect(0, 12, 185, 17)); // (41 - 12) / 2 - 2, height 12 + 5
    EXPECT_EQ(PanelCaptionBox(QRect(0, 0, 185, 41), 12, PanelLook::Pressed), box.translated(1, 1));
    EXPECT_EQ(PanelCaptionShadow(clWhite), RGB(127, 127, 127));
    EXPECT_EQ(PanelCaptionShadow(RGB(200, 100, 200)), RGB(255, 228, 255));
}
