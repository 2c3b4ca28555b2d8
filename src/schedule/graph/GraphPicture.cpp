#include "GraphPicture.h"

#include "Fonts.h"

#include <QPainter>
#include <QPolygon>

namespace {

QPen PenOf(const TGraphPen& pen)
{
    QPen qpen(vcl::ToQColor(pen.Color));
    qpen.setWidth(pen.Width);
    qpen.setStyle(pen.Style == GraphPenStyle::Dot ? Qt::DotLine : Qt::SolidLine);
    qpen.setCapStyle(Qt::FlatCap);
    return qpen;
}

struct ItemPainter {
    QPainter& painter;

    void operator()(const TGraphFill& fill) const { painter.fillRect(fill.Rect, vcl::ToQColor(fill.Color)); }

    void operator()(const TGraphPolyline& line) const
    {
        if (line.Points.size() < 2)
            return;
        painter.setPen(PenOf(line.Pen));
        painter.drawPolyline(QPolygon(QList<QPoint>(line.Points.begin(), line.Points.end())));
    }

    void operator()(const TGraphText& text) const
    {
        painter.save();
        painter.setPen(vcl::ToQColor(text.Color));
        painter.setFont(vcl::ProgramFont(text.PointSize));
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
