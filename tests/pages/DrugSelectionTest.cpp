#include "DrugSelection.h"
#include "ParamTable.h"

#include <gtest/gtest.h>

namespace {

TAnalysisRecord Analysed(int kaisekiId, double date)
{
    TAnalysisRecord a;
    a.kaiseki_id = kaisekiId;
    a.analysis_date = date;
    return a;
}

TDrugSelection Chosen(int kubun, int drug, int product)
{
    TDrugSelection s;
    s.CategoryIndex = kubun - 1;
    s.DrugIndex = drug - 1;
    s.ProductIndex = product - 1;
    return s;
}

} // namespace

// The notices and their order are walked on the page; these keys the page never offers.
TEST(DrugSelection, ProductsRefusedAndTheirNoticeButtons)
{
    for (const TDrugKey refused : {TDrugKey{2, 1, 3, 0}, TDrugKey{2, 1, 4, 0}, TDrugKey{3, 3, 1, 0}, TDrugKey{3, 5, 5, 0}})
        EXPECT_FALSE(IsProductSupported(refused)) << refused.yakuzai << "/" << refused.yakuhin;
    EXPECT_TRUE(IsProductSupported({2, 1, 2, 0}));
    EXPECT_TRUE(IsProductSupported({3, 5, 4, 0}));
    EXPECT_EQ(ProductNotices({3, 7, 1, 0}).size(), 1);
    EXPECT_TRUE(ProductNotices({5, 1, 1, 0}).isEmpty());
    EXPECT_EQ(NoticeButtonsFor({3, 1, 3, 0}), NoticeButtons::Fosphenytoin);
    EXPECT_EQ(NoticeButtonsFor({3, 1, 2, 0}), NoticeButtons::None);
}

TEST(DrugSelection, ConfirmNeedsTheModelAndTheChosenSourcesItem)
{
    TDrugSelection s = Chosen(5, 1, 1);
    s.SourceIndex = 0;
    EXPECT_FALSE(IsDrugInputComplete(s));   // vancomycin without a model
    s.ModelIndex = 1;
    EXPECT_TRUE(IsDrugInputComplete(s));
    EXPECT_EQ(SelectedDrugKey(s), (TDrugKey{5, 1, 1, 2}));
    s.Source = ParamSource::PastAnalysis;
    EXPECT_FALSE(IsDrugInputComplete(s));
    s.PastIndex = 0;
    EXPECT_TRUE(IsDrugInputComplete(s));
    s.Source = ParamSource::Manual;
    s.PastIndex = -1;
    EXPECT_TRUE(IsDrugInputComplete(s));

    TDrugSelection digoxin = Chosen(1, 1, 2);
    digoxin.ModelIndex = 1;   // a hidden model list counts for nothing
    EXPECT_EQ(SelectedDrugKey(digoxin), (TDrugKey{1, 1, 2, 0}));
    EXPECT_FALSE(IsDrugInputComplete(digoxin));
    digoxin.SourceIndex = 0;
    EXPECT_TRUE(IsDrugInputComplete(digoxin));
    EXPECT_FALSE(IsDrugInputComplete(Chosen(1, 0, 2)));
    EXPECT_EQ(PastAnalysisVariant({1, 1, 2, 0}), 0);
    EXPECT_EQ(PastAnalysisVariant({5, 1, 1, 2}), 2);
    EXPECT_EQ(SourceListVariant({3, 7, 1, 0}), 1);
}

TEST(DrugSelection, PastAnalysesOfOneDayCarryACounter)
{
    const double day = vcl::EncodeDate(2026, 12, 1);
    const std::vector<TAnalysisRecord> past = {Analysed(0, day), Analysed(3, day), Analysed(4, day),
                                               Analysed(1, day + 1), Analysed(2, day + 1)};
    EXPECT_EQ(PastAnalysisItems(past), (QStringList{"2026/12/01", "2026/12/01(1)", "2026/12/01(2)", "2026/12/02",
                                                    "2026/12/02(1)"}));
    EXPECT_EQ(PastAnalysisIndexOf(past, 4), 2);
    EXPECT_EQ(PastAnalysisIndexOf(past, 7), -1);
    EXPECT_EQ(PastAnalysisIndexOf(past, -1), -1);
}

TEST(ParamTable, LayoutsFollowTheKeyAndUnusedRowsAreEmpty)
{
    TPopulationBlock values;
    for (int i = 0; i < TParamBlock::Count; ++i) {
        values.Mean[i] = i + 1;
        values.Cv[i] = 10 * (i + 1);
    }
    const TParamTable methotrexate = ParamTableFor({9, 1, 1, 0}, values);
    // The value is per kilogram (0.379 L/kg in the built-in set).
    EXPECT_EQ(methotrexate[0].Caption, QStringLiteral("V1(L/kg)"));
    EXPECT_EQ(methotrexate[4].Caption, QStringLiteral("F"));
    EXPECT_EQ(methotrexate[1].Mean, values.Mean.ke);
    EXPECT_EQ(methotrexate[1].Cv, values.Cv.ke);

    const TParamTable aminophylline = ParamTableFor({2, 2, 1, 0}, values);
    EXPECT_EQ(aminophylline[1].Mean, values.Mean.cl);
    EXPECT_EQ(aminophylline[2].Caption, QString());
    EXPECT_EQ(aminophylline[2].Mean, 0);
    EXPECT_EQ(ParamTableFor({5, 1, 1, 1}, values)[1].Caption, QStringLiteral("CL(L/kg/hr)"));   // L8
    EXPECT_EQ(ParamTableFor({5, 1, 1, 2}, values)[1].Caption, QStringLiteral("CL(L/hr/kg)"));   // L6
    EXPECT_EQ(ParamTableFor({5, 1, 1, 0}, values)[0].Caption, QString());
    EXPECT_EQ(ParamTableFor({3, 3, 1, 0}, values)[0].Caption, QString());   // primidone
    for (int row = 0; row < ParamTableRowCount; ++row)
        EXPECT_EQ(ParamTableFor({2, 1, 3, 0}, values)[row].Caption, ParamTableFor({2, 1, 4, 0}, values)[row].Caption);
    EXPECT_EQ(ParamTableFor({3, 1, 1, 0}, values)[3].Caption, QStringLiteral("Vmax(mg/kg/hr)"));
    EXPECT_EQ(ParamTableFor({3, 1, 3, 0}, values)[1].Caption, QStringLiteral("Km(mg/L)"));
}
