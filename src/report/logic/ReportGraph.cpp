#include "ReportGraph.h"

namespace {

// Whether an item draws in pure red: a curve of set 0 (the only items of
// its layers), or anything else drawn in that colour.
struct PureRed {
    bool operator()(const TGraphFill& fill) const { return fill.Color == vcl::clRed; }
    bool operator()(const TGraphPolyline& line) const { return line.Pen.Color == vcl::clRed; }
    bool operator()(const TGraphPolygon& polygon) const { return polygon.Pen.Color == vcl::clRed; }
    bool operator()(const TGraphEllipse& ellipse) const { return ellipse.Pen.Color == vcl::clRed; }
    bool operator()(const TGraphText& text) const { return text.Color == vcl::clRed; }
};

} // namespace

TGraphLayerPictures GraphLayerPicturesOf(const TConcentrationGraph& graph)
{
    TGraphLayerPictures pictures;
    for (int i = 0; i < GraphLayerCount; ++i)
        pictures[static_cast<std::size_t>(i)] = graph.Picture(static_cast<GraphLayer>(i));
    return pictures;
}

TGraphPicture ComposeGraphPicture(const std::vector<GraphLayer>& layers, const TGraphLayerPictures& pictures)
{
    TGraphPicture composed;
    for (GraphLayer layer : layers) {
        const std::vector<TGraphItem>& items = pictures[static_cast<std::size_t>(layer)].Items;
        composed.Items.insert(composed.Items.end(), items.begin(), items.end());
    }
    return composed;
}

void CopyGraphToReportImage(TGraphPicture& picture, const TGraphPicture& patient)
{
    for (const TGraphItem& item : patient.Items) {
        if (std::visit(PureRed{}, item))
            picture.Items.push_back(item);
    }
}
