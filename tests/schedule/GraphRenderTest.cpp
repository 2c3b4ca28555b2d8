// The graph drawn for four cases and compared with reference images kept in
// the test data (texts left out, so the fonts do not matter), with pixel
// probes of the band, each set's colour at computed points, the measured
// squares and an unticked layer's absence.
#include "ConcentrationGraph.h"
#include "GraphTestCase.h"

#include <QDir>
#include <QImage>
#include <QPainter>
#include <gtest/gtest.h>

using namespace graph_test;

namespace {

// Pictures without their texts.
TGraphPicture WithoutTexts(const TGraphPicture& picture)
{
    TGraphPicture shapes;
    for (const TGraphItem& item : picture.Items) {
        if (!std::holds_alternative<TGraphText>(item))
            shapes.Items.push_back(item);
    }
    return shapes;
}

struct DrawnGraph {
    TConcentrationGraph graph;
    TGraphCurves curves;   // a copy of what the layers were drawn from

    // The visible layers composed, texts left out.
    QImage Shapes() const
    {
        QImage image(GraphDesignWidth, GraphDesignHeight, QImage::Format_RGB32);
        image.fill(Qt::white);
        QPainter painter(&image);
        for (int i = 0; i < GraphLayerCount; ++i) {
            const auto layer = static_cast<GraphLayer>(i);
            if (graph.IsVisible(layer))
                PaintGraphPicture(painter, WithoutTexts(graph.Picture(layer)), image.rect());
        }
        return image;
    }
    // The visible layers as the screen composes them.
    QImage Screen() const
    {
        QImage image(GraphDesignWidth, GraphDesignHeight, QImage::Format_RGB32);
        QPainter painter(&image);
        graph.PaintVisibleLayers(painter, image.rect());
        return image;
    }
};

std::unique_ptr<DrawnGraph> Draw(GraphCase& c, const TGraphDisplayOptions& options = {})
{
    auto drawn = std::make_unique<DrawnGraph>();
    drawn->curves = DrawCase(c, drawn->graph, options);
    return drawn;
}

// The reference image of a case in the test data; QUORVEL_WRITE_GRAPH_REFERENCES
// set writes it from the current drawing instead (check it by eye then).
void ExpectMatchesReference(const QString& name, const QImage& shapes)
{
    const QString path = QStringLiteral(QUORVEL_SCHEDULE_TEST_DATA "/graph-%1.png").arg(name);
    if (qEnvironmentVariableIsSet("QUORVEL_WRITE_GRAPH_REFERENCES")) {
        ASSERT_TRUE(shapes.save(path));
        return;
    }
    const QImage reference = QImage(path).convertToFormat(QImage::Format_RGB32);
    ASSERT_FALSE(reference.isNull()) << path.toStdString();
    ASSERT_EQ(reference.size(), shapes.size());
    int differing = 0;
    for (int y = 0; y < shapes.height(); ++y) {
        for (int x = 0; x < shapes.width(); ++x)
            differing += reference.pixel(x, y) != shapes.pixel(x, y);
    }
    // A few pixels of slack for another rasterizer's rounding.
    EXPECT_LE(differing, 40) << name.toStdString();
}

QRgb Rgb(vcl::TColor color)
{
    return vcl::ToQColor(color).rgb();
}

QRgb Pixel(const QImage& image, QPoint at)
{
    return image.pixel(at) | 0xFF000000u;
}

// A point of a curve layer's polyline that starts a segment (so it is drawn).
QPoint CurvePoint(const TConcentrationGraph& graph, GraphLayer layer, std::size_t index)
{
    const TGraphPolyline& line = std::get<TGraphPolyline>(graph.Picture(layer).Items.at(0));
    return line.Points.at(std::min(index, line.Points.size() - 2));
}

} // namespace

