#pragma once
// The two-minute curve points the graph keeps for the daily AUC and the
// compartment listing: list 0 the population curve on the patient's schedule,
// list 1 + i the individual curve on schedule set i.
#include "Udifine.h"

#include <array>
#include <vector>

struct TCurvePoint {
    double Time = 0;     // minutes from the left edge of the displayed range
    double First = 0;    // concentration, compartment selector 0 (central)
    double Second = 0;   // concentration, compartment selector 1 (peripheral)

    friend bool operator==(const TCurvePoint&, const TCurvePoint&) = default;
};

using TCurveList = std::vector<TCurvePoint>;
using TCurveLists = std::array<TCurveList, ScheduleSetCount + 1>;

// Minutes between consecutive points of a curve list.
inline constexpr int CurvePointMinutes = 2;
