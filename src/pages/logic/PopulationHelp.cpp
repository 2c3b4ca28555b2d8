#include "PopulationHelp.h"

#include "CovariateModels.h"
#include "ParamTable.h"

#include <functional>
#include <optional>

namespace {

constexpr int OldestAge = 100;

QString Number(double value)
{
    return QString::number(value, 'g', 6);
}

// One mean or CV of the set, with the model applied, for a patient and the
// answers of the accompanying information.
struct TProbe {
    int Age = 40;
    double Weight = 60;
    vcl::TDateTime Birth = -10000.0;
    int Choice = 0;
    double Clcr = 80;
};
using TValueOf = std::function<double(const TProbe&)>;

// The patients and answers a value is tried on: every age at one weight,
// and at a few ages every weight, birth date, answer and clearance.
std::vector<TProbe> Probes()
{
    std::vector<TProbe> probes;
    for (int age = 0; age <= OldestAge; ++age)
        probes.push_back({age});
    constexpr vcl::TDateTime today = 45000;
    for (int age : {0, 30, 80})
        for (double weight : {10.0, 60.0, 120.0})
            for (vcl::TDateTime birth : {-10000.0, today - 200})
                for (int choice = -1; choice <= 3; ++choice)
                    for (double clcr : {10.0, 60.0, 120.0})
                        probes.push_back({age, weight, age == 0 ? birth : -10000.0, choice, clcr});
    return probes;
}

bool SameForAll(const TValueOf& value, const std::vector<TProbe>& probes)
{
    const double first = value(probes.front());
    for (const TProbe& probe : probes) {
        if (value(probe) != first)
            return false;
    }
    return true;
}

// The value's steps by age ("0～19歳 0.0919、20～39歳 0.0645、40歳以上
// 0.0448") when it follows the age alone and changes in a few steps.
std::optional<QString> AgeSteps(const TValueOf& value, const std::vector<TProbe>& probes, const QString& unit)
{
    // Anything but the age left as it is: then the value must not move.
    for (const TProbe& probe : probes) {
        TProbe ageOnly;
        ageOnly.Age = probe.Age;
        if (value(probe) != value(ageOnly))
            return std::nullopt;
    }
    constexpr int MostSteps = 16;
    QStringList steps;
    int from = 0;
    for (int age = 1; age <= OldestAge + 1; ++age) {
        const double current = value({from});
        if (age <= OldestAge && value({age}) == current)
            continue;
        const QString ages = age > OldestAge ? QStringLiteral("%1歳以上").arg(from)
                             : age - 1 == from ? QStringLiteral("%1歳").arg(from)
                                               : QStringLiteral("%1～%2歳").arg(from).arg(age - 1);
        steps << ages + QLatin1Char(' ') + Number(current) + unit;
        from = age;
    }
    if (steps.size() > MostSteps)
        return std::nullopt;
    return steps.join(QStringLiteral("、"));
}

TPopulationHelpValue Describe(const TValueOf& value, const QString& formula, const QString& unit)
{
    if (!formula.isEmpty())
        return {PopulationValueOrigin::Formula, formula};
    static const std::vector<TProbe> probes = Probes();
    if (SameForAll(value, probes))
        return {PopulationValueOrigin::Fixed, Number(value(probes.front())) + unit};
    if (const std::optional<QString> steps = AgeSteps(value, probes, unit))
        return {PopulationValueOrigin::ByAge, *steps};
    // A mean that follows the patient without a formula to tell: nothing is
    // made up for it.
    return {PopulationValueOrigin::Formula, QString()};
}

} // namespace

std::vector<TPopulationHelpRow> PopulationHelpRows(const TDrugKey& key, int sourceIndex, const QString& sourceLabel)
{
    const std::optional<PopulationSet> set = PopulationSetFor(key, sourceIndex, sourceLabel);
    const std::optional<ParamLayout> layout = ParamLayoutFor(key);
    if (!set || !layout)
        return {};
    const std::optional<CovariateModel> model = CovariateModelFor(key, sourceIndex, sourceLabel);
    auto block = [&](const TProbe& probe) {
        constexpr vcl::TDateTime today = 45000;
        TPopulationBlock values =
            PopulationSetValues(*set, key.yakuhin, {probe.Age, probe.Weight, probe.Birth, today});
        if (model)
            ApplyCovariateModel(*model, {probe.Choice, probe.Clcr, probe.Weight, probe.Age}, values);
        return values;
    };
    std::vector<TPopulationHelpRow> rows;
    for (const TParamRowSpec& spec : ParamLayoutRows(*layout)) {
        const int param = spec.Param;
        QString formula = model ? CovariateMeanFormula(*model, param) : QString();
        if (formula.isEmpty())
            formula = PopulationMeanFormula(*set, param);
        TPopulationHelpRow row;
        row.Caption = QString::fromUtf16(spec.Caption);
        row.Mean = Describe([&](const TProbe& p) { return block(p).Mean[param]; }, formula, QString());
        row.Cv = Describe([&](const TProbe& p) { return block(p).Cv[param]; }, QString(), QStringLiteral("%"));
        rows.push_back(row);
    }
    return rows;
}

QString PopulationFormulaLegend()
{
    return QStringLiteral("CLcr: クレアチニンクリアランス(mL/min)、体重: kg、年齢: 歳");
}
