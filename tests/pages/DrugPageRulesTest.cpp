// The drug page's per-drug rules over the whole drug master: a listing kept
// by a golden file (checked once by hand), every row of the tables reached,
// and the priors the built-in sets hand the estimation.
#include "DrugKeyUniverse.h"
#include "DrugPageChoices.h"
#include "DrugMaster.h"
#include "DrugSelection.h"
#include "GoldenFile.h"
#include "AnalysisSettings.h"
#include "CovariateModels.h"
#include "CovariatePanels.h"
#include "DrugChecks.h"
#include "EstimationPrior.h"
#include "ParamTable.h"
#include "PopulationSets.h"

#include <gtest/gtest.h>

#include <cmath>
#include <set>

#ifndef QUORVEL_PAGES_GOLDEN_DIR
#error "the build defines QUORVEL_PAGES_GOLDEN_DIR"
#endif

namespace {

using namespace drugpagetest;

QString PanelText(const TDrugKey& key, int source)
{
    static const char* const names[] = {"clearance", "clearance + heart failure", "clearance + pneumonia",
                                        "symptoms", "co-medication (C)", "co-medication (A)", "enzyme inducer"};
    const std::optional<TPanelChoice> panel = CovariatePanelFor(key, source);
    if (!panel)
        return QStringLiteral("no panel");
    return QStringLiteral("panel %1%2").arg(QString::fromLatin1(names[static_cast<int>(panel->Panel)]),
                                            panel->LagTime ? QStringLiteral(" with lag time") : QString());
}

QString ModelText(const TDrugKey& key, int source, const QString& label)
{
    static const char* const names[] = {"digoxin", "theophylline symptoms", "carbamazepine", "valproic acid",
                                        "levetiracetam enzyme inducer", "levetiracetam clearance", "arbekacin",
                                        "vancomycin two-compartment", "teicoplanin", "pilsicainide", "meropenem"};
    const std::optional<CovariateModel> model = CovariateModelFor(key, source, label);
    return model ? QStringLiteral("model ") + QString::fromLatin1(names[static_cast<int>(*model)])
                 : QStringLiteral("no model");
}

QString ChecksText(const TDrugKey& key, int source)
{
    static const char* const names[] = {"clearance", "clearance without zero tests", "heart failure", "pneumonia",
                                        "co-medication (C)", "co-medication (A)", "enzyme inducer"};
    const std::optional<TCheckSteps> steps = FindFirstMatchWhere(
        DrugCheckRules(), key, [&](const TCheckSteps& row) { return row.Source.Passes(source, QString()); });
    if (!steps)
        return QStringLiteral("no answer checks");
    QString text = QStringLiteral("checks ") + QString::fromLatin1(names[static_cast<int>(steps->First)]);
    if (steps->Then)
        text += QStringLiteral(", ") + QString::fromLatin1(names[static_cast<int>(*steps->Then)]);
    return text;
}

// The rows of each table layout: caption and the parameter shown.
QStringList LayoutLines()
{
    QStringList lines;
    for (int l = 0; l <= static_cast<int>(ParamLayout::MichaelisMentenInfusion); ++l) {
        const ParamLayout layout = static_cast<ParamLayout>(l);
        QStringList rows;
        for (const TParamRowSpec& row : ParamLayoutRows(layout))
            rows << QString::fromUtf16(row.Caption) + QLatin1Char(' ') + QString::fromLatin1(TParamBlock::Name(row.Param));
        lines << ParamLayoutName(layout) + QStringLiteral(": ") + rows.join(QStringLiteral(" | "));
    }
    return lines;
}

// Each panel kind: its page, its groups and captions, where the record keeps
// the answer and what a new analysis starts with.
QStringList PanelLines()
{
    static const char* const names[] = {"clearance", "clearance + heart failure", "clearance + pneumonia",
                                        "symptoms", "co-medication (C)", "co-medication (A)", "enzyme inducer"};
    static const char* const groups[] = {"-", "gbPage1ParaB", "gbPage1ParaC", "gbPage2ParaA", "gbPage2ParaC",
                                         "gbPage2ParaD"};
    QStringList lines;
    for (int p = 0; p <= static_cast<int>(CovariatePanel::EnzymeInducer); ++p) {
        const TPanelSchema& schema = PanelSchemaOf(static_cast<CovariatePanel>(p));
        QString line = QStringLiteral("panel %1: page %2").arg(QString::fromLatin1(names[p])).arg(schema.Page);
        if (schema.Clearance)
            line += QStringLiteral(", gbPage1ParaA");
        if (schema.Group != ChoiceGroup::None) {
            QStringList radios;
            for (const char16_t* radio : schema.Radios)
                radios << QString::fromUtf16(radio);
            line += QStringLiteral(", %1 \"%2\" [%3]")
                        .arg(QString::fromLatin1(groups[static_cast<int>(schema.Group)]), QString::fromUtf16(schema.Caption),
                             radios.join(QStringLiteral(" | ")));
            const TChoiceField& f = schema.Field;
            line += f.Kept == ChoiceKept::TestedRadio
                ? QStringLiteral("; kaiseki_table%1: %2 stores %3, anything else %4")
                      .arg(f.Table).arg(radios[f.Tested]).arg(f.TestedValue).arg(1 - f.TestedValue)
                : QStringLiteral("; kaiseki_table%1 restores by index, stores nothing").arg(f.Table);
            line += QStringLiteral("; new: ")
                    + (schema.DefaultChoice < 0 ? QStringLiteral("neither") : radios[schema.DefaultChoice]);
        }
        lines << line;
    }
    return lines;
}

QString NoticesText(const TDrugKey& key)
{
    QStringList parts;
    for (const QString& notice : ProductNotices(key))
        parts << (notice.startsWith(QStringLiteral("臨床における")) ? QStringLiteral("limited experience")
                                                                   : QStringLiteral("source prompt"));
    switch (NoticeButtonsFor(key)) {
    case NoticeButtons::Lithium:
        parts << QStringLiteral("lithium notice buttons");
        break;
    case NoticeButtons::Fosphenytoin:
        parts << QStringLiteral("fosphenytoin dose table button");
        break;
    case NoticeButtons::None:
        break;
    }
    return parts.isEmpty() ? QString() : QStringLiteral(", ") + parts.join(QStringLiteral(", "));
}

// What the drug page does with every product, model and source.
QStringList DrugPageRules()
{
    QStringList lines = LayoutLines() + PanelLines();
    for (const TProductEntry& product : ProductTable()) {
        const TDrugKey key = PageKey(product);
        const std::optional<ParamLayout> layout = ParamLayoutFor(key);
        QString line = KeyText(key) + QStringLiteral(" model %1 %2").arg(product.variant).arg(QString::fromUtf8(product.modelName))
            + QStringLiteral(": layout ") + (layout ? ParamLayoutName(*layout) : QStringLiteral("none"));
        if (!IsProductSupported(key))
            line += QStringLiteral(", refused by the product choice");
        line += NoticesText(key);
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
            lines << QStringLiteral("        %1; %2; %3")
                         .arg(PanelText(key, i), ModelText(key, i, labels[i]), ChecksText(key, i));
        }
    }
    return lines;
}

} // namespace

