#pragma once
// The report's concentration graph, composed from the result page's layers:
// white, then every chosen layer ANDed in, as the layers are white where they
// draw nothing. The layers (800 x 450) are shrunk into the report's picture
// so that each target pixel is the AND of every source pixel it covers: a
// one-pixel line is never lost and no colour is blended.
#include <QImage>
#include <array>
#include <vector>

// The result page's layers; all share one size. A null image is a layer
// that holds nothing, and a fully transparent pixel counts as white.
struct TGraphLayers {
    QImage Base;                         // `ImageWaveBase`: axes, grid, range, measured values
    QImage Population;                   // `ImageWaveBosyu`
    QImage PopulationDotted;             // `ImageWaveBosyuM`
    std::array<QImage, 4> Sets;          // `ImageWave0` .. `ImageWave3`
    std::array<QImage, 4> SetsDotted;    // `ImageWave0M` .. `ImageWave3M`
};

enum class TGraphLayer { Base, Population, PopulationDotted, Set, SetDotted };

struct TGraphLayerRef {
    TGraphLayer Layer = TGraphLayer::Base;
    int Set = 0;                         // for Set and SetDotted
    friend bool operator==(const TGraphLayerRef&, const TGraphLayerRef&) = default;
};

// Which layers one detail block's graph is made of.
struct TReportGraphRecipe {
    std::vector<TGraphLayerRef> Layers;          // into the printed picture, in this order
    std::vector<TGraphLayerRef> PatientLayers;   // set 0's curve, for the overlay
    bool OverlayPatientCurve = false;            // lay set 0's red pixels over the picture
};

// A white picture of the given size with the recipe's layers ANDed in, and
// set 0's pure red laid over when the recipe asks.
QImage ComposeReportGraph(const TReportGraphRecipe& recipe, const TGraphLayers& layers, int width, int height);

// dest := dest AND source shrunk (or stretched) to dest's size.
void AndStretchInto(QImage& dest, const QImage& source);

// Where `patient` is pure red, `picture` becomes pure red; both one size.
void CopyGraphToReportImage(QImage& picture, const QImage& patient);
