// Which doses a sample sees: the dose-interval table behind the fit's
// predictions, read through PredictAtSamples after Estimate has loaded a case.
#include "ModelCases.h"

#include <gtest/gtest.h>

#include <vector>

using namespace engine_test;

namespace {

// Loads the case (the fit itself is beside the point here) and predicts at the
// population values.
template <class Face>
std::vector<double> Predict(const std::vector<PkDoseEvent>& events, const std::vector<double>& times, double c0 = 0.0)
{
    using A = Adapter<Face>;
    Face model;
    auto theta = A::Population();
    const auto omega = A::Omega();
    const std::vector<double> obs(times.size(), 10.0);
    double objective = 0.0;
    model.Estimate(theta.data(), omega.data(), times.data(), obs.data(), static_cast<int>(times.size()), kWeight,
                   events, A::kBioavail, &objective, 0, c0);
    const auto pop = A::Population();
    std::vector<double> pred(times.size(), -1.0);
    A::Predict(model, pop.data(), pred.data());
    return pred;
}

// A sample at a dose time is that dose's trough: the same value, bit for bit,
// as the schedule without that dose.
TEST(DoseIntervals, ASampleAtADoseTimeIsTheTroughBeforeIt)
{
    const std::vector<PkDoseEvent> two = {{0, 400.0, 0}, {720, 400.0, 0}};
    const std::vector<PkDoseEvent> one = {{0, 400.0, 0}};
    EXPECT_EQ(Predict<T1ComKeikoGN>(two, {12.0}), Predict<T1ComKeikoGN>(one, {12.0}));

    const std::vector<PkDoseEvent> infusions = {{0, 1000.0, 60}, {60, 0.0, 0}, {720, 1000.0, 60}, {780, 0.0, 0}};
    const std::vector<PkDoseEvent> first = {{0, 1000.0, 60}, {60, 0.0, 0}};
    EXPECT_EQ(Predict<T2ComTentekiGN>(infusions, {12.0}), Predict<T2ComTentekiGN>(first, {12.0}));
}

// At the first dose time only the initial amount is there: C0 x V x BW over
// V x BW, whether more events follow or the dose is the only one.
TEST(DoseIntervals, ASampleAtTheFirstDoseTimeGivesTheInitialConcentration)
{
    const double c0 = 7.5;
    const double v = Adapter<TMM1ComTentekiGN>::Population()[0];
    const double initial = c0 * v * kWeight / (v * kWeight);
    const std::vector<PkDoseEvent> several = {{300, 150.0, 30}, {330, 0.0, 0}, {1020, 150.0, 30}};
    EXPECT_EQ(Predict<TMM1ComTentekiGN>(several, {5.0, 5.0}, c0), (std::vector<double>{initial, initial}));
    const std::vector<PkDoseEvent> only = {{300, 150.0, 30}};
    EXPECT_EQ(Predict<TMM1ComTentekiGN>(only, {5.0}, c0), std::vector<double>{initial});
}

// Samples after the last event, between events and at several events'
// times in one fit all agree with one-sample fits of the same times.
TEST(DoseIntervals, EachSampleSeesOnlyTheDosesBeforeIt)
{
    const std::vector<PkDoseEvent> events = Adapter<T1ComTentekiGN>::Events();
    const std::vector<double> times = {0.0, 0.5, 1.0, 12.0, 12.0, 30.0, 108.5, 200.0};
    const std::vector<double> together = Predict<T1ComTentekiGN>(events, times);
    for (std::size_t j = 0; j < times.size(); ++j)
        EXPECT_EQ(together[j], Predict<T1ComTentekiGN>(events, {times[j]})[0]) << times[j];
}

// An administration without duration gives an infusion model no rate; an
// infusion's rate holds only until the next event, never summed with it.
TEST(DoseIntervals, InfusionRatesAreReplacedNeverAdded)
{
    const std::vector<double> times = {0.5, 1.5, 2.5};
    const std::vector<PkDoseEvent> plain = {{0, 1000.0, 60}, {60, 0.0, 0}};
    const std::vector<PkDoseEvent> withBolus = {{0, 1000.0, 60}, {60, 0.0, 0}, {60, 500.0, 0}};
    EXPECT_EQ(Predict<T1ComTentekiGN>(plain, times), Predict<T1ComTentekiGN>(withBolus, times));

    // 1000 over 2 h (500/h), overtaken after 1 h by 1000 over 1 h (1000/h):
    // the same rates as 500/h for an hour, then 1000/h for an hour.
    const std::vector<PkDoseEvent> overlapping = {{0, 1000.0, 120}, {60, 1000.0, 60}, {120, 0.0, 0}};
    const std::vector<PkDoseEvent> replaced = {{0, 500.0, 60}, {60, 1000.0, 60}, {120, 0.0, 0}};
    EXPECT_EQ(Predict<T1ComTentekiGN>(overlapping, times), Predict<T1ComTentekiGN>(replaced, times));
}

// A sampling and a dose in the same minute meet at the same hour only when
// both go through the same minutes-to-hours conversion; 23 minutes is one of
// the minutes where t / 60 and t x (1 / 60) differ.
TEST(DoseIntervals, ASamplingAtTheFirstDoseMinuteIsKept)
{
    const int minute = 23;
    ASSERT_NE(minute / 60.0, pk::MinutesToHours(minute));
    T1ComTentekiGN model;
    double theta[2] = {0.7, 0.08};
    const double omega[2] = {0.2, 0.3};
    const double times[1] = {pk::MinutesToHours(minute)};
    const double concs[1] = {5.0};
    const std::vector<PkDoseEvent> events = {{minute, 1000.0, 60}, {minute + 60, 0.0, 0}};
    double objective = 0.0;
    EXPECT_EQ(model.Estimate(theta, omega, times, concs, 1, kWeight, events, 1.0, &objective, 0, 5.0), 0);
}

} // namespace
