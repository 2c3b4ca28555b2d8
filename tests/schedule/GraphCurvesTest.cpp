// The graph's curve computation against the concentration dispatch called
// point by point as the curves have always been sampled, on one thread and
// on all of them.
#include "CompartmentListing.h"
#include "ConcentrationDispatch.h"
#include "GraphCurves.h"
#include "GraphTestCase.h"
#include "ValueCorrection.h"

#include <gtest/gtest.h>

using namespace graph_test;

namespace {

// One curve sampled point by point with a carried state, as ConcentrationAt's
// callers do: curve 0 the population on set 0, 1 + i the estimates on set i.
std::vector<double> CarriedCurve(GraphCase& c, int curve, int first, int step, int count, int flag)
{
    const TEngineContext context = c.Context().OnSet(curve == 0 ? 0 : curve - 1);
    const TParamBlock& block = curve == 0 ? c.analysis.bosyudan : c.analysis.kaiseki;
    double second = 0, central = 0;
    int passed = 0;
    SelectSimulationParams(context, &central, &second, curve == 0 ? 0 : 1);
    std::vector<double> values;
    for (int j = 0; j < count; ++j)
        values.push_back(ConcentrationAt(context, first + j * step, &second, &central, &passed, flag, block));
    return values;
}

bool SameCurves(const TGraphCurves& a, const TGraphCurves& b)
{
    bool lists = true;
    for (int c = 0; c < GraphCurveCount; ++c) {
        lists = lists && a.CurveLists[c].size() == b.CurveLists[c].size();
        for (std::size_t j = 0; lists && j < a.CurveLists[c].size(); ++j) {
            const TCurvePoint& p = a.CurveLists[c][j];
            const TCurvePoint& q = b.CurveLists[c][j];
            lists = p.Time == q.Time && p.First == q.First && p.Second == q.Second;
        }
    }
    return a.Solid == b.Solid && a.Dotted == b.Dotted && lists && a.CompartmentLines == b.CompartmentLines;
}

} // namespace

// Vancomycin with two compartments, the view from day 1 for 10 days (every
// 10 minutes, the two-minute lists, past the last dose from day 7): the
// layers, the lists and the listing are those of the point-by-point curves,
// whatever the number of threads.
TEST(GraphCurves, TwoCompartmentViewEqualsThePointByPointCurves)
{
    GraphCase c(5, 1, 1, 2);
    FillVancomycin(c);
    c.graph.GraphViewStart = Day + 1;
    c.graph.GraphViewEnd = Day + 11;
    c.graph.GraphViewDays = 10;
    const TGraphCurves curves = ComputeGraphCurves(c.Context(), c.graph, 1);
    EXPECT_TRUE(SameCurves(curves, ComputeGraphCurves(c.Context(), c.graph, AllProcessorThreads)));

    ASSERT_EQ(curves.Sampling.StepMinutes, 10);
    const int count = 1440;
    const int listCount = 10 * 720;
    for (int curve = 0; curve <= 3; ++curve) {   // population and sets 0 .. 2
        SCOPED_TRACE(curve);
        EXPECT_EQ(curves.Solid[curve], CarriedCurve(c, curve, 1440, 10, count, 0));
        EXPECT_EQ(curves.Dotted[curve], CarriedCurve(c, curve, 1440, 10, count, 1));
        const std::vector<double> central = CarriedCurve(c, curve, 1440, 2, listCount, 0);
        const std::vector<double> peripheral = CarriedCurve(c, curve, 1440, 2, listCount, 1);
        ASSERT_EQ(curves.CurveLists[curve].size(), static_cast<std::size_t>(listCount));
        for (int j = 0; j < listCount; j += 997) {
            EXPECT_EQ(curves.CurveLists[curve][j].Time, 2.0 * j);
            EXPECT_EQ(curves.CurveLists[curve][j].First, central[j]) << j;
            EXPECT_EQ(curves.CurveLists[curve][j].Second, peripheral[j]) << j;
        }
    }
    // Set 3 is not in use.
    EXPECT_TRUE(curves.Solid[4].empty());
    EXPECT_TRUE(curves.CurveLists[4].empty());
    EXPECT_EQ(curves.CompartmentLines, BuildCompartmentLines(curves.CurveLists[1], Day + 1));
}

