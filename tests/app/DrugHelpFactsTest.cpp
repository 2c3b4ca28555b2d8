#include "DrugHelpFacts.h"

#include <gtest/gtest.h>

// Vancomycin's population page: each model's set under the source label the
// drug page lists, with its values, formulas and CVs, and no internal name.
TEST(DrugHelpFacts, PopulationPageShowsEachSetUnderItsSourceLabel)
{
    const QString page = DrugHelpText(25102, TProgramDrugHelpFacts());
    for (const char* expected : {"＊Vancomycin-A＊<br>【母集団パラメータ】<br>Vd(L/kg): 0.522<br>CL(L/kg/hr): 1歳以上",
                                 "＊Vancomycin-B＊<br>【母集団パラメータ】<br>V1(L): 0.21 × 体重<br>CL(L/hr/kg): 0.045",
                                 "【個体間変動】<br>V1(L): 20%<br>CL(L/hr/kg): 33%<br>K12(1/hr): 20%"})
        EXPECT_TRUE(page.contains(QString::fromUtf8(expected))) << expected << "\n" << page.toStdString();
    EXPECT_FALSE(page.contains(QStringLiteral("compartment")));
}
