// The concentration dispatch: keys, units, the initial amount, the curve
// state, and the side-by-side curves against one call at a time.
#include "ConcentrationDispatch.h"
#include "CurveModel.h"
#include "CurveSampling.h"
#include "DispatchCase.h"
#include "EstimationDispatch.h"
#include "ModelCases.h"

#include <gtest/gtest.h>

#include <climits>

using namespace dispatch_test;

namespace {

struct Key {
    int kubun, drug, product, algo;
};

// One key of each simulation set-up.
const Key EverySetup[] = {
    {2, 1, 1, 0},   // SimSetup1CompOralA
    {1, 1, 1, 0},   // SimSetup1CompOralB
    {6, 1, 1, 0},   // SimSetup1CompOralC
    {1, 1, 4, 0},   // SimSetup1CompInfusionA
    {5, 1, 1, 1},   // SimSetup1CompInfusionB
    {4, 1, 1, 0},   // SimSetup2CompInfusion
    {9, 1, 1, 0},   // SimSetup2CompInfusionB
    {3, 1, 1, 0},   // SimSetupMMOral
    {3, 1, 2, 0},   // SimSetupMMInfusion
};

// Blocks every model can run with; the estimates differ from the means.
void FillBlocks(TAnalysisRecord& a)
{
    for (int i = 0; i < TParamBlock::Count; ++i) {
        a.bosyudan[i] = 0.3 + 0.05 * i;
        a.kaiseki[i] = 0.35 + 0.04 * i;
    }
    a.bosyudan.f = 0.9;
    a.kaiseki.f = 0.6;   // never used: F comes from the population
    a.bosyudan.vd = a.bosyudan.v1 = 20.0;   // absolute volumes for the set-ups that take them
    a.kaiseki.vd = a.kaiseki.v1 = 24.0;
}

// Set 0: a 1-hour infusion (or dose) every 12 hours from 09:00; sets 1-3
// change the regimen from day 1 on.
void FillSets(DrugCase& c)
{
    c.Infusions(0, 540, 720, 6, 500, 60);
    c.Infusions(1, 540, 720, 2, 500, 60);
    c.Infusions(1, 1980, 720, 4, 800, 60);
    c.Infusions(2, 540, 720, 2, 500, 60);
    c.Infusions(2, 1980, 480, 6, 400, 30);
    c.Infusions(3, 540, 720, 2, 500, 60);
    c.Infusions(3, 1980, 1440, 2, 1000, 120);
    c.lastSet = 3;
}

// The model class's SimulateCurve from empty states over the events up to
// minute t, with inputs built by the engine tests' own helper.
engine_test::CurveInput DirectInput(const std::vector<TDoseEvent>& events, int t, bool oral)
{
    std::vector<PkDoseEvent> engineEvents;
    EXPECT_TRUE(ToEngineDoseEvents(events, engineEvents));
    return engine_test::CurveInputFor(engineEvents, 0, t, oral);
}

} // namespace

TEST(ConcentrationAt, DrugWithoutAModelGivesZeroAndWritesNothing)
{
    DrugCase c(3, 3, 1);
    FillBlocks(c.analysis);
    c.analysis.init_value = 5.0;
    FillSets(c);
    double second = 7, central = 8;
    int passed = 3;
    SelectSimulationParams(c.Context(), &central, &second, 0);
    EXPECT_EQ(ConcentrationAt(c.Context(), 2000, &second, &central, &passed, 0, c.analysis.bosyudan), 0.0);
    EXPECT_EQ(second, 7);
    EXPECT_EQ(central, 8);
    EXPECT_EQ(passed, 3);

    // Vancomycin with an unknown model choice: only the second amount is reset.
    DrugCase vanco(5, 1, 1, 3);
    FillBlocks(vanco.analysis);
    vanco.analysis.init_value = 5.0;
    SelectSimulationParams(vanco.Context(), &central, &second, 0);
    EXPECT_EQ(second, 0);
    EXPECT_EQ(central, 8);
}

