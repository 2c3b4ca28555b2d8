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

    struct Case {
        TDrugKey drug;
        const char16_t* sampling;
        const char16_t* dose;        // the dose cell and the calendar
        const char16_t* listAmount;
        const char16_t* listHours;
        const char16_t* infusion;
        double moietyMax;            // 0: no moiety cell
        const char16_t* moiety;
        const char16_t* choice;      // RadioButton11
        const char16_t* label;       // beside the formulation cell
        const char16_t* note;        // Label77
    };
    const char16_t* formulation = u"製剤量";
    const char16_t* note = u"※表示している投与量は製剤量です。";
    const Case cases[] = {
        {{1, 1, 1}, u"ng/mL", u"0.000", u"0.000", u"0.0", u"0.0", 0, u"", u"", u"", u""},
        {{1, 1, 4}, u"ng/mL", u"0.000", u"0.000", u"0.0", u"0.0", 0, u"", u"", u"", u""},
        {{6, 1, 2}, u"mEq/L", u"0", u"0", u"0.00", u"0.0", 939.2, u"リチウム量", formulation, formulation, note},
        {{3, 1, 2}, u"μg/mL", u"0", u"0", u"0.00", u"0.00", 4599.3, u"フェニトイン量", formulation, formulation, note},
        {{3, 1, 3}, u"μg/mL", u"0", u"0", u"0.00", u"0.00", 3104.9, u"フェニトイン量", formulation, formulation, note},
        {{3, 5, 1}, u"μg/mL", u"0", u"0", u"0.00", u"0.0", 4338.7, u"バルプロ酸量", u"バルプロ酸Na量", u"成分量",
         u"※表示している投与量はバルプロ酸Na量です。"},
        {{5, 1, 1, 2}, u"μg/mL", u"0", u"0", u"0.00", u"0.0", 4877.5, u"バンコマイシン量", formulation, formulation, note},
        {{7, 1, 1}, u"μg/mL", u"0", u"0", u"0.00", u"0.0", 4284.8, u"ピルシカイニド量", formulation, formulation, note},
        {{9, 1, 1}, u"μM", u"0", u"0", u"0.0", u"0.0", 0, u"", u"", u"", u""},
        {{3, 1, 1}, u"μg/mL", u"0", u"0", u"0.0", u"0.0", 0, u"", u"", u"", u""},
        {{5, 2, 1}, u"μg/mL", u"0", u"0", u"0.0", u"0.0", 0, u"", u"", u"", u""},
    };
    const auto text = [](const char16_t* t) { return QString::fromUtf16(t); };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing_seams::KeyText(c.drug).toStdString());
        const TSchedulePageUnits units = SchedulePageUnitsFor(c.drug);
        EXPECT_EQ(text(units.DoseUnit), QStringLiteral("mg"));
        EXPECT_EQ(text(units.SamplingUnit), text(c.sampling));
        EXPECT_EQ(text(units.DoseFormat), text(c.dose));
        EXPECT_EQ(text(units.ListAmountFormat), text(c.listAmount));
        EXPECT_EQ(text(units.ListHoursFormat), text(c.listHours));
        EXPECT_EQ(text(units.InfusionFormat), text(c.infusion));
        ASSERT_EQ(units.Moiety.has_value(), c.moietyMax > 0);
        if (!units.Moiety)
            continue;
        EXPECT_EQ(units.Moiety->MoietyMax, c.moietyMax);
        EXPECT_EQ(text(units.Moiety->MoietyName), text(c.moiety));
        EXPECT_EQ(text(units.Moiety->FormulationChoice), text(c.choice));
        EXPECT_EQ(text(units.Moiety->FormulationLabel), text(c.label));
        EXPECT_EQ(text(units.Moiety->Note), text(c.note));
    }

    // "初期値" is hidden for the two-compartment models, the product note shown for 2/1 and 2/2.
    for (const TDrugKey& drug : testing_seams::AllDrugKeys()) {
        const auto is = [&drug](int kubun, int yakuzai, int yakuhin) {
            return drug.kubun == kubun && drug.yakuzai == yakuzai && (yakuhin == 0 || drug.yakuhin == yakuhin);
        };
        const bool twoCompartments = is(4, 1, 1) || (is(5, 1, 1) && drug.algo == 2) || is(5, 2, 1) || is(8, 1, 1)
                                     || is(9, 1, 0);
        EXPECT_EQ(InitialValueButtonFor(drug), twoCompartments ? TPageItem::Hidden : TPageItem::Shown)
            << testing_seams::KeyText(drug).toStdString();
        EXPECT_EQ(ProductAmountNoteFor(drug), is(2, 1, 0) || is(2, 2, 0) ? TPageItem::Shown : TPageItem::Hidden)
            << testing_seams::KeyText(drug).toStdString();
    }
    EXPECT_EQ(LoadedCasePeriodFor({9, 1, 1}), TDosePeriod::StartOnly);
    EXPECT_EQ(LoadedCasePeriodFor({5, 1, 1}), TDosePeriod::Open);
}
