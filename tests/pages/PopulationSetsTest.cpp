#include "PopulationSets.h"

#include <gtest/gtest.h>

#include <cmath>
#include <iterator>
#include <set>
#include <string>
#include <vector>

namespace {

const vcl::TDateTime Today = 46000;   // 2025-12-09

TPatientCovariates Patient(int age, double weight = 60, vcl::TDateTime birth = -10000.0)
{
    return {age, weight, birth, Today};
}

TPopulationBlock Select(const TDrugKey& key, int age, int source = 0, const QString& label = QString(),
                        double weight = 60)
{
    return SelectPopulationParams(key, source, label, Patient(age, weight));
}

} // namespace

TEST(PopulationSets, TheophyllineClearanceAndCvByAge)
{
    struct {
        int age;
        double cl;
        double cv;
    } const cases[] = {{19, 0.0919, 28.1}, {20, 0.0645, 27.2}, {39, 0.0645, 27.2}, {40, 0.0448, 23.8}};
    for (const auto& c : cases) {
        for (const TDrugKey key : {TDrugKey{2, 1, 1, 0}, TDrugKey{2, 2, 1, 0}}) {   // Theophylline-A, aminophylline
            const TPopulationBlock b = Select(key, c.age);
            EXPECT_EQ(b.Mean.cl, c.cl) << c.age;
            EXPECT_EQ(b.Cv.cl, c.cv) << c.age;
            EXPECT_EQ(b.Mean.ke, c.cl / 0.45) << c.age;
            EXPECT_DOUBLE_EQ(b.Cv.ke, 100 * std::sqrt((c.cv * c.cv / 1e4 - 0.04) / 1.04)) << c.age;
        }
    }
}

TEST(PopulationSets, PhenobarbitalPhenytoinArbekacinAtTheirAgeBounds)
{
    EXPECT_EQ(Select({3, 2, 1, 0}, 12).Mean.cl, 0.005406);
    EXPECT_EQ(Select({3, 2, 1, 0}, 13).Mean.cl, 0.0053);
    EXPECT_EQ(Select({3, 2, 1, 0}, 1).Mean.cl, 0.01855);
    EXPECT_EQ(Select({3, 2, 6, 0}, 2).Mean.cl, 0.01431);
    EXPECT_EQ(Select({3, 2, 5, 0}, 5).Mean.ka, 1.32);
    EXPECT_EQ(Select({3, 2, 5, 0}, 6).Mean.ka, 0.84);
    EXPECT_EQ(Select({3, 2, 4, 0}, 3).Mean.ka, 0.28);
    for (int product = 1; product <= 5; ++product)
        EXPECT_EQ(Select({3, 2, product, 0}, 30).Cv.ka, 70) << product;

    const TPopulationBlock child = Select({3, 1, 1, 0}, 14);
    EXPECT_DOUBLE_EQ(child.Mean.a, 2.866);
    EXPECT_DOUBLE_EQ(child.Mean.b, (11.9 - 5.264) / 24);
    const TPopulationBlock adult = Select({3, 1, 2, 0}, 15);
    EXPECT_EQ(adult.Mean.a, 2.98);
    EXPECT_EQ(adult.Mean.b, 6.26 / 24);
    EXPECT_EQ(adult.Mean.f, 1.0);
    EXPECT_EQ(Select({3, 1, 1, 0}, 15).Mean.f, 0.9);

    EXPECT_DOUBLE_EQ(Select({4, 1, 1, 0}, 64, 0, QStringLiteral("Arbekacin-A"), 50).Mean.v1, 0.143 * 50);
    const TPopulationBlock old = Select({4, 1, 1, 0}, 65, 0, QStringLiteral("Arbekacin-A"), 50);
    EXPECT_DOUBLE_EQ(old.Mean.v1, 0.17 * 50);
    EXPECT_EQ(old.Mean.ke, 1000 / old.Mean.v1);   // until the clearance model runs
    EXPECT_EQ(old.Cv.ke, 42.8);
    EXPECT_EQ(Select({4, 1, 1, 0}, 65, 0, QStringLiteral("Arbekacin-B")).Mean.v1, 0);   // label test
}

