#include "GridCellRules.h"

#include "ColorNames.h"
#include "Cp932.h"
#include "NumberFormat.h"

#include <cmath>

namespace gridrules {

double ClampToRange(double value, double min, double max)
{
    if (!(value >= min))
        value = min;
    if (value > max)
        value = max;
    return value;
}

double NumberStepSize(const QString& fmtStr)
{
    // The step is one unit of the last place the format shows for 1.1111111.
    const int shown = static_cast<int>(vcl::FormatFloat(fmtStr, 1.1111111).size());
    double step = 1.0;
    for (int k = 3; shown >= k; ++k)
        step *= 0.1;
    return step;
}

QString GetNumText(const QString& text, int dir, const TRange& range)
{
    double value = 0;
    if (!vcl::TryStrToFloat(text, value))
        value = range.Default(); // empty, "-", "1.2.3", pasted words
    else if (dir != 0)
        value += dir * NumberStepSize(range.FmtStr());
    return vcl::FormatFloat(range.FmtStr(), ClampToRange(value, range.Min(), range.Max()));
}

QString GetListItem(const QString& text, int dir, const QStringList& items)
{
    QString result;
    const int found = static_cast<int>(items.indexOf(text));
    if (found >= 0) {
        const int count = static_cast<int>(items.size());
        if (dir >= 1)
            result = items[(found + 1) % count];
        else if (dir < 0)
            result = items[(found + count - 1) % count];
        else
            result = text;
    }
    if (result.isEmpty() && !items.isEmpty())
        result = items.first();
    return result;
}

QString CutToMaxLength(const QString& text, int maxLength)
{
    if (maxLength <= 0 || vcl::Cp932Length(text) < maxLength)
        return text;
    return vcl::CutToCp932Bytes(text, maxLength);
}

std::optional<QString> ValidatedText(const QString& text, const TRange* range)
{
    if (!range)
        return std::nullopt;
    switch (range->RangeType()) {
    case trtFixedStr:
        return std::nullopt;
    case trtEditStr:
        return CutToMaxLength(text, range->MaxLength());
    case trtEditVal:
        return GetNumText(text, 0, *range);
    case trtList:
    case trtListColor:
        return GetListItem(text, 0, range->Items());
    }
    return std::nullopt;
}

std::optional<QString> TextForValue(double value, const TRange* range)
{
    if (!range)
        return std::nullopt;
    switch (range->RangeType()) {
    case trtFixedStr:
        return std::nullopt;
    case trtEditStr: {
        const QString text = vcl::FloatToStr(value);
        return range->MaxLength() > 0 ? text.left(range->MaxLength()) : text;
    }
    case trtEditVal:
        return vcl::FormatFloat(range->FmtStr(), ClampToRange(value, range->Min(), range->Max()));
    case trtList:
    case trtListColor:
        // NaN fails both comparisons and leaves the cell alone.
        if (value >= 0 && value < range->Items().size())
            return range->Items()[static_cast<qsizetype>(std::trunc(value))];
        return std::nullopt;
    }
    return std::nullopt;
}

bool TryCellValue(const QString& text, const TRange* range, double& value)
{
    value = 0;
    if (!range)
        return true;
    switch (range->RangeType()) {
    case trtFixedStr:
        return true;
    case trtEditStr:
    case trtEditVal:
        if (vcl::TryStrToFloat(text, value))
            return true;
        value = 0;
        return false;
    case trtList:
    case trtListColor:
        value = std::max<qsizetype>(0, range->Items().indexOf(text));
        return true;
    }
    return true;
}

std::optional<QString> DefaultText(const TRange* range)
{
    if (!range)
        return std::nullopt;
    switch (range->RangeType()) {
    case trtEditVal:
        return vcl::FormatFloat(range->FmtStr(), ClampToRange(range->Default(), range->Min(), range->Max()));
    case trtList:
    case trtListColor:
        if (range->Default() >= 0 && range->Default() < range->Items().size())
            return range->Items()[static_cast<qsizetype>(std::trunc(range->Default()))];
        return std::nullopt;
    case trtFixedStr:
    case trtEditStr:
        return std::nullopt;
    }
    return std::nullopt;
}

bool AcceptsChar(const TRange* range, QChar key)
{
    if (!range)
        return true;
    switch (range->RangeType()) {
    case trtEditVal:
        if (key == QChar(13) || key == QChar(8))
            return true;
        if (key >= QLatin1Char('0') && key <= QLatin1Char('9'))
            return true;
        // A decimal point passes even where the format shows whole numbers:
        // dropped, it would join the digits around it (14.5 typed as 145).
        // Leaving the cell rounds the number to the format.
        if (key == QLatin1Char('.'))
            return true;
        if (key == QLatin1Char('-'))
            return range->Min() < 0;
        return false;
    case trtList:
    case trtListColor:
        return false;
    case trtFixedStr:
    case trtEditStr:
        return true;
    }
    return true;
}

bool IsTypedKey(const QString& text, Qt::KeyboardModifiers modifiers)
{
    if (text.isEmpty() || modifiers & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier))
        return false;
    const QChar ch = text.front();
    return ch.unicode() >= 32 || ch == QChar(13) || ch == QChar(8);
}

