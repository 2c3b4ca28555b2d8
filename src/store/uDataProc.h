#pragma once
// Small date-time functions used across the program.
#include "DateTime.h"

// Age in whole years at today's date (the clock's). A birthday on 29 February
// counts on 1 March in years without that day.
int AgeFromBirthDate(vcl::TDateTime birthDate);
// The same on a given day: negative for a birth date after it.
int AgeOnDate(vcl::TDateTime birthDate, vcl::TDateTime today);

// The time of day as a fraction of a day: the value minus its integer part
// (truncated toward zero).
double TimeOfDay(vcl::TDateTime value);

// Minutes since midnight, 0-1439, from the time rounded to the millisecond;
// seconds are dropped, so 10:29:59.9996 counts as 630.
int MinutesOfDay(vcl::TDateTime value);
