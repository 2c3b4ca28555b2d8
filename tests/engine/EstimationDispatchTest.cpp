// The estimation dispatch: keys, unit conversions, sampling selection, the
// set of dose events used, refusals and what is written back.
#include "DispatchCase.h"
#include "DispatchKeys.h"
#include "DrugKeyUniverse.h"
#include "EstimationDispatch.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

using namespace dispatch_test;

namespace {

// Counts the core runs of a model's fit, to tell whether Estimate ran.
template <class Model>
int* CountFitRuns(Model& model)
{
    auto runs = std::make_shared<int>(0);
    model.SetCoreRunProbe([runs](double, int&) { ++*runs; });
    return runs.get();   // kept alive by the probe the model holds
}

struct DirectFit {
    int result = 0;
    double theta[4] = {};
    double ss = 0;
};

// Estimate called as the dispatch should call it, on a fresh model object.
template <class Model, int P>
DirectFit FitDirectly(const double (&means)[P], const double (&omega)[P], const std::vector<double>& hours,
                      const std::vector<double>& values, const std::vector<TDoseEvent>& events, double bioavail,
                      int errorModel, double c0)
{
    std::vector<PkDoseEvent> engineEvents;
    EXPECT_TRUE(ToEngineDoseEvents(events, engineEvents));
    Model model;
    DirectFit fit;
    std::copy(means, means + P, fit.theta);
    fit.result = model.Estimate(fit.theta, omega, hours.data(), values.data(), static_cast<int>(hours.size()), Weight,
                                engineEvents, bioavail, &fit.ss, errorModel, c0);
    return fit;
}

TParamBlock Sentinels()
{
    TParamBlock b;
    for (int i = 0; i < TParamBlock::Count; ++i)
        b[i] = -100.0 - i;
    return b;
}

} // namespace

TEST(MinutesBetween, DecodesTheTimeToTheMillisecondAndDropsSeconds)
{
    // Every minute of a day stored as a day fraction counts as itself; plain
    // truncation of the fraction would lose a minute for about half of them.
    for (int minute = 0; minute < 1440; ++minute)
        ASSERT_EQ(MinutesBetween(Day + 2 + minute / 1440.0, Day), 2 * 1440 + minute) << minute;
    EXPECT_EQ(MinutesBetween(Day + At(9, 5, 59), Day), 545);
    EXPECT_EQ(MinutesBetween(Day + 1 - 1e-10, Day), 1440);   // rounds into the next day
}

TEST(CVk, RateConstantCvFromClearanceAndVolume)
{
    EXPECT_DOUBLE_EQ(CVk(0.3, 0.2), std::sqrt((0.09 - 0.04) / 1.04));
    EXPECT_TRUE(std::isnan(CVk(0.15, 0.2)));   // cv_cl below cv_V: no real CV
}

TEST(EstimateIndividualParams, KeyWithoutEstimationDoesNothing)
{
    DrugCase c(5, 1, 1, 3);
    VancomycinPopulation(c.analysis);
    c.Infusions(0, 540, 720, 4, 1000, 60);
    c.Sampling(Day + 1 + At(20, 0), 20.0);
    c.analysis.kaiseki = Sentinels();
    c.analysis.ss = 3.5;
    int* runs1 = CountFitRuns(*c.infusion1);
    int* runs2 = CountFitRuns(*c.infusion2);
    EXPECT_EQ(EstimateIndividualParams(c.Context()), FitConverged);
    for (int i = 0; i < TParamBlock::Count; ++i)
        EXPECT_EQ(c.analysis.kaiseki[i], Sentinels()[i]) << TParamBlock::Name(i);
    EXPECT_EQ(c.analysis.ss, 3.5);
    EXPECT_EQ(*runs1 + *runs2, 0);
}

TEST(SelectFitSamples, KeepsSamplingsFromTheFirstDoseMinuteOn)
{
    const std::vector<TDoseEvent> events = {{540, 1000, 60}, {600, 0, 0}, {1260, 1000, 60}, {1320, 0, 0}};
    std::vector<TSamplingRecord> samplings(4);
    samplings[0].saiketu_time = Day + At(8, 30);        // 30 minutes before the first dose: dropped
    samplings[1].saiketu_time = Day + At(9, 0);         // at the first dose's minute: kept
    samplings[2].saiketu_time = Day + At(9, 0, 40);     // seconds dropped: the same minute
    samplings[3].saiketu_time = Day + 1 + At(8, 0);
    for (int i = 0; i < 4; ++i)
        samplings[i].saiketu_value = 10.0 + i;

    const TFitSamples plain = SelectFitSamples(samplings, events, Day, ConcentrationUnit::Engine);
    EXPECT_EQ(plain.Times, (std::vector<double>{pk::MinutesToHours(540), pk::MinutesToHours(540),
                                                pk::MinutesToHours(1920)}));
    EXPECT_EQ(plain.Values, (std::vector<double>{11.0, 12.0, 13.0}));

    EXPECT_EQ(SelectFitSamples(samplings, events, Day, ConcentrationUnit::LithiumMEqPerL).Values,
              (std::vector<double>{11.0 * 6.94, 12.0 * 6.94, 13.0 * 6.94}));
    EXPECT_TRUE(SelectFitSamples(samplings, {}, Day, ConcentrationUnit::Engine).Times.empty());
}

