#pragma once
// "Today" and "now" come from one replaceable clock, so tests fix the date.
#include "DateTime.h"

namespace vcl {

class Clock {
public:
    virtual ~Clock() = default;
    virtual TDateTime Now() const = 0;
};

// The system clock in local time.
class SystemClock : public Clock {
public:
    TDateTime Now() const override;
};

TDateTime Now();    // the current date and time
TDateTime Date();   // today at 00:00

// Installs a clock (nullptr restores the system clock); returns the previous one.
// The caller keeps ownership.
const Clock* SetClock(const Clock* clock);

} // namespace vcl
