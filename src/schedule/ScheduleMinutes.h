#pragma once
// Whole-minute times of the dose events.
#include "DateTime.h"

// Whole minutes from 00:00 of originDay to dateTime, seconds dropped:
// (day - trunc(originDay)) x 1440 + hour x 60 + minute. Day, hour and minute
// all come from the time rounded to the millisecond, so 09:05 stored as a
// day fraction counts as 09:05 (truncating the fraction would give 09:04 for
// about half of all minute values), and a value a hair before midnight counts
// as 00:00 of the next day, not of its own.
double WholeMinutesSince(vcl::TDateTime dateTime, vcl::TDateTime originDay);

// trunc(60 x hours): the shift of every dose time by `kaiseki_table10` hours,
// truncated toward zero (1.5 gives 90, -0.5 gives -30).
double TimeOffsetMinutes(double hours);