// The whole road for a one-compartment oral drug: means vd, ka, cl / vd,
// CVs with CVk for ke, F from the population, the samplings in hours, and
// ke and cl written back from the estimates.
TEST(EstimateIndividualParams, OralClearanceCaseEqualsADirectFit)
{
    DrugCase c(2, 1, 1);
    TheophyllinePopulation(c.analysis);
    c.analysis.bosyudan.f = 0.95;
    c.analysis.weight_value = 1;
    c.analysis.init_value = 2.0;
    c.OralDoses(0, 540, 720, 8, 200);
    c.Sampling(Day + 1 + At(8, 0), 6.5);
    c.Sampling(Day + 2 + At(11, 0), 11.0);

    ASSERT_EQ(EstimateIndividualParams(c.Context()), FitConverged);

    const double means[3] = {0.5, 1.5, 0.04 / 0.5};
    const double omega[3] = {0.2, 0.5, CVk(0.3, 0.2)};
    const DirectFit fit =
        FitDirectly<T1ComKeikoGN>(means, omega, {pk::MinutesToHours(1920), pk::MinutesToHours(3540)}, {6.5, 11.0},
                                  c.Events(0), 0.95, 1, 2.0);
    ASSERT_EQ(fit.result, 0);
    EXPECT_EQ(c.analysis.kaiseki.vd, fit.theta[0]);
    EXPECT_EQ(c.analysis.kaiseki.ka, fit.theta[1]);
    EXPECT_EQ(c.analysis.kaiseki.ke, fit.theta[2]);
    EXPECT_EQ(c.analysis.kaiseki.cl, fit.theta[2] * fit.theta[0]);
    EXPECT_EQ(c.analysis.kaiseki.f, 0.95);
    EXPECT_EQ(c.analysis.ss, fit.ss);
}

TEST(EstimateIndividualParams, LithiumSamplingsAndInitialValueGoInAtTimesSixPointNineFour)
{
    DrugCase c(6, 1, 1);
    LithiumPopulation(c.analysis);
    c.analysis.init_value = 0.3;
    c.OralDoses(0, 540, 720, 8, 150);
    c.Sampling(Day + 3 + At(8, 30), 0.8);

    ASSERT_EQ(EstimateIndividualParams(c.Context()), FitConverged);

    const double means[3] = {0.8, 1.2, 0.05};
    const double omega[3] = {0.2, 0.4, 0.3};
    const DirectFit fit = FitDirectly<T1ComKeikoGN>(means, omega, {pk::MinutesToHours(3 * 1440 + 510)}, {0.8 * 6.94},
                                                    c.Events(0), 1.0, 0, 0.3 * 6.94);
    ASSERT_EQ(fit.result, 0);
    EXPECT_EQ(c.analysis.kaiseki.vd, fit.theta[0]);
    EXPECT_EQ(c.analysis.kaiseki.ka, fit.theta[1]);
    EXPECT_EQ(c.analysis.kaiseki.ke, fit.theta[2]);
    EXPECT_EQ(c.analysis.ss, fit.ss);
}

