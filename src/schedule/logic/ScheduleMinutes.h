#pragma once
// Whole-minute times of the dose events, and the day a date-time falls on.
#include "DateTime.h"
#include "WholeMinutes.h"

// trunc(60 x hours): the shift of every dose time by `kaiseki_table10` hours,
// truncated toward zero (1.5 gives 90, -0.5 gives -30).
double TimeOffsetMinutes(double hours);

// trunc(date-time) x 1440 + hour x 60 + minute, seconds dropped: the minutes
// of the graph's axes. The time is taken at millisecond precision, as the
// dose events take it.
double DateTimeToMinutes(vcl::TDateTime dateTime);

// The whole day a date-time is shown on ("yyyy/mm/dd"), the time taken at
// millisecond precision: a value a hair before midnight belongs to the next
// day. The calendar's marks and the day lists of the schedule page use it.
vcl::TDateTime CalendarDayOf(vcl::TDateTime dateTime);
