#include "DateTimeFormat.h"

namespace vcl {
namespace {

QString Padded(int value, int width)
{
    return QStringLiteral("%1").arg(value, width, 10, QLatin1Char('0'));
}

int RunLength(const QString& pattern, int from, QChar c)
{
    int n = 0;
    while (from + n < pattern.size() && pattern[from + n].toLower() == c)
        ++n;
    return n;
}

} // namespace

QString FormatDateTime(const QString& pattern, TDateTime value)
{
    const DateTimeParts p = DecodeDateTime(value);
    QString out;
    bool afterHour = false;
    for (int i = 0; i < pattern.size();) {
        const QChar c = pattern[i].toLower();
        if (c == QLatin1Char('"') || c == QLatin1Char('\'')) {
            const int end = pattern.indexOf(pattern[i], i + 1);
            const int stop = end < 0 ? pattern.size() : end;
            out += pattern.mid(i + 1, stop - i - 1);
            i = stop + 1;
            continue;
        }
        const int n = RunLength(pattern, i, c);
        if (c == QLatin1Char('y')) {
            out += n <= 2 ? Padded(p.year % 100, 2) : Padded(p.year, 4);
            afterHour = false;
        } else if (c == QLatin1Char('m')) {
            const int v = afterHour ? p.minute : p.month;
            out += n >= 2 ? Padded(v, 2) : QString::number(v);
            afterHour = false;
        } else if (c == QLatin1Char('d')) {
            out += n >= 2 ? Padded(p.day, 2) : QString::number(p.day);
            afterHour = false;
        } else if (c == QLatin1Char('h')) {
            out += n >= 2 ? Padded(p.hour, 2) : QString::number(p.hour);
            afterHour = true;
        } else if (c == QLatin1Char('n')) {
            out += n >= 2 ? Padded(p.minute, 2) : QString::number(p.minute);
            afterHour = false;
        } else if (c == QLatin1Char('s')) {
            out += n >= 2 ? Padded(p.second, 2) : QString::number(p.second);
            afterHour = false;
        } else if (c == QLatin1Char('z')) {
            out += n >= 3 ? Padded(p.msec, 3) : QString::number(p.msec);
            afterHour = false;
        } else {
            out += pattern.mid(i, n);
        }
        i += n;
    }
    return out;
}

} // namespace vcl
