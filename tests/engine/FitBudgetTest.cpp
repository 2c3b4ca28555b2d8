// The fit's work budget: a fit that would run for a minute ends by it as a
// failed fit, and every built-in population with realistic samplings stays
// far inside it.
#include "DispatchCase.h"
#include "CovariateModels.h"
#include "DispatchKeys.h"
#include "DoseEventRules.h"
#include "DrugKeyUniverse.h"
#include "DrugMaster.h"
#include "EstimationDispatch.h"
#include "ModelCases.h"
#include "PopulationSets.h"

#include <gtest/gtest.h>

using namespace dispatch_test;

namespace {

// The work of the model the case's drug is fitted with.
long long LastFitWork(const DrugCase& c)
{
    switch (EstimationRouteOf(DrugKeyOf(c.analysis))) {
    case EstimationRoute::OralCl:
    case EstimationRoute::OralClF:
    case EstimationRoute::OralClAbs:
    case EstimationRoute::OralKe: return c.oral1->LastFitWork();
    case EstimationRoute::InfusionCl:
    case EstimationRoute::InfusionClAbs: return c.infusion1->LastFitWork();
    case EstimationRoute::TwoCompCl:
    case EstimationRoute::TwoCompKe: return c.infusion2->LastFitWork();
    case EstimationRoute::MMOral: return c.oralMM->LastFitWork();
    case EstimationRoute::MMInfusion: return c.infusionMM->LastFitWork();
    case EstimationRoute::None: break;
    }
    return 0;
}

} // namespace

// Typed as a new user might: every parameter far from any population, CVs
// of up to 940 %, four samplings between 0.12 and 804 mg/L. Without the
// budget this fit runs for about 40 seconds here, only to fail.
TEST(FitBudget, ASlowFitOfATypedPriorEndsByTheBudgetAsAFailedFit)
{
    DrugCase c(3, 1, 1);   // phenytoin, Michaelis-Menten oral
    c.patient.patient_weight = 64.52;
    c.analysis.weight_value = 1;
    c.analysis.bosyudan = {.ka = 0.2715, .vd = 640.2713, .f = 0.7015, .a = 17.4785, .b = 137.0124};
    c.analysis.bosyudan_vari = {.ka = 303.3063, .vd = 402.8484, .a = 942.4673, .b = 170.0748};
    c.OralDoses(0, 540, 720, 14, 14.1328);
    c.Sampling(Day + At(12, 50), 0.1162);
    c.Sampling(Day + 2 + At(9, 44), 35.9938);
    c.Sampling(Day + 5 + At(13, 45), 10.8334);
    c.Sampling(Day + 5 + At(15, 53), 804.0091);
    c.analysis.ss = 2.0;

    EXPECT_EQ(EstimateIndividualParams(c.Context()), FitFailed);

    EXPECT_LE(c.oralMM->LastFitWork(), pk::kFitWorkBudget);
    EXPECT_GT(c.oralMM->LastFitWork(), pk::kFitWorkBudget * 0.999);
    // As after any failed fit: the means written back, no objective.
    EXPECT_EQ(c.analysis.kaiseki.vd, 640.2713);
    EXPECT_EQ(c.analysis.kaiseki.b, 137.0124);
    EXPECT_EQ(c.analysis.ss, 0.0);

    // The budget is per fit: the next fit of the same model object, on the
    // model tests' ordinary case, has all of it again.
    using Ordinary = engine_test::Adapter<TMM1ComKeikoGN>;
    std::array<double, Ordinary::P> theta = Ordinary::Population();
    const std::array<double, Ordinary::P> omega = Ordinary::Omega();
    const std::vector<double> times = Ordinary::SampleTimes();
    const std::vector<double> concs = engine_test::Observations<TMM1ComKeikoGN>();
    const std::vector<PkDoseEvent> events = Ordinary::Events();
    double objective = 0.0;
    EXPECT_EQ(c.oralMM->Estimate(theta.data(), omega.data(), times.data(), concs.data(), static_cast<int>(times.size()),
                                 engine_test::kWeight, events, Ordinary::kBioavail, &objective, 0, 0.0),
              0);
    EXPECT_LT(c.oralMM->LastFitWork(), pk::kFitWorkBudget / 100);
}

