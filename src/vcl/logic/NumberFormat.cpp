#include "NumberFormat.h"

#include "Exceptions.h"

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <climits>
#include <string>

namespace vcl {
namespace {

// The 15 significant digits of |value| and its decimal exponent:
// |value| = 0.d1d2...d15 x 10^exponent (digits without trailing-zero trimming).
struct SignificantDigits {
    std::string digits; // exactly 15 characters
    int exponent = 0;
    bool negative = false;
};

SignificantDigits FifteenDigits(double value)
{
    SignificantDigits s;
    s.negative = std::signbit(value);
    char buffer[64];
    std::snprintf(buffer, sizeof buffer, "%.14e", std::fabs(value));
    // buffer: d.dddddddddddddde[+-]XX
    const std::string text(buffer);
    const auto e = text.find('e');
    s.digits = text.substr(0, 1);
    s.digits.append(text, 2, e - 2);
    s.exponent = std::atoi(text.c_str() + e + 1) + 1;
    if (std::fabs(value) == 0.0)
        s.exponent = 0;
    return s;
}

bool AllZero(const QString& digits)
{
    for (QChar c : digits)
        if (c != QLatin1Char('0'))
            return false;
    return true;
}

const QString* NonFiniteText(double value)
{
    if (std::isnan(value))
        return &NanText;
    if (std::isinf(value))
        return value > 0 ? &InfText : &NegInfText;
    return nullptr;
}

} // namespace

RoundedDecimal RoundToDecimals(double value, int decimals)
{
    RoundedDecimal r;
    const SignificantDigits s = FifteenDigits(value);
    r.negative = s.negative;
    // Place the 15 digits on a fixed grid: integer part then `decimals` places.
    // Digit k (0-based) of s.digits has weight 10^(exponent - 1 - k).
    const int integerDigits = std::max(1, s.exponent);
    const int totalPlaces = integerDigits + decimals;
    std::string grid(static_cast<size_t>(totalPlaces), '0');
    int firstRoundedAway = -1; // index into s.digits of the first digit beyond the grid
    for (int k = 0; k < 15; ++k) {
        const int power = s.exponent - 1 - k;         // weight of this digit
        const int position = integerDigits - 1 - power; // index in the grid
        if (position < 0)
            continue; // cannot happen: integerDigits >= exponent
        if (position >= totalPlaces) {
            firstRoundedAway = k;
            break;
        }
        grid[static_cast<size_t>(position)] = s.digits[static_cast<size_t>(k)];
    }
    bool roundUp = false;
    if (firstRoundedAway >= 0) {
        const int power = s.exponent - 1 - firstRoundedAway;
        const int position = integerDigits - 1 - power;
        // The digit just beyond the grid decides; digits further away only
        // matter when it is the first one past the last place.
        if (position == totalPlaces)
            roundUp = s.digits[static_cast<size_t>(firstRoundedAway)] >= '5';
    }
    if (roundUp) {
        int i = totalPlaces - 1;
        while (i >= 0 && grid[static_cast<size_t>(i)] == '9') {
            grid[static_cast<size_t>(i)] = '0';
            --i;
        }
        if (i >= 0)
            grid[static_cast<size_t>(i)] += 1;
        else
            grid.insert(grid.begin(), '1');
    }
    r.digits = QString::fromLatin1(grid.c_str());
    r.integerDigits = static_cast<int>(grid.size()) - decimals;
    // Drop leading zeros of the integer part, keeping one.
    int lead = 0;
    while (lead < r.integerDigits - 1 && r.digits[lead] == QLatin1Char('0'))
        ++lead;
    r.digits.remove(0, lead);
    r.integerDigits -= lead;
    r.isZero = AllZero(r.digits);
    return r;
}

QString FormatFloat(const QString& pattern, double value)
{
    if (const QString* text = NonFiniteText(value))
        return *text;
    if (pattern.isEmpty())
        return FloatToStr(value);

    // Split the pattern into text before, the placeholder run, text after.
    int first = -1, last = -1;
    for (int i = 0; i < pattern.size(); ++i) {
        const QChar c = pattern[i];
        if (c == QLatin1Char('0') || c == QLatin1Char('#') || c == QLatin1Char('.')) {
            if (first < 0)
                first = i;
            last = i;
        }
    }
    if (first < 0)
        return pattern;
    const QString prefix = pattern.left(first);
    const QString suffix = pattern.mid(last + 1);
    const QString body = pattern.mid(first, last - first + 1);
    const int point = body.indexOf(QLatin1Char('.'));
    const QString intPart = point < 0 ? body : body.left(point);
    const QString fracPart = point < 0 ? QString() : body.mid(point + 1);
    const int minInteger = static_cast<int>(intPart.count(QLatin1Char('0')));
    const int maxDecimals = static_cast<int>(fracPart.count(QLatin1Char('0')) + fracPart.count(QLatin1Char('#')));
    const int minDecimals = static_cast<int>(fracPart.lastIndexOf(QLatin1Char('0')) + 1);

    const RoundedDecimal r = RoundToDecimals(value, maxDecimals);
    QString integer = r.digits.left(r.integerDigits);
    QString fraction = r.digits.mid(r.integerDigits);
    if (integer == QLatin1String("0") && minInteger == 0)
        integer.clear();
    while (integer.size() < minInteger)
        integer.prepend(QLatin1Char('0'));
    while (fraction.size() > minDecimals && fraction.endsWith(QLatin1Char('0')))
        fraction.chop(1);

    QString result = prefix;
    if (r.negative && !r.isZero)
        result += QLatin1Char('-');
    result += integer;
    if (!fraction.isEmpty())
        result += QLatin1Char('.') + fraction;
    if (integer.isEmpty() && fraction.isEmpty())
        result += QLatin1Char('0');
    return result + suffix;
}

QString FloatToStr(double value)
{
    if (const QString* text = NonFiniteText(value))
        return *text;
    if (value == 0.0)
        return QStringLiteral("0");
    const SignificantDigits s = FifteenDigits(value);
    std::string digits = s.digits;
    while (digits.size() > 1 && digits.back() == '0')
        digits.pop_back();
    const int n = static_cast<int>(digits.size());
    std::string out = s.negative ? "-" : "";
    if (s.exponent > 15 || s.exponent < -3) {
        out.push_back(digits[0]);
        if (n > 1) {
            out.push_back('.');
            out.append(digits, 1, std::string::npos);
        }
        out.push_back('E');
        out.append(std::to_string(s.exponent - 1));
    } else if (s.exponent <= 0) {
        out.append("0.");
        out.append(static_cast<size_t>(-s.exponent), '0');
        out.append(digits);
    } else if (n <= s.exponent) {
        out.append(digits);
        out.append(static_cast<size_t>(s.exponent - n), '0');
    } else {
        out.append(digits, 0, static_cast<size_t>(s.exponent));
        out.push_back('.');
        out.append(digits, static_cast<size_t>(s.exponent), std::string::npos);
    }
    return QString::fromLatin1(out.c_str());
}

QString IntToStr(long long value)
{
    return QString::number(value);
}

bool TryStrToFloat(const QString& text, double& value)
{
    const QByteArray s = text.trimmed().toLatin1();
    if (s.isEmpty() || text.trimmed().size() != s.size())
        return false;
    int i = 0;
    const int n = static_cast<int>(s.size());
    if (s[i] == '+' || s[i] == '-')
        ++i;
    int digits = 0;
    while (i < n && s[i] >= '0' && s[i] <= '9') {
        ++i;
        ++digits;
    }
    if (i < n && s[i] == '.') {
        ++i;
        while (i < n && s[i] >= '0' && s[i] <= '9') {
            ++i;
            ++digits;
        }
    }
    if (digits == 0)
        return false;
    if (i < n && (s[i] == 'e' || s[i] == 'E')) {
        ++i;
        if (i < n && (s[i] == '+' || s[i] == '-'))
            ++i;
        int expDigits = 0;
        while (i < n && s[i] >= '0' && s[i] <= '9') {
            ++i;
            ++expDigits;
        }
        if (expDigits == 0)
            return false;
    }
    if (i != n)
        return false;
    const double parsed = std::strtod(s.constData(), nullptr);
    if (!std::isfinite(parsed))
        return false;
    value = parsed;
    return true;
}

double StrToFloat(const QString& text)
{
    double value = 0;
    if (!TryStrToFloat(text, value))
        throw EConvertError(QStringLiteral("'%1' は有効な数値ではありません").arg(text));
    return value;
}

double StrToFloatDef(const QString& text, double fallback)
{
    double value = 0;
    return TryStrToFloat(text, value) ? value : fallback;
}

bool TryStrToInt(const QString& text, int& value)
{
    const QString t = text.trimmed();
    if (t.isEmpty())
        return false;
    int i = 0;
    if (t[0] == QLatin1Char('+') || t[0] == QLatin1Char('-'))
        i = 1;
    if (i == t.size())
        return false;
    for (int k = i; k < t.size(); ++k)
        if (t[k] < QLatin1Char('0') || t[k] > QLatin1Char('9'))
            return false;
    bool ok = false;
    const long long parsed = t.toLongLong(&ok);
    if (!ok || parsed < INT_MIN || parsed > INT_MAX)
        return false;
    value = static_cast<int>(parsed);
    return true;
}

int StrToInt(const QString& text)
{
    int value = 0;
    if (!TryStrToInt(text, value))
        throw EConvertError(QStringLiteral("'%1' は有効な整数ではありません").arg(text));
    return value;
}

int StrToIntDef(const QString& text, int fallback)
{
    int value = 0;
    return TryStrToInt(text, value) ? value : fallback;
}

} // namespace vcl
