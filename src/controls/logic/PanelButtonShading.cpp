#include "PanelButtonShading.h"

#include <algorithm>
#include <array>

using namespace vcl;

namespace {

std::array<int, 3> Channels(TColor color)
{
    const TColor rgb = ColorToRGB(color);
    return {rgb & 0xFF, (rgb >> 8) & 0xFF, (rgb >> 16) & 0xFF};
}

} // namespace

ColorChannel DominantChannel(TColor color)
{
    const auto c = Channels(color);
    if (c[0] >= c[1] && c[0] >= c[2])
        return ColorChannel::Red;
    if (c[1] >= c[2])
        return ColorChannel::Green;
    return ColorChannel::Blue;
}

std::vector<PanelColumn> PanelShadingColumns(TColor color, int left, int right)
{
    const auto base = Channels(color);
    const int dominant = static_cast<int>(DominantChannel(color));
    auto shade = [&](int step) {
        std::array<int, 3> c = base;
        for (int k = 0; k < 3; ++k) {
            if (k != dominant)
                c[k] = std::max(c[k] - 5 * step, 0);
        }
        return RGB(c[0], c[1], c[2]);
    };

    std::vector<PanelColumn> columns;
    const int middle = (left + right) / 2;
    int step = 1;
    for (int x = middle; x >= left; --x)
        columns.push_back({x, shade(step++)});
    step = 1;
    for (int x = middle; x <= right - 1; ++x)
        columns.push_back({x, shade(step++)});
    return columns;
}

std::vector<GdiLine> PanelEdgeLines(const QRect& client, PanelLook look)
{
    const int left = client.left();
    const int r = client.left() + client.width() - 1;
    const int b = client.top() + client.height() - 1;
    const TColor gray = RGB(128, 128, 128);
    std::vector<GdiLine> lines = {
        {{0, 0}, {0, b}, gray},
        {{0, 0}, {r, 0}, gray},
    };
    if (look == PanelLook::Pressed) {
        lines.push_back({{1, 1}, {r, 1}, clBlack});
        lines.push_back({{1, 1}, {1, b}, clBlack});
    }
    lines.push_back({{r, 0}, {r, b}, clWhite});
    lines.push_back({{left, b}, {r + 1, b}, clWhite});
    return lines;
}

QRect PanelCaptionBox(const QRect& client, int fontHeight, PanelLook look)
{
    const int top = (client.top() + client.top() + client.height() - fontHeight) / 2 - 2;
    QRect box(client.left(), top, client.width(), fontHeight + 5);
    if (look == PanelLook::Pressed)
        box.translate(1, 1);
    return box;
}

TColor PanelCaptionShadow(TColor fontColor)
{
    auto c = Channels(fontColor);
    const bool light = c[0] > 128 && c[1] > 128 && c[2] > 128;
    for (int& v : c)
        v = light ? v - 128 : std::min(v + 128, 255);
    return RGB(c[0], c[1], c[2]);
}
