#include "DoseEventRules.h"
#include "DrugKeyUniverse.h"
#include "SaltFactors.h"
#include "SchedulePageRules.h"

#include <gtest/gtest.h>

namespace {

struct TSaltCase {
    TDrugKey drug;
    double factor;
    double reciprocal;
};

const TSaltCase SaltCases[] = {
    {{6, 1, 5}, 0.1878467992962512, 5.323487031700288},   // every product of lithium
    {{3, 1, 2}, 0.9198541476754786, 1.0871288698616561},
    {{3, 1, 3}, 0.620987593540764, 1.6103381297815833},
    {{3, 5, 4}, 0.8677417413803479, 1.1524166146591774},
    {{5, 1, 1}, 0.9754931985380727, 1.0251224729179604},
    {{7, 1, 1}, 0.856961774421897, 1.1669131924520157},
};

} // namespace

TEST(SaltFactors, ConversionsUseBothListedColumns)
{
    for (const TSaltCase& c : SaltCases) {
        const std::optional<TSaltFactor> salt = SaltFactorFor(c.drug);
        ASSERT_TRUE(salt.has_value()) << c.drug.kubun << "/" << c.drug.yakuzai << "/" << c.drug.yakuhin;
        EXPECT_EQ(salt->Factor, c.factor);
        EXPECT_EQ(salt->Reciprocal, c.reciprocal);
        // The schedule stores the moiety and shows the formulation again:
        // every whole amount a user can enter survives the round trip.
        for (int amount = 1; amount <= 5000; ++amount)
            ASSERT_EQ(MoietyToFormulation(c.drug, FormulationToMoiety(c.drug, amount)), amount);
    }
    EXPECT_EQ(FormulationToMoiety({6, 1, 1}, 400), 400 * 0.1878467992962512);
    EXPECT_EQ(MoietyToFormulation({6, 1, 1}, 100), 532);   // floor(532.3487... + 0.5)

    // Phenytoin product 1, other drugs: no conversion and no rounding.
    for (const TDrugKey drug : {TDrugKey{3, 1, 1}, TDrugKey{6, 2, 1}, TDrugKey{1, 1, 1}, TDrugKey{0, 0, 0}}) {
        EXPECT_FALSE(SaltFactorFor(drug).has_value());
        EXPECT_EQ(MoietyToFormulation(drug, 12.34), 12.34);
    }
}

TEST(DoseEventRules, InfusionKeys)
{
    for (const TDrugKey drug : {TDrugKey{1, 1, 4}, TDrugKey{2, 2, 1}, TDrugKey{3, 1, 2}, TDrugKey{3, 1, 3},
                                TDrugKey{3, 2, 6}, TDrugKey{4, 1, 1}, TDrugKey{5, 1, 1}, TDrugKey{5, 2, 1},
                                TDrugKey{8, 1, 1}, TDrugKey{9, 1, 3}})
        EXPECT_EQ(AdministrationOf(drug), Administration::Infusion) << drug.kubun << "/" << drug.yakuzai << "/" << drug.yakuhin;
    for (const TDrugKey drug : {TDrugKey{1, 1, 3}, TDrugKey{3, 1, 1}, TDrugKey{5, 1, 2}, TDrugKey{9, 2, 1}})
        EXPECT_EQ(AdministrationOf(drug), Administration::Single) << drug.kubun << "/" << drug.yakuzai << "/" << drug.yakuhin;
}

TEST(DrugRules, EveryRowOfTheScheduleTablesIsReachable)
{
    EXPECT_EVERY_ROW_REACHABLE(SaltFactorRules());
    EXPECT_EVERY_ROW_REACHABLE(EventAmountFactorRules());
    EXPECT_EVERY_ROW_REACHABLE(AdministrationRules());
}

TEST(SchedulePageRules, UnitsFormatsAndLabelsByDrug)
{
    EXPECT_EVERY_ROW_REACHABLE(SchedulePageUnitRules());
    EXPECT_EVERY_ROW_REACHABLE(InitialValueButtonRules());
    // The moiety cell is there exactly for the drugs with a salt factor.
    for (const TDrugKey& drug : testing_seams::AllDrugKeys())
        EXPECT_EQ(SchedulePageUnitsFor(drug).Moiety.has_value(), SaltFactorFor(drug).has_value())
            << testing_seams::KeyText(drug).toStdString();

    const auto sampling = [](TDrugKey drug) { return QString::fromUtf16(SchedulePageUnitsFor(drug).SamplingUnit); };
    EXPECT_EQ(sampling({1, 1, 4}), QStringLiteral("ng/mL"));
    EXPECT_EQ(sampling({6, 1, 2}), QStringLiteral("mEq/L"));
    EXPECT_EQ(sampling({9, 1, 1}), QStringLiteral("μM"));
    EXPECT_EQ(sampling({5, 2, 1}), QStringLiteral("μg/mL"));
    EXPECT_EQ(QString::fromUtf16(SchedulePageUnitsFor({1, 1, 2}).DoseFormat), QStringLiteral("0.000"));
    EXPECT_EQ(QString::fromUtf16(SchedulePageUnitsFor({3, 1, 2}).InfusionFormat), QStringLiteral("0.00"));
    const TMoietyLabels valproate = *SchedulePageUnitsFor({3, 5, 1}).Moiety;
    EXPECT_EQ(QString::fromUtf16(valproate.FormulationChoice), QStringLiteral("バルプロ酸Na量"));
    EXPECT_EQ(QString::fromUtf16(valproate.FormulationLabel), QStringLiteral("成分量"));
    EXPECT_EQ(SchedulePageUnitsFor({6, 1, 1}).Moiety->MoietyMax, 939.2);

    EXPECT_EQ(InitialValueButtonFor({5, 1, 1, 2}), TPageItem::Hidden);
    EXPECT_EQ(InitialValueButtonFor({5, 1, 1, 1}), TPageItem::Shown);
    EXPECT_EQ(ProductAmountNoteFor({2, 2, 1}), TPageItem::Shown);
    EXPECT_EQ(ProductAmountNoteFor({3, 1, 1}), TPageItem::Hidden);
    EXPECT_EQ(LoadedCasePeriodFor({9, 1, 1}), TDosePeriod::StartOnly);
    EXPECT_EQ(LoadedCasePeriodFor({5, 1, 1}), TDosePeriod::Open);
}
