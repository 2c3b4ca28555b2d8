// SimulateCurve: resuming, the interval edge cases and the capacity.
#include "ModelCases.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <vector>

using namespace engine_test;

namespace {

template <class Face>
class CurveTest : public ::testing::Test {
};
TYPED_TEST_SUITE(CurveTest, AllModels);

// A curve asked for at rising times with the resume state carried from call
// to call gives, bit for bit, what one call from the start gives for each
// time: only whole dose intervals are handed back, and they are integrated
// with the same step counts either way. The times include a dose minute, an
// end-of-infusion minute and a stretch that passes several events at once.
TYPED_TEST(CurveTest, ResumingEqualsOneCallFromTheStart)
{
    using A = Adapter<TypeParam>;
    const std::vector<PkDoseEvent> events = A::Events();
    const auto theta = A::Patient();
    const std::vector<int> minutes = {0, 30, 60, 61, 719, 720, 750, 2000, 2160, 2161, 5000, 9000, 9001};
    int passed = 0;
    double state[2] = {0.0, 0.0};
    for (int t : minutes) {
        SCOPED_TRACE(t);
        const CurveInput resumed = CurveInputFor(events, passed, t, A::kOral);
        double start[2] = {state[0], state[1]};
        const double got = A::Simulate(resumed.inputs.data(), resumed.bounds.data(), theta.data(), resumed.n, start,
                                       &passed, &state[0], &state[1]);
        EXPECT_EQ(got, OneShot<TypeParam>(events, theta.data(), t));
    }
    EXPECT_GT(passed, 0);
}

TYPED_TEST(CurveTest, NoIntervalGivesTheInitialConcentrationAndWritesNothing)
{
    using A = Adapter<TypeParam>;
    const auto theta = A::Patient();
    const double bounds[1] = {5.0};
    int passed = 7;
    double x = -1.0;
    double second = -2.0;
    double start[2] = {120.0, 30.0};
    EXPECT_EQ(A::Simulate(nullptr, bounds, theta.data(), 0, start, &passed, &x, &second), 120.0 / (theta[0] * kWeight));
    EXPECT_EQ(passed, 7);
    EXPECT_EQ(x, -1.0);
    EXPECT_EQ(second, -2.0);
}

// One interval hands nothing back; only intervals before the last one are
// complete.
TYPED_TEST(CurveTest, OneIntervalWritesNothingBack)
{
    using A = Adapter<TypeParam>;
    const auto theta = A::Patient();
    const double inputs[1] = {100.0};
    const double bounds[2] = {0.0, 10.0};
    int passed = 3;
    double x = -1.0;
    double second = -2.0;
    double start[2] = {0.0, 0.0};
    EXPECT_GT(A::Simulate(inputs, bounds, theta.data(), 1, start, &passed, &x, &second), 0.0);
    EXPECT_EQ(passed, 3);
    EXPECT_EQ(x, -1.0);
    EXPECT_EQ(second, -2.0);
}

// Empty intervals take their 100 steps of length 0 and leave the amounts as
// they were; for an oral model the dose still reaches the absorption site.
TYPED_TEST(CurveTest, EmptyIntervalsChangeNoAmount)
{
    using A = Adapter<TypeParam>;
    const auto theta = A::Patient();
    const double inputs[3] = {100.0, 50.0, 0.0};
    const double bounds[4] = {8.0, 8.0, 8.0, 8.0};
    int passed = 0;
    double x = 0.0;
    double second = 0.0;
    double start[2] = {90.0, 10.0};
    EXPECT_EQ(A::Simulate(inputs, bounds, theta.data(), 3, start, &passed, &x, &second), 90.0 / (theta[0] * kWeight));
    EXPECT_EQ(passed, 2);
    EXPECT_EQ(x, 90.0);
    if constexpr (A::kStates == 2) {
        EXPECT_EQ(second, A::kOral ? 160.0 : 10.0);
    }
}

// Without all of a model's pointers nothing is handed back, and repeated
// calls give the same value.
TYPED_TEST(CurveTest, MissingPointersMeanOneShot)
{
    using A = Adapter<TypeParam>;
    const std::vector<PkDoseEvent> events = A::Events();
    const auto theta = A::Patient();
    const CurveInput in = CurveInputFor(events, 0, 3000, A::kOral);
    int passed = 0;
    double x = -1.0;
    double start[2] = {0.0, 0.0};
    const double first = A::Simulate(in.inputs.data(), in.bounds.data(), theta.data(), in.n, start, &passed, &x,
                                     A::kStates == 2 ? nullptr : &x);
    if constexpr (A::kStates == 2) {
        EXPECT_EQ(passed, 0);
        EXPECT_EQ(x, -1.0);
    }
    double again[2] = {0.0, 0.0};
    EXPECT_EQ(A::Simulate(in.inputs.data(), in.bounds.data(), theta.data(), in.n, again, nullptr, nullptr, nullptr),
              first);
}

TYPED_TEST(CurveTest, RefusesIntervalCountsBeyondItsCapacity)
{
    using A = Adapter<TypeParam>;
    const auto theta = A::Patient();
    const int capacity = pk::kMaxCurveIntervals;
    std::vector<double> inputs(capacity + 1, 0.0);
    std::vector<double> bounds(capacity + 2);
    for (int i = 0; i < capacity + 2; ++i)
        bounds[i] = i * 0.01;
    for (int n : {-1, capacity + 1}) {
        SCOPED_TRACE(n);
        int passed = 5;
        double x = -1.0;
        double second = -2.0;
        double start[2] = {100.0, 0.0};
        EXPECT_EQ(A::Simulate(inputs.data(), bounds.data(), theta.data(), n, start, &passed, &x, &second), 0.0);
        EXPECT_EQ(passed, 5);
        EXPECT_EQ(x, -1.0);
        EXPECT_EQ(second, -2.0);
    }
    int passed = 0;
    double x = 0.0;
    double second = 0.0;
    double start[2] = {100.0, 0.0};
    EXPECT_GT(A::Simulate(inputs.data(), bounds.data(), theta.data(), capacity, start, &passed, &x, &second), 0.0);
    EXPECT_EQ(passed, capacity - 1);
}

TYPED_TEST(CurveTest, BoundsThatAreNotNumbersGiveNoNumber)
{
    using A = Adapter<TypeParam>;
    const auto theta = A::Patient();
    const double inputs[2] = {100.0, 0.0};
    for (double bad : {std::numeric_limits<double>::quiet_NaN(), std::numeric_limits<double>::infinity(),
                       -std::numeric_limits<double>::infinity()}) {
        const double bounds[3] = {0.0, 1.0, bad};
        double start[2] = {10.0, 0.0};
        EXPECT_TRUE(std::isnan(A::Simulate(inputs, bounds, theta.data(), 2, start, nullptr, nullptr, nullptr)));
    }
}

// With the peripheral amount at k12 / k21 of the central one and nothing
// eliminated, the two compartments stay in balance and show one concentration.
TEST(TwoCompartmentCurve, PeripheralEqualsCentralAtDistributionEquilibrium)
{
    const double v1 = 0.3;
    const double k12 = 0.5;
    const double k21 = 0.35;
    const double x1 = 600.0;
    const double x2 = x1 * k12 / k21;
    const double rates[1] = {0.0};
    const double bounds[2] = {0.0, 30.0};
    const double central = T2ComTentekiGN::SimulateCurve(rates, bounds, x1, x2, v1, 0.0, k12, k21, kWeight, 1, 0,
                                                         nullptr, nullptr, nullptr);
    const double peripheral = T2ComTentekiGN::SimulateCurve(rates, bounds, x1, x2, v1, 0.0, k12, k21, kWeight, 1, 1,
                                                            nullptr, nullptr, nullptr);
    EXPECT_NEAR(central, x1 / (v1 * kWeight), 1e-12 * central);
    EXPECT_NEAR(peripheral, central, 1e-12 * central);
}

TEST(TwoCompartmentCurve, PeripheralCurveResumesLikeTheCentralOne)
{
    using A = Adapter<T2ComTentekiGN>;
    const std::vector<PkDoseEvent> events = A::Events();
    const auto th = A::Patient();
    int passed = 0;
    double x1 = 0.0;
    double x2 = 0.0;
    for (int t : {100, 800, 1500, 4000}) {
        const CurveInput resumed = CurveInputFor(events, passed, t, false);
        const double got = T2ComTentekiGN::SimulateCurve(resumed.inputs.data(), resumed.bounds.data(), x1, x2, th[0],
                                                         th[1], th[2], th[3], kWeight, resumed.n, 1, &passed, &x1, &x2);
        const CurveInput whole = CurveInputFor(events, 0, t, false);
        EXPECT_EQ(got, T2ComTentekiGN::SimulateCurve(whole.inputs.data(), whole.bounds.data(), 0.0, 0.0, th[0], th[1],
                                                     th[2], th[3], kWeight, whole.n, 1, nullptr, nullptr, nullptr));
    }
}

} // namespace