TEST(DrugPageRules, ListingMatchesTheGoldenFile)
{
    ExpectMatchesGoldenFile(QStringLiteral(QUORVEL_PAGES_GOLDEN_DIR "/DrugPageRules.txt"), DrugPageRules());
}

// A model takes the creatinine clearance exactly where its panel asks for it.
TEST(DrugPageRules, ModelsTakeTheClearanceWhereThePanelAsksForIt)
{
    std::vector<TChoice> choices = AllChoices();
    choices.push_back({{2, 1, 4, 0}, 0, QStringLiteral("Theophylline-B")});
    int models = 0;
    for (const TChoice& c : choices) {
        const std::optional<CovariateModel> model = CovariateModelFor(c.Key, c.SourceIndex, c.SourceLabel);
        if (!model)
            continue;
        ++models;
        const std::optional<TPanelChoice> panel = CovariatePanelFor(c.Key, c.SourceIndex);
        ASSERT_TRUE(panel) << KeyText(c.Key).toStdString();
        EXPECT_EQ(UsesClearance(*model), PanelSchemaOf(panel->Panel).Clearance) << KeyText(c.Key).toStdString();
    }
    EXPECT_EQ(models, 18);
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

// Every built-in set, with its covariate model over a range of answers, as
// the confirm would store it: the estimation gets a prior of positive finite
// means and CVs, or the confirm refuses the case. The prior check itself
// refuses only vancomycin's one-compartment set from 25 years, whose
// clearance line falls below zero; every other refusal is a missing or
// unusable answer.
TEST(DrugPageRules, EveryPriorHandedOnIsUsableOrRefusedByTheConfirm)
{
    const vcl::TDateTime today = vcl::EncodeDate(2026, 12, 8);
    int usable = 0;
    int refusedAnswers = 0;
    for (const TChoice& choice : AllChoices()) {
        if (!IsProductSupported(choice.Key))
            continue;
        const std::optional<PopulationSet> set = PopulationSetFor(choice.Key, choice.SourceIndex, choice.SourceLabel);
        ASSERT_TRUE(set) << KeyText(choice.Key).toStdString() << " " << choice.SourceLabel.toStdString();
        const EstimationRoute route = EstimationRouteOf(choice.Key);
        ASSERT_NE(route, EstimationRoute::None) << KeyText(choice.Key).toStdString();
        const std::optional<CovariateModel> model =
            CovariateModelFor(choice.Key, choice.SourceIndex, choice.SourceLabel);
        for (int age = 0; age <= 100; ++age) {
            for (const double weight : {2.5, 14.0, 60.0, 150.0}) {
                for (const double clcr : {0.0, 5.0, 59.9999, 60.0, 120.0}) {
                    for (const int answer : {-1, 0, 1}) {
                        TPopulationBlock block = SelectPopulationParams(
                            choice.Key, choice.SourceIndex, choice.SourceLabel, {age, weight, today - 365.25 * age - 100, today});
                        if (model)
                            ApplyCovariateModel(*model, {answer, clcr, weight, age}, block);
                        TDrugCheckInput in{choice.Key, ParamSource::Population, choice.SourceIndex, age, weight, {}, {}};
                        in.Answers.Clearance = {ClearanceEntry::Typed, clcr, 0, -1, clcr};
                        in.Answers.Choice = answer;
                        in.Prior = BlockToStore(choice.Key, ParamSource::Population, block.Mean,
                                                AsGrid(ParamTableFor(choice.Key, block)));
                        const std::vector<TCheckItem> items = CheckDrugInfo(in);
                        const bool refused = !items.empty() && items.back().kind == TCheckItem::Error;
                        const bool byPrior = refused && items.back().Text == UnusablePriorText;
                        const bool adultOneCompartment = *set == PopulationSet::VancomycinOneCompartment && age >= 25;
                        const std::string where = PopulationSetName(*set).toStdString() + " age " + std::to_string(age)
                            + " weight " + std::to_string(weight) + " clcr " + std::to_string(clcr)
                            + " answer " + std::to_string(answer);
                        ASSERT_EQ(byPrior, adultOneCompartment) << where;
                        if (refused) {
                            refusedAnswers += byPrior ? 0 : 1;
                            continue;
                        }
                        ASSERT_TRUE(EstimationPriorOf(route, in.Prior.Mean, in.Prior.Cv, weight).Usable()) << where;
                        ++usable;
                    }
                }
            }
        }
    }
    EXPECT_GT(usable, 50000);
    EXPECT_GT(refusedAnswers, 1000);
}
