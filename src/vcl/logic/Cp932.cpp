#include "Cp932.h"

#include <QList>
#include <algorithm>
#include <QStringDecoder>
#include <QStringEncoder>

namespace vcl {
namespace {

// ICU's "Shift_JIS" converter behaves as Microsoft's CP932 (NEC and IBM
// extensions included); Qt does not find it by encodingForName.
const char* const CodecName = "Shift_JIS";

// The JIS forms and their CP932 twins, one character each in UTF-16.
struct TTwin {
    char16_t Jis;
    char16_t Cp932;
};
constexpr TTwin Twins[] = {
    {u'\u301C', u'\uFF5E'}, // WAVE DASH: FULLWIDTH TILDE
    {u'\u2212', u'\uFF0D'}, // MINUS SIGN: FULLWIDTH HYPHEN-MINUS
    {u'\u2014', u'\u2015'}, // EM DASH: HORIZONTAL BAR
    {u'\u00A2', u'\uFFE0'}, // CENT SIGN: FULLWIDTH CENT SIGN
    {u'\u00A3', u'\uFFE1'}, // POUND SIGN: FULLWIDTH POUND SIGN
    {u'\u00AC', u'\uFFE2'}, // NOT SIGN: FULLWIDTH NOT SIGN
    {u'\u2016', u'\u2225'}, // DOUBLE VERTICAL LINE: PARALLEL TO
    {u'\u00B5', u'\u03BC'}, // MICRO SIGN: GREEK SMALL LETTER MU
};

int CharacterBytes(char32_t ucs)
{
    if (ucs < 0x80)
        return 1;
    if (ucs >= 0xFF61 && ucs <= 0xFF9F) // half-width katakana
        return 1;
    return 2;
}

// The characters of text a field takes, each JIS form as its twin: CP932
// can encode them, and they are no control characters where the field
// refuses those.
QString TakenCharacters(const QString& text, ControlCharacters controls)
{
    QString kept;
    for (qsizetype i = 0; i < text.size();) {
        const qsizetype length = text[i].isHighSurrogate() && i + 1 < text.size() ? 2 : 1;
        const QString character = WithCp932Twins(text.mid(i, length));
        const bool control = character.size() == 1 && character[0].category() == QChar::Other_Control;
        if (IsCp932Encodable(character) && !(control && controls == ControlCharacters::Refused))
            kept += character;
        i += length;
    }
    return kept;
}

} // namespace

QString WithCp932Twins(const QString& text)
{
    QString taken = text;
    for (QChar& character : taken)
        for (const TTwin& twin : Twins)
            if (character == QChar(twin.Jis))
                character = QChar(twin.Cp932);
    return taken;
}

QByteArray ToCp932(const QString& text)
{
    QStringEncoder encoder(CodecName);
    return encoder.encode(WithCp932Twins(text));
}

QString FromCp932(const QByteArray& bytes)
{
    QStringDecoder decoder(CodecName);
    return decoder.decode(bytes);
}

bool IsCp932Encodable(const QString& text)
{
    QStringEncoder encoder(CodecName);
    const QByteArray bytes = encoder.encode(WithCp932Twins(text)); // the conversion sets the error flag
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

TFittedEdit FitCp932Edit(const QString& before, const QString& after, int maxBytes, ControlCharacters controls)
{
    // The edit replaced before[prefix, before.size() - suffix) by after[prefix, after.size() - suffix).
    const qsizetype shorter = std::min(before.size(), after.size());
    qsizetype prefix = 0;
    while (prefix < shorter && before[prefix] == after[prefix])
        ++prefix;
    if (prefix > 0 && after[prefix - 1].isHighSurrogate())
        --prefix;
    qsizetype suffix = 0;
    while (suffix < shorter - prefix && before[before.size() - 1 - suffix] == after[after.size() - 1 - suffix])
        ++suffix;
    if (suffix > 0 && after[after.size() - suffix].isLowSurrogate())
        --suffix;

    const QString head = after.left(prefix);
    const QString tail = after.right(suffix);
    const QString inserted = after.mid(prefix, after.size() - prefix - suffix);
    const int free = maxBytes - Cp932Length(head) - Cp932Length(tail);
    const QString kept = CutToCp932Bytes(TakenCharacters(inserted, controls), std::max(free, 0));

    TFittedEdit fitted;
    fitted.Text = head + kept + tail;
    fitted.Cursor = static_cast<int>(head.size() + kept.size());
    fitted.Refused = kept != WithCp932Twins(inserted);
    if (Cp932Length(fitted.Text) > maxBytes) {
        fitted.Text = CutToCp932Bytes(TakenCharacters(fitted.Text, controls), maxBytes);
        fitted.Cursor = static_cast<int>(fitted.Text.size());
        fitted.Refused = true;
    }
    return fitted;
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