TEST(ConcentrationAt, LithiumCurveInMEqPerL)
{
    DrugCase lithium(6, 1, 1);
    DrugCase theophylline(2, 1, 1);   // the same set-up without the unit
    for (DrugCase* c : {&lithium, &theophylline}) {
        FillBlocks(c->analysis);
        FillSets(*c);
    }
    for (int t : {600, 1300, 3000}) {
        const double engine = ConcentrationAt(theophylline.Context(), t, nullptr, nullptr, nullptr, 0,
                                              theophylline.analysis.kaiseki);
        EXPECT_EQ(ConcentrationAt(lithium.Context(), t, nullptr, nullptr, nullptr, 0, lithium.analysis.kaiseki),
                  engine * 0.1440922190201729);
    }
}

// Methotrexate's axis, thresholds and samplings are in μM: its curve is
// returned in μM as well.
TEST(ConcentrationAt, MethotrexateCurveInMicromolar)
{
    DrugCase c(9, 1, 1);
    FillBlocks(c.analysis);
    c.Infusions(0, 600, 0, 1, 3000, 360);
    const TParamBlock& b = c.analysis.kaiseki;
    for (int t : {700, 1440, 4000}) {
        for (int flag : {0, 1}) {
            const auto in = DirectInput(c.Events(0), t, false);
            const double engine = T2ComTentekiGN::SimulateCurve(in.inputs.data(), in.bounds.data(), 0, 0, b.v1, b.ke,
                                                                b.k12, b.k21, Weight, in.n, flag, nullptr, nullptr,
                                                                nullptr);
            EXPECT_EQ(ConcentrationAt(c.Context(), t, nullptr, nullptr, nullptr, flag, b), engine / (454.44 * 0.001));
        }
    }
}

TEST(ConcentrationAt, VancomycinModelFollowsTheModelChoice)
{
    for (int algo : {1, 2}) {
        SCOPED_TRACE(algo);
        DrugCase c(5, 1, 1, algo);
        FillBlocks(c.analysis);
        c.analysis.init_value = 6.0;
        FillSets(c);
        const TParamBlock& b = c.analysis.kaiseki;
        const auto in = DirectInput(c.Events(0), 2000, false);
        const double expected =
            algo == 1 ? T1ComTentekiGN::SimulateCurve(in.inputs.data(), in.bounds.data(), 0, b.vd * Weight / Weight,
                                                      b.ke, Weight, in.n, nullptr, nullptr)
                      : T2ComTentekiGN::SimulateCurve(in.inputs.data(), in.bounds.data(), 0, 0, b.v1 / Weight,
                                                      b.cl / (b.v1 / Weight), b.k12, b.k21, Weight, in.n, 0, nullptr,
                                                      nullptr, nullptr);
        EXPECT_EQ(ConcentrationAt(c.Context(), 2000, nullptr, nullptr, nullptr, 0, b), expected);

        double central = 0, second = 5;
        SelectSimulationParams(c.Context(), &central, &second, 1);
        EXPECT_EQ(central, algo == 1 ? 6.0 * b.vd * Weight : 6.0 * b.v1);
        EXPECT_EQ(second, 0);
    }
}

TEST(ConcentrationAt, EstimateBlockTakesFFromThePopulation)
{
    DrugCase c(2, 1, 1);
    FillBlocks(c.analysis);
    FillSets(c);
    const TParamBlock& b = c.analysis.kaiseki;
    const auto in = DirectInput(c.Events(0), 2000, true);
    const double expected = T1ComKeikoGN::SimulateCurve(in.inputs.data(), in.bounds.data(), 0, 0, b.vd * Weight / Weight,
                                                        b.ka, b.ke, Weight, 0.9, in.n, nullptr, nullptr, nullptr);
    EXPECT_EQ(ConcentrationAt(c.Context(), 2000, nullptr, nullptr, nullptr, 0, b), expected);
    c.analysis.kaiseki.f = 0.1;
    EXPECT_EQ(ConcentrationAt(c.Context(), 2000, nullptr, nullptr, nullptr, 0, b), expected);
}

