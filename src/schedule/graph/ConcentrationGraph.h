#pragma once
// The concentration graph of the case on screen: its eleven layers, each kept
// both as a picture (what to draw, for any device) and as the 800 x 450 image
// the screen composes, with their visibility; and the two-minute curve lists
// and compartment listing of the last curve computation.
#include "GraphCurves.h"
#include "GraphLegend.h"

#include <QImage>
#include <array>
#include <functional>

class TConcentrationGraph {
public:
    TConcentrationGraph();

    // Draws the curve layers of a computation and keeps its curve lists;
    // layers of sets not in use and dotted layers of a drug without them are
    // left empty. layerGroupDone is called after the population layers and
    // after each set's.
    void SetCurves(TGraphCurves curves, const TGraphState& graph, const TDrugKey& drug,
                   const std::function<void()>& layerGroupDone = {});
    // Draws the axes layer.
    void SetAxes(const TGraphAxesInput& input, const TGraphTextMetrics& metrics);
    void SetVisibility(const TGraphLayerVisibility& visibility) { visible_ = visibility; }

    const TGraphPicture& Picture(GraphLayer layer) const { return pictures_[Index(layer)]; }
    const QImage& Image(GraphLayer layer) const { return images_[Index(layer)]; }
    bool IsVisible(GraphLayer layer) const { return visible_[Index(layer)]; }
    // The visible layers' images, bottom to top, scaled into target.
    void PaintVisibleLayers(QPainter& painter, const QRect& target) const;

    const TCurveLists& CurveLists() const { return curveLists_; }
    const QStringList& CompartmentLines() const { return compartmentLines_; }

private:
    static int Index(GraphLayer layer) { return static_cast<int>(layer); }
    void StoreLayer(GraphLayer layer, TGraphPicture picture);

    std::array<TGraphPicture, GraphLayerCount> pictures_;
    std::array<QImage, GraphLayerCount> images_;
    TGraphLayerVisibility visible_{};
    TCurveLists curveLists_;
    QStringList compartmentLines_;
};

// A curve layer: the curve's polyline in its pen.
TGraphPicture CurveLayerPicture(std::span<const double> values, int stepMinutes, const TGraphState& graph,
                                GraphAxis axis, const TGraphPen& pen);