TEST(GraphRender, VancomycinTwoCompartmentsWithTwoChangedRegimens)
{
    GraphCase c(5, 1, 1, 2);
    FillVancomycin(c);
    const auto drawn = Draw(c);
    ExpectMatchesReference(QStringLiteral("vancomycin"), drawn->Shapes());

    const QImage screen = drawn->Screen();
    EXPECT_EQ(Pixel(screen, {65, 310}), Rgb(0xB5FFFF));   // the band, left of the first dose
    EXPECT_EQ(Pixel(screen, {65, 340}), Rgb(vcl::clWhite));
    for (int set = 0; set <= 2; ++set) {
        const QImage& layer = drawn->graph.Image(SetLayer(set));
        for (std::size_t k : {100u, 700u, 1500u})
            EXPECT_EQ(Pixel(layer, CurvePoint(drawn->graph, SetLayer(set), k)), Rgb(SetColors[set])) << set;
        EXPECT_TRUE(drawn->graph.IsVisible(SetDottedLayer(set)));
    }
    EXPECT_FALSE(drawn->graph.IsVisible(GraphLayer::ImageWave3));
    // The trough measured on day 2 at 08:30: x = (2 + 8.5 / 24) x 720 / 7 + 60.
    const QImage& base = drawn->graph.Image(GraphLayer::ImageWaveBase);
    EXPECT_EQ(Pixel(base, {302, 313}), Rgb(0x008000));
    EXPECT_EQ(Pixel(base, {298, 309}), Rgb(0x008000));   // its top-left corner
    EXPECT_NE(Pixel(base, {306, 317}), Rgb(0x008000));   // its bottom-right edge is outside

    // "患者" unticked: no set layer shows, the population still does.
    TGraphDisplayOptions noPatient;
    noPatient.Patient = false;
    const auto without = Draw(c, noPatient);
    const QImage bare = without->Screen();
    for (int set = 0; set <= 2; ++set) {
        EXPECT_FALSE(without->graph.IsVisible(SetLayer(set)));
        EXPECT_NE(Pixel(bare, CurvePoint(without->graph, SetLayer(set), 700)), Rgb(SetColors[set]));
    }
    EXPECT_EQ(Pixel(bare, CurvePoint(without->graph, GraphLayer::ImageWaveBosyu, 700)), Rgb(PopulationCurveColor));
}

TEST(GraphRender, DigoxinOral)
{
    GraphCase c(1, 1, 1);
    FillDigoxin(c);
    const auto drawn = Draw(c);
    ExpectMatchesReference(QStringLiteral("digoxin"), drawn->Shapes());
    EXPECT_EQ(Pixel(drawn->graph.Image(SetLayer(0)), CurvePoint(drawn->graph, SetLayer(0), 2000)),
              Rgb(SetColors[0]));
    EXPECT_TRUE(drawn->graph.Picture(GraphLayer::ImageWave0M).Items.empty());
}

TEST(GraphRender, Methotrexate)
{
    GraphCase c(9, 1, 1);
    FillMethotrexate(c);
    const auto drawn = Draw(c);
    ExpectMatchesReference(QStringLiteral("methotrexate"), drawn->Shapes());
    // Inside the toxicity zone, away from the curves and the grid.
    EXPECT_EQ(Pixel(drawn->Screen(), {330, 60}), Rgb(0xD9D9FF));
}

TEST(GraphRender, PhenytoinWithTheCorrectedCurve)
{
    GraphCase c(3, 1, 1);
    FillPhenytoin(c);
    const auto drawn = Draw(c);
    ExpectMatchesReference(QStringLiteral("phenytoin"), drawn->Shapes());
    const QImage& dotted = drawn->graph.Image(SetDottedLayer(0));
    EXPECT_EQ(Pixel(dotted, CurvePoint(drawn->graph, SetDottedLayer(0), 0)), Rgb(SetColors[0]));
    // The corrected curve lies above the uncorrected one after the first dose.
    const TGraphPolyline& solid = std::get<TGraphPolyline>(drawn->graph.Picture(SetLayer(0)).Items.at(0));
    const TGraphPolyline& corrected = std::get<TGraphPolyline>(drawn->graph.Picture(SetDottedLayer(0)).Items.at(0));
    EXPECT_LT(corrected.Points[900].y(), solid.Points[900].y());
}
