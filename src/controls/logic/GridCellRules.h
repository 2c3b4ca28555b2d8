#pragma once
// The rules of typed cells, as functions of a range and a text: stepping,
// normalising a left cell, numbers in and out, key filtering, editor limits
// and input-method modes. The grid widget only applies them; none throws.
#include "GridRanges.h"

#include <QString>
#include <Qt>
#include <optional>

namespace gridrules {

// Clamps to Min first, then to Max. NaN counts as below the minimum.
double ClampToRange(double value, double min, double max);

// What one step up adds for a number format: 1 for "0", 0.1 for "0.0",
// 0.01 for "0.00"; the general format (empty) gives 0.0000001.
double NumberStepSize(const QString& fmtStr);

// The number text stepped by dir (> 0 up, < 0 down, 0 only re-formatted),
// clamped to the range and formatted by its FmtStr. Text that is not a number
// gives the range's clamped Default instead.
QString GetNumText(const QString& text, int dir, const TRange& range);

// The list item dir steps away from text: the next (after the last, the
// first), the previous (before the first, the last), or text itself for 0.
// Text that is no item gives the first item (empty for an empty list).
QString GetListItem(const QString& text, int dir, const QStringList& items);

// Free text cut to maxLength CP932 bytes without splitting a character;
// a limit of 0 leaves the text as it is.
QString CutToMaxLength(const QString& text, int maxLength);

// The text a cell holds once the user leaves it; nullopt leaves it as it is.
std::optional<QString> ValidatedText(const QString& text, const TRange* range);

// The text a number writes into a cell; nullopt leaves the cell unchanged.
std::optional<QString> TextForValue(double value, const TRange* range);

// The number a cell holds: its value for number and text cells, the item
// index for lists (0 when the text is no item), 0 for fixed cells. False when
// a number or text cell does not hold a number (the value is then 0).
bool TryCellValue(const QString& text, const TRange* range, double& value);

// The text a cell starts with after InitByDefault; nullopt leaves it alone
// (text cells, fixed cells, lists whose Default is no item index).
std::optional<QString> DefaultText(const TRange* range);

// Whether a typed character may reach the cell: numbers take digits, Enter,
// Backspace, '.' when the format has one and '-' when Min is negative; lists
// take nothing; other cells take everything.
bool AcceptsChar(const TRange* range, QChar key);

// Whether a key press types characters the key filter looks at: printable
// ones, Enter and Backspace. Shortcuts (Ctrl+V, Alt+...) and control
// characters (Escape, Tab) keep their usual meaning.
bool IsTypedKey(const QString& text, Qt::KeyboardModifiers modifiers);

// Longest text the in-place editor takes (0 = no limit): MaxLength (in CP932
// bytes) of an unmasked text cell, or the longer of the formatted Min and Max
// of a number cell with a format.
int EditLimit(const TRange* range);

// The mask of a text cell's editor as ranges store it ("000-0000;1;_":
// 0 a digit required, 9 a digit allowed, L/l a letter, A/a a letter or
// digit, C/c any character; then whether literals are kept and the blank).
QString EditMask(const TRange* range);

// That mask in QLineEdit's input-mask syntax (empty stays empty).
QString ToInputMask(const QString& editMask);

// Whether a cell of this input-method mode takes composed text at all. Qt has
// no hiragana or katakana modes: every mode but imDisable leaves it on.
bool ImeAcceptsInput(TImeMode mode);
Qt::InputMethodHints ImeHints(TImeMode mode);

// Whether a key press is the function key a TFncKeyCode names: Fn without
// Shift, or Shift+Fn; other modifiers are not looked at.
bool FunctionKeyMatches(TFncKeyCode code, int key, Qt::KeyboardModifiers modifiers);

// The colour of a colour-list cell's text: a colour name or a number; a text
// that is neither gives white.
vcl::TColor ListColor(const QString& text);

} // namespace gridrules
