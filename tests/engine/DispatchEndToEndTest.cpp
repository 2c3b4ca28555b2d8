// One case per model family from the records and a prescription list, through
// the schedule's expansion and dose events, to the estimates and the curves:
// measured values come from a "true" patient with a few per cent of assay
// noise, and the individual curve must pass closer to them than the
// population curve.
#include "ConcentrationSeries.h"
#include "CurveSampling.h"
#include "DispatchCase.h"
#include "EstimationDispatch.h"

#include <gtest/gtest.h>

#include <cmath>

using namespace dispatch_test;

namespace {

// Estimates, then the population and the individual curve over the view;
// the individual curve must lie nearer the measured values.
void EstimateAndCompareCurves(DrugCase& c)
{
    ASSERT_EQ(EstimateIndividualParams(c.Context()), FitConverged);
    EXPECT_GT(c.analysis.ss, 0.0);

    const int first = static_cast<int>(MinutesBetween(c.graph.GraphViewStart, c.graph.GraphFirstDay));
    const int count = static_cast<int>(c.graph.GraphViewEnd - c.graph.GraphViewStart) * 720;
    std::vector<double> population(count), individual(count);
    const TCurveRequest requests[] = {
        {&c.Events(0), &c.analysis.bosyudan, 0, population, {}},
        {&c.Events(0), &c.analysis.kaiseki, 1, individual, {}},
    };
    ASSERT_TRUE(SampleConcentrationCurves(c.Context(), first, 2, count, requests));

    double populationMiss = 0, individualMiss = 0;
    for (const TSamplingRecord& s : c.sets.Samplings) {
        const int j = (static_cast<int>(MinutesBetween(s.saiketu_time, c.graph.GraphFirstDay)) - first) / 2;
        ASSERT_LT(j, count);
        populationMiss += std::pow(std::log(population[j] / s.saiketu_value), 2);
        individualMiss += std::pow(std::log(individual[j] / s.saiketu_value), 2);
        EXPECT_NEAR(individual[j] / s.saiketu_value, 1.0, 0.2) << "at point " << j;
    }
    EXPECT_LT(individualMiss, populationMiss);
    for (double v : individual)
        ASSERT_TRUE(std::isfinite(v) && v >= 0.0);
}

} // namespace

TEST(DispatchEndToEnd, OneCompartmentOralTheophylline)
{
    DrugCase c(2, 1, 1);
    TheophyllinePopulation(c.analysis);
    Schedule(c, {Prescription(Day, Day + 6, At(9, 0), 200), Prescription(Day, Day + 6, At(21, 0), 200)});
    TParamBlock truth = c.analysis.bosyudan;
    truth.vd = 0.42;
    truth.ka = 1.2;
    truth.ke = 0.11;
    Measure(c, truth, {Day + 3 + At(8, 0), Day + 3 + At(11, 0), Day + 5 + At(8, 30)});
    EstimateAndCompareCurves(c);
}

TEST(DispatchEndToEnd, OneCompartmentInfusionVancomycin)
{
    DrugCase c(5, 1, 1, 1);
    VancomycinPopulation(c.analysis);
    Schedule(c, {Prescription(Day, Day + 6, At(9, 0), 1000, 1), Prescription(Day, Day + 6, At(21, 0), 1000, 1)});
    TParamBlock truth = c.analysis.bosyudan;
    truth.vd = 0.75;
    truth.ke = 0.05;
    Measure(c, truth, {Day + 2 + At(8, 30), Day + 2 + At(11, 0), Day + 4 + At(8, 30)});
    EstimateAndCompareCurves(c);
}

TEST(DispatchEndToEnd, TwoCompartmentInfusion)
{
    {
        SCOPED_TRACE("vancomycin, two compartments");
        DrugCase c(5, 1, 1, 2);
        VancomycinPopulation(c.analysis);
        Schedule(c, {Prescription(Day, Day + 6, At(9, 0), 1000, 1), Prescription(Day, Day + 6, At(21, 0), 1000, 1)});
        TParamBlock truth = c.analysis.bosyudan;
        truth.v1 = 15.0;
        truth.cl = 0.045;
        truth.k12 = 0.6;
        Measure(c, truth, {Day + 2 + At(8, 30), Day + 2 + At(11, 0), Day + 4 + At(8, 30)});
        EstimateAndCompareCurves(c);
    }
    {
        // Samplings and curve in μM: the curve lies on its own points.
        SCOPED_TRACE("methotrexate");
        DrugCase c(9, 1, 1);
        MethotrexatePopulation(c.analysis);
        Schedule(c, {Prescription(Day, Day, At(10, 0), 3000, 6)});
        TParamBlock truth = c.analysis.bosyudan;
        truth.v1 = 0.3;
        truth.ke = 0.14;
        Measure(c, truth, {Day + 1 + At(10, 0), Day + 2 + At(10, 0), Day + 3 + At(10, 0)});
        EstimateAndCompareCurves(c);
    }
}

TEST(DispatchEndToEnd, MichaelisMentenOralPhenytoin)
{
    DrugCase c(3, 1, 1);
    PhenytoinPopulation(c.analysis);
    Schedule(c, {Prescription(Day, Day + 13, At(9, 0), 150), Prescription(Day, Day + 13, At(21, 0), 150)});
    TParamBlock truth = c.analysis.bosyudan;
    truth.a = 4.5;
    truth.b = 0.25;
    Measure(c, truth, {Day + 6 + At(8, 0), Day + 9 + At(8, 0), Day + 12 + At(8, 0)});
    EstimateAndCompareCurves(c);
}

TEST(DispatchEndToEnd, MichaelisMentenInfusion)
{
    DrugCase c(3, 1, 2);
    PhenytoinPopulation(c.analysis);
    Schedule(c, {Prescription(Day, Day + 9, At(9, 0), 150, 0.5), Prescription(Day, Day + 9, At(21, 0), 150, 0.5)});
    TParamBlock truth = c.analysis.bosyudan;
    truth.a = 5.0;
    truth.b = 0.25;
    Measure(c, truth, {Day + 4 + At(8, 0), Day + 6 + At(10, 0), Day + 8 + At(8, 0)});
    EstimateAndCompareCurves(c);
}

// Every infusion time the schedule page takes, 0.1 to 24.0 hours in tenths,
// reaches an estimate: the dose events hold whole minutes also where 60 x the
// hours is not whole in binary (60 x 4.1 is 245.99999999999997).
TEST(DispatchEndToEnd, EveryInfusionTimeReachesAnEstimate)
{
    for (int tenths = 1; tenths <= 240; ++tenths) {
        const double hours = tenths / 10.0;   // the double the entry "4.1" reads as
        SCOPED_TRACE(testing::Message() << hours << " h");
        DrugCase c(5, 1, 1, 1);
        VancomycinPopulation(c.analysis);
        Schedule(c, {Prescription(Day, Day + 2, At(9, 0), 1000, hours)});
        ASSERT_GE(c.Events(0).size(), 2u);
        EXPECT_EQ(c.Events(0)[0].Duration, 6 * tenths);
        EXPECT_EQ(c.Events(0)[1].Time, 540 + 6 * tenths);
        c.Sampling(Day + 2 + At(8, 30), 12.0);
        EXPECT_EQ(EstimateIndividualParams(c.Context()), FitConverged);
    }
}
