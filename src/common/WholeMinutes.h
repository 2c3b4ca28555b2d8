#pragma once
// The one rule by which the program counts whole minutes between a day and a
// date-time. The dose events, the samplings handed to the fit and the times
// asked of the curve all use it, so a sampling taken at a dose's minute lands
// on that dose and not a minute beside it.
#include "DateTime.h"

// Whole minutes from 00:00 of originDay to dateTime, seconds dropped:
// (day - trunc(originDay)) x 1440 + hour x 60 + minute. Day, hour and minute
// all come from the time rounded to the millisecond, so 09:05 stored as a
// day fraction counts as 09:05 (truncating the fraction would give 09:04 for
// about half of all minute values), and a value a hair before midnight counts
// as 00:00 of the next day, not of its own.
double WholeMinutesSince(vcl::TDateTime dateTime, vcl::TDateTime originDay);
