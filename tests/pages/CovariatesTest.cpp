#include "CovariateModels.h"
#include "CovariatePanels.h"
#include "DrugKeyUniverse.h"
#include "DrugPageChoices.h"

#include <gtest/gtest.h>

#include <cmath>
#include <iterator>
#include <set>

namespace {

TClearancePatient Man(int age, double weight, double height = 170)
{
    return {age, weight, height, 0};
}

// The built-in set (arbekacin's is chosen by its label), then the model.
TPopulationBlock Modelled(CovariateModel model, const TDrugKey& key, int source, const TCovariateInputs& in)
{
    TPopulationBlock block =
        SelectPopulationParams(key, source, QStringLiteral("Arbekacin-A"), {in.Age, in.Weight, -10000.0, 46000});
    ApplyCovariateModel(model, in, block);
    return block;
}

const TPanelChoice& PanelOf(const TDrugKey& key, int source = 0)
{
    static TPanelChoice panel;
    panel = *CovariatePanelFor(key, source);
    return panel;
}

} // namespace

TEST(Clearance, CockcroftGaultWeightsAndReference)
{
    EXPECT_NEAR(CockcroftGaultClcr(0, 0, 1.0, Man(60, 60)), 66.6667, 5e-5);
    EXPECT_NEAR(CockcroftGaultClcr(0, 0, 1.0, {60, 60, 170, 1}), 56.6667, 5e-5);
    EXPECT_DOUBLE_EQ(IdealBodyWeight(Man(60, 90)), 65.664);
    EXPECT_DOUBLE_EQ(IdealBodyWeight({60, 90, 160, 1}), 0.89 * 7.6 + 45.4);   // a woman
    EXPECT_DOUBLE_EQ(CockcroftGaultClcr(0, 1, 1.0, Man(60, 90)), 80 * 65.664 / 72);
    EXPECT_EQ(CockcroftGaultClcr(0, -1, 1.0, Man(60, 60)), 0);   // no obesity answer
    EXPECT_EQ(CockcroftGaultClcr(0, 0, 0, Man(60, 60)), 0);
    EXPECT_EQ(CockcroftGaultClcr(1, 0, 1.0, Man(60, 60)), 0);

    const TClcrReference young = ClcrReference(Man(39, 64, 160));
    EXPECT_FALSE(young.ShowsAverage);
    EXPECT_EQ(young.Bmi, QStringLiteral("25.0(kg/㎡)"));
    const TClcrReference forty = ClcrReference(Man(40, 64, 160));
    EXPECT_TRUE(forty.ShowsAverage);
    EXPECT_EQ(forty.AverageFor, QStringLiteral("40歳の平均的な推定クリアチニンクリアランス値は"));
    EXPECT_EQ(forty.Average, QStringLiteral("85mL/min"));
    EXPECT_EQ(ClcrReference(Man(40, 64, 0)).Bmi, QString());
}

