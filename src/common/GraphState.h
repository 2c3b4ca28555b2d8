#pragma once
// What the concentration graph shows: the schedule's span, the displayed
// range of days and the y axis with the therapeutic range. The main window
// owns one; the schedule span, the drug page and the scale dialog write it.
#include "DateTime.h"

struct TGraphState {
    vcl::TDateTime GraphFirstDay = 0;   // first schedule day; dose-event times count minutes from its midnight
    vcl::TDateTime GraphLastDay = 0;    // last schedule day
    vcl::TDateTime GraphViewStart = 0;  // left edge of the displayed range
    vcl::TDateTime GraphViewEnd = 0;    // right edge of the displayed range
    int GraphViewDays = 30;             // displayed days = trunc(GraphViewEnd - GraphViewStart)
    double GraphYRange = 0;             // GraphYMax - GraphYMin
    int GraphYMin = 0;                  // y-axis minimum (0; -2 for the logarithmic axis)
    int GraphYMax = 0;                  // y-axis maximum
    double RangeUpper = 0;              // upper limit of the therapeutic range, in the y axis's unit
    double RangeLower = 0;              // lower limit of the therapeutic range
};
