#include "ConcentrationSeries.h"

#include "ConcentrationDispatch.h"
#include "EstimationDispatch.h"

#include <algorithm>
#include <climits>
#include <cmath>

namespace {

// The sets in use, kept inside the four the program has.
int LastSetInUse(const TEngineContext& c)
{
    return std::clamp(c.LastSetIndex, 0, ScheduleSetCount - 1);
}

// A minute count as the curve takes it. Dates of any real case are far
// inside the range; a value outside it (or not a number) must not become
// undefined behaviour in the conversion.
int ToCurveMinute(double minutes, int room)
{
    if (!(minutes >= static_cast<double>(INT_MIN)))
        return INT_MIN;
    if (minutes > static_cast<double>(INT_MAX - room))
        return INT_MAX - room;
    return static_cast<int>(minutes);
}

// One fresh curve at one time: the state started with initialFlag.
double ConcentrationOnFreshCurve(const TEngineContext& c, int t, int initialFlag, const TParamBlock& block)
{
    double second = 0.0;
    double central = 0.0;
    int passed = 0;
    SelectSimulationParams(c, &central, &second, initialFlag);
    return ConcentrationAt(c, t, &second, &central, &passed, 0, block);
}

bool InDisplayedRange(const TEngineContext& c, vcl::TDateTime day)
{
    return c.Graph.GraphViewStart <= day && day < c.Graph.GraphViewEnd;
}

// Dose over clearance; no value where the quotient is not a number a display
// can show (a clearance of 0).
std::optional<double> DoseOverClearance(double dose, double clearance)
{
    const double auc = dose / clearance;
    if (clearance == 0.0 || !std::isfinite(auc))
        return std::nullopt;
    return auc;
}

constexpr double DaysPerHour = 0.041666666666666664;
constexpr int PointsPerDay = MinutesPerDay / CurvePointMinutes;

} // namespace

void CalcConcAllSets(const TEngineContext& context, vcl::TDateTime t, TSetValues& values, int& k)
{
    k = LastSetInUse(context);
    const int tm = ToCurveMinute(MinutesBetween(t, context.Graph.GraphFirstDay), 0);
    values[0] = ConcentrationOnFreshCurve(context.OnSet(0), tm, 0, context.Analysis.bosyudan);
    for (int i = 0; i <= k; ++i)
        values[i + 1] = ConcentrationOnFreshCurve(context.OnSet(i), tm, 1, context.Analysis.kaiseki);
}

bool CalcDailyAuc(const TEngineContext& context, vcl::TDateTime day, TAucValues& values, int& k)
{
    values.fill(std::nullopt);
    if (!InDisplayedRange(context, day)) {
        k = 0;
        return false;
    }
    k = LastSetInUse(context);
    const double bw = context.BodyWeight();
    const auto& dayLists = context.Sets.ScheduleDayLists;
    values[0] = DoseOverClearance(DoseWithinDay(dayLists[0], day), context.Analysis.bosyudan.cl * bw);
    for (int i = 0; i <= k; ++i)
        values[i + 1] = DoseOverClearance(DoseWithinDay(dayLists[i], day), context.Analysis.kaiseki.cl * bw);
    return true;
}

double DoseWithinDay(const std::vector<TScheduleDay>& days, vcl::TDateTime day)
{
    const double d0 = day;
    const double d1 = day + 1.0;
    double sum = 0.0;
    // Every record is looked at: a day list holds its administrations
    // prescription by prescription, so a later record may fall on an
    // earlier day (two prescriptions running side by side).
    for (const TScheduleDay& record : days) {
        const double s = record.DateTime;
        const double e = s + record.DripHours * DaysPerHour;
        const double dose = record.Dose;
        if (e == s) {
            if (d0 <= s && s < d1)
                sum = sum + dose;
        } else if (s <= d0 && d0 <= e && e <= d1) {
            sum = sum + (e - d0) / (e - s) * dose;
        } else if (d0 <= s && s <= d1 && d1 <= e) {
            sum = sum + (d1 - s) / (e - s) * dose;
        } else if (s <= d0 && d1 <= e) {
            sum = sum + (d1 - d0) / (e - s) * dose;
        } else if (d0 <= s && e <= d1) {
            sum = sum + dose;
        }
    }
    return sum;
}

bool CalcDailyAucFine(const TEngineContext& context, const TCurveLists& curves, vcl::TDateTime day,
                      TAucValues& values, int& k)
{
    values.fill(std::nullopt);
    if (!InDisplayedRange(context, day)) {
        k = 0;
        return false;
    }
    k = LastSetInUse(context);
    for (int j = 0; j <= k + 1; ++j)
        values[j] = IntegrateDayAucFine(curves[j], day, context.Graph.GraphViewStart);
    return true;
}

std::optional<double> IntegrateDayAucFine(const TCurveList& curve, vcl::TDateTime day, vcl::TDateTime graphViewStart)
{
    const double dayIndex = std::trunc(day - graphViewStart);
    // The list must hold the day's 720 points (and, but for the first day,
    // the point before them).
    const double daysHeld = static_cast<double>(curve.size() / PointsPerDay);
    if (!(dayIndex >= 0.0 && dayIndex < daysHeld))
        return std::nullopt;
    const std::size_t p0 = static_cast<std::size_t>(dayIndex) * PointsPerDay;
    double sum = 0.0;
    for (std::size_t j = 0; j < PointsPerDay; ++j) {
        const std::size_t p = p0 + j;
        const double previous = p == 0 ? 0.0 : curve[p - 1].First;
        sum = sum + (previous + curve[p].First) * 2.0 * 0.5;
    }
    return sum * (1.0 / 60.0);
}

void CalcConcCurveOfDay(const TEngineContext& context, vcl::TDateTime day, std::span<double, MinutesPerDay> values)
{
    const TEngineContext c = context.OnSet(0);
    double second = 0.0;
    double central = 0.0;
    int passed = 0;
    // The curve runs on the estimate block, so its initial amount takes the
    // estimated volume too.
    SelectSimulationParams(c, &central, &second, 1);
    const int t0 = ToCurveMinute(std::floor(day - context.Graph.GraphFirstDay) * MinutesPerDay, MinutesPerDay);
    for (int m = 0; m < MinutesPerDay; ++m)
        values[m] = ConcentrationAt(c, t0 + m, &second, &central, &passed, 0, context.Analysis.kaiseki);
}
