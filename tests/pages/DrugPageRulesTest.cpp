// The drug page's per-drug rules over the whole drug master: a listing kept
// by a golden file (checked once by hand), every row of the tables reached,
// and the priors the built-in sets hand the estimation.
#include "DrugKeyUniverse.h"
#include "DrugMaster.h"
#include "DrugSelection.h"
#include "EstimationPrior.h"
#include "ParamTable.h"
#include "PopulationSets.h"

#include <QFile>
#include <QTextStream>
#include <gtest/gtest.h>

#include <cmath>
#include <set>

#ifndef QUORVEL_PAGES_GOLDEN_DIR
#error "the build defines QUORVEL_PAGES_GOLDEN_DIR"
#endif

namespace {

// One choice the page can make: a product row of the master (a model of
// vancomycin) with one of its sources.
struct TChoice {
    TDrugKey Key;
    int SourceIndex;
    QString SourceLabel;
};

TDrugKey PageKey(const TProductEntry& product)
{
    TDrugKey key{product.kubun, product.drug, product.product, 0};
    if (HasModelChoice(key))
        key.algo = product.variant;
    return key;
}

QStringList SourcesOf(const TDrugKey& key)
{
    QStringList labels;
    FillSourceList(labels, key.kubun, key.yakuzai, key.yakuhin, SourceListVariant(key));
    return labels;
}

std::vector<TChoice> AllChoices()
{
    std::vector<TChoice> choices;
    for (const TProductEntry& product : ProductTable()) {
        const TDrugKey key = PageKey(product);
        const QStringList labels = SourcesOf(key);
        for (int i = 0; i < labels.size(); ++i)
            choices.push_back({key, i, labels[i]});
    }
    return choices;
}

QString KeyText(const TDrugKey& key)
{
    return QStringLiteral("%1/%2/%3").arg(key.kubun).arg(key.yakuzai).arg(key.yakuhin);
}

// What the drug page does with every product, model and source.
QStringList DrugPageRules()
{
    QStringList lines;
    for (const TProductEntry& product : ProductTable()) {
        const TDrugKey key = PageKey(product);
        const std::optional<ParamLayout> layout = ParamLayoutFor(key);
        QString line = KeyText(key) + QStringLiteral(" model %1 %2").arg(product.variant).arg(QString::fromUtf8(product.modelName))
            + QStringLiteral(": layout ") + (layout ? ParamLayoutName(*layout) : QStringLiteral("none"));
        if (!IsProductSupported(key))
            line += QStringLiteral(", refused by the product choice");
        lines << line;
        const QStringList labels = SourcesOf(key);
        if (labels.isEmpty())
            lines << QStringLiteral("    no source: no set");
        for (int i = 0; i < labels.size(); ++i) {
            const std::optional<std::size_t> row = PopulationSetRow(key, i, labels[i]);
            lines << QStringLiteral("    source %1 %2: ").arg(i + 1).arg(labels[i])
                         + (row ? QStringLiteral("row %1 %2").arg(*row + 1).arg(
                                      PopulationSetName(PopulationSetRules()[*row].Result.Set))
                                : QStringLiteral("no set"));
        }
    }
    return lines;
}

} // namespace

TEST(DrugPageRules, ListingMatchesTheGoldenFile)
{
    const QString path = QStringLiteral(QUORVEL_PAGES_GOLDEN_DIR "/DrugPageRules.txt");
    const QString listing = DrugPageRules().join(QLatin1Char('\n')) + QLatin1Char('\n');
    if (qEnvironmentVariableIsSet("QUORVEL_UPDATE_GOLDEN")) {
        QFile out(path);
        ASSERT_TRUE(out.open(QIODevice::WriteOnly | QIODevice::Truncate));
        out.write(listing.toUtf8());
    }
    QFile golden(path);
    ASSERT_TRUE(golden.open(QIODevice::ReadOnly)) << path.toStdString();
    EXPECT_EQ(listing.toStdString(), QString::fromUtf8(golden.readAll()).toStdString())
        << "rerun with QUORVEL_UPDATE_GOLDEN=1 and check the difference by hand";
}

TEST(DrugPageRules, EveryRowIsReachedButTheTwoTheophyllineSets)
{
    EXPECT_EVERY_ROW_REACHABLE(ParamLayoutRules());
    std::set<std::size_t> reached;
    for (const TChoice& choice : AllChoices()) {
        if (const std::optional<std::size_t> row = PopulationSetRow(choice.Key, choice.SourceIndex, choice.SourceLabel))
            reached.insert(*row);
    }
    std::vector<std::size_t> unreached;
    for (std::size_t row = 0; row < PopulationSetRules().size(); ++row) {
        if (!reached.count(row))
            unreached.push_back(row);
    }
    // Theophylline-C and Theophylline-B: the master lists no matching source.
    EXPECT_EQ(unreached, (std::vector<std::size_t>{3, 4}));
    EXPECT_EQ(PopulationSetRules().size(), 25u);
}

// The sets whose placeholders (0 or a ke of 0) the covariate models replace.
bool CovariateModelDecides(PopulationSet set)
{
    switch (set) {
    case PopulationSet::DigoxinOral:
    case PopulationSet::DigoxinInjection:
    case PopulationSet::Carbamazepine:
    case PopulationSet::ValproicAcidProduct2:
    case PopulationSet::ValproicAcidOther:
    case PopulationSet::LevetiracetamA:
    case PopulationSet::LevetiracetamB:
    case PopulationSet::Pilsicainide:
    case PopulationSet::Meropenem:
        return true;
    default:
        return false;
    }
}

TEST(DrugPageRules, EveryBuiltInSetHandsTheFitAUsablePrior)
{
    const vcl::TDateTime today = vcl::EncodeDate(2026, 12, 8);
    int judged = 0;
    for (const TChoice& choice : AllChoices()) {
        if (!IsProductSupported(choice.Key))
            continue;
        const std::optional<PopulationSet> set = PopulationSetFor(choice.Key, choice.SourceIndex, choice.SourceLabel);
        ASSERT_TRUE(set) << KeyText(choice.Key).toStdString() << " " << choice.SourceLabel.toStdString();
        const EstimationRoute route = EstimationRouteOf(choice.Key);
        ASSERT_NE(route, EstimationRoute::None) << KeyText(choice.Key).toStdString();
        for (int age = 0; age <= 100; ++age) {
            for (const double weight : {2.5, 14.0, 60.0, 150.0}) {
                for (const vcl::TDateTime birth : {-10000.0, today - 365.25 * age - 100}) {
                    const TPopulationBlock block =
                        SelectPopulationParams(choice.Key, choice.SourceIndex, choice.SourceLabel,
                                               {age, weight, birth, today});
                    for (int i = 0; i < TParamBlock::Count; ++i)
                        ASSERT_TRUE(std::isfinite(block.Mean[i]) && std::isfinite(block.Cv[i]));
                    const TEstimationPrior prior = EstimationPriorOf(route, block.Mean, block.Cv, weight);
                    // The adult line of vancomycin's one-compartment clearance
                    // turns negative at 25 years: the confirm refuses it.
                    const bool refused = *set == PopulationSet::VancomycinOneCompartment && age >= 25;
                    if (CovariateModelDecides(*set) || refused)
                        continue;
                    ++judged;
                    EXPECT_TRUE(prior.Usable()) << PopulationSetName(*set).toStdString() << " age " << age
                                                << " weight " << weight;
                }
            }
        }
    }
    EXPECT_GT(judged, 10000);
}