// Methotrexate samplings are in μM; the initial value is converted like them,
// so that the fit's initial amount is in the unit of its data.
TEST(EstimateIndividualParams, MethotrexateMicromolarGoesInAtTimesMolarMass)
{
    DrugCase c(9, 1, 1);
    MethotrexatePopulation(c.analysis);
    c.analysis.init_value = 0.5;
    c.Infusions(0, 600, 0, 1, 3000, 360);
    c.Sampling(Day + 1 + At(10, 0), 10.0);
    c.Sampling(Day + 2 + At(10, 0), 1.0);

    ASSERT_EQ(EstimateIndividualParams(c.Context()), FitConverged);

    const double means[4] = {0.25, 0.2, 0.05, 0.03};
    const double omega[4] = {0.25, 0.3, 0.4, 0.4};
    const DirectFit fit = FitDirectly<T2ComTentekiGN>(
        means, omega, {pk::MinutesToHours(1440 + 600), pk::MinutesToHours(2 * 1440 + 600)},
        {10.0 * 454.44 * 0.001, 1.0 * 454.44 * 0.001}, c.Events(0), 1.0, 0, 0.5 * 454.44 * 0.001);
    ASSERT_EQ(fit.result, 0);
    EXPECT_EQ(c.analysis.kaiseki.v1, fit.theta[0]);
    EXPECT_EQ(c.analysis.kaiseki.ke, fit.theta[1]);
    EXPECT_EQ(c.analysis.kaiseki.k12, fit.theta[2]);
    EXPECT_EQ(c.analysis.kaiseki.k21, fit.theta[3]);
    EXPECT_EQ(c.analysis.ss, fit.ss);
}

TEST(EstimateIndividualParams, VancomycinModelFollowsTheModelChoice)
{
    for (int algo : {1, 2}) {
        SCOPED_TRACE(algo);
        DrugCase c(5, 1, 1, algo);
        VancomycinPopulation(c.analysis);
        c.Infusions(0, 540, 720, 8, 1000, 60);
        c.Sampling(Day + 3 + At(8, 30), 12.0);
        c.analysis.kaiseki = Sentinels();
        int* oneComp = CountFitRuns(*c.infusion1);
        int* twoComp = CountFitRuns(*c.infusion2);
        EXPECT_EQ(EstimateIndividualParams(c.Context()), FitConverged);
        EXPECT_EQ(*oneComp > 0, algo == 1);
        EXPECT_EQ(*twoComp > 0, algo == 2);
        // The one-compartment set-up writes ke and vd, the two-compartment one v1.
        EXPECT_EQ(c.analysis.kaiseki.vd != Sentinels().vd, algo == 1);
        EXPECT_EQ(c.analysis.kaiseki.v1 != Sentinels().v1, algo == 2);
    }
}

// A changed regimen being current changes nothing about the estimation, and
// the context the caller holds still points at that regimen afterwards.
TEST(EstimateIndividualParams, UsesThePatientScheduleWhateverSetIsCurrent)
{
    auto build = [](DrugCase& c, int current) {
        VancomycinPopulation(c.analysis);
        c.Infusions(0, 540, 720, 8, 1000, 60);
        c.Infusions(1, 540, 720, 8, 1500, 60);
        c.Infusions(2, 540, 1440, 4, 2000, 120);
        c.Sampling(Day + 3 + At(8, 30), 12.0);
        c.lastSet = 2;
        c.sets.CurSetIndex = current;
    };
    DrugCase onPatient(5, 1, 1, 1);
    build(onPatient, 0);
    DrugCase onChanged(5, 1, 1, 1);
    build(onChanged, 2);

    ASSERT_EQ(EstimateIndividualParams(onPatient.Context()), FitConverged);
    const TEngineContext context = onChanged.Context();
    ASSERT_EQ(EstimateIndividualParams(context), FitConverged);

    EXPECT_EQ(onChanged.analysis.kaiseki.vd, onPatient.analysis.kaiseki.vd);
    EXPECT_EQ(onChanged.analysis.kaiseki.ke, onPatient.analysis.kaiseki.ke);
    EXPECT_EQ(context.ActiveDoseEvents, &onChanged.sets.DoseEventLists[2]);
}

