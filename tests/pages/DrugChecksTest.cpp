#include "AnalysisSettings.h"
#include "CovariateModels.h"
#include "DrugChecks.h"
#include "DrugPageChoices.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

namespace {

using drugpagetest::AsGrid;

// A case of the built-in set of a key with its covariate model over the
// answers; the check sees the block as the confirm will store it.
TDrugCheckInput Case(const TDrugKey& key, int age, const TCovariateAnswers& answers, const QString& label = {})
{
    TDrugCheckInput in;
    in.Key = key;
    in.SourceIndex = 0;
    in.Age = age;
    in.Weight = 60;
    in.Answers = answers;
    TPopulationBlock set = SelectPopulationParams(key, 0, label, {age, 60, -10000.0, 46000});
    if (const std::optional<CovariateModel> model = CovariateModelFor(key, 0, label)) {
        const TClearanceAnswers& c = answers.Clearance;
        const double clcr = c.Entry == ClearanceEntry::Typed ? c.Typed : c.InUse;
        ApplyCovariateModel(*model, {answers.Choice, clcr, in.Weight, age}, set);
    }
    in.Prior = BlockToStore(key, in.Source, set.Mean, AsGrid(ParamTableFor(key, set)));
    return in;
}

TCovariateAnswers Computed(double clcr, int obesity = 0)
{
    TCovariateAnswers a;
    a.Clearance = {ClearanceEntry::Computed, 0, 1.0, obesity, clcr};
    return a;
}

TCovariateAnswers Typed(double clcr)
{
    TCovariateAnswers a;
    a.Clearance = {ClearanceEntry::Typed, clcr, 0, -1, clcr};
    return a;
}

QStringList Texts(const std::vector<TCheckItem>& items)
{
    QStringList texts;
    for (const TCheckItem& item : items)
        texts << (item.kind == TCheckItem::Question ? QStringLiteral("? ") : QStringLiteral("! ")) + item.Text;
    return texts;
}

const QString Unsuitable = QStringLiteral("! クレアチニンクリアランス値が不適当です。");
const QString TooGood = QStringLiteral("? 年齢に対してクレアチニンクリアランス値が良すぎませんか？");
const QString Obesity = QStringLiteral("! 肥満のあり/なしを選択して下さい。");

} // namespace

TEST(DrugChecks, ClearanceChecksInTheirOrder)
{
    const TDrugKey pilsicainide{7, 1, 1, 0};
    EXPECT_EQ(Texts(CheckDrugInfo(Case(pilsicainide, 50, Computed(0, -1)))), QStringList{Obesity});
    EXPECT_EQ(Texts(CheckDrugInfo(Case(pilsicainide, 50, Computed(0)))), QStringList{Unsuitable});
    EXPECT_EQ(Texts(CheckDrugInfo(Case(pilsicainide, 50, Typed(0)))), QStringList{Unsuitable});
    TCovariateAnswers typedOverComputed = Typed(0);
    typedOverComputed.Clearance.InUse = 50;   // the typed cell is the one that counts
    EXPECT_EQ(Texts(CheckDrugInfo(Case(pilsicainide, 50, typedOverComputed))), QStringList{Unsuitable});
    EXPECT_EQ(Texts(CheckDrugInfo(Case(pilsicainide, 65, Computed(80)))), QStringList{TooGood});
    EXPECT_EQ(Texts(CheckDrugInfo(Case(pilsicainide, 65, Typed(80)))), QStringList{TooGood});
    EXPECT_TRUE(CheckDrugInfo(Case(pilsicainide, 64, Typed(80))).empty());
    EXPECT_TRUE(CheckDrugInfo(Case(pilsicainide, 65, Computed(79.9999))).empty());
    EXPECT_EQ(CheckDrugInfo(Case(pilsicainide, 65, Typed(80)))[0].Caption, QStringLiteral("薬剤情報設定確認"));

    // Digoxin asks the clearance first, then heart failure.
    TCovariateAnswers digoxin = Computed(90);
    EXPECT_EQ(Texts(CheckDrugInfo(Case({1, 1, 2, 0}, 70, digoxin))),
              (QStringList{TooGood, QStringLiteral("! うっ血性心不全のあり/なしを選択して下さい。")}));
    EXPECT_EQ(Texts(CheckDrugInfo(Case({1, 1, 2, 0}, 70, Typed(0)))), QStringList{Unsuitable});

    // Arbekacin's model has a value at clearance 0: only the pneumonia answer is missing.
    const QString arbekacin = QStringLiteral("Arbekacin-A");
    EXPECT_EQ(Texts(CheckDrugInfo(Case({4, 1, 1, 0}, 50, Typed(0), arbekacin))),
              QStringList{QStringLiteral("! 肺炎のあり/なしを選択して下さい。")});
    EXPECT_EQ(Texts(CheckDrugInfo(Case({4, 1, 1, 0}, 50, Computed(0, -1), arbekacin))), QStringList{Obesity});
}

