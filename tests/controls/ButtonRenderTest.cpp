// Offscreen renders of painted buttons and a panel button, checked pixel by pixel.
#include "ButtonGradient.h"
#include "ButtonTestSupport.h"
#include "Fonts.h"
#include "PanelButton.h"
#include "plButton.h"

#include <QFont>
#include <gtest/gtest.h>

using namespace vcl;
using namespace button_tests;

namespace {

QColor Q(TColor c)
{
    return ToQColor(c);
}

// The bounding box of the pixels of one colour.
QRect BoxOf(const QImage& image, QColor color)
{
    QRect box;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (QColor(image.pixel(x, y)) == color)
                box |= QRect(x, y, 1, 1);
    return box;
}

// A white face without frame, so caption and image pixels stand out.
void PlainWhite(TplButton& b)
{
    b.SetButtonStyle(TplButtonStyle::bsFlatNoFrame);
    b.SetGradation(false);
    b.SetColor(clWhite);
}

} // namespace

TEST(ButtonRender, NormalStyleGradientAndRaisedOrPressedEdge)
{
    TplButton b;
    const QImage image = Rendered(&b);
    for (const int y : {2, 10, 23})
        EXPECT_EQ(At(image, 37, y), Q(GradientLineColor(y, 26, 0, clWhite, clSilver))) << "row " << y;
    EXPECT_EQ(At(image, 0, 0), Q(cl3DLight));
    EXPECT_EQ(At(image, 1, 1), Q(clBtnHighlight));
    EXPECT_EQ(At(image, 74, 25), Q(cl3DDkShadow));
    EXPECT_EQ(At(image, 73, 24), Q(clBtnShadow));

    Press(&b, {5, 5});
    const QImage pressed = Rendered(&b);
    EXPECT_EQ(At(pressed, 0, 0), Q(clBtnShadow));
    EXPECT_EQ(At(pressed, 74, 25), Q(clBtnShadow));
    EXPECT_EQ(At(pressed, 1, 1), Q(clGray));
    Release(&b, {5, 5});

    b.SetButtonStyle(TplButtonStyle::bsFlat); // flat: shadow ring, face-coloured ring
    EXPECT_EQ(At(Rendered(&b), 0, 0), Q(clBtnShadow));
    EXPECT_EQ(At(Rendered(&b), 1, 1), Q(clBtnFace));
}

TEST(ButtonRender, RoundStyleIsClippedToItsRegionAndFramed)
{
    QWidget parent;
    parent.resize(100, 50);
    QPalette palette;
    palette.setColor(QPalette::Window, Qt::red);
    parent.setPalette(palette);
    parent.setAutoFillBackground(true);
    auto* b = new TplButton(&parent);
    b->move(10, 10);
    b->SetButtonStyle(TplButtonStyle::bsRoundRect);
    b->SetGradEndColor(clBlue);
    b->SetRoundDiameter(10);
    parent.show();
    const QImage image = Rendered(&parent);
    int clipped = 0;
    for (int y = 0; y < 26; ++y) {
        for (int x = 0; x < 75; ++x) {
            const bool inside = b->mask().contains(QPoint(x, y));
            clipped += inside ? 0 : 1;
            EXPECT_EQ(At(image, 10 + x, 10 + y) == QColor(Qt::red), !inside) << x << "," << y;
        }
    }
    EXPECT_GT(clipped, 8);
    EXPECT_EQ(At(image, 10, 10 + 13), Q(clGray));
    EXPECT_EQ(At(image, 10 + 37, 10), Q(clGray));
    EXPECT_EQ(At(image, 10 + 37, 10 + 13), Q(GradientLineColor(13, 26, 0, clWhite, clBlue)));
}

TEST(ButtonRender, CaptionIsCentredAndMovedByAPress)
{
    TplButton b;
    QFont font = vcl::ProgramFont();
    font.setPixelSize(16);
    font.setBold(true);
    font.setStyleStrategy(QFont::NoAntialias); // exact ink colours
    b.setFont(font);
    PlainWhite(b);
    b.CaptionA().SetCaption("確定");
    const QRect ink = BoxOf(Rendered(&b), Qt::black);
    ASSERT_FALSE(ink.isEmpty());
    EXPECT_EQ(b.CaptionTop(), (26 - QFontMetrics(font).height()) / 2 + 1); // the paint wrote it
    EXPECT_NEAR(ink.center().x(), 37, 2);

    Press(&b, {5, 5});
    EXPECT_EQ(BoxOf(Rendered(&b), Qt::black), ink.translated(1, 1));
    b.SetHasFocus(false);
    EXPECT_EQ(BoxOf(Rendered(&b), Qt::black), ink);
    b.SetDispDownFocus(true);
    EXPECT_EQ(BoxOf(Rendered(&b), Qt::black), ink.translated(1, 1));
    Release(&b, {5, 5});

    // Disabled (with HasFocus): engraved in shadow over a highlight, not in the font colour.
    b.SetHasFocus(true);
    b.setEnabled(false);
    b.SetColor(clNavy);
    const QImage disabled = Rendered(&b);
    EXPECT_TRUE(BoxOf(disabled, Qt::black).isEmpty());
    EXPECT_EQ(BoxOf(disabled, Q(clBtnShadow)).bottomRight() + QPoint(1, 1),
              BoxOf(disabled, Qt::white).bottomRight());
}

