#include "GraphPicture.h"
#include "ReportContent.h"
#include "ReportGraph.h"
#include "ReportTestData.h"

#include <QImage>
#include <QPainter>
#include <gtest/gtest.h>

namespace {

int Count(const QImage& image, QRgb colour)
{
    int count = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            count += image.pixel(x, y) == colour;
    return count;
}

// A curve layer as the graph draws it: one polyline in the colour.
TGraphPicture CurveLayer(vcl::TColor colour, int y0, int y1)
{
    TGraphPicture picture;
    picture.Add(TGraphPolyline{{colour, 1, GraphPenStyle::Solid}, {{60, y0}, {400, y1}, {780, y0}}});
    return picture;
}

// A picture as the report's graph rectangle shows it on a 192 dpi device,
// where the graph's one-pixel lines are 1.6 device pixels wide.
constexpr int PrintedWidth = 2 * ReportGraphWidth;
constexpr int PrintedHeight = 2 * ReportGraphHeight;
QImage Printed(const TGraphPicture& picture)
{
    QImage image(PrintedWidth, PrintedHeight, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    PaintGraphPicture(painter, picture, image.rect());
    return image;
}

} // namespace

// Sets 0 and 2 ticked: set 2's graph carries set 0's red curve on top of
// its own lime one, where they cross too; set 0's graph has no lime, and the
// work picture `QRImage2` holding set 0's curve is never printed.
TEST(ReportGraph, ChangedSetShowsThePatientCurveInPureRed)
{
    TReportInput input = report_test::CaseInput({2, 1, 1, 0});
    report_test::UseSets(input, 2);
    input.Display.SetTicked = {true, false, true, false};
    auto layer = [&input](GraphLayer l) -> TGraphPicture& { return input.GraphLayers[static_cast<std::size_t>(l)]; };
    layer(GraphLayer::ImageWaveBase).Add(TGraphFill{QRect(0, 0, GraphDesignWidth, GraphDesignHeight), vcl::clWhite});
    layer(GraphLayer::ImageWaveBosyu) = CurveLayer(PopulationCurveColor, 300, 200);
    for (int set = 0; set < 3; ++set)
        layer(SetLayer(set)) = CurveLayer(SetColors[set], 100 + 50 * set, 350);
    const TReportContent content = BuildReportContent(input);
    ASSERT_EQ(content.Details.size(), 2u);
    const TReportDetail& changed = content.Details[1];
    EXPECT_FALSE(changed.Band.Find("QRImage2")->Enabled);
    EXPECT_EQ(changed.QRImage2, layer(GraphLayer::ImageWave0));

    const QImage patient = Printed(content.Details[0].QRImage1);
    const QImage other = Printed(changed.QRImage1);
    const QRgb red = 0xFFFF0000, lime = 0xFF00FF00;
    EXPECT_GT(Count(patient, red), PrintedWidth);
    EXPECT_EQ(Count(patient, lime), 0);
    EXPECT_GT(Count(other, lime), PrintedWidth);
    EXPECT_GT(Count(other, 0xFF808080), 0);
    for (int y = 0; y < PrintedHeight; ++y) {
        for (int x = 0; x < PrintedWidth; ++x) {
            if (patient.pixel(x, y) == red) {
                ASSERT_EQ(other.pixel(x, y), red) << x << "," << y;
            }
        }
    }
}