namespace {

// A usual regimen of a drug and the samplings a ward would take; the dose
// is infused over dripHours where the product is infused.
struct Regimen {
    int kubun, drug;
    std::vector<TPrescription> prescriptions;   // infusion hours filled in per product
    std::vector<double> samplings;
    double dripHours = 0;
};

// Twice a day at 09:00 and 21:00 from Day for `days` days.
std::vector<TPrescription> TwiceDaily(int days, double dose)
{
    return {Prescription(Day, Day + days - 1, At(9, 0), dose), Prescription(Day, Day + days - 1, At(21, 0), dose)};
}
std::vector<TPrescription> Daily(int days, double dose)
{
    return {Prescription(Day, Day + days - 1, At(9, 0), dose)};
}
std::vector<TPrescription> ThreeTimesDaily(int days, double dose)
{
    return {Prescription(Day, Day + days - 1, At(6, 0), dose), Prescription(Day, Day + days - 1, At(14, 0), dose),
            Prescription(Day, Day + days - 1, At(22, 0), dose)};
}
// Troughs before the morning dose of the given days.
std::vector<double> Troughs(std::initializer_list<int> days)
{
    std::vector<double> times;
    for (int d : days)
        times.push_back(Day + d + At(8, 30));
    return times;
}
// A trough, a peak two hours after that day's dose, a later trough.
std::vector<double> TroughPeakTrough(int day, int lastDay)
{
    return {Day + day + At(8, 30), Day + day + At(11, 0), Day + lastDay + At(8, 30)};
}

const Regimen Regimens[] = {
    {1, 1, Daily(14, 0.25), Troughs({6, 13}), 0.5},                              // digoxin
    {2, 1, TwiceDaily(7, 200), TroughPeakTrough(3, 5)},                          // theophylline
    {2, 2, TwiceDaily(5, 250), TroughPeakTrough(2, 4), 1},                       // aminophylline
    {3, 1, TwiceDaily(14, 150), Troughs({6, 9, 13}), 0.5},                       // phenytoin
    {3, 2, Daily(28, 90), Troughs({13, 27}), 0.5},                               // phenobarbital
    {3, 4, TwiceDaily(14, 200), TroughPeakTrough(7, 13)},                        // carbamazepine
    {3, 5, TwiceDaily(10, 400), TroughPeakTrough(5, 9)},                         // valproic acid
    {3, 6, TwiceDaily(21, 100), Troughs({10, 20})},                              // zonisamide
    {3, 7, TwiceDaily(7, 500), TroughPeakTrough(4, 6)},                          // levetiracetam
    {3, 8, Daily(21, 100), Troughs({10, 20})},                                   // lamotrigine
    {4, 1, Daily(5, 200), TroughPeakTrough(2, 4), 0.5},                          // arbekacin
    {5, 1, TwiceDaily(7, 1000), TroughPeakTrough(3, 6), 1},                      // vancomycin
    {5, 2, {Prescription(Day, Day, At(21, 0), 400), Prescription(Day, Day + 13, At(9, 0), 400)},
     Troughs({3, 7, 13}), 0.5},                                                  // teicoplanin
    {6, 1, TwiceDaily(10, 400 * 0.1878467992962512), Troughs({5, 9})},           // lithium carbonate
    {7, 1, ThreeTimesDaily(5, 50), {Day + 2 + At(5, 30), Day + 2 + At(8, 0), Day + 4 + At(5, 30)}}, // pilsicainide
    {8, 1, ThreeTimesDaily(3, 1000), {Day + 1 + At(5, 30), Day + 1 + At(7, 0), Day + 2 + At(5, 30)}, 0.5}, // meropenem
    {9, 1, {Prescription(Day, Day, At(10, 0), 5000)},
     {Day + 1 + At(10, 0), Day + 2 + At(10, 0), Day + 3 + At(10, 0)}, 6},       // methotrexate
};

const Regimen* RegimenOf(const TDrugKey& key)
{
    for (const Regimen& r : Regimens)
        if (r.kubun == key.kubun && r.drug == key.yakuzai)
            return &r;
    return nullptr;
}

// The patient differs from the population by a tenth to a third in each
// parameter; the assay adds a few per cent.
TParamBlock TruePatient(const TParamBlock& population)
{
    TParamBlock truth = population;
    truth.ka *= 0.9;
    truth.vd *= 1.15;
    truth.v1 *= 1.15;
    truth.cl *= 0.8;
    truth.ke *= 0.7;
    truth.a *= 1.2;
    truth.b *= 0.85;
    truth.k12 *= 1.1;
    truth.k21 *= 0.9;
    return truth;
}

} // namespace

// Every source of every product, as the drug page fills the population block
// for an adult of 60 kg, aged 50, with a creatinine clearance of 90 mL/min
// and the first answer to the accompanying question (a child of 18 kg, aged
// 5, for vancomycin's one-compartment set, whose clearance formula is for
// children), fitted to a usual regimen's samplings.
TEST(FitBudget, EveryBuiltInPopulationFitsWithinOnePerCentOfIt)
{
    int fitted = 0;
    for (const TSourceEntry& source : SourceTable()) {
        const TDrugKey key{source.kubun, source.drug, source.product, source.kubun == 5 && source.drug == 1 && source.product == 1 ? source.variant : 0};
        const QString label = QString::fromUtf8(source.label);
        SCOPED_TRACE(testing_seams::KeyText(key).toStdString() + " " + source.label);
        const bool child = key.algo == 1;
        const TPatientCovariates patient{child ? 5 : 50, child ? 18.0 : Weight, -10000.0, Day};
        TPopulationBlock block = SelectPopulationParams(key, source.syutten_id - 1, label, patient);
        if (const std::optional<CovariateModel> model = CovariateModelFor(key, source.syutten_id - 1, label))
            ApplyCovariateModel(*model, {0, 90, patient.Weight, patient.Age}, block);
        if (block.Mean.vd == 0 && block.Mean.v1 == 0)
            continue;   // a source no set answers (the theophylline label pairs)
        const Regimen* regimen = RegimenOf(key);
        ASSERT_NE(regimen, nullptr);

        DrugCase c(key.kubun, key.yakuzai, key.yakuhin, key.algo);
        c.patient.patient_weight = patient.Weight;
        c.analysis.bosyudan = block.Mean;
        c.analysis.bosyudan_vari = block.Cv;
        std::vector<TPrescription> prescriptions = regimen->prescriptions;
        const bool infused = AdministrationOf(key) == Administration::Infusion;
        for (TPrescription& p : prescriptions)
            p.touyo_drip_time = infused ? regimen->dripHours : 0;
        Schedule(c, prescriptions);
        Measure(c, TruePatient(block.Mean), regimen->samplings);

        ASSERT_EQ(EstimateIndividualParams(c.Context()), FitConverged);
        EXPECT_LT(LastFitWork(c), pk::kFitWorkBudget / 100);
        ++fitted;
    }
    EXPECT_GE(fitted, 36);
}