int EditLimit(const TRange* range)
{
    if (!range)
        return 0;
    if (range->RangeType() == trtEditStr && range->EditMask().isEmpty())
        return range->MaxLength();
    if (range->RangeType() == trtEditVal && !range->FmtStr().isEmpty()) {
        const auto longest = std::max(vcl::FormatFloat(range->FmtStr(), range->Max()).size(),
                                      vcl::FormatFloat(range->FmtStr(), range->Min()).size());
        return static_cast<int>(longest);
    }
    return 0;
}

QString EditMask(const TRange* range)
{
    return range && range->RangeType() == trtEditStr ? range->EditMask() : QString();
}

QString ToInputMask(const QString& editMask)
{
    if (editMask.isEmpty())
        return QString();
    const QStringList sections = editMask.split(QLatin1Char(';'));
    const QString& body = sections.first();
    QString mask;
    for (int i = 0; i < body.size(); ++i) {
        const QChar c = body[i];
        switch (c.unicode()) {
        case '\\':
            mask += QLatin1Char('\\');
            if (i + 1 < body.size())
                mask += body[++i];
            break;
        case '<':
            if (i + 1 < body.size() && body[i + 1] == QLatin1Char('>')) {
                mask += QLatin1Char('!');
                ++i;
            } else {
                mask += c;
            }
            break;
        case '>': mask += c; break;
        case '!': break; // trimming of blanks: Qt has no such switch
        case 'L': mask += QLatin1Char('A'); break;
        case 'l': mask += QLatin1Char('a'); break;
        case 'A': mask += QLatin1Char('N'); break;
        case 'a': mask += QLatin1Char('n'); break;
        case 'C': mask += QLatin1Char('X'); break;
        case 'c': mask += QLatin1Char('x'); break;
        case '0': mask += QLatin1Char('9'); break;
        case '9': mask += QLatin1Char('0'); break;
        case '#': mask += c; break;
        case '_': mask += QLatin1Char(' '); break;
        default:
            // Letters Qt reads as placeholders are literals here.
            if (QStringLiteral("NnXxDdHhBb[]{}").contains(c))
                mask += QLatin1Char('\\');
            mask += c;
            break;
        }
    }
    const QChar blank = sections.size() >= 3 && sections[2].size() == 1 ? sections[2][0] : QLatin1Char('_');
    return mask + QLatin1Char(';') + blank;
}

bool ImeAcceptsInput(TImeMode mode)
{
    return mode != imDisable;
}

Qt::InputMethodHints ImeHints(TImeMode mode)
{
    switch (mode) {
    case imClose:
    case imSAlpha:
    case imAlpha:
        return Qt::ImhPreferLatin;
    default:
        return Qt::ImhNone;
    }
}

bool FunctionKeyMatches(TFncKeyCode code, int key, Qt::KeyboardModifiers modifiers)
{
    if (code == fkcF0)
        return false;
    const bool shifted = code >= fkcS1;
    const int n = shifted ? code - fkcS1 + 1 : code - fkcF1 + 1;
    return key == Qt::Key_F1 + n - 1 && modifiers.testFlag(Qt::ShiftModifier) == shifted;
}

vcl::TColor ListColor(const QString& text)
{
    vcl::TColor color = vcl::clWhite;
    if (!vcl::TryStringToColor(text, color))
        color = vcl::clWhite;
    return color;
}

} // namespace gridrules
