#pragma once
// The three choices of the deletion-range dialog, worded with the dates of
// the prescription and of the day selected on the schedule. Pure.
#include "DateTime.h"

#include <QString>
#include <array>

struct TDeleteRange {
    vcl::TDateTime StartDate = 0;    // first day of the prescription
    vcl::TDateTime EndDate = 0;      // last day, when it has one
    vcl::TDateTime SelectedDate = 0; // the day chosen on the schedule
    bool OpenEnd = false;            // the prescription has no end date
};

// The captions of RadioButton1..3: from start to end, from the selected day
// to the end, the selected day only. An open end names no end date, and then
// no start date either.
std::array<QString, 3> DeleteRangeTexts(const TDeleteRange& range);
