#pragma once
// Numbers as the windows show them. One rounding rule for every displayed
// number: the value is first taken to 15 significant digits (what a double
// can promise), then rounded half away from zero to the places shown, so
// 0.125 shows as "0.13" and 1.005 as "1.01".
#include <QString>

namespace vcl {

// Patterns of digit placeholders: "0" (a digit always shown), "#" (a digit
// shown when not a trailing zero), one "." and text before or after, for
// example "0", "00", "0.0", "0.0000", "#0.0#". An empty pattern gives the
// general format of FloatToStr.
QString FormatFloat(const QString& pattern, double value);

// The general format: the shortest text of at most 15 significant digits,
// fixed notation unless the number needs more than 15 integer digits or is
// below 0.0001 ("1E-5", "1.5E20").
QString FloatToStr(double value);
QString IntToStr(long long value);

// Non-finite numbers always show as these texts.
inline const QString NanText = QStringLiteral("NAN");
inline const QString InfText = QStringLiteral("INF");
inline const QString NegInfText = QStringLiteral("-INF");

// Parsing: surrounding blanks ignored, "." as the decimal point, an optional
// sign and exponent; nothing else (no thousands separators, no "INF").
bool TryStrToFloat(const QString& text, double& value);
double StrToFloat(const QString& text);                 // throws EConvertError
double StrToFloatDef(const QString& text, double fallback);
bool TryStrToInt(const QString& text, int& value);
int StrToInt(const QString& text);                      // throws EConvertError
int StrToIntDef(const QString& text, int fallback);

// printf-style rounding helper shared by the formats: the decimal digits of
// |value| rounded half away from zero to `decimals` places, after the
// 15-significant-digit step. Returns the digits without a point and the
// number of integer digits (at least 1). Exposed for the tests.
struct RoundedDecimal {
    QString digits;      // integer digits followed by `decimals` fraction digits
    int integerDigits = 1;
    bool negative = false;
    bool isZero = true;
};
RoundedDecimal RoundToDecimals(double value, int decimals);

} // namespace vcl
