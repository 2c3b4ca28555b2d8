#pragma once
// The moment the concentration comparison dialog shows: a day with an hour
// and a minute, kept inside the schedule and stepped by a minute, an hour or
// a day. Pure.
#include "DateTime.h"

#include <QString>
#include <optional>

// What the dialog's date picker and its hour and minute cells show.
struct TMomentFields {
    vcl::TDateTime Day = 0;   // whole day
    int Hour = 0;
    int Minute = 0;
    friend bool operator==(const TMomentFields&, const TMomentFields&) = default;
};

// The schedule's days the moment is kept in.
struct TScheduleDays {
    vcl::TDateTime FirstDay = 0;   // GraphFirstDay
    vcl::TDateTime LastDay = 0;    // GraphLastDay
};

enum class TStepUnit { Minute, Hour, Day };     // "分", "時", "日"
enum class TStepDirection { Back, Forward };    // "←", "→"

// The moment of the fields: the day plus hour:minute.
vcl::TDateTime MomentOf(const TMomentFields& fields);

// The day, hour and minute of t. The minute is that of t rounded to the
// millisecond, as every day count is split, so 01:00 plus one hour is 02:00
// and not 01:59; a moment a hair before midnight is 00:00 of the next day.
TMomentFields SplitMoment(vcl::TDateTime t);

// The moment typed into the hour and minute cells with the picker's day;
// nothing while a cell is empty or does not hold an hour 0..23 or a minute
// 0..59.
std::optional<vcl::TDateTime> MomentFromCells(vcl::TDateTime day, const QString& hour, const QString& minute);

// On showing and on a date change: a moment before the first schedule day
// becomes 00:00 of it, one more than 100 days after it 00:00 of the day
// after the last schedule day; any other is shown as it is.
TMomentFields PullIntoSchedule(vcl::TDateTime t, const TScheduleDays& days);

// One step from t: inside [first day, first day + 100] the stepped moment,
// later 00:00 of the day after the last schedule day, earlier 00:00 of the
// first schedule day.
TMomentFields StepMoment(vcl::TDateTime t, TStepUnit unit, TStepDirection direction, const TScheduleDays& days);
