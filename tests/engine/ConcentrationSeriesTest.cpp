// Concentrations of every set at one time, the two daily AUCs and the
// one-minute curve of a day.
#include "ConcentrationSeries.h"
#include "DispatchCase.h"

#include <gtest/gtest.h>

using namespace dispatch_test;

namespace {

// Vancomycin, one-compartment model, four sets: the patient's 1 g every 12
// hours and three changed regimens; set 3 has doses but only sets 0-2 are
// in use. Set 1 is current.
void VancomycinSets(DrugCase& c)
{
    VancomycinPopulation(c.analysis);
    c.analysis.kaiseki = c.analysis.bosyudan;
    c.analysis.kaiseki.vd = 0.7;
    c.analysis.kaiseki.ke = 0.09;
    c.analysis.kaiseki.cl = 0.063;
    c.analysis.init_value = 3.0;
    c.Infusions(0, 540, 720, 8, 1000, 60);
    c.Infusions(1, 540, 720, 8, 1500, 60);
    c.Infusions(2, 540, 480, 12, 750, 60);
    c.Infusions(3, 540, 1440, 4, 2000, 120);
    c.lastSet = 2;
    c.sets.CurSetIndex = 1;
    // The day lists the dose-over-clearance AUC reads: one dose a day per set.
    for (int set = 0; set < ScheduleSetCount; ++set) {
        for (int d = 0; d < 4; ++d)
            c.sets.ScheduleDayLists[set].push_back({0, Day + d + At(9, 0), 1000.0 * (set + 1), 1.0, 0});
    }
}

TScheduleDay Administration(double dateTime, double dose, double dripHours = 0, int prescription = 0)
{
    return {prescription, dateTime, dose, dripHours, dose};
}

TCurveList ConstantCurve(int days, double c)
{
    TCurveList list;
    for (int j = 0; j < days * 720; ++j)
        list.push_back({2.0 * j, c, 0.0});
    return list;
}

} // namespace

TEST(CalcConcAllSets, PopulationAndEachSetInUseAtOneTime)
{
    DrugCase c(5, 1, 1, 1);
    VancomycinSets(c);
    const TEngineContext context = c.Context();
    TSetValues values;
    values.fill(-1);
    int k = -1;
    CalcConcAllSets(context, Day + 1 + At(10, 15, 30), values, k);
    EXPECT_EQ(k, 2);
    const int t = 1440 + 615;   // seconds dropped

    auto fresh = [&](int set, int initialFlag, const TParamBlock& block) {
        c.sets.CurSetIndex = set;
        const double value = c.FreshConcentration(t, 0, block, initialFlag);
        c.sets.CurSetIndex = 1;
        return value;
    };
    EXPECT_EQ(values[0], fresh(0, 0, c.analysis.bosyudan));
    for (int i = 0; i <= 2; ++i)
        EXPECT_EQ(values[i + 1], fresh(i, 1, c.analysis.kaiseki)) << i;
    EXPECT_EQ(values[4], -1);   // set 3 is not in use
    EXPECT_NE(values[1], values[2]);
    EXPECT_EQ(context.ActiveDoseEvents, &c.sets.DoseEventLists[1]);
}

TEST(CalcDailyAuc, DaysOutsideTheDisplayedRangeGiveNothing)
{
    DrugCase c(5, 1, 1, 1);
    VancomycinSets(c);
    c.graph = {Day, Day + 1, Day + 4};
    TAucValues values;
    int k = 5;
    for (double day : {Day, Day + 4.0}) {
        k = 5;
        EXPECT_FALSE(CalcDailyAuc(c.Context(), day, values, k));
        EXPECT_EQ(k, 0);
        EXPECT_FALSE(values[0]);
        TCurveLists curves;
        k = 5;
        EXPECT_FALSE(CalcDailyAucFine(c.Context(), curves, day, values, k));
        EXPECT_EQ(k, 0);
    }
    EXPECT_TRUE(CalcDailyAuc(c.Context(), Day + 3, values, k));
    EXPECT_TRUE(CalcDailyAuc(c.Context(), Day + 1, values, k));
}

TEST(CalcDailyAuc, DoseOverClearancePerSet)
{
    DrugCase c(5, 1, 1, 1);
    VancomycinSets(c);
    TAucValues values;
    int k = 0;
    ASSERT_TRUE(CalcDailyAuc(c.Context(), Day + 1, values, k));
    EXPECT_EQ(k, 2);
    EXPECT_DOUBLE_EQ(*values[0], 1000.0 / (0.06 * Weight));
    EXPECT_DOUBLE_EQ(*values[1], 1000.0 / (0.063 * Weight));
    EXPECT_DOUBLE_EQ(*values[2], 2000.0 / (0.063 * Weight));
    EXPECT_DOUBLE_EQ(*values[3], 3000.0 / (0.063 * Weight));
    EXPECT_FALSE(values[4]);

    // A clearance of 0 gives no value rather than an infinity.
    c.analysis.kaiseki.cl = 0;
    ASSERT_TRUE(CalcDailyAuc(c.Context(), Day + 1, values, k));
    EXPECT_TRUE(values[0]);
    EXPECT_FALSE(values[1]);
}

