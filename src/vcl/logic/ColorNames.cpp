#include "ColorNames.h"

#include <array>

namespace vcl {
namespace {

struct NamedColor {
    const char* name;
    TColor color;
};

constexpr std::array<NamedColor, 30> Names{{
    {"clBlack", clBlack}, {"clMaroon", clMaroon}, {"clGreen", clGreen}, {"clOlive", clOlive},
    {"clNavy", clNavy}, {"clPurple", clPurple}, {"clTeal", clTeal}, {"clGray", clGray},
    {"clSilver", clSilver}, {"clRed", clRed}, {"clLime", clLime}, {"clYellow", clYellow},
    {"clBlue", clBlue}, {"clFuchsia", clFuchsia}, {"clAqua", clAqua}, {"clWhite", clWhite},
    {"clLtGray", clSilver}, {"clDkGray", clGray},
    {"clBtnFace", clBtnFace}, {"clBtnShadow", clBtnShadow}, {"clGrayText", clGrayText},
    {"clBtnText", clBtnText}, {"clBtnHighlight", clBtnHighlight}, {"cl3DDkShadow", cl3DDkShadow},
    {"cl3DLight", cl3DLight}, {"clWindow", clWindow}, {"clWindowText", clWindowText},
    {"clHighlight", clHighlight}, {"clHighlightText", clHighlightText}, {"clInfoBk", clInfoBk},
}};

bool TryParseNumber(const QString& text, TColor& color)
{
    const QString t = text.trimmed();
    bool ok = false;
    qlonglong value = 0;
    if (t.startsWith(QLatin1Char('$')))
        value = t.mid(1).toLongLong(&ok, 16);
    else if (t.startsWith(QLatin1String("0x"), Qt::CaseInsensitive))
        value = t.mid(2).toLongLong(&ok, 16);
    else
        value = t.toLongLong(&ok, 10);
    // A colour is a 32-bit value; the hexadecimal forms may use all 32 bits.
    if (!ok || value < INT32_MIN || value > UINT32_MAX)
        return false;
    color = static_cast<TColor>(static_cast<std::uint32_t>(value));
    return true;
}

} // namespace

bool TryStringToColor(const QString& text, TColor& color)
{
    for (const NamedColor& named : Names) {
        if (text.compare(QLatin1String(named.name), Qt::CaseInsensitive) == 0) {
            color = named.color;
            return true;
        }
    }
    return TryParseNumber(text, color);
}

} // namespace vcl