TEST(CovariateModels, TheirEdgeCases)
{
    const TDrugKey arbekacin{4, 1, 1, 0};
    const TPopulationBlock below = Modelled(CovariateModel::Arbekacin, arbekacin, 0, {0, 59.9999, 50, 70});
    EXPECT_DOUBLE_EQ(below.Mean.cl, 0.035 * 59.9999 / 50 + 0.015);
    EXPECT_DOUBLE_EQ(below.Mean.ke, below.Mean.cl / below.Mean.v1);
    EXPECT_EQ(below.Mean.k12, 0.753);
    const TPopulationBlock at = Modelled(CovariateModel::Arbekacin, arbekacin, 0, {-1, 60, 50, 70});
    EXPECT_DOUBLE_EQ(at.Mean.cl, 0.012 * 60 / 50 + 0.05);
    EXPECT_EQ(at.Mean.k12, 2.31);   // no pneumonia answer counts as pneumonia

    const TDrugKey digoxin{1, 1, 2, 0};
    const TPopulationBlock noAnswer = Modelled(CovariateModel::Digoxin, digoxin, 0, {-1, 50, 60, 70});
    EXPECT_DOUBLE_EQ(noAnswer.Mean.vd, 3.12 * 50 + 3.84 * 60);
    EXPECT_EQ(noAnswer.Mean.cl, 0);
    EXPECT_EQ(noAnswer.Mean.ke, 0);
    const TPopulationBlock failing = Modelled(CovariateModel::Digoxin, digoxin, 0, {1, 50, 60, 70});
    EXPECT_DOUBLE_EQ(failing.Mean.cl, 0.053 * 50 + 0.02 * 60);
    const TPopulationBlock noClearance = Modelled(CovariateModel::Digoxin, digoxin, 0, {0, 0, 60, 70});
    EXPECT_EQ(noClearance.Mean.vd, 0);
    EXPECT_EQ(noClearance.Mean.cl, 0);
    EXPECT_EQ(noClearance.Mean.ke, 0);

    EXPECT_DOUBLE_EQ(Modelled(CovariateModel::Carbamazepine, {3, 4, 1, 0}, 0, {1, 0, 60, 14}).Mean.ke,
                     0.09333 - 0.00285 * 14);
    EXPECT_DOUBLE_EQ(Modelled(CovariateModel::Carbamazepine, {3, 4, 1, 0}, 0, {0, 0, 60, 15}).Mean.ke,
                     0.0363 - 0.000188 * 15);
    EXPECT_EQ(Modelled(CovariateModel::ValproicAcid, {3, 5, 2, 0}, 0, {1, 0, 60, 12}).Mean.ke, 0.0551);
    EXPECT_EQ(Modelled(CovariateModel::ValproicAcid, {3, 5, 2, 0}, 0, {-1, 0, 60, 12}).Mean.ke, 0);
    EXPECT_EQ(Modelled(CovariateModel::LevetiracetamEnzymeInducer, {3, 7, 1, 0}, 0, {1, 0, 32, 30}).Mean.cl, 2.562);

    EXPECT_EQ(CovariateModelFor({1, 1, 4, 0}, 0, {}), CovariateModel::Digoxin);
    EXPECT_EQ(CovariateModelFor({3, 7, 1, 0}, 1, {}), CovariateModel::LevetiracetamClearance);
    EXPECT_FALSE(CovariateModelFor({5, 1, 1, 1}, 0, {}));   // vancomycin, one compartment
    EXPECT_FALSE(CovariateModelFor({2, 1, 4, 0}, 0, QStringLiteral("Theophylline-A")));
    EXPECT_EQ(CovariateModelFor({2, 1, 4, 0}, 0, QStringLiteral("Theophylline-B")), CovariateModel::TheophyllineSymptoms);
}

TEST(CovariateModels, AModelAppliedTwiceGivesWhatOnceGives)
{
    std::vector<drugpagetest::TChoice> choices = drugpagetest::AllChoices();
    choices.push_back({{2, 1, 4, 0}, 0, QStringLiteral("Theophylline-B")});
    int applied = 0;
    for (const drugpagetest::TChoice& c : choices) {
        const std::optional<CovariateModel> model = CovariateModelFor(c.Key, c.SourceIndex, c.SourceLabel);
        if (!model)
            continue;
        for (const TCovariateInputs in : {TCovariateInputs{-1, 0, 60, 40}, TCovariateInputs{0, 45.5, 3, 1},
                                          TCovariateInputs{1, 120, 80, 70}, TCovariateInputs{3, 60, 60, 14}}) {
            TPopulationBlock once = SelectPopulationParams(c.Key, c.SourceIndex, c.SourceLabel,
                                                           {in.Age, in.Weight, -10000.0, 46000});
            ApplyCovariateModel(*model, in, once);
            TPopulationBlock twice = once;
            ApplyCovariateModel(*model, in, twice);
            ++applied;
            for (int i = 0; i < TParamBlock::Count; ++i) {
                EXPECT_EQ(once.Mean[i], twice.Mean[i]) << drugpagetest::KeyText(c.Key).toStdString() << " " << i;
                EXPECT_EQ(once.Cv[i], twice.Cv[i]) << drugpagetest::KeyText(c.Key).toStdString() << " " << i;
            }
        }
    }
    EXPECT_EQ(applied, 4 * 18);   // the 17 product choices with a model, and theophylline's symptoms
}

// Which drug asks which questions is in the golden listing.
TEST(CovariatePanels, Defaults)
{
    EXPECT_EQ(DefaultAnswers(PanelOf({3, 5, 2, 0})).LagTime, 2.0);
    EXPECT_EQ(DefaultAnswers(PanelOf({3, 5, 1, 0})).LagTime, 0);
    EXPECT_EQ(DefaultAnswers(PanelOf({2, 1, 4, 0})).Choice, 0);   // "不明"
    const TCovariateAnswers digoxin = DefaultAnswers(PanelOf({1, 1, 1, 0}));
    EXPECT_EQ(digoxin.Choice, -1);
    EXPECT_EQ(digoxin.Clearance.Obesity, -1);
    EXPECT_EQ(digoxin.Clearance.Entry, ClearanceEntry::Computed);
    EXPECT_TRUE(AppliesModelWithPanel({1, 1, 4, 0}));
    EXPECT_FALSE(AppliesModelWithPanel({1, 1, 3, 0}));
}