// An event at exactly t is part of the simulation: the curve state moves on
// to it, and an infusion starting at t enters at its rate.
TEST(ConcentrationAt, TimeExactlyAtADoseIncludesIt)
{
    const std::vector<TDoseEvent> events = {{540, 500, 60}, {600, 0, 0}, {1260, 500, 30}, {1290, 0, 0}};
    TSimulationBuffers buffers;
    EXPECT_EQ(FillCurveIntervals(events, 0, 1259, false, buffers), 2);
    ASSERT_EQ(FillCurveIntervals(events, 0, 1260, false, buffers), 3);
    EXPECT_EQ(buffers.Inputs[2], 500 / (30 / 60.0));
    EXPECT_EQ(buffers.Inputs[1], 0.0);   // the end event stops the first infusion
    EXPECT_EQ(buffers.Bounds[2], pk::MinutesToHours(1260));
    EXPECT_EQ(buffers.Bounds[3], pk::MinutesToHours(1260));

    DrugCase c(5, 1, 1, 1);
    FillBlocks(c.analysis);
    c.Events(0) = events;
    double second = 0, central = 0;
    int passed = 0;
    ConcentrationAt(c.Context(), 1259, &second, &central, &passed, 0, c.analysis.kaiseki);
    EXPECT_EQ(passed, 1);
    ConcentrationAt(c.Context(), 1260, &second, &central, &passed, 0, c.analysis.kaiseki);
    EXPECT_EQ(passed, 2);
}

TEST(SelectSimulationParams, InitialAmountInEngineUnitsByKey)
{
    struct Row {
        Key key;
        double (*expected)(const TParamBlock& b, double init);
    };
    const Row rows[] = {
        {{1, 1, 4, 0}, [](const TParamBlock& b, double init) { return init * b.vd; }},
        {{3, 1, 100, 0}, [](const TParamBlock& b, double init) { return init * b.vd * Weight; }},
        {{5, 1, 1, 1}, [](const TParamBlock& b, double init) { return init * b.vd * Weight; }},
        {{8, 1, 1, 0}, [](const TParamBlock& b, double init) { return init * b.v1; }},
        // Lithium and methotrexate: the initial value converted as the fit converts it.
        {{6, 1, 1, 0}, [](const TParamBlock& b, double init) { return init * 6.94 * b.vd * Weight; }},
        {{9, 1, 1, 0}, [](const TParamBlock& b, double init) { return init * 454.44 * 0.001 * b.v1 * Weight; }},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(testing::Message() << row.key.kubun << "/" << row.key.drug << "/" << row.key.product);
        DrugCase c(row.key.kubun, row.key.drug, row.key.product, row.key.algo);
        FillBlocks(c.analysis);
        c.analysis.init_value = 0.7;
        for (int flag : {0, 1}) {
            double central = -1, second = -1;
            SelectSimulationParams(c.Context(), &central, &second, flag);
            EXPECT_EQ(central, row.expected(flag == 0 ? c.analysis.bosyudan : c.analysis.kaiseki, 0.7));
            EXPECT_EQ(second, 0.0);
        }
    }
}

// For every set-up: null state pointers give what a fresh curve gives, and a
// curve resumed from call to call gives at each time what one call from the
// start gives.
TEST(ConcentrationAt, ResumedCurveEqualsFreshCallsForEverySetup)
{
    for (const Key& key : EverySetup) {
        SCOPED_TRACE(testing::Message() << key.kubun << "/" << key.drug << "/" << key.product);
        DrugCase c(key.kubun, key.drug, key.product, key.algo);
        FillBlocks(c.analysis);
        FillSets(c);
        double second = 0, central = 0;
        int passed = 0;
        for (int t : {0, 540, 541, 600, 1000, 1260, 1261, 2000, 4000, 9000}) {
            const double fresh = ConcentrationAt(c.Context(), t, nullptr, nullptr, nullptr, 1, c.analysis.kaiseki);
            double s0 = 0, c0 = 0;
            int p0 = 0;
            EXPECT_EQ(ConcentrationAt(c.Context(), t, &s0, &c0, &p0, 1, c.analysis.kaiseki), fresh) << t;
            EXPECT_EQ(ConcentrationAt(c.Context(), t, &second, &central, &passed, 1, c.analysis.kaiseki), fresh)
                << t;
        }
        EXPECT_GT(passed, 0);
    }
}

