#include "ButtonGradient.h"

#include <algorithm>
#include <climits>
#include <cstdint>

using namespace vcl;

int GradientStepCount(TplaGradationStyle style, int width, int height)
{
    switch (style) {
    case TplaGradationStyle::bsDown:
    case TplaGradationStyle::bsUp:
        return std::max(height, 0);
    case TplaGradationStyle::bsRight:
    case TplaGradationStyle::bsLeft:
        return std::max(width, 0);
    case TplaGradationStyle::bsCenter:
    case TplaGradationStyle::bsRound:
        return std::max(height / 2, 0);
    }
    return 0;
}

int GradientBeginSteps(int steps, int ratio)
{
    // 64-bit so that any ratio a caller stores is safe.
    const std::int64_t r = static_cast<std::int64_t>(steps) * ratio / 100;
    return static_cast<int>(std::clamp<std::int64_t>(r, INT_MIN, INT_MAX));
}

TColor GradientLineColor(int i, int steps, int beginSteps, TColor begin, TColor end)
{
    const TColor b = ColorToRGB(begin);
    if (i < beginSteps || steps - beginSteps <= 0)
        return b;
    const TColor e = ColorToRGB(end);
    const std::int64_t along = static_cast<std::int64_t>(i) - beginSteps;
    const std::int64_t span = static_cast<std::int64_t>(steps) - beginSteps;
    auto blend = [&](int shift) {
        const std::int64_t from = (b >> shift) & 0xFF;
        const std::int64_t to = (e >> shift) & 0xFF;
        return static_cast<int>(from + (to - from) * along / span);
    };
    return RGB(blend(0), blend(8), blend(16));
}

std::vector<GdiLine> GradientLines(const GradientInput& in)
{
    const int w = in.width;
    const int h = in.height;
    const int n = GradientStepCount(in.style, w, h);
    std::vector<GdiLine> lines;
    if (n < 2) {
        if (n == 1)
            lines.push_back({{0, 0}, {w, 0}, ColorToRGB(in.begin)});
        return lines;
    }
    const int r = GradientBeginSteps(n, in.ratio);
    auto color = [&](int i) { return GradientLineColor(i, n, r, in.begin, in.end); };
    auto row = [&](int y, TColor c) { lines.push_back({{0, y}, {w, y}, c}); };
    auto column = [&](int x, TColor c) { lines.push_back({{x, 0}, {x, h}, c}); };

    switch (in.style) {
    case TplaGradationStyle::bsDown:
        for (int i = 0; i <= n; ++i)
            row(i, color(i));
        break;
    case TplaGradationStyle::bsUp:
        for (int i = 0; i <= n; ++i)
            row(h - i, color(i));
        break;
    case TplaGradationStyle::bsRight:
        for (int i = 0; i <= n; ++i)
            column(i, color(i));
        break;
    case TplaGradationStyle::bsLeft:
        for (int i = 0; i <= n; ++i)
            column(w - i - 1, color(i));
        break;
    case TplaGradationStyle::bsCenter:
        for (int i = 0; i <= n; ++i)
            row(i, color(i));
        for (int i = 0; i <= n; ++i)
            row(h - i, color(i));
        break;
    case TplaGradationStyle::bsRound:
        for (int i = 0; i <= n; ++i)
            row(h / 2 - i, color(i));
        for (int i = 0; i <= n; ++i)
            row(h / 2 + i, color(i));
        break;
    }
    return lines;
}
