#pragma once
// Day counts: a date-time is a double of days since 1899-12-30, the fraction
// being the time of day. Schedule arithmetic stays on these numbers and never
// passes through a local-time QDateTime (daylight saving would move it).
#include <QDate>

namespace vcl {

using TDateTime = double;

inline constexpr double HoursPerDay = 24.0;
inline constexpr double MinsPerDay = 1440.0;
inline constexpr double SecsPerDay = 86400.0;
inline constexpr double MSecsPerDay = 86400000.0;

bool IsLeapYear(int year);
int DaysInMonth(int year, int month);

bool TryEncodeDate(int year, int month, int day, TDateTime& result);
TDateTime EncodeDate(int year, int month, int day);   // throws EConvertError
bool TryEncodeTime(int hour, int minute, int second, int msec, TDateTime& result);
TDateTime EncodeTime(int hour, int minute, int second, int msec); // throws EConvertError

struct DateTimeParts {
    int year = 1899, month = 12, day = 30;
    int hour = 0, minute = 0, second = 0, msec = 0;
};

// Decoding rounds the value to the millisecond first, so a time stored as a
// day fraction (09:05 is 0.378472...) never comes back a minute early, and a
// value a hair before midnight belongs to the next day rather than to 24:00.
DateTimeParts DecodeDateTime(TDateTime value);
void DecodeDate(TDateTime value, int& year, int& month, int& day);
void DecodeTime(TDateTime value, int& hour, int& minute, int& second, int& msec);

int DayOfWeek(TDateTime value);       // 1 = Sunday ... 7 = Saturday
TDateTime DateOf(TDateTime value);    // the whole day, truncated toward zero
TDateTime TimeOf(TDateTime value);    // the fraction

QDate ToQDate(TDateTime value);
TDateTime FromQDate(const QDate& date);

} // namespace vcl
