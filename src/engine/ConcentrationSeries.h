#pragma once
// What the result dialogs show: the predicted concentration of every schedule
// set at one date-time, the AUC of one day by dose over clearance and by
// trapezoids over the graph's two-minute curves, and the 1440 one-minute
// concentrations of one day. The per-set values are laid out as index 0 the
// population parameters on set 0, index i + 1 the estimates on set i, for the
// sets in use 0 .. k.
#include "CurvePoints.h"
#include "EngineContext.h"

#include <array>
#include <optional>
#include <span>
#include <vector>

using TSetValues = std::array<double, ScheduleSetCount + 1>;
// A daily AUC, or nothing where none can be given (the dialog shows "------").
using TAucValues = std::array<std::optional<double>, ScheduleSetCount + 1>;

inline constexpr int MinutesPerDay = 1440;

// The concentration of each set in use at date-time t; k receives the last
// set in use.
void CalcConcAllSets(const TEngineContext& context, vcl::TDateTime t, TSetValues& values, int& k);

// Dose over clearance x body weight for day, per set. False, with k = 0 and
// no values, when day is outside [GraphViewStart, GraphViewEnd). A set whose
// clearance is 0 gets no value.
bool CalcDailyAuc(const TEngineContext& context, vcl::TDateTime day, TAucValues& values, int& k);

// The amount given within [day, day + 1) by the administrations of a day
// list: a bolus or an oral dose counts wholly in the day it is given, an
// infusion by the share of its duration that falls in the day.
double DoseWithinDay(const std::vector<TScheduleDay>& days, vcl::TDateTime day);

// The trapezoid AUC of day over each set's curve list; the same range test
// and layout as CalcDailyAuc.
bool CalcDailyAucFine(const TEngineContext& context, const TCurveLists& curves, vcl::TDateTime day,
                      TAucValues& values, int& k);

// Concentration x hours over the day's 720 two-minute trapezoids of a curve
// list whose point j lies at minute 2j after graphViewStart; the first
// trapezoid starts at the previous day's 23:58 point (from 0 on the first
// day of the list). Nothing when the list does not hold the day.
std::optional<double> IntegrateDayAucFine(const TCurveList& curve, vcl::TDateTime day,
                                          vcl::TDateTime graphViewStart);

// The estimated concentration on the patient's schedule at each minute of
// day: values[m] at minute m after 00:00.
void CalcConcCurveOfDay(const TEngineContext& context, vcl::TDateTime day, std::span<double, MinutesPerDay> values);
