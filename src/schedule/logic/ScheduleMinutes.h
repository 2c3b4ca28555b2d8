#pragma once
// Whole-minute times of the dose events, and the day a date-time falls on.
#include "DateTime.h"
#include "WholeMinutes.h"

// The whole minutes of the shift of every dose time by `kaiseki_table10`
// hours, truncated toward zero (1.5 gives 90, -0.5 gives -30, 0.99 gives 59).
// The hours are a decimal the user typed (4.10 is 246 minutes), while
// 60 x 4.1 in binary is 245.99999999999997: the product is taken to a
// millionth of a minute before it is truncated.
double TimeOffsetMinutes(double hours);

// An infusion's duration in whole minutes: 60 x hours rounded to the nearest
// minute. Hours are entered as decimals, and 60 x 4.1 in binary is
// 245.99999999999997, not the 246 minutes the user meant; the engine counts
// whole minutes only.
double InfusionMinutes(double hours);

// trunc(date-time) x 1440 + hour x 60 + minute, seconds dropped: the minutes
// of the graph's axes. The time is taken at millisecond precision, as the
// dose events take it.
double DateTimeToMinutes(vcl::TDateTime dateTime);

// The whole day a date-time is shown on ("yyyy/mm/dd"), the time taken at
// millisecond precision: a value a hair before midnight belongs to the next
// day. The calendar's marks and the day lists of the schedule page use it.
vcl::TDateTime CalendarDayOf(vcl::TDateTime dateTime);
