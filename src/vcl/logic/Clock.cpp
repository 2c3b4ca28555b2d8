#include "Clock.h"

#include <QDateTime>
#include <cmath>

namespace vcl {
namespace {

const SystemClock systemClock;
const Clock* currentClock = &systemClock;

} // namespace

TDateTime SystemClock::Now() const
{
    const QDateTime now = QDateTime::currentDateTime();
    const QTime t = now.time();
    return FromQDate(now.date()) + (t.msecsSinceStartOfDay() / MSecsPerDay);
}

TDateTime Now()
{
    return currentClock->Now();
}

TDateTime Date()
{
    return std::trunc(currentClock->Now());
}

const Clock* SetClock(const Clock* clock)
{
    const Clock* previous = currentClock;
    currentClock = clock ? clock : &systemClock;
    return previous == &systemClock ? nullptr : previous;
}

} // namespace vcl
