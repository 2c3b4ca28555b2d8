#pragma once
// The report's concentration graph: the result page's layers kept as
// pictures (what to draw), so that the printer draws their lines and texts
// itself, at its own resolution, with the graph's one painter. `QRImage1` is
// the printed graph, the chosen layers in the order the result page stacks
// them; `QRImage2`, never printed, holds the curve of the patient's schedule
// (set 0), whose red a changed set's graph carries on top.
#include "ConcentrationGraph.h"

#include <array>
#include <vector>

// The result page's layers as pictures, indexed by GraphLayer. A layer that
// holds nothing is an empty picture.
using TGraphLayerPictures = std::array<TGraphPicture, GraphLayerCount>;
TGraphLayerPictures GraphLayerPicturesOf(const TConcentrationGraph& graph);

// Which layers one detail block's graph is made of, each list bottom to top.
struct TReportGraphRecipe {
    std::vector<GraphLayer> Layers;          // into `QRImage1`
    std::vector<GraphLayer> PatientLayers;   // set 0's curve, into `QRImage2`
    bool OverlayPatientCurve = false;        // lay `QRImage2`'s red over `QRImage1`
};

// The pictures of the layers one after the other.
TGraphPicture ComposeGraphPicture(const std::vector<GraphLayer>& layers, const TGraphLayerPictures& pictures);

// What `patient` draws in pure red is drawn again on top of `picture`.
void CopyGraphToReportImage(TGraphPicture& picture, const TGraphPicture& patient);
