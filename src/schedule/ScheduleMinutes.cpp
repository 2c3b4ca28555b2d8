#include "ScheduleMinutes.h"

#include <cmath>

double TimeOffsetMinutes(double hours)
{
    return std::trunc(60.0 * hours);
}

double InfusionMinutes(double hours)
{
    return std::round(60.0 * hours);
}