TEST(DrugChecks, ChoicesAndSources)
{
    const QString coMedication = QStringLiteral("! フェノバルビタール/フェニトイン併用のあり/なしを選択して下さい。");
    EXPECT_EQ(Texts(CheckDrugInfo(Case({3, 4, 1, 0}, 30, {}))), QStringList{coMedication});
    EXPECT_EQ(Texts(CheckDrugInfo(Case({3, 5, 3, 0}, 30, {}))), QStringList{coMedication});
    EXPECT_EQ(Texts(CheckDrugInfo(Case({3, 7, 1, 0}, 30, {}))),
              QStringList{QStringLiteral("! 酵素誘導剤併用のあり/なしを選択して下さい。")});
    TDrugCheckInput second = Case({3, 7, 1, 0}, 30, Computed(0));
    second.SourceIndex = 1;
    EXPECT_EQ(Texts(CheckDrugInfo(second)), QStringList{Unsuitable});
    EXPECT_EQ(Texts(CheckDrugInfo(Case({5, 1, 1, 2}, 30, Computed(0)))), QStringList{Unsuitable});
    EXPECT_EQ(Texts(CheckDrugInfo(Case({5, 1, 1, 1}, 10, Computed(0)))), QStringList{});   // no question for one compartment

    // A past analysis or typed values: the answers are not asked.
    TDrugCheckInput past = Case({3, 4, 1, 0}, 30, {});
    past.Source = ParamSource::PastAnalysis;
    past.Prior.Mean.ke = 0.03;
    EXPECT_TRUE(CheckDrugInfo(past).empty());
}

TEST(DrugChecks, APriorTheFitCannotStartFromIsRefusedForEverySource)
{
    const QString unusable = QStringLiteral("! 母集団パラメータが不正です。値を確認して下さい。");
    // Vancomycin one-compartment chosen for an adult: the clearance line is below zero.
    EXPECT_TRUE(CheckDrugInfo(Case({5, 1, 1, 1}, 24, {})).empty());
    EXPECT_EQ(Texts(CheckDrugInfo(Case({5, 1, 1, 1}, 25, {}))), QStringList{unusable});
    // Carbamazepine without the co-medication answer is stopped by the question, not by its ke of 0.
    TDrugCheckInput manual = Case({3, 2, 1, 0}, 30, {});
    manual.Source = ParamSource::Manual;
    EXPECT_TRUE(CheckDrugInfo(manual).empty());
    manual.Prior.Mean.f = 0;   // an oral product without absorption
    EXPECT_EQ(Texts(CheckDrugInfo(manual)), QStringList{unusable});
    manual.Prior.Mean.f = 0.95;
    manual.Prior.Cv.cl = manual.Prior.Cv.vd;   // the ke CV is then 0
    EXPECT_EQ(Texts(CheckDrugInfo(manual)), QStringList{unusable});
    manual.Prior.Cv.cl = 50;
    manual.Prior.Mean.vd = 0;
    EXPECT_EQ(Texts(CheckDrugInfo(manual)), QStringList{unusable});
    EXPECT_EQ(CheckDrugInfo(manual)[0].Caption, QStringLiteral("薬剤情報設定エラー"));
}

