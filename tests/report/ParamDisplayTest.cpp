#include "DrugMaster.h"
#include "NumberFormat.h"
#include "ParamTable.h"
#include "StringGridEx.h"
#include "Ucommon.h"
#include "uDispParam.h"

#include <QCoreApplication>
#include <algorithm>
#include <gtest/gtest.h>

namespace {

TAnalysisRecord Analysis(int kubun, int drug, int product, int algo = 0)
{
    TAnalysisRecord analysis = ResetAnalysisRecord();
    analysis.kubun_id = kubun;
    analysis.yakuzainame_id = drug;
    analysis.yakuhinname_id = product;
    analysis.analysis_algo = algo;
    for (int p = 0; p < TParamBlock::Count; ++p) {
        analysis.bosyudan[p] = 1 + p;
        analysis.bosyudan_vari[p] = 10 + p;
        analysis.kaiseki[p] = 0.5 + p;
        analysis.kaiseki_vari[p] = 20 + p;
    }
    analysis.ss = 0.01234;
    return analysis;
}

QStringList Labels(const TParamTable& table)
{
    QStringList labels;
    for (int row = 1; row < ParamTableRows; ++row)
        labels << table.Cells[static_cast<std::size_t>(row)][0];
    while (!labels.isEmpty() && labels.back().isEmpty())
        labels.pop_back();
    return labels;
}

} // namespace

TEST(ParamTable, RowLayoutsByDrug)
{
    struct Case {
        TAnalysisRecord analysis;
        QStringList labels;
    };
    const Case cases[] = {
        {Analysis(2, 1, 3), {"Vd(L/kg)", "Ka(1/hr)", "CL(L/kg/hr)", "F"}},
        {Analysis(1, 1, 2), {"Vd(L)", "Ka(1/hr)", "CL(L/hr)", "F"}},
        {Analysis(3, 5, 4), {"Vd(L/kg)", "Ka(1/hr)", "Ke(1/hr)", "F"}},
        {Analysis(1, 1, 4), {"Vd(L)", "CL(L/hr)"}},
        {Analysis(5, 1, 1, 1), {"Vd(L/kg)", "CL(L/kg/hr)"}},
        {Analysis(5, 1, 1, 2), {"V1(L)", "CL(L/hr/kg)", "K12(1/hr)", "K21(1/hr)"}},
        {Analysis(5, 1, 1, 0), {}},
        {Analysis(9, 1, 1), {"V1(L/kg)", "Ke(1/hr)", "K12(1/hr)", "K21(1/hr)", "F"}},
        {Analysis(3, 2, 6), {"Vd(L/kg)", "CL(L/kg/hr)"}},
        {Analysis(3, 1, 1), {"Vd(L/kg)", "Ka(1/hr)", "Km(mg/L)", "Vm(mg/kg/hr)", "F"}},
        {Analysis(3, 1, 3), {"Vd(L/kg)", "Km(mg/L)", "Vm(mg/kg/hr)"}},
        {Analysis(3, 3, 1), {}},
        // The rest of each layout's keys.
        {Analysis(2, 1, 4), {"Vd(L/kg)", "Ka(1/hr)", "CL(L/kg/hr)", "F"}},
        {Analysis(3, 2, 5), {"Vd(L/kg)", "Ka(1/hr)", "CL(L/kg/hr)", "F"}},
        {Analysis(3, 6, 2), {"Vd(L/kg)", "Ka(1/hr)", "CL(L/kg/hr)", "F"}},
        {Analysis(7, 1, 1), {"Vd(L/kg)", "Ka(1/hr)", "CL(L/kg/hr)", "F"}},
        {Analysis(3, 7, 1), {"Vd(L)", "Ka(1/hr)", "CL(L/hr)", "F"}},
        {Analysis(3, 8, 1), {"Vd(L)", "Ka(1/hr)", "CL(L/hr)", "F"}},
        {Analysis(3, 4, 2), {"Vd(L/kg)", "Ka(1/hr)", "Ke(1/hr)", "F"}},
        {Analysis(6, 1, 1), {"Vd(L/kg)", "Ka(1/hr)", "Ke(1/hr)", "F"}},
        {Analysis(4, 1, 1), {"V1(L)", "CL(L/hr/kg)", "K12(1/hr)", "K21(1/hr)"}},
        {Analysis(5, 2, 1), {"V1(L)", "CL(L/hr/kg)", "K12(1/hr)", "K21(1/hr)"}},
        {Analysis(8, 1, 1), {"V1(L)", "CL(L/hr/kg)", "K12(1/hr)", "K21(1/hr)"}},
        {Analysis(2, 2, 1), {"Vd(L/kg)", "CL(L/kg/hr)"}},
        {Analysis(3, 1, 2), {"Vd(L/kg)", "Km(mg/L)", "Vm(mg/kg/hr)"}},
    };
    for (const Case& c : cases)
        EXPECT_EQ(Labels(BuildParamTable(c.analysis)), c.labels)
            << c.analysis.kubun_id << "/" << c.analysis.yakuzainame_id << "/" << c.analysis.yakuhinname_id;

    // Km is the `a` column of every block, four decimals whatever the size.
    TAnalysisRecord phenytoin = Analysis(3, 1, 1);
    phenytoin.kaiseki_vari.a = 0;
    const TParamTable table = BuildParamTable(phenytoin);
    EXPECT_EQ(table.Cells[3], (std::array<QString, 5>{"Km(mg/L)", "7.0000", "16.0000", "6.5000", "0.0000"}));
    EXPECT_EQ(table.Ss, "0.0123");

    // Every product of the drug master: each row shows the four fields of the
    // parameter its label names (Analysis() gives each parameter its own values).
    const std::pair<QString, int> parameters[] = {{"Ka(", 0}, {"Ke(", 1},  {"Vd(", 2},  {"V1(", 3},  {"F", 5},
                                                  {"Km(", 6}, {"Vm(", 7}, {"K12(", 8}, {"K21(", 9}, {"CL(", 11}};
    for (const TProductEntry& product : ProductTable()) {
        const TAnalysisRecord analysis = Analysis(product.kubun, product.drug, product.product, product.variant);
        const TParamTable table = BuildParamTable(analysis);
        for (int row = 1; row < ParamTableRows; ++row) {
            const auto& cells = table.Cells[static_cast<std::size_t>(row)];
            if (cells[0].isEmpty())
                continue;
            const auto named = std::find_if(std::begin(parameters), std::end(parameters),
                                            [&](const auto& p) { return cells[0].startsWith(p.first); });
            ASSERT_NE(named, std::end(parameters)) << cells[0].toStdString();
            const int p = named->second;
            const QString expected[] = {cells[0], vcl::FormatFloat("0.0000", 1 + p), vcl::FormatFloat("0.0000", 10 + p),
                                        vcl::FormatFloat("0.0000", 0.5 + p), vcl::FormatFloat("0.0000", 20 + p)};
            for (int column = 1; column < ParamTableColumns; ++column)
                EXPECT_EQ(cells[static_cast<std::size_t>(column)], expected[column])
                    << product.kubun << "/" << product.drug << "/" << product.product << " " << cells[0].toStdString();
        }
    }
}