TEST(EstimateIndividualParams, NoUsableSampling)
{
    // One-compartment and Michaelis-Menten: no fit, the population values
    // written back, ss 0.
    {
        DrugCase c(2, 1, 1);
        TheophyllinePopulation(c.analysis);
        c.OralDoses(0, 540, 720, 4, 200);
        c.Sampling(Day + At(8, 30), 5.0);
        c.analysis.ss = 9.0;
        int* runs = CountFitRuns(*c.oral1);
        EXPECT_EQ(EstimateIndividualParams(c.Context()), FitNoUsableSampling);
        EXPECT_EQ(*runs, 0);
        EXPECT_EQ(c.analysis.kaiseki.vd, 0.5);
        EXPECT_EQ(c.analysis.kaiseki.ka, 1.5);
        EXPECT_EQ(c.analysis.kaiseki.ke, 0.04 / 0.5);
        EXPECT_EQ(c.analysis.kaiseki.cl, 0.04 / 0.5 * 0.5);
        EXPECT_EQ(c.analysis.ss, 0.0);
    }
    {
        DrugCase c(3, 1, 1);
        PhenytoinPopulation(c.analysis);
        c.OralDoses(0, 540, 720, 4, 150);
        c.Sampling(Day + At(8, 0), 5.0);
        EXPECT_EQ(EstimateIndividualParams(c.Context()), FitNoUsableSampling);
        EXPECT_EQ(c.analysis.kaiseki.b, 0.29);
    }
    // Two compartments: only an empty sampling list skips the fit; samplings
    // that are all before the first dose give a fit on no observations,
    // which returns the population means.
    {
        DrugCase c(4, 1, 1);
        VancomycinPopulation(c.analysis);
        c.Infusions(0, 540, 720, 4, 200, 60);
        EXPECT_EQ(EstimateIndividualParams(c.Context()), FitNoUsableSampling);
        c.Sampling(Day + At(8, 0), 5.0);
        int* runs = CountFitRuns(*c.infusion2);
        EXPECT_EQ(EstimateIndividualParams(c.Context()), FitConverged);
        EXPECT_GT(*runs, 0);
        EXPECT_DOUBLE_EQ(c.analysis.kaiseki.v1, 0.3 * Weight);
        EXPECT_DOUBLE_EQ(c.analysis.kaiseki.cl, 0.06);
        EXPECT_EQ(c.analysis.kaiseki.k12, 0.5);
    }
}

TEST(EstimateIndividualParams, FailedFitWritesThePopulationValuesBack)
{
    DrugCase c(5, 1, 1, 1);
    VancomycinPopulation(c.analysis);
    c.Infusions(0, 540, 720, 8, 1000, 60);
    c.Sampling(Day + 3 + At(8, 30), 12.0);
    c.analysis.weight_value = 4;   // no such error model: the fit refuses
    c.analysis.ss = 2.0;
    EXPECT_EQ(EstimateIndividualParams(c.Context()), FitFailed);
    EXPECT_EQ(c.analysis.kaiseki.vd, 0.85);
    EXPECT_EQ(c.analysis.kaiseki.ke, 0.06 / 0.85);
    EXPECT_EQ(c.analysis.kaiseki.cl, 0.06 / 0.85 * 0.85);
    EXPECT_EQ(c.analysis.ss, 0.0);
}

// A prior the fit cannot use is refused before Estimate runs, and the
// set-up writes back as after a failed fit.
TEST(EstimateIndividualParams, UnusablePriorsAreRefusedWithoutAFit)
{
    auto run = [](auto adjust) {
        DrugCase c(5, 1, 1, 1);
        VancomycinPopulation(c.analysis);
        adjust(c);
        c.Infusions(0, 540, 720, 8, 1000, 60);
        c.Sampling(Day + 3 + At(8, 30), 12.0);
        c.analysis.ss = 2.0;
        int* runs = CountFitRuns(*c.infusion1);
        const int result = EstimateIndividualParams(c.Context());
        EXPECT_EQ(*runs, 0);
        EXPECT_EQ(c.analysis.ss, 0.0);
        return result;
    };
    // cv_cl below cv_vd: CVk of a negative radicand.
    EXPECT_EQ(run([](DrugCase& c) { c.analysis.bosyudan_vari.cl = 15; }), FitFailed);
    // vd 0: ke = cl / vd is not finite.
    EXPECT_EQ(run([](DrugCase& c) { c.analysis.bosyudan.vd = 0; }), FitFailed);
    // A CV of 0.
    EXPECT_EQ(run([](DrugCase& c) { c.analysis.bosyudan_vari.vd = 0; }), FitFailed);

    DrugCase digoxin(1, 1, 1);
    digoxin.patient.patient_weight = 0;   // vd / BW
    digoxin.analysis.bosyudan.vd = 400;
    digoxin.analysis.bosyudan.ka = 1;
    digoxin.analysis.bosyudan.cl = 8;
    digoxin.analysis.bosyudan_vari.vd = 20;
    digoxin.analysis.bosyudan_vari.ka = 20;
    digoxin.analysis.bosyudan_vari.cl = 30;
    digoxin.OralDoses(0, 540, 1440, 4, 125);
    digoxin.Sampling(Day + 2 + At(8, 0), 0.8);
    EXPECT_EQ(EstimateIndividualParams(digoxin.Context()), FitFailed);

    // Where no fit would run the priors are not looked at: the population
    // values stand and the population curve is shown. The two-compartment
    // model fits on no observations when every sampling is before the first
    // dose, so there the refusal holds.
    auto withoutData = [](int algo, bool samplingBeforeFirstDose) {
        DrugCase c(5, 1, 1, algo);
        VancomycinPopulation(c.analysis);
        c.analysis.bosyudan_vari.cl = 15;   // CVk not a number in either model
        c.Infusions(0, 540, 720, 8, 1000, 60);
        if (samplingBeforeFirstDose)
            c.Sampling(Day + At(8, 30), 12.0);
        int* runs = CountFitRuns(*c.infusion1);
        int* runs2 = CountFitRuns(*c.infusion2);
        const int result = EstimateIndividualParams(c.Context());
        EXPECT_EQ(*runs + *runs2, 0);
        return result;
    };
    EXPECT_EQ(withoutData(1, true), FitNoUsableSampling);
    EXPECT_EQ(withoutData(1, false), FitNoUsableSampling);
    EXPECT_EQ(withoutData(2, false), FitNoUsableSampling);
    EXPECT_EQ(withoutData(2, true), FitFailed);
}

