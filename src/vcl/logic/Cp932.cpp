#include "Cp932.h"

#include <QList>
#include <QStringDecoder>
#include <QStringEncoder>

namespace vcl {
namespace {

// ICU's "Shift_JIS" converter behaves as Microsoft's CP932 (NEC and IBM
// extensions included); Qt does not find it by encodingForName.
const char* const CodecName = "Shift_JIS";

int CharacterBytes(char32_t ucs)
{
    if (ucs < 0x80)
        return 1;
    if (ucs >= 0xFF61 && ucs <= 0xFF9F) // half-width katakana
        return 1;
    return 2;
}

} // namespace

QByteArray ToCp932(const QString& text)
{
    QStringEncoder encoder(CodecName);
    return encoder.encode(text);
}

QString FromCp932(const QByteArray& bytes)
{
    QStringDecoder decoder(CodecName);
    return decoder.decode(bytes);
}

bool IsCp932Encodable(const QString& text)
{
    QStringEncoder encoder(CodecName);
    const QByteArray bytes = encoder.encode(text); // the conversion sets the error flag
    Q_UNUSED(bytes);
    return !encoder.hasError();
}

int Cp932Length(const QString& text)
{
    int bytes = 0;
    for (const uint ucs : text.toUcs4())
        bytes += CharacterBytes(ucs);
    return bytes;
}

QString CutToCp932Bytes(const QString& text, int maxBytes)
{
    if (maxBytes <= 0)
        return QString();
    int bytes = 0;
    int i = 0;
    while (i < text.size()) {
        const bool pair = text[i].isHighSurrogate() && i + 1 < text.size() && text[i + 1].isLowSurrogate();
        const char32_t ucs = pair ? QChar::surrogateToUcs4(text[i], text[i + 1]) : text[i].unicode();
        const int n = CharacterBytes(ucs);
        if (bytes + n > maxBytes)
            break;
        bytes += n;
        i += pair ? 2 : 1;
    }
    return text.left(i);
}

QString PadToCp932Width(const QString& text, int width, Align align)
{
    const int missing = width - Cp932Length(text);
    if (missing <= 0)
        return text;
    const QString blanks(missing, QLatin1Char(' '));
    return align == Align::Right ? blanks + text : text + blanks;
}

} // namespace vcl