TEST(ParamDisplay, ShowsTheCurrentAnalysisAndClearsWhatAnEarlierOneLeft)
{
    TfrmDispParam form;
    EXPECT_EQ(form.StringGridEx2->FindRange(4, 0)->Text(), "推定分散");
    CurrentAnalysis = Analysis(2, 1, 1);
    form.show();
    QCoreApplication::processEvents();
    EXPECT_EQ(form.StringGridEx2->Cells(0, 4), "F");
    EXPECT_EQ(form.StringGridEx2->Cells(3, 4), "5.5000");

    // Aminophylline has two rows: rows 3 to 6 are blank again.
    FillParamTable(form, Analysis(2, 2, 1));
    EXPECT_EQ(form.StringGridEx2->Cells(0, 2), "CL(L/kg/hr)");
    for (int row = 3; row < ParamTableRows; ++row)
        for (int column = 0; column < ParamTableColumns; ++column)
            EXPECT_EQ(form.StringGridEx2->Cells(column, row), "") << column << "," << row;

    // Primidone: an empty table, the objective value shown.
    FillParamTable(form, Analysis(3, 3, 1));
    EXPECT_EQ(form.StringGridEx2->Cells(0, 1), "");
    EXPECT_EQ(form.StringGridEx7->Cells(0, 0), "0.0123");
    form.hide();
    CurrentAnalysis = ResetAnalysisRecord();
}