// Each panel kind through the record and back; "neither" comes back as the
// radio the Part's rules name.
TEST(CovariatePanels, AnswersSurviveTheRecordPerPanelKind)
{
    struct TRoundTrip {
        TDrugKey key;
        int source;
        TCovariateAnswers stored;
        TCovariateAnswers restored;
    };
    TCovariateAnswers typed;
    typed.Clearance = {ClearanceEntry::Typed, 72.5, 0.9, 1, 72.5};
    TCovariateAnswers computed;
    // Both clearance cells come back from the one clearance the record keeps.
    computed.Clearance = {ClearanceEntry::Computed, 58.3333, 1.2, 0, 58.3333};
    computed.Choice = 1;
    TCovariateAnswers pneumoniaNone = computed;
    pneumoniaNone.Choice = 0;
    TCovariateAnswers unanswered = computed;
    unanswered.Choice = -1;
    TCovariateAnswers noPneumonia = unanswered;
    noPneumonia.Choice = 1;    // "neither" stores 1: "肺炎あり"
    TCovariateAnswers noHeartFailure = unanswered;
    noHeartFailure.Choice = 0; // "neither" stores 0: "なし"
    TCovariateAnswers coMedication;
    coMedication.Choice = 1;
    TCovariateAnswers lag = coMedication;
    lag.Choice = 0;
    lag.LagTime = 3.5;
    TCovariateAnswers typedOnly;
    typedOnly.Clearance = typed.Clearance;
    TCovariateAnswers typedOverComputed = typedOnly;   // the typed cell is the one stored
    typedOverComputed.Clearance.InUse = 60;

    const TRoundTrip trips[] = {
        {{7, 1, 1, 0}, 0, typedOnly, typedOnly},                    // clearance
        {{7, 1, 1, 0}, 0, typedOverComputed, typedOnly},
        {{1, 1, 4, 0}, 0, computed, computed},                      // clearance + heart failure
        {{1, 1, 1, 0}, 0, unanswered, noHeartFailure},
        {{4, 1, 1, 0}, 0, pneumoniaNone, pneumoniaNone},            // clearance + pneumonia
        {{4, 1, 1, 0}, 0, unanswered, noPneumonia},
        {{3, 4, 2, 0}, 0, coMedication, coMedication},              // co-medication C
        {{3, 5, 2, 0}, 0, lag, lag},                                // co-medication A with lag time
        {{3, 7, 1, 0}, 0, coMedication, coMedication},              // enzyme inducer
    };
    for (const TRoundTrip& trip : trips) {
        const TPanelChoice panel = *CovariatePanelFor(trip.key, trip.source);
        TAnalysisRecord record;
        StoreAnswers(panel, trip.stored, record);
        TCovariateAnswers back = AnswersFromRecord(panel, record);
        TCovariateAnswers expected = trip.restored;
        if (!PanelSchemaOf(panel.Panel).Clearance)
            expected.Clearance = back.Clearance;   // a page-2 panel keeps no clearance
        EXPECT_EQ(back, expected) << testing_seams::KeyText(trip.key).toStdString();
    }

    // Symptoms are restored but never stored.
    const TPanelChoice symptoms = *CovariatePanelFor({2, 1, 4, 0}, 0);
    TAnalysisRecord record;
    record.kaiseki_table1 = 2;
    EXPECT_EQ(AnswersFromRecord(symptoms, record).Choice, 2);
    record.kaiseki_table1 = 7;
    EXPECT_EQ(AnswersFromRecord(symptoms, record).Choice, 3);
    TCovariateAnswers answered;
    answered.Choice = 1;
    StoreAnswers(symptoms, answered, record);
    EXPECT_EQ(record.kaiseki_table1, 7);
}

