// The painted button as a control: construction, setter side effects, the
// window region and the mouse protocol.
#include "ButtonGeometry.h"
#include "ButtonTestSupport.h"
#include "plButton.h"

#include <QTest>
#include <gtest/gtest.h>

using namespace vcl;
using namespace button_tests;

TEST(PlButton, ConstructionValuesThatDifferFromTheStoredDefaults)
{
    TplButton b;
    EXPECT_EQ(b.size(), QSize(75, 26));
    EXPECT_EQ(b.focusPolicy(), Qt::NoFocus);
    EXPECT_EQ(b.FramePenSize(), 2);
    EXPECT_EQ(b.FrameColor(), clGray);
    EXPECT_EQ(b.RoundDiameter(), 5);
    EXPECT_TRUE(b.CaptionVertCenter());
    EXPECT_TRUE(b.HasFocus());
    EXPECT_EQ(b.Image().Left(), 10);
}

TEST(PlButton, SetterSideEffects)
{
    TplButton b;
    b.SetName("plButton16"); // the first name becomes the caption
    EXPECT_EQ(b.CaptionA().Caption(), "plButton16");
    b.CaptionA().SetCaption("解析");
    b.SetName("plButton17");
    EXPECT_EQ(b.CaptionA().Caption(), "解析");

    b.SetCaptionTop(6);
    EXPECT_FALSE(b.CaptionVertCenter());

    b.SetParentColor(true);
    b.SetGradation(true);
    EXPECT_FALSE(b.ParentColor());

    b.Image().SetHorzCenter(true);
    b.Image().SetLeft(4);
    EXPECT_FALSE(b.Image().HorzCenter());
    b.Image().SetTop(2);
    EXPECT_FALSE(b.Image().VertCenter());

    // Only bitmaps and icons are kept.
    const QImage picture(8, 8, QImage::Format_RGB32);
    b.Image().SetPicture(TPicture::Icon(picture));
    EXPECT_EQ(b.Image().Picture().kind, TGraphicKind::Icon);
    b.Image().SetPicture(TPicture::Other(picture));
    EXPECT_TRUE(b.Image().Picture().IsEmpty());
}

TEST(PlButton, RegionOnlyInTheRoundStylesAndRebuiltOnResize)
{
    TplButton b;
    b.show(); // a hidden widget hears of its new size only when shown
    b.SetButtonStyle(TplButtonStyle::bsFlat);
    EXPECT_TRUE(b.mask().isEmpty());
    b.SetButtonStyle(TplButtonStyle::bsRoundRect);
    EXPECT_EQ(b.mask(), RoundRectRegion(75, 26, 5));
    b.resize(100, 40);
    EXPECT_EQ(b.mask(), RoundRectRegion(100, 40, 5));
    b.SetRoundDiameter(12);
    EXPECT_EQ(b.mask(), RoundRectRegion(100, 40, 12));
    b.SetButtonStyle(TplButtonStyle::bsNormal);
    EXPECT_TRUE(b.mask().isEmpty());
    b.SetRoundDiameter(7);
    EXPECT_TRUE(b.mask().isEmpty());
}

TEST(PlButtonMouse, ReleaseInsideClicksAndDragOffDoesNot)
{
    TplButton b;
    int clicks = 0, leaves = 0;
    bool downInHandler = true;
    b.OnClick = [&](QObject* sender) {
        EXPECT_EQ(sender, &b);
        downInHandler = b.IsDown();
        ++clicks;
    };
    b.OnMouseLeave = [&](QObject*, TShiftState, int, int) { ++leaves; };

    Press(&b, {10, 10});
    EXPECT_TRUE(b.IsDown());
    Release(&b, {12, 11});
    EXPECT_EQ(clicks, 1);
    EXPECT_FALSE(downInHandler);

    Press(&b, {10, 10});
    DragTo(&b, {120, 12});
    EXPECT_FALSE(b.IsDown());
    DragTo(&b, {130, 12});
    EXPECT_EQ(leaves, 1);
    Release(&b, {130, 12});
    EXPECT_EQ(clicks, 1);

    // Off and back on: the look stays released, a release inside still clicks.
    Press(&b, {10, 10});
    DragTo(&b, {10, 50});
    DragTo(&b, {10, 10});
    EXPECT_FALSE(b.IsDown());
    Release(&b, {10, 10});
    EXPECT_EQ(clicks, 2);
}

TEST(PlButtonMouse, DoubleClickIsOneClickAndOneDoubleClick)
{
    TplButton b;
    int clicks = 0, doubles = 0;
    b.OnClick = [&](QObject*) { ++clicks; };
    b.OnDblClick = [&](QObject*) { ++doubles; };
    ClickAt(&b, {10, 10});
    SendMouse(&b, QEvent::MouseButtonDblClick, {10, 10}, Qt::LeftButton, Qt::LeftButton);
    EXPECT_TRUE(b.IsDown());
    Release(&b, {10, 10});
    EXPECT_EQ(clicks, 1);
    EXPECT_EQ(doubles, 1);
    EXPECT_FALSE(b.IsDown());
}

TEST(PlButtonMouse, ThroughTheWindowSystem)
{
    QWidget window;
    window.resize(200, 100);
    auto* b = new TplButton(&window);
    auto* keeper = new TplButton(&window);
    keeper->move(100, 0);
    keeper->SetHasFocus(false);
    int clicks = 0;
    b->OnClick = [&](QObject*) { ++clicks; };
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));

    QTest::mouseClick(b, Qt::LeftButton, Qt::NoModifier, QPoint(20, 10));
    EXPECT_EQ(clicks, 1);
    EXPECT_EQ(window.focusWidget(), b); // a press takes the focus with HasFocus on
    QTest::mouseClick(keeper, Qt::LeftButton, Qt::NoModifier, QPoint(20, 10));
    EXPECT_EQ(window.focusWidget(), b); // ... and not with it off

    QTest::mousePress(b, Qt::LeftButton, Qt::NoModifier, QPoint(20, 10));
    QTest::mouseMove(b, QPoint(150, 60));
    EXPECT_FALSE(b->IsDown());
    QTest::mouseRelease(b, Qt::LeftButton, Qt::NoModifier, QPoint(150, 60));
    EXPECT_EQ(clicks, 1);
}

TEST(PlButtonMouse, HandlerMayReplaceItselfWhileRunning)
{
    TplButton b;
    int first = 0, second = 0;
    b.OnClick = [&](QObject*) {
        ++first;
        b.OnClick = [&](QObject*) { ++second; };
    };
    b.Click();
    b.Click();
    EXPECT_EQ(first, 1);
    EXPECT_EQ(second, 1);
}