// The side-by-side curves are bit for bit the curves computed one at a time,
// for every set-up, with curves of different schedules (their intervals end
// at different steps), a start before the first dose and an initial value.
// Ten curves exercise more than one group of lanes; the last hundred and more
// points lie past every set's last dose, in several chunks of independent
// points; one thread, three and all give the same values.
TEST(SampleConcentrationCurves, EqualsConcentrationAtCurveByCurve)
{
    for (const Key& key : EverySetup) {
        for (const int threads : {1, 3, AllProcessorThreads}) {
            SCOPED_TRACE(testing::Message() << key.kubun << "/" << key.drug << "/" << key.product << " threads "
                                            << threads);
            DrugCase c(key.kubun, key.drug, key.product, key.algo);
            FillBlocks(c.analysis);
            FillSets(c);
            c.analysis.init_value = 1.5;
            const TEngineContext context = c.Context();
            const int first = 300;
            const int step = 4;
            const int count = 1200;

            struct Curve {
                int set;
                const TParamBlock* block;
                int initialFlag;
                std::vector<double> first, second;
            };
            std::vector<Curve> curves;
            for (int round = 0; round < 2; ++round) {
                curves.push_back({0, &c.analysis.bosyudan, 0, {}, {}});
                for (int set = 0; set < ScheduleSetCount; ++set)
                    curves.push_back({set, &c.analysis.kaiseki, 1, {}, {}});
            }
            std::vector<TCurveRequest> requests;
            for (Curve& curve : curves) {
                curve.first.assign(count, -1);
                curve.second.assign(count, -1);
                requests.push_back({&c.Events(curve.set), curve.block, curve.initialFlag, curve.first, curve.second});
            }
            ASSERT_TRUE(SampleConcentrationCurves(context, first, step, count, requests, threads));

            for (const Curve& curve : curves) {
                const TEngineContext onSet = context.OnSet(curve.set);
                for (int flag : {0, 1}) {
                    double second = 0, central = 0;
                    int passed = 0;
                    SelectSimulationParams(onSet, &central, &second, curve.initialFlag);
                    const std::vector<double>& got = flag == 0 ? curve.first : curve.second;
                    for (int j = 0; j < count; ++j) {
                        const double expected =
                            ConcentrationAt(onSet, first + j * step, &second, &central, &passed, flag, *curve.block);
                        ASSERT_EQ(got[j], expected) << "set " << curve.set << " flag " << flag << " point " << j;
                    }
                }
            }
        }
    }
}

TEST(SampleConcentrationCurves, RefusesRequestsWithoutRoom)
{
    DrugCase c(5, 1, 1, 1);
    FillBlocks(c.analysis);
    FillSets(c);
    std::vector<double> values(10, -1);
    const TCurveRequest small{&c.Events(0), &c.analysis.kaiseki, 1, values, {}};
    EXPECT_FALSE(SampleConcentrationCurves(c.Context(), 0, 2, 11, std::span(&small, 1)));
    EXPECT_EQ(values[0], -1);
    const TCurveRequest noEvents{nullptr, &c.analysis.kaiseki, 1, values, {}};
    EXPECT_FALSE(SampleConcentrationCurves(c.Context(), 0, 2, 10, std::span(&noEvents, 1)));
    EXPECT_FALSE(SampleConcentrationCurves(c.Context(), INT_MAX - 5, 2, 10, std::span(&small, 1)));
    EXPECT_TRUE(SampleConcentrationCurves(c.Context(), 0, 2, 10, std::span(&small, 1)));
    EXPECT_EQ(values[0], 0.0);   // before the first dose, no initial value
}
