#include "ScheduleMinutes.h"

#include <QDate>
#include <cmath>

double TimeOffsetMinutes(double hours)
{
    constexpr double MinuteParts = 1e6;
    return std::trunc(std::round(60.0 * hours * MinuteParts) / MinuteParts);
}

double InfusionMinutes(double hours)
{
    return std::round(60.0 * hours);
}

double DateTimeToMinutes(vcl::TDateTime dateTime)
{
    return WholeMinutesSince(dateTime, 0);
}

vcl::TDateTime CalendarDayOf(vcl::TDateTime dateTime)
{
    const vcl::DateTimeParts parts = vcl::DecodeDateTime(dateTime);
    return vcl::FromQDate(QDate(parts.year, parts.month, parts.day));
}
