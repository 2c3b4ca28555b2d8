#pragma once
// The concentration graph as a list of things to draw, in drawing order, on
// the 800 x 450 design surface: filled rectangles, polylines, marks and texts
// with their positions, pens and colours. The geometry functions build such
// pictures from the case; one painter draws a picture into any rectangle of
// any QPainter device (the result page's layer images, the report's graph
// rectangle on a printer or a PDF page).
#include "Colors.h"

#include <QPoint>
#include <QRect>
#include <QString>
#include <variant>
#include <vector>

class QPainter;

inline constexpr int GraphDesignWidth = 800;
inline constexpr int GraphDesignHeight = 450;

enum class GraphPenStyle { Solid, Dot };

struct TGraphPen {
    vcl::TColor Color = vcl::clBlack;
    int Width = 1;
    GraphPenStyle Style = GraphPenStyle::Solid;
};

// A rectangle filled with one colour; the right and bottom edges are outside,
// as the window designs fill them.
struct TGraphFill {
    QRect Rect;
    vcl::TColor Color = vcl::clWhite;
};

// Connected line segments through the points; the last point is not drawn.
struct TGraphPolyline {
    TGraphPen Pen;
    std::vector<QPoint> Points;
};

// Text with its top-left corner at At, turned counter-clockwise by
// RotationDegrees about that corner.
struct TGraphText {
    QPoint At;
    QString Text;
    vcl::TColor Color = vcl::clBlack;
    int PointSize = 9;
    int RotationDegrees = 0;
};

using TGraphItem = std::variant<TGraphFill, TGraphPolyline, TGraphText>;

struct TGraphPicture {
    std::vector<TGraphItem> Items;
};

// Draws the picture with antialiasing off, its 800 x 450 design surface
// scaled into target.
void PaintGraphPicture(QPainter& painter, const TGraphPicture& picture, const QRect& target);