// What each set-up writes, seen with every sampling before the first dose:
// the population values transformed back; the fields a set-up does not name
// keep their values.
TEST(EstimateIndividualParams, EachSetupWritesItsOwnEstimates)
{
    enum { ka, ke, vd, v1, v2, f, a, b, k12, k21, vdf, cl, clf };
    enum class Back { AsPopulation, ThroughClearance, Unchecked };
    struct Row {
        int kubun, drug, product;
        std::vector<int> written;   // column indices
        Back back;
    };
    const Row rows[] = {
        {2, 1, 1, {ka, ke, vd, f, cl}, Back::ThroughClearance},   // SetupFitOralCl
        {2, 1, 4, {ka, ke, vd, cl}, Back::Unchecked},             // SetupFitOralClF
        {1, 1, 1, {ka, ke, vd, f, cl}, Back::ThroughClearance},   // SetupFitOralClAbs
        {3, 5, 1, {ka, ke, vd, f, cl}, Back::Unchecked},          // SetupFitOralKe: cl = ke x vd
        {1, 1, 4, {ke, vd, cl}, Back::ThroughClearance},          // SetupFitInfusionClAbs
        {2, 2, 1, {ke, vd, cl}, Back::ThroughClearance},          // SetupFitInfusionCl
        {8, 1, 1, {v1, k12, k21, cl}, Back::ThroughClearance},    // SetupFit2CompCl
        {9, 1, 1, {v1, ke, k12, k21}, Back::AsPopulation},        // SetupFit2CompKe
        {3, 1, 1, {vd, ka, a, b, f}, Back::AsPopulation},         // SetupFitMMOral
        {3, 1, 2, {vd, a, b, f}, Back::AsPopulation},             // SetupFitMMInfusion
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(testing::Message() << row.kubun << "/" << row.drug << "/" << row.product);
        DrugCase c(row.kubun, row.drug, row.product);
        TParamBlock& pop = c.analysis.bosyudan;
        for (int i = 0; i < TParamBlock::Count; ++i) {
            pop[i] = 0.5 + 0.1 * i;
            c.analysis.bosyudan_vari[i] = 30;
        }
        c.analysis.bosyudan_vari.cl = 50;   // CVk needs cv_cl above the volume's CV
        c.Infusions(0, 540, 720, 2, 100, 60);
        c.Sampling(Day + At(8, 0), 1.0);
        c.analysis.kaiseki = Sentinels();
        const int result = EstimateIndividualParams(c.Context());
        EXPECT_EQ(result, row.kubun >= 8 ? FitConverged : FitNoUsableSampling);

        const TParamBlock& est = c.analysis.kaiseki;
        for (int i = 0; i < TParamBlock::Count; ++i) {
            const bool named = std::find(row.written.begin(), row.written.end(), i) != row.written.end();
            EXPECT_EQ(est[i] != Sentinels()[i], named) << TParamBlock::Name(i);
            if (!named || row.back == Back::Unchecked)
                continue;
            if (row.back == Back::ThroughClearance && i == ke)
                EXPECT_DOUBLE_EQ(est.ke, pop.cl / pop.vd);
            else
                EXPECT_DOUBLE_EQ(est[i], pop[i]) << TParamBlock::Name(i);
        }
    }
}

TEST(DispatchKeys, EveryRowOfTheKeyTablesIsReachable)
{
    EXPECT_EVERY_ROW_REACHABLE(EstimationRouteRules());
    EXPECT_EVERY_ROW_REACHABLE(SimulationRouteRules());
    EXPECT_EVERY_ROW_REACHABLE(InitialAmountRuleRules());
    EXPECT_EVERY_ROW_REACHABLE(ConcentrationUnitRules());
}