TEST(PopulationSets, VancomycinOneCompartmentClearanceByAgeAndBirthDate)
{
    EXPECT_DOUBLE_EQ(VancomycinOneCompartmentClearance(Patient(0, 5, Today - 182)), 0.119 + 0.0619 * (182.0 / 365 - 1));
    EXPECT_DOUBLE_EQ(VancomycinOneCompartmentClearance(Patient(0)), 0.119 - 0.0619);
    EXPECT_DOUBLE_EQ(VancomycinOneCompartmentClearance(Patient(2)), 0.11392);
    // The first year runs into the later line without a step. A child with a
    // known birth date once fell from 0.18 to 0.114 L/kg/hr on the second
    // birthday: age 1 is on the later line.
    EXPECT_DOUBLE_EQ(VancomycinOneCompartmentClearance(Patient(0, 8, Today - 364)), 0.119 + 0.0619 * (364.0 / 365 - 1));
    EXPECT_EQ(VancomycinOneCompartmentClearance(Patient(1, 10, Today - 729)), 0.119);
    EXPECT_EQ(VancomycinOneCompartmentClearance(Patient(1)), 0.119);
    // The adult line falls below zero from 25 years; the confirm refuses it.
    EXPECT_GT(VancomycinOneCompartmentClearance(Patient(24)), 0);
    EXPECT_LT(VancomycinOneCompartmentClearance(Patient(25)), 0);

    const TPopulationBlock one = Select({5, 1, 1, 1}, 2);
    EXPECT_EQ(one.Mean.vd, 0.522);
    EXPECT_DOUBLE_EQ(one.Mean.ke, 0.11392 / 0.522);
    EXPECT_EQ(one.Cv.ke, 39.6);
    const TPopulationBlock two = Select({5, 1, 1, 2}, 70, 5, QStringLiteral("anything"), 50);
    EXPECT_DOUBLE_EQ(two.Mean.v1, 0.21 * 50);
    EXPECT_EQ(two.Mean.k12, 1.12);
    EXPECT_EQ(Select({5, 1, 1, 0}, 70).Mean.vd, 0);   // no model chosen: no set
}

TEST(PopulationSets, SourcesPickTheSetAndNothingOfAnEarlierSetSurvives)
{
    EXPECT_EQ(Select({3, 7, 1, 0}, 40, 0).Mean.ka, 2.56);
    EXPECT_EQ(Select({3, 7, 1, 0}, 40, 2).Mean.vd, 0);
    EXPECT_EQ(Select({9, 1, 1, 0}, 40, 1).Mean.v1, 0.366);
    EXPECT_EQ(Select({9, 1, 1, 0}, 40, -1).Mean.v1, 0);

    // A set writes the fields it names and nothing else.
    const TPopulationBlock lithium = Select({6, 1, 1, 0}, 40);
    for (int i = 0; i < TParamBlock::Count; ++i) {
        const bool named = i == 0 || i == 1 || i == 2 || i == 5;   // ka, ke, vd, f
        EXPECT_EQ(lithium.Mean[i] != 0, named) << TParamBlock::Name(i);
    }
    EXPECT_EQ(Select({3, 3, 1, 0}, 40).Mean.vd, 0);   // primidone has no set
    EXPECT_FALSE(PopulationSetFor({2, 1, 3, 0}, 0, QStringLiteral("Theophylline-B")));
    EXPECT_EQ(PopulationSetFor({2, 1, 3, 0}, 0, QStringLiteral("Theophylline-C")), PopulationSet::TheophyllineC);
    const TPopulationBlock c = PopulationSetValues(PopulationSet::TheophyllineC, 3, Patient(40));
    EXPECT_DOUBLE_EQ(c.Cv.ke, 28.9 / 26.9);
}

