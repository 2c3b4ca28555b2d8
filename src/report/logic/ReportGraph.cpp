#include "ReportGraph.h"

#include <QColor>

namespace {

constexpr QRgb White = 0xFFFFFFFF;
constexpr QRgb PureRed = 0xFFFF0000;

QRgb Opaque(QRgb pixel)
{
    return qAlpha(pixel) == 0 ? White : (pixel | 0xFF000000);
}

const QImage& LayerImage(const TGraphLayers& layers, const TGraphLayerRef& ref)
{
    switch (ref.Layer) {
    case TGraphLayer::Population:
        return layers.Population;
    case TGraphLayer::PopulationDotted:
        return layers.PopulationDotted;
    case TGraphLayer::Set:
        return layers.Sets[static_cast<std::size_t>(ref.Set)];
    case TGraphLayer::SetDotted:
        return layers.SetsDotted[static_cast<std::size_t>(ref.Set)];
    case TGraphLayer::Base:
        break;
    }
    return layers.Base;
}

QImage WhitePicture(int width, int height)
{
    QImage picture(width, height, QImage::Format_RGB32);
    picture.fill(White);
    return picture;
}

// The source cells [first, last] that target cell `index` of `targetSize`
// covers on a source of `sourceSize` cells: every cell it touches.
struct TSpan {
    int First;
    int Last;
};
TSpan Covered(int index, int targetSize, int sourceSize)
{
    const long long first = static_cast<long long>(index) * sourceSize / targetSize;
    const long long end = (static_cast<long long>(index + 1) * sourceSize + targetSize - 1) / targetSize;
    return {static_cast<int>(first), static_cast<int>(std::max(first, end - 1))};
}

} // namespace

void AndStretchInto(QImage& dest, const QImage& source)
{
    if (source.isNull() || dest.isNull())
        return;
    const QImage src = source.convertToFormat(QImage::Format_ARGB32);
    std::vector<TSpan> columns(static_cast<std::size_t>(dest.width()));
    for (int x = 0; x < dest.width(); ++x)
        columns[static_cast<std::size_t>(x)] = Covered(x, dest.width(), src.width());
    for (int y = 0; y < dest.height(); ++y) {
        const TSpan rows = Covered(y, dest.height(), src.height());
        auto* out = reinterpret_cast<QRgb*>(dest.scanLine(y));
        for (int x = 0; x < dest.width(); ++x) {
            const TSpan cols = columns[static_cast<std::size_t>(x)];
            QRgb value = White;
            for (int sy = rows.First; sy <= rows.Last; ++sy) {
                const auto* in = reinterpret_cast<const QRgb*>(src.constScanLine(sy));
                for (int sx = cols.First; sx <= cols.Last; ++sx)
                    value &= Opaque(in[sx]);
            }
            out[x] = (out[x] | 0xFF000000) & value;
        }
    }
}

void CopyGraphToReportImage(QImage& picture, const QImage& patient)
{
    for (int y = 0; y < picture.height() && y < patient.height(); ++y) {
        auto* out = reinterpret_cast<QRgb*>(picture.scanLine(y));
        const auto* in = reinterpret_cast<const QRgb*>(patient.constScanLine(y));
        for (int x = 0; x < picture.width() && x < patient.width(); ++x) {
            if ((in[x] | 0xFF000000) == PureRed)
                out[x] = PureRed;
        }
    }
}

QImage ComposeReportGraph(const TReportGraphRecipe& recipe, const TGraphLayers& layers, int width, int height)
{
    QImage picture = WhitePicture(width, height);
    for (const TGraphLayerRef& layer : recipe.Layers)
        AndStretchInto(picture, LayerImage(layers, layer));
    if (recipe.OverlayPatientCurve) {
        QImage patient = WhitePicture(width, height);
        for (const TGraphLayerRef& layer : recipe.PatientLayers)
            AndStretchInto(patient, LayerImage(layers, layer));
        CopyGraphToReportImage(picture, patient);
    }
    return picture;
}
