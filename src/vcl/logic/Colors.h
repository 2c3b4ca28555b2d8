#pragma once
// Colours as the stored window descriptions give them: 0x00BBGGRR, red in the
// low byte. The system colours (high byte 0xFF) resolve to fixed values, so a
// screen and a test see the same pixels on every desktop theme.
#include <QColor>
#include <cstdint>

namespace vcl {

using TColor = std::int32_t;

constexpr TColor RGB(int r, int g, int b)
{
    return static_cast<TColor>((r & 0xFF) | ((g & 0xFF) << 8) | ((b & 0xFF) << 16));
}

inline constexpr TColor clBlack = 0x000000;
inline constexpr TColor clMaroon = 0x000080;
inline constexpr TColor clGreen = 0x008000;
inline constexpr TColor clOlive = 0x008080;
inline constexpr TColor clNavy = 0x800000;
inline constexpr TColor clPurple = 0x800080;
inline constexpr TColor clTeal = 0x808000;
inline constexpr TColor clGray = 0x808080;
inline constexpr TColor clSilver = 0xC0C0C0;
inline constexpr TColor clRed = 0x0000FF;
inline constexpr TColor clLime = 0x00FF00;
inline constexpr TColor clYellow = 0x00FFFF;
inline constexpr TColor clBlue = 0xFF0000;
inline constexpr TColor clFuchsia = 0xFF00FF;
inline constexpr TColor clAqua = 0xFFFF00;
inline constexpr TColor clWhite = 0xFFFFFF;

// System colours: 0xFF000000 | the system colour index.
inline constexpr TColor clBtnFace = static_cast<TColor>(0xFF00000F);
inline constexpr TColor clBtnShadow = static_cast<TColor>(0xFF000010);
inline constexpr TColor clGrayText = static_cast<TColor>(0xFF000011);
inline constexpr TColor clBtnText = static_cast<TColor>(0xFF000012);
inline constexpr TColor clBtnHighlight = static_cast<TColor>(0xFF000014);
inline constexpr TColor cl3DDkShadow = static_cast<TColor>(0xFF000015);
inline constexpr TColor cl3DLight = static_cast<TColor>(0xFF000016);
inline constexpr TColor clWindow = static_cast<TColor>(0xFF000005);
inline constexpr TColor clWindowText = static_cast<TColor>(0xFF000008);
inline constexpr TColor clHighlight = static_cast<TColor>(0xFF00000D);
inline constexpr TColor clHighlightText = static_cast<TColor>(0xFF00000E);
inline constexpr TColor clInfoBk = static_cast<TColor>(0xFF000018);

// The colour as RGB; a system colour resolves to its fixed value.
TColor ColorToRGB(TColor color);
QColor ToQColor(TColor color);
TColor FromQColor(const QColor& color);

} // namespace vcl
