#pragma once
// Shift-JIS (code page 932) where bytes count: field widths of the records and
// of the grid's text cells, and files written for other programs.
// Text in memory is always Unicode.
#include <QByteArray>
#include <QString>

namespace vcl {

// The text with each JIS form that CP932 lacks taken as its CP932 twin:
// U+301C WAVE DASH as U+FF5E FULLWIDTH TILDE, U+2212 MINUS SIGN as U+FF0D,
// U+2014 EM DASH as U+2015, U+00A2, U+00A3 and U+00AC as U+FFE0, U+FFE1 and
// U+FFE2, U+2016 as U+2225 PARALLEL TO, U+00B5 MICRO SIGN as U+03BC. Input
// methods and pasted text give the JIS forms; the encoder has only the
// twins. Every other character stays as it is.
QString WithCp932Twins(const QString& text);

// Both take the JIS forms as their twins.
QByteArray ToCp932(const QString& text);      // an unmappable character becomes FC FC
bool IsCp932Encodable(const QString& text);
QString FromCp932(const QByteArray& bytes);

// Bytes the text takes in CP932: ASCII and half-width katakana 1, every other
// character 2 (an unmappable one counts as its 2-byte substitute).
int Cp932Length(const QString& text);

// The longest head of `text` that fits in `maxBytes` bytes, never splitting a
// character (a surrogate pair is one character).
QString CutToCp932Bytes(const QString& text, int maxBytes);

// Whether a text may hold control characters: a line break of a text of
// several lines is one, a field of one line takes none.
enum class ControlCharacters { Kept, Refused };

struct TFittedEdit {
    QString Text;
    int Cursor = 0;        // where the cursor goes: after what the edit kept
    bool Refused = false;  // something typed or pasted was left out
};

// The text after an edit of a field of maxBytes CP932 bytes, `before` being
// the last accepted text: what the edit inserted takes the JIS forms as
// their twins, loses the characters CP932 cannot encode even so (and the
// control characters a field refuses) and is cut to the bytes still free,
// at the last whole character that fits; the rest of the text stays as it
// was. A text set as a whole that is too long keeps its head. Refused tells
// that something was left out; a twin taken is not.
TFittedEdit FitCp932Edit(const QString& before, const QString& after, int maxBytes, ControlCharacters controls);

// printf-style "%Ns" / "%-Ns" with N counted in CP932 bytes: pads with blanks
// on the left (right-aligned) or on the right; a longer text is kept whole.
enum class Align { Left, Right };
QString PadToCp932Width(const QString& text, int width, Align align);

} // namespace vcl
