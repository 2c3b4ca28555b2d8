#include "Colors.h"

namespace vcl {

TColor ColorToRGB(TColor color)
{
    if ((static_cast<std::uint32_t>(color) & 0xFF000000u) != 0xFF000000u)
        return color & 0x00FFFFFF;
    switch (color) {
    case clBtnFace: return RGB(240, 240, 240);
    case clBtnShadow: return RGB(160, 160, 160);
    case clGrayText: return RGB(109, 109, 109);
    case clBtnText: return clBlack;
    case clBtnHighlight: return clWhite;
    case cl3DDkShadow: return RGB(105, 105, 105);
    case cl3DLight: return RGB(227, 227, 227);
    case clWindow: return clWhite;
    case clWindowText: return clBlack;
    case clHighlight: return RGB(0, 120, 215);
    case clHighlightText: return clWhite;
    case clInfoBk: return RGB(255, 255, 225);
    default: return clBlack;
    }
}

QColor ToQColor(TColor color)
{
    const TColor rgb = ColorToRGB(color);
    return QColor(rgb & 0xFF, (rgb >> 8) & 0xFF, (rgb >> 16) & 0xFF);
}

TColor FromQColor(const QColor& color)
{
    return RGB(color.red(), color.green(), color.blue());
}

} // namespace vcl
