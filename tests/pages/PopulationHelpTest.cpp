#include "DrugPageChoices.h"
#include "GoldenFile.h"
#include "PopulationHelp.h"

#include <gtest/gtest.h>

using namespace drugpagetest;

// Checked once by hand against the sets and the covariate models: for every
// choice of the drug page with a built-in set, each row of its parameter
// table with the origin of its mean and CV. No row is left without words: a
// mean that follows the patient without a formula would show empty here.
TEST(PopulationHelp, EveryRowOfEverySetMatchesTheGoldenList)
{
    const char* origins[] = {"fixed", "by age", "formula"};
    QStringList lines;
    for (const TChoice& c : AllChoices()) {
        const std::vector<TPopulationHelpRow> rows = PopulationHelpRows(c.Key, c.SourceIndex, c.SourceLabel);
        lines << QStringLiteral("%1 model %2 %3").arg(KeyText(c.Key)).arg(c.Key.algo).arg(c.SourceLabel);
        for (const TPopulationHelpRow& row : rows) {
            for (const TPopulationHelpValue* value : {&row.Mean, &row.Cv})
                EXPECT_FALSE(value->Text.isEmpty()) << KeyText(c.Key).toStdString() << " " << row.Caption.toStdString();
            lines << QStringLiteral("    %1: %2 %3; CV %4 %5")
                         .arg(row.Caption, QLatin1String(origins[static_cast<int>(row.Mean.Origin)]), row.Mean.Text,
                              QLatin1String(origins[static_cast<int>(row.Cv.Origin)]), row.Cv.Text);
        }
    }
    ExpectMatchesGoldenFile(QStringLiteral(QUORVEL_PAGES_GOLDEN_DIR "/PopulationHelp.txt"), lines);
}