TEST(DoseWithinDay, InfusionsAcrossMidnightAndDosesAtMidnight)
{
    // 23:30 to 00:30: half on each day.
    const std::vector<TScheduleDay> infusion = {Administration(Day + At(23, 30), 1000, 1.0)};
    EXPECT_NEAR(DoseWithinDay(infusion, Day), 500, 1e-6);
    EXPECT_NEAR(DoseWithinDay(infusion, Day + 1), 500, 1e-6);
    EXPECT_EQ(DoseWithinDay(infusion, Day + 2), 0);

    // An oral dose at 00:00 counts in its own day, not in the day before.
    const std::vector<TScheduleDay> oral = {Administration(Day + 1, 200)};
    EXPECT_EQ(DoseWithinDay(oral, Day), 0);
    EXPECT_EQ(DoseWithinDay(oral, Day + 1), 200);

    // A 48-hour infusion from noon: a quarter, a half, a quarter.
    const std::vector<TScheduleDay> long48 = {Administration(Day + 0.5, 4000, 48.0)};
    EXPECT_NEAR(DoseWithinDay(long48, Day), 1000, 1e-6);
    EXPECT_NEAR(DoseWithinDay(long48, Day + 1), 2000, 1e-6);
    EXPECT_NEAR(DoseWithinDay(long48, Day + 2), 1000, 1e-6);
}

// A day list holds its administrations prescription by prescription: a
// morning and an evening prescription over the same days come out as all the
// mornings, then all the evenings. Both count on every day.
TEST(DoseWithinDay, AdministrationsGroupedByPrescriptionAllCount)
{
    std::vector<TScheduleDay> days;
    for (int d = 0; d < 3; ++d)
        days.push_back(Administration(Day + d + At(9, 0), 200, 0, 0));
    for (int d = 0; d < 3; ++d)
        days.push_back(Administration(Day + d + At(21, 0), 300, 0, 1));
    for (int d = 0; d < 3; ++d)
        EXPECT_EQ(DoseWithinDay(days, Day + d), 500) << d;
}

TEST(IntegrateDayAucFine, TrapezoidsOverTheDayPoints)
{
    const TCurveList constant = ConstantCurve(3, 2.5);
    EXPECT_DOUBLE_EQ(*IntegrateDayAucFine(constant, Day + 1, Day), 24 * 2.5);
    EXPECT_DOUBLE_EQ(*IntegrateDayAucFine(constant, Day + 2, Day), 24 * 2.5);
    // The list's first day: the first trapezoid starts from 0.
    EXPECT_DOUBLE_EQ(*IntegrateDayAucFine(constant, Day, Day), (1440 * 2.5 - 2.5) / 60);

    // A concentration rising by 1 per minute: the trapezoids are exact, from
    // the previous day's 23:58 point to 23:58.
    TCurveList rising;
    for (int j = 0; j < 3 * 720; ++j)
        rising.push_back({2.0 * j, 2.0 * j, 0.0});
    EXPECT_DOUBLE_EQ(*IntegrateDayAucFine(rising, Day + 1, Day), (2878.0 * 2878 - 1438.0 * 1438) / 2 / 60);
}

TEST(IntegrateDayAucFine, DaysTheListDoesNotHoldGiveNothing)
{
    EXPECT_FALSE(IntegrateDayAucFine({}, Day, Day));
    const TCurveList twoDays = ConstantCurve(2, 1.0);
    EXPECT_FALSE(IntegrateDayAucFine(twoDays, Day + 2, Day));
    EXPECT_FALSE(IntegrateDayAucFine(twoDays, Day - 1, Day));
    TCurveList partial = twoDays;
    partial.resize(720 + 719);
    EXPECT_FALSE(IntegrateDayAucFine(partial, Day + 1, Day));
    EXPECT_TRUE(IntegrateDayAucFine(partial, Day, Day));
}

TEST(CalcDailyAucFine, OneValuePerCurveListInUse)
{
    DrugCase c(5, 1, 1, 2);
    VancomycinSets(c);
    c.graph = {Day, Day, Day + 3};
    TCurveLists curves;
    for (int j = 0; j < ScheduleSetCount; ++j)
        curves[j] = ConstantCurve(3, 1.0 + j);
    TAucValues values;
    int k = 0;
    ASSERT_TRUE(CalcDailyAucFine(c.Context(), curves, Day + 1, values, k));
    EXPECT_EQ(k, 2);
    for (int j = 0; j <= 3; ++j)
        EXPECT_DOUBLE_EQ(*values[j], 24 * (1.0 + j)) << j;
    EXPECT_FALSE(values[4]);

    // The graph keeps no curve lists for the one-compartment keys.
    ASSERT_TRUE(CalcDailyAucFine(c.Context(), TCurveLists{}, Day + 1, values, k));
    EXPECT_FALSE(values[0]);
}

// Minute m of the day on the patient's schedule with the estimates; the
// curve starts from the initial value with the estimated volume, so before
// the first dose it shows the initial value itself.
TEST(CalcConcCurveOfDay, MinuteByMinuteOnThePatientSchedule)
{
    DrugCase c(5, 1, 1, 1);
    VancomycinSets(c);
    std::array<double, MinutesPerDay> values{};
    CalcConcCurveOfDay(c.Context(), Day + 1, values);
    c.sets.CurSetIndex = 0;
    for (int m : {0, 539, 540, 541, 600, 1439})
        EXPECT_EQ(values[m], c.FreshConcentration(1440 + m, 0, c.analysis.kaiseki, 1)) << m;
    EXPECT_GT(values[600], values[540]);

    c.sets.CurSetIndex = 1;
    CalcConcCurveOfDay(c.Context(), Day, values);
    EXPECT_NEAR(values[0], 3.0, 1e-12);
    EXPECT_EQ(values[539], values[0]);
}
