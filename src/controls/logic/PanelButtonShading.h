#pragma once
// The look of a panel button: columns shaded outward from the middle, 3-D
// edges, and an embossed caption box. Pure arithmetic on colours and rectangles.
#include "GdiDrawing.h"

#include <QRect>
#include <vector>

enum class PanelLook { Released, Pressed };

enum class ColorChannel { Red, Green, Blue };

// The largest of red, green, blue; the first of them on a tie.
ColorChannel DominantChannel(vcl::TColor color);

struct PanelColumn {
    int x;
    vcl::TColor color;
};

// One vertical line per column, in drawing order: from the middle column
// (left + right) / 2 to the left edge, then again from the middle up to
// right - 1. Each step lowers the two channels that are not dominant by 5 more
// (the first column already by 5), never below 0.
std::vector<PanelColumn> PanelShadingColumns(vcl::TColor color, int left, int right);

// The edge lines on the client rectangle (gray and white; black inner lines when pressed).
std::vector<GdiLine> PanelEdgeLines(const QRect& client, PanelLook look);

// The caption box, placed on the font's pixel height; pressed moves it 1 right and down.
QRect PanelCaptionBox(const QRect& client, int fontHeight, PanelLook look);

// The caption's shadow: a light font colour darkened by 128 per channel,
// any other lightened by 128 (capped at 255).
vcl::TColor PanelCaptionShadow(vcl::TColor fontColor);