TEST(AnalysisSettings, TheBlockAsStoredAndTheRecord)
{
    TParamBlock means;
    means.ke = 0.5;   // the built-in set's
    means.k12 = 1.12;
    TParamTable table;
    table[0] = {"Vd(L/kg)", 0.8, 20};
    table[1] = {"Ka(1/hr)", 0.4, 70};
    table[2] = {"CL(L/kg/hr)", 0.04, 50};
    table[3] = {"F", 0.95, 0};
    const TDrugKey phenobarbital{3, 2, 1, 0};
    const TPopulationBlock fromSet = BlockToStore(phenobarbital, ParamSource::Population, means, table);
    EXPECT_EQ(fromSet.Mean.ke, 0.5);
    EXPECT_EQ(fromSet.Mean.vd, 0.8);
    EXPECT_EQ(fromSet.Cv.ka, 70);
    EXPECT_EQ(fromSet.Cv.ke, 0);   // the record's CV % start from zero
    // Past and typed values: ke follows the CL and Vd shown.
    EXPECT_DOUBLE_EQ(BlockToStore(phenobarbital, ParamSource::PastAnalysis, means, table).Mean.ke, 0.04 / 0.8);
    EXPECT_DOUBLE_EQ(BlockToStore(phenobarbital, ParamSource::Manual, means, table).Mean.ke, 0.04 / 0.8);
    TParamTable twoComp;
    twoComp[0] = {"V1(L)", 12, 20};
    twoComp[1] = {"CL(L/hr/kg)", 0.05, 33};
    EXPECT_EQ(BlockToStore({5, 1, 1, 2}, ParamSource::Manual, means, twoComp).Mean.ke, 0.5);

    TDrugPageEntry entry;
    entry.Selection = {2, 4, 0, -1, ParamSource::PastAnalysis, 0, QStringLiteral("Carbamazepine-A"), -1};
    entry.Answers.Choice = 0;
    entry.Answers.LagTime = 3;
    TAnalysisRecord record;
    record.kaiseki_table10 = 9;
    record.analysis_weight = 7;   // what an earlier analysis left
    record.absolute_error = record.relative_error = record.init_value = record.analysis_date = 3;
    record.kaiseki_before_id = 3;
    StoreAnalysisSettings(record, entry, QStringLiteral("20261201093000"), 4);
    EXPECT_EQ(record.analysis_weight, 2);
    EXPECT_EQ(record.absolute_error + record.relative_error + record.init_value + record.analysis_date, 0);
    EXPECT_EQ(record.kaiseki_before_id, 0);
    EXPECT_EQ(record.patient_id, QStringLiteral("20261201093000"));
    EXPECT_EQ(record.kaiseki_id, 4);
    EXPECT_EQ(record.yakuzainame_id, 5);
    EXPECT_EQ(record.syutten_id, -1);
    EXPECT_EQ(record.past_id, -1);
    EXPECT_EQ(record.analysis_algo, 0);
    EXPECT_EQ(record.weight_value, 1);
    EXPECT_EQ(record.kaiseki_table1, 0);
    EXPECT_EQ(record.kaiseki_table10, 9);   // product 1 keeps no lag time
    entry.Selection.ProductIndex = 1;
    StoreAnalysisSettings(record, entry, QStringLiteral("20261201093000"), 4);
    EXPECT_EQ(record.kaiseki_table10, 3);

    entry.Selection = {4, 0, 0, 1, ParamSource::Population, 0, QStringLiteral("Vancomycin-B"), -1};
    StoreAnalysisSettings(record, entry, QStringLiteral("20261201093000"), 4);
    EXPECT_EQ(record.syutten_id, 1);
    EXPECT_EQ(record.analysis_algo, 2);

    // Confirmed again, the estimates stay for the stored product, model and source only.
    EXPECT_EQ(DrugValuesKeptByConfirm(record, entry), DrugValues::KeepParameters);
    const auto kept = [&](auto change) {
        TDrugPageEntry changed = entry;
        change(changed);
        return DrugValuesKeptByConfirm(record, changed);
    };
    const auto cleared = DrugValues::KeepPopulationMeans;
    EXPECT_EQ(kept([](TDrugPageEntry& e) { e.Selection.ModelIndex = 0; }), cleared);
    EXPECT_EQ(kept([](TDrugPageEntry& e) { e.Selection.SourceIndex = 1; }), cleared);
    EXPECT_EQ(kept([](TDrugPageEntry& e) { e.Selection.Source = ParamSource::Manual; }), cleared);
    record.syutten_id = -1;
    record.past_id = 3;
    entry.Selection.Source = ParamSource::PastAnalysis;
    entry.PastKaisekiId = 3;
    EXPECT_EQ(DrugValuesKeptByConfirm(record, entry), DrugValues::KeepParameters);
    EXPECT_EQ(kept([](TDrugPageEntry& e) { e.PastKaisekiId = 2; }), cleared);
}
