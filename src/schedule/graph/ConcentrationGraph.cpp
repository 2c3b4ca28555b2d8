#include "ConcentrationGraph.h"

#include <QPainter>

TConcentrationGraph::TConcentrationGraph()
{
    for (int i = 0; i < GraphLayerCount; ++i)
        StoreLayer(static_cast<GraphLayer>(i), TGraphPicture{});
    // Until the first drawing the graph is its white surface.
    TGraphPicture blank;
    blank.Add(TGraphFill{QRect(0, 0, GraphDesignWidth, GraphDesignHeight), vcl::clWhite});
    StoreLayer(GraphLayer::ImageWaveBase, std::move(blank));
    visible_[Index(GraphLayer::ImageWaveBase)] = true;
}

void TConcentrationGraph::StoreLayer(GraphLayer layer, TGraphPicture picture)
{
    images_[Index(layer)] = RenderGraphPicture(picture);
    pictures_[Index(layer)] = std::move(picture);
}

void TConcentrationGraph::SetCurves(TGraphCurves curves, const TGraphState& graph, const TDrugKey& drug,
                                    const std::function<void()>& layerGroupDone)
{
    const GraphAxis axis = GraphCaseOf(drug).Axis;
    const int step = curves.Sampling.StepMinutes;
    auto draw = [&](GraphLayer layer, const std::vector<double>& values, vcl::TColor color, GraphPenStyle style) {
        StoreLayer(layer, values.empty() ? TGraphPicture{}
                                       : CurveLayerPicture(values, step, graph, axis, TGraphPen{color, 1, style}));
    };
    auto done = [&] {
        if (layerGroupDone)
            layerGroupDone();
    };
    draw(GraphLayer::ImageWaveBosyu, curves.Solid[0], PopulationCurveColor, GraphPenStyle::Solid);
    draw(GraphLayer::ImageWaveBosyuM, curves.Dotted[0], PopulationCurveColor, GraphPenStyle::Dot);
    done();
    for (int set = 0; set < ScheduleSetCount; ++set) {
        draw(SetLayer(set), curves.Solid[set + 1], SetColors[set], GraphPenStyle::Solid);
        draw(SetDottedLayer(set), curves.Dotted[set + 1], SetColors[set], GraphPenStyle::Dot);
        if (!curves.Solid[set + 1].empty())
            done();
    }
    curveLists_ = std::move(curves.CurveLists);
    compartmentLines_ = std::move(curves.CompartmentLines);
}

void TConcentrationGraph::SetAxes(const TGraphAxesInput& input, const TGraphTextMetrics& metrics)
{
    StoreLayer(GraphLayer::ImageWaveBase, GraphAxesPicture(input, metrics));
}

void TConcentrationGraph::PaintVisibleLayers(QPainter& painter, const QRect& target) const
{
    for (int i = 0; i < GraphLayerCount; ++i) {
        if (visible_[i])
            painter.drawImage(target, images_[i]);
    }
}

TGraphPicture CurveLayerPicture(std::span<const double> values, int stepMinutes, const TGraphState& graph,
                                GraphAxis axis, const TGraphPen& pen)
{
    TGraphPicture picture;
    picture.Add(CurvePolyline(values, stepMinutes, graph, axis, pen));
    return picture;
}
