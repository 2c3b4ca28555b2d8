#pragma once
// Whole-minute times of the dose events.
#include "DateTime.h"
#include "WholeMinutes.h"

// trunc(60 x hours): the shift of every dose time by `kaiseki_table10` hours,
// truncated toward zero (1.5 gives 90, -0.5 gives -30).
double TimeOffsetMinutes(double hours);
