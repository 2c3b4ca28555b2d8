#pragma once
// The compartment listing: one line per two-minute curve point with the
// central and the peripheral concentration and their difference, local
// minima of the difference marked " *".
#include "CurvePoints.h"
#include "DateTime.h"

#include <QStringList>

// "yyyy/mm/dd hh:nn:00,<central>,<peripheral>,<difference>", each number
// with four decimals right-aligned in 12 characters; the date and time are
// origin plus the point's whole minutes. A line is marked when the
// difference fell into it and rises after it; equal differences end a
// falling run without a mark. `threads`: how many threads may format the
// lines (AllProcessorThreads: as many as the processor runs).
QStringList BuildCompartmentLines(const TCurveList& points, vcl::TDateTime origin, int threads = 1);
