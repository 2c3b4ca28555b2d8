#include "WholeMinutes.h"

#include <QDate>
#include <cmath>

double WholeMinutesSince(vcl::TDateTime dateTime, vcl::TDateTime originDay)
{
    const vcl::DateTimeParts parts = vcl::DecodeDateTime(dateTime);
    // The day of the rounded value, which differs from trunc(dateTime) in
    // the last half millisecond before midnight.
    const double day = vcl::FromQDate(QDate(parts.year, parts.month, parts.day));
    return (day - std::trunc(originDay)) * vcl::MinsPerDay + parts.hour * 60 + parts.minute;
}
