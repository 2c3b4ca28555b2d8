#pragma once
// Lines and 3-D edges drawn with the pixel rules of the stored window designs:
// a line leaves out its end point, rectangles leave out their right and bottom
// edge. Antialiasing is off so every pixel is exact.
#include "Colors.h"

#include <QPoint>
#include <QRect>
#include <vector>

class QPainter;

// One 1-pixel line, horizontal or vertical, from `from` up to but not including `to`.
struct GdiLine {
    QPoint from;
    QPoint to;
    vcl::TColor color;
};

void DrawGdiLine(QPainter& painter, const GdiLine& line);
void DrawGdiLines(QPainter& painter, const std::vector<GdiLine>& lines);

// One 1-pixel ring inside rect: top and left in one colour, bottom and right in
// the other; the bottom-right colour owns the top-right and bottom-left corners.
std::vector<GdiLine> RingLines(const QRect& rect, vcl::TColor topLeft, vcl::TColor bottomRight);

enum class EdgeKind { Raised, Etched, Bump, FlatBump };

// The two rings of a 3-D edge, outside first.
struct EdgeColors {
    vcl::TColor outerTopLeft;
    vcl::TColor outerBottomRight;
    vcl::TColor innerTopLeft;
    vcl::TColor innerBottomRight;
};
EdgeColors EdgeColorsOf(EdgeKind kind);

// Both rings of the edge inside rect.
std::vector<GdiLine> EdgeLines(const QRect& rect, EdgeKind kind);