// The set table, row by row, for a 40-year-old of 60 kg: every named mean and
// CV, and zeros in every field a set does not name.
TEST(PopulationSets, EverySetWritesTheValuesOfItsRowAndNothingElse)
{
    enum { Ka = 0, Ke = 1, Vd = 2, V1 = 3, F = 5, Km = 6, Vmax = 7, K12 = 8, K21 = 9, Cl = 11 };
    struct TValue {
        int Param;
        double Mean;
        double Cv;
    };
    struct TSetRow {
        PopulationSet Set;
        int Product;
        std::vector<TValue> Values;
    };
    const auto logNormal = [](double cvCl, double cvV) {   // CV of ke by the log-normal conversion
        return 100 * std::sqrt((cvCl * cvCl / 1e4 - cvV * cvV / 1e4) / (cvV * cvV / 1e4 + 1));
    };
    const double bw = 60;
    const double vancomycinCl = 0.119 + 0.00508 * (1 - 40);
    const TSetRow rows[] = {
        {PopulationSet::DigoxinOral, 1, {{Vd, 0, 20}, {Ka, 1.92, 70}, {Cl, 0, 50}, {Ke, 0, logNormal(50, 20)}, {F, 0.746, 0}}},
        {PopulationSet::DigoxinOral, 3, {{Vd, 0, 20}, {Ka, 1.92, 70}, {Cl, 0, 50}, {Ke, 0, logNormal(50, 20)}, {F, 1.0, 0}}},
        {PopulationSet::DigoxinInjection, 4, {{Vd, 0, 20}, {Cl, 0, 50}, {Ke, 0, logNormal(50, 20)}}},
        {PopulationSet::TheophyllineA, 1,
         {{Vd, 0.45, 20}, {Ka, 0.5, 70}, {Cl, 0.0448, 23.8}, {Ke, 0.0448 / 0.45, logNormal(23.8, 20)}, {F, 1.0, 0}}},
        {PopulationSet::Aminophylline, 1, {{Vd, 0.45, 20}, {Cl, 0.0448, 23.8}, {Ke, 0.0448 / 0.45, logNormal(23.8, 20)}, {F, 1.0, 0}}},
        {PopulationSet::TheophyllineC, 3,
         {{Vd, 0.441, 26.9}, {Ka, 0.194, 20}, {Cl, 0.0336, 28.9}, {Ke, 0.0336 / 0.441, 28.9 / 26.9}, {F, 0.908, 16.6}}},
        {PopulationSet::TheophyllineB, 4,
         {{Vd, 0.32, 29}, {Ka, 0.0904, 19}, {Cl, 0.0372, 31}, {Ke, 0.0372 / 0.32, 31.0 / 29}, {F, 1.0, 1.0}}},
        {PopulationSet::Phenytoin, 1, {{Vd, 0.65, 30}, {Ka, 0.55, 52}, {F, 0.9, 0}, {Km, 2.98, 37}, {Vmax, 6.26 / 24, 17}}},
        {PopulationSet::Phenytoin, 2, {{Vd, 0.65, 30}, {Ka, 0.55, 52}, {F, 1.0, 0}, {Km, 2.98, 37}, {Vmax, 6.26 / 24, 17}}},
        {PopulationSet::Phenobarbital, 1, {{Vd, 0.7, 20}, {Ka, 0.28, 70}, {Cl, 0.0053, 50}, {Ke, 0.0053 / 0.7, 0}, {F, 0.95, 0}}},
        {PopulationSet::Phenobarbital, 5, {{Vd, 0.7, 20}, {Ka, 0.84, 70}, {Cl, 0.0053, 50}, {Ke, 0.0053 / 0.7, 0}, {F, 0.95, 0}}},
        {PopulationSet::PhenobarbitalInfusion, 6, {{Vd, 0.7, 20}, {Cl, 0.0053, 50}, {Ke, 0.0053 / 0.7, 0}}},
        {PopulationSet::Carbamazepine, 1, {{Vd, 1.61, 35}, {Ka, 1.23, 86}, {Ke, 0, 30}, {F, 1.0, 0}}},
        {PopulationSet::ValproicAcidProduct2, 2, {{Vd, 0.254, 31.2}, {Ka, 0.23, 100}, {Ke, 0, 21.8}, {F, 1.0, 1.0}}},
        {PopulationSet::ValproicAcidOther, 1, {{Vd, 0.254, 31.2}, {Ka, 1.92, 120}, {Ke, 0, 21.8}, {F, 1.0, 1.0}}},
        {PopulationSet::Zonisamide, 1, {{Vd, 1.1, 20}, {Ka, 0.7, 70}, {Cl, 0.0115, 50}, {Ke, 0.0115 / 1.1, 0}, {F, 0.95, 0}}},
        {PopulationSet::LevetiracetamA, 1,
         {{Vd, 0.6375 * bw, 12.2}, {Ka, 2.56, 85.8}, {Cl, 0, 19.9}, {Ke, 0, logNormal(19.9, 12.2)}, {F, 1.0, 0}}},
        {PopulationSet::LevetiracetamB, 1,
         {{Vd, 65.3 * bw / 70, 20}, {Ka, 2.44, 70}, {Cl, 0, 50}, {Ke, 0, logNormal(50, 20)}, {F, 1.0, 0}}},
        {PopulationSet::Lamotrigine, 1,
         {{Vd, 55.174, 20}, {Ka, 0.38, 70}, {Cl, 2.2246, 50}, {Ke, 2.2246 / 55.174, logNormal(50, 20)}, {F, 0.98, 0}}},
        {PopulationSet::Arbekacin, 1,
         {{V1, 0.143 * bw, 21.6}, {Cl, 1000, 42.8}, {Ke, 1000 / (0.143 * bw), 42.8}, {F, 1.0, 0}, {K12, 0.753, 36.2},
          {K21, 0.75, 20.9}}},
        {PopulationSet::VancomycinOneCompartment, 1,
         {{Vd, 0.522, 18.8}, {Cl, vancomycinCl, 39.6}, {Ke, vancomycinCl / 0.522, 39.6}, {F, 1.0, 0}}},
        {PopulationSet::VancomycinTwoCompartment, 1,
         {{V1, 0.21 * bw, 20}, {Cl, 1000, 33}, {Ke, 1000 / (0.21 * bw), 33}, {F, 1.0, 0}, {K12, 1.12, 20}, {K21, 0.48, 20}}},
        {PopulationSet::Teicoplanin, 1,
         {{V1, 0.139 * bw, 20}, {Cl, 1000, 50}, {Ke, 1000 / (0.139 * bw), 50}, {F, 1.0, 0}, {K12, 0.2436, 20},
          {K21, 0.0509, 20}}},
        {PopulationSet::Lithium, 1, {{Vd, 0.79, 20}, {Ka, 1.5, 70}, {Ke, 0.0266, 50}, {F, 1.0, 0}}},
        {PopulationSet::Pilsicainide, 1, {{Vd, 1.014, 20}, {Ka, 1.98, 70}, {Cl, 0, 50}, {Ke, 0, logNormal(50, 20)}, {F, 1.0, 0}}},
        {PopulationSet::Meropenem, 1,
         {{V1, 0.199 * bw, 39.8}, {Cl, 0, 41.1}, {Ke, 0, 41.1}, {F, 1.0, 0}, {K12, 4.02 / (0.199 * bw), 36.3},
          {K21, 0.88, 31.4}}},
        {PopulationSet::MethotrexateA, 1, {{V1, 0.379, 23}, {Ke, 0.214, 10.6}, {F, 1.0, 0}, {K12, 0.001, 50.6}, {K21, 0.036, 44.5}}},
        {PopulationSet::MethotrexateB, 1, {{V1, 0.366, 26}, {Ke, 0.265, 13.3}, {F, 1.0, 0}, {K12, 0.002, 59.1}, {K21, 0.04, 45}}},
    };
    std::set<PopulationSet> covered;
    for (const TSetRow& row : rows) {
        covered.insert(row.Set);
        const TPopulationBlock b = PopulationSetValues(row.Set, row.Product, Patient(40, bw));
        TPopulationBlock expected;
        for (const TValue& v : row.Values) {
            expected.Mean[v.Param] = v.Mean;
            expected.Cv[v.Param] = v.Cv;
        }
        for (int i = 0; i < TParamBlock::Count; ++i) {
            const std::string where = PopulationSetName(row.Set).toStdString() + " product "
                + std::to_string(row.Product) + " " + TParamBlock::Name(i);
            EXPECT_DOUBLE_EQ(b.Mean[i], expected.Mean[i]) << where;
            EXPECT_DOUBLE_EQ(b.Cv[i], expected.Cv[i]) << where << " CV";
        }
    }
    EXPECT_EQ(covered.size(), 25u);
}

TEST(PopulationSets, PhenobarbitalClearanceByEveryAge)
{
    const double byAge[] = {0.01855, 0.01855, 0.01431, 0.011395, 0.009646, 0.00848, 0.007685, 0.00689,
                            0.006625, 0.006254, 0.005724, 0.005565, 0.005406, 0.0053, 0.0053};   // ages 0 .. 14
    for (int age = 0; age < static_cast<int>(std::size(byAge)); ++age)
        EXPECT_EQ(PhenobarbitalClearance(age), byAge[age]) << age;
}
