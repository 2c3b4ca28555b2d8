#include "ComparisonMoment.h"

#include "NumberFormat.h"

#include <cmath>

namespace {

constexpr double ScheduleReachDays = 100;

TMomentFields StartOfDay(vcl::TDateTime day)
{
    return {vcl::DateOf(day), 0, 0};
}

std::optional<int> WholeNumberIn(const QString& text, int max)
{
    int value = 0;
    if (!vcl::TryStrToInt(text.trimmed(), value) || value < 0 || value > max)
        return std::nullopt;
    return value;
}

double StepDays(TStepUnit unit)
{
    switch (unit) {
    case TStepUnit::Minute:
        return 1.0 / vcl::MinsPerDay;
    case TStepUnit::Hour:
        return 1.0 / vcl::HoursPerDay;
    case TStepUnit::Day:
        break;
    }
    return 1.0;
}

} // namespace

vcl::TDateTime MomentOf(const TMomentFields& fields)
{
    return fields.Day + (fields.Hour * 60 + fields.Minute) / vcl::MinsPerDay;
}

TMomentFields SplitMoment(vcl::TDateTime t)
{
    const vcl::DateTimeParts parts = vcl::DecodeDateTime(t);
    return {vcl::EncodeDate(parts.year, parts.month, parts.day), parts.hour, parts.minute};
}

std::optional<vcl::TDateTime> MomentFromCells(vcl::TDateTime day, const QString& hour, const QString& minute)
{
    const std::optional<int> h = WholeNumberIn(hour, 23);
    const std::optional<int> m = WholeNumberIn(minute, 59);
    if (!h || !m)
        return std::nullopt;
    return MomentOf({vcl::DateOf(day), *h, *m});
}

TMomentFields PullIntoSchedule(vcl::TDateTime t, const TScheduleDays& days)
{
    if (t < days.FirstDay)
        return StartOfDay(days.FirstDay);
    if (t > days.FirstDay + ScheduleReachDays)
        return StartOfDay(days.LastDay + 1);
    return SplitMoment(t);
}

TMomentFields StepMoment(vcl::TDateTime t, TStepUnit unit, TStepDirection direction, const TScheduleDays& days)
{
    const double step = StepDays(unit);
    // Rounded to the millisecond, so that a step onto a limit is on it.
    const vcl::TDateTime raw = direction == TStepDirection::Back ? t - step : t + step;
    const vcl::TDateTime stepped = std::round(raw * vcl::MSecsPerDay) / vcl::MSecsPerDay;
    if (stepped > days.FirstDay + ScheduleReachDays)
        return StartOfDay(days.LastDay + 1);
    if (stepped < days.FirstDay)
        return StartOfDay(days.FirstDay);
    return SplitMoment(stepped);
}