TEST(CovariatePanels, OnlyTheRecordOfTheSameChoiceIsRestored)
{
    TAnalysisRecord record;
    record.patient_id = QStringLiteral("20261201093000");
    record.kubun_id = 5;
    record.yakuzainame_id = 1;
    record.yakuhinname_id = 1;
    record.syutten_id = 1;
    record.analysis_algo = 2;
    EXPECT_TRUE(RecordHoldsAnswersFor(record, {5, 1, 1, 2}, 1));
    EXPECT_FALSE(RecordHoldsAnswersFor(record, {5, 1, 1, 1}, 1));
    EXPECT_FALSE(RecordHoldsAnswersFor(record, {5, 1, 1, 2}, 2));
    EXPECT_FALSE(RecordHoldsAnswersFor(record, {5, 2, 1, 0}, 1));
    record.kubun_id = 3;
    record.yakuzainame_id = 4;
    record.analysis_algo = 0;
    EXPECT_TRUE(RecordHoldsAnswersFor(record, {3, 4, 1, 0}, 1));
    record.patient_id = QString();
    EXPECT_FALSE(RecordHoldsAnswersFor(record, {3, 4, 1, 0}, 1));
}

// Every model and every branch of it, over a block whose fields all hold a
// value of their own: the fields the model writes, and every other field as
// it was.
TEST(CovariateModels, EveryBranchWritesItsFieldsAndNothingElse)
{
    enum { Ka = 0, Ke = 1, Vd = 2, V1 = 3, F = 5, K12 = 8, Cl = 11 };
    TPopulationBlock start;
    for (int i = 0; i < TParamBlock::Count; ++i) {
        start.Mean[i] = 1.5 + i;   // ke 2.5, vd 3.5, v1 4.5, f 6.5
        start.Cv[i] = 10.0 * (i + 1);   // vd 30, cl 120
    }
    const double vd = 3.5, v1 = 4.5, f = 6.5;
    struct TWritten {
        int Param;
        double Mean;
    };
    struct TCase {
        CovariateModel Model;
        TCovariateInputs In;   // answer, clearance, weight, age
        std::vector<TWritten> Means;
        std::vector<TWritten> Cvs;
    };
    const double digoxinVd = 3.12 * 50 + 3.84 * 60;
    const double size = std::pow(64.0 / 32, 0.75);
    const TCase cases[] = {
        {CovariateModel::Digoxin, {0, 50, 60, 70}, {{Vd, digoxinVd}, {Cl, 0.06 * 50 + 0.05 * 60}, {Ke, (0.06 * 50 + 0.05 * 60) / digoxinVd}}, {}},
        {CovariateModel::Digoxin, {1, 50, 60, 70}, {{Vd, digoxinVd}, {Cl, 0.053 * 50 + 0.02 * 60}, {Ke, (0.053 * 50 + 0.02 * 60) / digoxinVd}}, {}},
        {CovariateModel::Digoxin, {-1, 50, 60, 70}, {{Vd, digoxinVd}, {Cl, 0}, {Ke, 0}}, {}},
        {CovariateModel::Digoxin, {1, 0, 60, 70}, {{Vd, 0}, {Cl, 0}, {Ke, 0}}, {}},
        {CovariateModel::TheophyllineSymptoms, {0, 0, 60, 40}, {{Ka, 0.0815}, {Cl, 0.0338 / f}, {Ke, 0.0338 / f / vd}}, {{Ka, 19}, {Ke, 120.0 / 30}}},
        {CovariateModel::TheophyllineSymptoms, {1, 0, 60, 40}, {{Ka, 0.0815}, {Cl, 0.0372 / f}, {Ke, 0.0372 / f / vd}}, {{Ka, 19}, {Ke, 120.0 / 30}}},
        {CovariateModel::TheophyllineSymptoms, {2, 0, 60, 40}, {{Ka, 0.0815}, {Cl, 0.0292 / f}, {Ke, 0.0292 / f / vd}}, {{Ka, 19}, {Ke, 120.0 / 30}}},
        {CovariateModel::TheophyllineSymptoms, {3, 0, 60, 40}, {{Ka, 0.0815}, {Cl, 0.0351 / f}, {Ke, 0.0351 / f / vd}}, {{Ka, 19}, {Ke, 120.0 / 30}}},
        {CovariateModel::Carbamazepine, {0, 0, 60, 15}, {{Ke, 0.0363 - 0.000188 * 15}}, {}},
        {CovariateModel::Carbamazepine, {1, 0, 60, 15}, {{Ke, 0.0548 - 0.000284 * 15}}, {}},
        {CovariateModel::Carbamazepine, {-1, 0, 60, 15}, {{Ke, 0}}, {}},
        {CovariateModel::Carbamazepine, {0, 0, 60, 14}, {{Ke, 0.0618 - 0.00189 * 14}}, {}},
        {CovariateModel::Carbamazepine, {1, 0, 60, 14}, {{Ke, 0.09333 - 0.00285 * 14}}, {}},
        {CovariateModel::Carbamazepine, {-1, 0, 60, 14}, {{Ke, 0}}, {}},
        {CovariateModel::ValproicAcid, {0, 0, 60, 12}, {{Ke, 0.0433}}, {}},
        {CovariateModel::ValproicAcid, {1, 0, 60, 12}, {{Ke, 0.0551}}, {}},
        {CovariateModel::ValproicAcid, {-1, 0, 60, 12}, {{Ke, 0}}, {}},
        {CovariateModel::ValproicAcid, {0, 0, 60, 11}, {{Ke, 0.0734 - 0.00251 * 11}}, {}},
        {CovariateModel::ValproicAcid, {1, 0, 60, 11}, {{Ke, 0.0934 - 0.00319 * 11}}, {}},
        {CovariateModel::ValproicAcid, {-1, 0, 60, 11}, {{Ke, 0}}, {}},
        {CovariateModel::LevetiracetamEnzymeInducer, {0, 0, 64, 30}, {{Cl, 2.1 * size}, {Ke, 2.1 * size / vd}}, {}},
        {CovariateModel::LevetiracetamEnzymeInducer, {1, 0, 64, 30}, {{Cl, 2.562 * size}, {Ke, 2.562 * size / vd}}, {}},
        {CovariateModel::LevetiracetamEnzymeInducer, {-1, 0, 64, 30}, {{Cl, 0}, {Ke, 0}}, {}},
        {CovariateModel::LevetiracetamClearance, {-1, 45, 35, 30},
         {{Cl, 3.9 * std::pow(0.5, 0.7) * std::pow(0.5, 0.44)}, {Ke, 3.9 * std::pow(0.5, 0.7) * std::pow(0.5, 0.44) / vd}}, {}},
        {CovariateModel::Arbekacin, {0, 60, 50, 70}, {{Cl, 0.012 * 60 / 50 + 0.05}, {Ke, (0.012 * 60 / 50 + 0.05) / v1}, {K12, 0.753}}, {}},
        {CovariateModel::Arbekacin, {1, 59.9999, 50, 70},
         {{Cl, 0.035 * 59.9999 / 50 + 0.015}, {Ke, (0.035 * 59.9999 / 50 + 0.015) / v1}, {K12, 2.31}}, {}},
        {CovariateModel::VancomycinTwoCompartment, {-1, 80, 50, 70}, {{Cl, 0.045 * 80 / 50 + 0.003}, {Ke, (0.045 * 80 / 50 + 0.003) / v1}}, {}},
        {CovariateModel::VancomycinTwoCompartment, {-1, 0, 50, 70}, {{Cl, 0}, {Ke, 0}}, {}},
        {CovariateModel::Teicoplanin, {-1, 80, 50, 70}, {{Cl, 0.000062 * 80 + 0.00349}, {Ke, (0.000062 * 80 + 0.00349) / v1}}, {}},
        {CovariateModel::Pilsicainide, {-1, 80, 50, 70}, {{Cl, (0.096 * 80 + 1.41) / 50}, {Ke, (0.096 * 80 + 1.41) / 50 / vd}}, {}},
        {CovariateModel::Meropenem, {-1, 80, 50, 70}, {{Cl, (0.0905 * 80 + 2.03) / 50}, {Ke, (0.0905 * 80 + 2.03) / 50 / v1}}, {}},
    };
    std::set<CovariateModel> covered;
    for (std::size_t c = 0; c < std::size(cases); ++c) {
        const TCase& t = cases[c];
        covered.insert(t.Model);
        TPopulationBlock b = start;
        ApplyCovariateModel(t.Model, t.In, b);
        TPopulationBlock expected = start;
        for (const TWritten& w : t.Means)
            expected.Mean[w.Param] = w.Mean;
        for (const TWritten& w : t.Cvs)
            expected.Cv[w.Param] = w.Mean;
        for (int i = 0; i < TParamBlock::Count; ++i) {
            EXPECT_DOUBLE_EQ(b.Mean[i], expected.Mean[i]) << "case " << c << " " << TParamBlock::Name(i);
            EXPECT_DOUBLE_EQ(b.Cv[i], expected.Cv[i]) << "case " << c << " CV " << TParamBlock::Name(i);
        }
    }
    EXPECT_EQ(covered.size(), 11u);
}
