#include "GdiDrawing.h"

#include <QPainter>
#include <cstdlib>

using namespace vcl;

void DrawGdiLine(QPainter& painter, const GdiLine& line)
{
    const QColor color = ToQColor(line.color);
    const QPoint a = line.from;
    const QPoint b = line.to;
    if (a.y() == b.y() && a.x() != b.x()) {
        const int first = a.x() < b.x() ? a.x() : b.x() + 1;
        painter.fillRect(QRect(first, a.y(), std::abs(b.x() - a.x()), 1), color);
    } else if (a.x() == b.x() && a.y() != b.y()) {
        const int first = a.y() < b.y() ? a.y() : b.y() + 1;
        painter.fillRect(QRect(a.x(), first, 1, std::abs(b.y() - a.y())), color);
    }
}

void DrawGdiLines(QPainter& painter, const std::vector<GdiLine>& lines)
{
    for (const GdiLine& line : lines)
        DrawGdiLine(painter, line);
}

std::vector<GdiLine> RingLines(const QRect& rect, TColor topLeft, TColor bottomRight)
{
    if (rect.width() < 1 || rect.height() < 1)
        return {};
    const int l = rect.left();
    const int t = rect.top();
    const int r = rect.left() + rect.width() - 1;
    const int b = rect.top() + rect.height() - 1;
    return {
        {{l, b}, {l, t}, topLeft},
        {{l, t}, {r, t}, topLeft},
        {{r, t}, {r, b}, bottomRight},
        {{r, b}, {l - 1, b}, bottomRight},
    };
}

EdgeColors EdgeColorsOf(EdgeKind kind)
{
    switch (kind) {
    case EdgeKind::Raised:
        return {cl3DLight, cl3DDkShadow, clBtnHighlight, clBtnShadow};
    case EdgeKind::Etched:
        return {clBtnShadow, clBtnHighlight, clBtnHighlight, clBtnShadow};
    case EdgeKind::Bump:
        return {cl3DLight, cl3DDkShadow, cl3DDkShadow, cl3DLight};
    case EdgeKind::FlatBump:
        return {clBtnShadow, clBtnShadow, clBtnFace, clBtnFace};
    }
    return {clBtnShadow, clBtnShadow, clBtnFace, clBtnFace};
}

std::vector<GdiLine> EdgeLines(const QRect& rect, EdgeKind kind)
{
    const EdgeColors colors = EdgeColorsOf(kind);
    std::vector<GdiLine> lines = RingLines(rect, colors.outerTopLeft, colors.outerBottomRight);
    const std::vector<GdiLine> inner =
        RingLines(rect.adjusted(1, 1, -1, -1), colors.innerTopLeft, colors.innerBottomRight);
    lines.insert(lines.end(), inner.begin(), inner.end());
    return lines;
}
