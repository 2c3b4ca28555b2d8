#include "DateTime.h"

#include "Exceptions.h"

#include <cmath>
#include <cstdint>

namespace vcl {
namespace {

// QDate's Julian day number of 1899-12-30, day 0 of the count.
constexpr qint64 JulianDayOfZero = 2415019;
constexpr std::int64_t MSecsPerDayInt = 86400000;

} // namespace

bool IsLeapYear(int year)
{
    return (year % 4 == 0) && (year % 100 != 0 || year % 400 == 0);
}

int DaysInMonth(int year, int month)
{
    static const int days[12] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    if (month < 1 || month > 12)
        return 0;
    return (month == 2 && IsLeapYear(year)) ? 29 : days[month - 1];
}

bool TryEncodeDate(int year, int month, int day, TDateTime& result)
{
    if (year < 1 || year > 9999 || month < 1 || month > 12 || day < 1 || day > DaysInMonth(year, month))
        return false;
    result = static_cast<double>(QDate(year, month, day).toJulianDay() - JulianDayOfZero);
    return true;
}

TDateTime EncodeDate(int year, int month, int day)
{
    TDateTime result = 0;
    if (!TryEncodeDate(year, month, day, result))
        throw EConvertError(QStringLiteral("無効な日付です: %1/%2/%3").arg(year).arg(month).arg(day));
    return result;
}

bool TryEncodeTime(int hour, int minute, int second, int msec, TDateTime& result)
{
    if (hour < 0 || hour > 23 || minute < 0 || minute > 59 || second < 0 || second > 59 || msec < 0 || msec > 999)
        return false;
    const double ms = ((hour * 60.0 + minute) * 60.0 + second) * 1000.0 + msec;
    result = ms / MSecsPerDay;
    return true;
}

TDateTime EncodeTime(int hour, int minute, int second, int msec)
{
    TDateTime result = 0;
    if (!TryEncodeTime(hour, minute, second, msec, result))
        throw EConvertError(QStringLiteral("無効な時刻です: %1:%2:%3").arg(hour).arg(minute).arg(second));
    return result;
}

DateTimeParts DecodeDateTime(TDateTime value)
{
    DateTimeParts parts;
    if (!std::isfinite(value) || std::fabs(value) > 3.0e6)
        return parts; // far outside any calendar date: report the zero day
    // Round the whole value to the millisecond (ties to even, as the
    // platform's rounding does); the day is the quotient truncated toward
    // zero and the time of day the magnitude of the remainder.
    const std::int64_t total = static_cast<std::int64_t>(std::nearbyint(value * MSecsPerDay));
    const std::int64_t day = total / MSecsPerDayInt;
    std::int64_t ms = total % MSecsPerDayInt;
    if (ms < 0)
        ms = -ms;
    const QDate date = QDate::fromJulianDay(JulianDayOfZero + day);
    parts.year = date.year();
    parts.month = date.month();
    parts.day = date.day();
    parts.hour = static_cast<int>(ms / 3600000);
    parts.minute = static_cast<int>(ms / 60000 % 60);
    parts.second = static_cast<int>(ms / 1000 % 60);
    parts.msec = static_cast<int>(ms % 1000);
    return parts;
}

void DecodeDate(TDateTime value, int& year, int& month, int& day)
{
    const DateTimeParts p = DecodeDateTime(value);
    year = p.year;
    month = p.month;
    day = p.day;
}

void DecodeTime(TDateTime value, int& hour, int& minute, int& second, int& msec)
{
    const DateTimeParts p = DecodeDateTime(value);
    hour = p.hour;
    minute = p.minute;
    second = p.second;
    msec = p.msec;
}

int DayOfWeek(TDateTime value)
{
    // Day 0 (1899-12-30) was a Saturday.
    const std::int64_t day = static_cast<std::int64_t>(std::trunc(value));
    const int offset = static_cast<int>(((day % 7) + 7) % 7); // 0 = Saturday
    return (offset + 6) % 7 + 1;
}

TDateTime DateOf(TDateTime value)
{
    return std::trunc(value);
}

TDateTime TimeOf(TDateTime value)
{
    return value - std::trunc(value);
}

QDate ToQDate(TDateTime value)
{
    const DateTimeParts p = DecodeDateTime(value);
    return QDate(p.year, p.month, p.day);
}

TDateTime FromQDate(const QDate& date)
{
    return static_cast<double>(date.toJulianDay() - JulianDayOfZero);
}

} // namespace vcl
