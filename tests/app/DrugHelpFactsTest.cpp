#include "DrugHelpFacts.h"

#include <gtest/gtest.h>

// The vancomycin population page tells each model's set under the source
// label the drug page lists, with its values, formulas and CVs in Japanese,
// and no internal set name.
TEST(DrugHelpFacts, PopulationPageShowsEachSetUnderItsSourceLabel)
{
    const QString page = DrugHelpText(25102, TProgramDrugHelpFacts());
    for (const char* expected :
         {"＊Vancomycin-A＊<br>【母集団パラメータ】<br>Vd(L/kg): 0.522<br>CL(L/kg/hr): 1歳以上 0.119",
          "＊Vancomycin-B＊<br>【母集団パラメータ】<br>V1(L): 0.21 × 体重<br>CL(L/hr/kg): 0.045 × CLcr / 体重 + 0.003",
          "【個体間変動】<br>V1(L): 20%<br>CL(L/hr/kg): 33%<br>K12(1/hr): 20%<br>K21(1/hr): 20%",
          "（CLcr: クレアチニンクリアランス(mL/min)、体重: kg、年齢: 歳）"})
        EXPECT_TRUE(page.contains(QString::fromUtf8(expected))) << expected << "\n" << page.toStdString();
    EXPECT_FALSE(page.contains(QStringLiteral("compartment")));
    EXPECT_TRUE(DrugHelpText(22102, TProgramDrugHelpFacts())
                    .contains(QStringLiteral("CL(L/kg/hr): 年齢別 0～19歳 0.0919、20～39歳 0.0645、40歳以上 0.0448")));
}
