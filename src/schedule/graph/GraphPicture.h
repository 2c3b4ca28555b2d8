#pragma once
// The concentration graph as a list of things to draw, in drawing order, on
// the 800 x 450 design surface: filled rectangles, polylines, polygons,
// circles and texts with their positions, pens and colours. The geometry
// functions build such pictures from the case; one painter draws a picture
// into any rectangle of any QPainter device (the result page's layer images,
// the report's graph rectangle on a printer or a PDF page).
#include "Colors.h"

#include <QPoint>
#include <QRect>
#include <QString>
#include <variant>
#include <vector>

class QImage;
class QPainter;

inline constexpr int GraphDesignWidth = 800;
inline constexpr int GraphDesignHeight = 450;

enum class GraphPenStyle { Solid, Dot };

struct TGraphPen {
    vcl::TColor Color = vcl::clBlack;
    int Width = 1;
    GraphPenStyle Style = GraphPenStyle::Solid;

    friend bool operator==(const TGraphPen&, const TGraphPen&) = default;
};

// A rectangle filled with one colour; the right and bottom edges are outside,
// as the window designs fill them.
struct TGraphFill {
    QRect Rect;
    vcl::TColor Color = vcl::clWhite;

    friend bool operator==(const TGraphFill&, const TGraphFill&) = default;
};

// Connected line segments through the points; the last point is not drawn.
struct TGraphPolyline {
    TGraphPen Pen;
    std::vector<QPoint> Points;

    friend bool operator==(const TGraphPolyline&, const TGraphPolyline&) = default;
};

// A closed polygon filled with Fill and outlined with Pen.
struct TGraphPolygon {
    TGraphPen Pen;
    vcl::TColor Fill = vcl::clWhite;
    std::vector<QPoint> Points;

    friend bool operator==(const TGraphPolygon&, const TGraphPolygon&) = default;
};

// The outline of the ellipse inside Bounds, not filled.
struct TGraphEllipse {
    TGraphPen Pen;
    QRect Bounds;

    friend bool operator==(const TGraphEllipse&, const TGraphEllipse&) = default;
};

// Text in the program's font PixelSize pixels high, with its top-left corner
// at At, turned counter-clockwise by RotationDegrees about that corner.
struct TGraphText {
    QPoint At;
    QString Text;
    vcl::TColor Color = vcl::clBlack;
    int PixelSize = 12;
    int RotationDegrees = 0;

    friend bool operator==(const TGraphText&, const TGraphText&) = default;
};

using TGraphItem = std::variant<TGraphFill, TGraphPolyline, TGraphPolygon, TGraphEllipse, TGraphText>;

struct TGraphPicture {
    std::vector<TGraphItem> Items;

    template <class Item>
    void Add(Item item)
    {
        Items.emplace_back(std::move(item));
    }
    friend bool operator==(const TGraphPicture&, const TGraphPicture&) = default;
};

// Draws the picture with antialiasing off, its 800 x 450 design surface
// scaled into target.
void PaintGraphPicture(QPainter& painter, const TGraphPicture& picture, const QRect& target);

// The picture on a transparent 800 x 450 image, what a layer of the graph
// shows; the base layer's own white fill makes it opaque.
QImage RenderGraphPicture(const TGraphPicture& picture);