// Vancomycin with one compartment has no dotted curve and no curve lists;
// phenytoin's dotted curve is the solid one through the albumin correction,
// point for point; a scale that cannot be drawn computes nothing.
TEST(GraphCurves, SecondCurvesByDrugAndUndrawableScales)
{
    GraphCase vancomycin(5, 1, 1, 1);
    FillVancomycin(vancomycin);
    vancomycin.analysis.bosyudan.vd = vancomycin.analysis.kaiseki.vd = 0.8;
    vancomycin.analysis.bosyudan.ke = vancomycin.analysis.kaiseki.ke = 0.08;
    const TGraphCurves single = ComputeGraphCurves(vancomycin.Context(), vancomycin.graph);
    EXPECT_EQ(single.Solid[1], CarriedCurve(vancomycin, 1, 0, 2, 7 * 720, 0));
    for (int curve = 0; curve < GraphCurveCount; ++curve) {
        EXPECT_TRUE(single.Dotted[curve].empty());
        EXPECT_TRUE(single.CurveLists[curve].empty());
    }
    EXPECT_TRUE(single.CompartmentLines.isEmpty());

    GraphCase phenytoin(3, 1, 1);
    FillPhenytoin(phenytoin);
    const TGraphCurves corrected = ComputeGraphCurves(phenytoin.Context(), phenytoin.graph);
    ASSERT_EQ(corrected.Solid[1].size(), corrected.Dotted[1].size());
    EXPECT_EQ(corrected.Solid[1], CarriedCurve(phenytoin, 1, 0, 10, corrected.Sampling.Count, 0));
    for (std::size_t j = 0; j < corrected.Solid[1].size(); ++j)
        ASSERT_EQ(corrected.Dotted[1][j], ApplyValueCorrection(phenytoin.analysis, corrected.Solid[1][j])) << j;
    EXPECT_TRUE(corrected.CurveLists[1].empty());
    EXPECT_TRUE(corrected.Solid[2].empty());   // set 1 is not in use

    phenytoin.graph.GraphViewDays = 0;
    for (const std::vector<double>& solid : ComputeGraphCurves(phenytoin.Context(), phenytoin.graph).Solid)
        EXPECT_TRUE(solid.empty());
}

// Every kind of model, each curve started from an initial concentration (the
// population's volume for the population curve, the estimated one for the
// sets), on views that start during the dosing and after its last dose: the
// layers are the point-by-point curves.
TEST(GraphCurves, EveryModelOnLaterViewsEqualsThePointByPointCurves)
{
    const TDrugKey drugs[] = {
        {1, 1, 1, 0},   // digoxin: one compartment, oral
        {6, 1, 1, 0},   // lithium: oral, in mEq/L
        {5, 1, 1, 1},   // vancomycin, one compartment: infusion
        {3, 1, 1, 0},   // phenytoin: Michaelis-Menten, oral
        {3, 1, 2, 0},   // phenytoin injection: Michaelis-Menten, infusion
        {9, 1, 1, 0},   // methotrexate: two compartments, in μM
    };
    for (const TDrugKey& drug : drugs) {
        for (int startDay : {2, 9}) {   // the last dose is on day 6
            SCOPED_TRACE(testing::Message() << drug.kubun << "/" << drug.yakuzai << "/" << drug.yakuhin << " from day "
                                            << startDay);
            GraphCase c(drug.kubun, drug.yakuzai, drug.yakuhin, drug.algo);
            FillVancomycin(c);   // its schedule sets and two-compartment values
            for (TParamBlock* b : {&c.analysis.bosyudan, &c.analysis.kaiseki}) {
                const double k = b == &c.analysis.bosyudan ? 1.0 : 0.8;
                b->vd = 0.8 * k;
                b->ka = 1.2 * k;
                b->ke = 0.09 * k;
                b->f = 0.8;
                b->a = 4.0;
                b->b = 0.3 * k;
            }
            c.analysis.init_value = 2.5;
            c.RebuildEvents();
            c.graph.GraphViewStart = Day + startDay;
            c.graph.GraphViewEnd = Day + startDay + 3;
            c.graph.GraphViewDays = 3;
            const TGraphCurves curves = ComputeGraphCurves(c.Context(), c.graph);
            const bool dotted = GraphCaseOf(drug).Curves == GraphCurveCase::TwoCurve;
            for (int curve = 0; curve <= 3; ++curve) {
                SCOPED_TRACE(curve);
                EXPECT_EQ(curves.Solid[curve], CarriedCurve(c, curve, startDay * 1440, 2, 3 * 720, 0));
                if (dotted) {
                    EXPECT_EQ(curves.Dotted[curve], CarriedCurve(c, curve, startDay * 1440, 2, 3 * 720, 1));
                }
            }
        }
    }
}