TEST(ButtonRender, ImageIsCentredMovedByAPressAndEmbossedWhenDisabled)
{
    TplButton b;
    PlainWhite(b);
    QImage bitmap(10, 6, QImage::Format_RGB32);
    bitmap.fill(Qt::red);
    b.Image().SetPicture(TPicture::Bitmap(bitmap));
    EXPECT_EQ(BoxOf(Rendered(&b), Qt::red), QRect(10, 10, 10, 6)); // top (26 - 6) / 2, left 10
    b.Image().SetHorzCenter(true);
    EXPECT_EQ(BoxOf(Rendered(&b), Qt::red), QRect(32, 10, 10, 6)); // (75 - 10) / 2

    Press(&b, {5, 5});
    EXPECT_EQ(BoxOf(Rendered(&b), Qt::red), QRect(33, 11, 10, 6));
    b.SetHasFocus(false);
    b.SetDispDownFocus(true);
    EXPECT_EQ(BoxOf(Rendered(&b), Qt::red), QRect(32, 10, 10, 6)); // the image stays
    Release(&b, {5, 5});

    b.SetHasFocus(true);
    b.setEnabled(false);
    const QImage disabled = Rendered(&b);
    EXPECT_TRUE(BoxOf(disabled, Qt::red).isEmpty());
    EXPECT_EQ(BoxOf(disabled, Q(clBtnShadow)), QRect(32, 10, 10, 6));
    EXPECT_EQ(At(disabled, 42, 16), Q(clBtnHighlight));

    // Transparent: the lower-left colour is left out.
    b.setEnabled(true);
    bitmap.fill(Qt::blue);
    bitmap.setPixel(4, 2, qRgb(255, 0, 0));
    b.Image().SetPicture(TPicture::Bitmap(bitmap));
    b.Image().SetTransParent(true);
    const QImage keyed = Rendered(&b);
    EXPECT_TRUE(BoxOf(keyed, Qt::blue).isEmpty());
    EXPECT_EQ(BoxOf(keyed, Qt::red), QRect(36, 12, 1, 1));
}

TEST(PanelButtonRender, ShadingEdgesAndTheSharedPressedLook)
{
    TPanelButton a;
    a.resize(40, 20);
    a.SetColor(RGB(200, 200, 100));
    const QImage image = Rendered(&a);
    EXPECT_EQ(At(image, 20, 5), QColor(200, 195, 95));
    EXPECT_EQ(At(image, 19, 5), QColor(200, 190, 90));
    EXPECT_EQ(At(image, 21, 5), QColor(200, 190, 90));
    EXPECT_EQ(At(image, 1, 5), QColor(200, 100, 0)); // twentieth step out
    EXPECT_EQ(At(image, 0, 5), QColor(128, 128, 128));
    EXPECT_EQ(At(image, 39, 5), QColor(255, 255, 255));
    EXPECT_EQ(At(image, 5, 19), QColor(255, 255, 255));

    ASSERT_FALSE(TPanelButton::PressShown());
    Press(&a, {5, 5});
    EXPECT_EQ(At(Rendered(&a), 1, 5), QColor(0, 0, 0));

    // A second panel pressed meanwhile draws nothing; its release ends the shared press,
    // and a release without a shown press draws nothing.
    TPanelButton b;
    Press(&b, {5, 5});
    EXPECT_EQ(b.Look(), PanelLook::Released);
    Release(&b, {5, 5});
    EXPECT_FALSE(TPanelButton::PressShown());
    Release(&a, {5, 5});
    EXPECT_EQ(a.Look(), PanelLook::Pressed);
    Press(&a, {5, 5});
    Release(&a, {5, 5});
    EXPECT_EQ(a.Look(), PanelLook::Released);
}
