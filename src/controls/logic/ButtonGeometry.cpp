#include "ButtonGeometry.h"

#include <algorithm>
#include <cmath>

CaptionLines PlaceCaptionLines(const CaptionLayoutInput& in)
{
    CaptionLines out;
    out.captionTop = in.captionTop;
    const int h = in.firstTextHeight;

    if (in.vertCenter) {
        out.firstTop = !in.secondEmpty ? (in.buttonHeight - 2 * h - in.lineSpace) / 2
                                       : (in.buttonHeight - h) / 2 + 1;
        out.captionTop = out.firstTop;
    } else {
        out.firstTop = in.captionTop;
    }

    if (!in.vertCenter) {
        out.secondTop = !in.firstEmpty ? out.captionTop + h + in.lineSpace : out.captionTop;
    } else if (in.firstEmpty) {
        out.secondTop = (in.buttonHeight - in.secondTextHeight) / 2;
        out.captionTop = out.secondTop;
    } else {
        out.secondTop = out.firstTop + h + in.lineSpace;
    }
    return out;
}

CaptionAnchor AnchorCaption(TplBBtnAlignment alignment, int buttonWidth, int left, int right,
                            int characterCount)
{
    if (alignment == TplBBtnAlignment::taEven && characterCount == 1)
        alignment = TplBBtnAlignment::taCenter;
    CaptionAnchor a;
    switch (alignment) {
    case TplBBtnAlignment::taCenter:
        a.x = buttonWidth / 2;
        a.anchor = TextAnchor::Center;
        break;
    case TplBBtnAlignment::taLeft:
        a.x = left + 2;
        a.anchor = TextAnchor::Left;
        break;
    case TplBBtnAlignment::taRight:
        a.x = buttonWidth - right - 2;
        a.anchor = TextAnchor::Right;
        break;
    case TplBBtnAlignment::taEven:
        a.x = left + 2;
        a.anchor = TextAnchor::Left;
        a.evenSpacing = true;
        a.span = buttonWidth - a.x - right - 2;
        break;
    }
    return a;
}

std::vector<int> EvenCharacterPositions(int startX, int span, const std::vector<int>& characterWidths)
{
    const int n = static_cast<int>(characterWidths.size());
    std::vector<int> xs;
    xs.reserve(characterWidths.size());
    if (n == 0)
        return xs;
    int total = 0;
    for (int w : characterWidths)
        total += w;
    const int spare = span - total;
    const int gap = n > 1 ? spare / (n - 1) : 0;
    int remainder = n > 1 ? spare % (n - 1) : 0;
    int x = startX;
    for (int w : characterWidths) {
        xs.push_back(x);
        x += w + gap;
        if (remainder > 0) {
            ++x;
            --remainder;
        } else if (remainder < 0) {
            --x;
            ++remainder;
        }
    }
    return xs;
}

int CaptionPressOffset(const PressState& state)
{
    if (state.hasFocus)
        return state.down ? 1 : 0;
    return state.dispDownFocus && state.down ? 1 : 0;
}

int ImagePressOffset(const PressState& state)
{
    return state.hasFocus && state.down ? 1 : 0;
}

int CentredOrigin(int extent, int graphicExtent)
{
    return (extent - graphicExtent) / 2;
}

QRegion RoundRectRegion(int width, int height, int diameter)
{
    const int regionWidth = width + 1;
    const int regionHeight = height + 1;
    if (width <= 0 || height <= 0)
        return QRegion();
    // Like the window system, an ellipse larger than the rectangle is cut to it.
    const double ax = std::min(std::max(diameter, 0), regionWidth) / 2.0;
    const double ay = std::min(std::max(diameter, 0), regionHeight) / 2.0;
    if (ax < 1.0 || ay < 1.0)
        return QRegion(0, 0, regionWidth, regionHeight);

    QRegion region;
    for (int y = 0; y < regionHeight; ++y) {
        const double cy = y + 0.5;
        double dy = 0.0;
        if (cy < ay)
            dy = ay - cy;
        else if (cy > regionHeight - ay)
            dy = cy - (regionHeight - ay);
        int inset = 0;
        if (dy > 0.0) {
            const double t = dy / ay;
            const double dx = t >= 1.0 ? 0.0 : ax * std::sqrt(1.0 - t * t);
            inset = static_cast<int>(std::ceil(ax - dx - 0.5));
        }
        if (regionWidth - 2 * inset > 0)
            region += QRect(inset, y, regionWidth - 2 * inset, 1);
    }
    return region;
}
