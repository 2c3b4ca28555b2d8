#include "GraphPicture.h"

#include "Fonts.h"

#include <QImage>
#include <QPainter>
#include <QPolygon>

namespace {

QPen PenOf(const TGraphPen& pen)
{
    QPen qpen(vcl::ToQColor(pen.Color));
    qpen.setWidth(pen.Width);
    qpen.setStyle(pen.Style == GraphPenStyle::Dot ? Qt::DotLine : Qt::SolidLine);
    // A one-pixel line leaves out its last point.
    qpen.setCapStyle(Qt::FlatCap);
    qpen.setJoinStyle(Qt::MiterJoin);
    return qpen;
}

QPolygon PolygonOf(const std::vector<QPoint>& points)
{
    return QPolygon(QList<QPoint>(points.begin(), points.end()));
}

struct ItemPainter {
    QPainter& painter;

    void operator()(const TGraphFill& fill) const { painter.fillRect(fill.Rect, vcl::ToQColor(fill.Color)); }

    void operator()(const TGraphPolyline& line) const
    {
        if (line.Points.size() < 2)
            return;
        painter.setPen(PenOf(line.Pen));
        painter.setBrush(Qt::NoBrush);
        painter.drawPolyline(PolygonOf(line.Points));
    }

    void operator()(const TGraphPolygon& polygon) const
    {
        if (polygon.Points.size() < 3)
            return;
        painter.setPen(PenOf(polygon.Pen));
        painter.setBrush(vcl::ToQColor(polygon.Fill));
        painter.drawPolygon(PolygonOf(polygon.Points));
    }

    void operator()(const TGraphEllipse& ellipse) const
    {
        QPen pen = PenOf(ellipse.Pen);
        pen.setCapStyle(Qt::SquareCap);
        painter.setPen(pen);
        painter.setBrush(Qt::NoBrush);
        painter.drawEllipse(ellipse.Bounds);
    }

    void operator()(const TGraphText& text) const
    {
        painter.save();
        painter.setPen(vcl::ToQColor(text.Color));
        QFont font = vcl::ProgramFont();
        font.setPixelSize(text.PixelSize);
        font.setStyleStrategy(QFont::NoAntialias);
        painter.setFont(font);
        painter.translate(text.At);
        painter.rotate(-text.RotationDegrees);
        painter.drawText(QPoint(0, painter.fontMetrics().ascent()), text.Text);
        painter.restore();
    }
};

} // namespace

void PaintGraphPicture(QPainter& painter, const TGraphPicture& picture, const QRect& target)
{
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing, false);
    painter.setRenderHint(QPainter::TextAntialiasing, false);
    painter.translate(target.topLeft());
    painter.scale(static_cast<double>(target.width()) / GraphDesignWidth,
                  static_cast<double>(target.height()) / GraphDesignHeight);
    const ItemPainter paint{painter};
    for (const TGraphItem& item : picture.Items)
        std::visit(paint, item);
    painter.restore();
}

QImage RenderGraphPicture(const TGraphPicture& picture)
{
    QImage image(GraphDesignWidth, GraphDesignHeight, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    PaintGraphPicture(painter, picture, image.rect());
    return image;
}
