#include "GraphPicture.h"
#include "ReportContent.h"
#include "ReportGraph.h"
#include "ReportTestData.h"

#include <QPainter>
#include <gtest/gtest.h>

namespace {

constexpr QRgb White = 0xFFFFFFFF;

QImage Blank(int width, int height)
{
    QImage image(width, height, QImage::Format_RGB32);
    image.fill(White);
    return image;
}

int Count(const QImage& image, QRgb colour)
{
    int count = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            count += image.pixel(x, y) == colour;
    return count;
}

// A layer drawn by the graph library's painter: one polyline in the colour.
QImage CurveLayer(vcl::TColor colour, int y0, int y1)
{
    TGraphPicture picture;
    picture.Items.push_back(TGraphPolyline{{colour, 1, GraphPenStyle::Solid}, {{60, y0}, {400, y1}, {780, y0}}});
    QImage layer = Blank(GraphDesignWidth, GraphDesignHeight);
    QPainter painter(&layer);
    PaintGraphPicture(painter, picture, layer.rect());
    return layer;
}

} // namespace

// Shrinking by 4/5 (the layers' 800 x 450 into 640 x 360): a one-pixel line
// in any column or row survives as a whole line of its colour, and nothing
// else changes colour.
TEST(ReportGraph, AndStretchKeepsEveryOnePixelLineUnmixed)
{
    constexpr int sw = 80, sh = 45, dw = 64, dh = 36;
    constexpr QRgb red = 0xFFFF0000;
    for (int column = 0; column < sw; ++column) {
        QImage source = Blank(sw, sh);
        for (int y = 0; y < sh; ++y)
            source.setPixel(column, y, red);
        QImage dest = Blank(dw, dh);
        AndStretchInto(dest, source);
        EXPECT_EQ(Count(dest, red) + Count(dest, White), dw * dh) << column;
        EXPECT_GE(Count(dest, red), dh) << column;
    }
    for (int row = 0; row < sh; ++row) {
        QImage source = Blank(sw, sh);
        for (int x = 0; x < sw; ++x)
            source.setPixel(x, row, 0xFF000000);
        QImage dest = Blank(dw, dh);
        AndStretchInto(dest, source);
        EXPECT_GE(Count(dest, 0xFF000000), dw) << row;
    }
    // A transparent pixel counts as white; a null layer changes nothing.
    QImage clear(sw, sh, QImage::Format_ARGB32);
    clear.fill(Qt::transparent);
    QImage dest = Blank(dw, dh);
    AndStretchInto(dest, clear);
    AndStretchInto(dest, QImage());
    EXPECT_EQ(Count(dest, White), dw * dh);
}

// Sets 0 and 2 ticked: set 2's graph carries set 0's red curve exactly red,
// next to its own lime one; set 0's graph has no lime.
TEST(ReportGraph, ChangedSetShowsThePatientCurveInPureRed)
{
    TReportInput input = report_test::CaseInput({2, 1, 1, 0});
    report_test::UseSets(input, 2);
    input.Display.SetTicked = {true, false, true, false};
    input.GraphLayers.Base = Blank(GraphDesignWidth, GraphDesignHeight);
    input.GraphLayers.Population = CurveLayer(PopulationCurveColor, 300, 200);
    for (int set = 0; set < 3; ++set)
        input.GraphLayers.Sets[static_cast<std::size_t>(set)] = CurveLayer(SetColors[set], 100 + 50 * set, 350);
    const TReportContent content = BuildReportContent(input);
    ASSERT_EQ(content.Details.size(), 2u);
    const QImage& patient = content.Details[0].Graph;
    const QImage& changed = content.Details[1].Graph;
    ASSERT_EQ(changed.size(), QSize(ReportGraphWidth, ReportGraphHeight));
    const QRgb red = 0xFFFF0000, lime = 0xFF00FF00;
    EXPECT_GT(Count(patient, red), 640);
    EXPECT_EQ(Count(patient, lime), 0);
    EXPECT_GT(Count(changed, lime), 640);
    // Every red pixel of set 0's own picture is red in the changed set's one.
    for (int y = 0; y < ReportGraphHeight; ++y) {
        for (int x = 0; x < ReportGraphWidth; ++x) {
            if (patient.pixel(x, y) == red) {
                ASSERT_EQ(changed.pixel(x, y), red) << x << "," << y;
            }
        }
    }
    EXPECT_GT(Count(changed, 0xFF808080), 0);
}
