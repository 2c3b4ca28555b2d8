#include "DrugHelpFacts.h"

#include "DrugMaster.h"
#include "DrugSelection.h"
#include "PopulationSets.h"
#include "SchedulePageRules.h"

QString TProgramDrugHelpFacts::ConcentrationUnit(const TDrugKey& product) const
{
    return QString::fromUtf16(SchedulePageUnitsFor(product).SamplingUnit);
}

QStringList TProgramDrugHelpFacts::PopulationLines(const TDrugKey& product, int syuttenId) const
{
    QStringList labels;
    FillSourceList(labels, product.kubun, product.yakuzai, product.yakuhin, SourceListVariant(product));
    const int index = syuttenId - 1;
    if (index < 0 || index >= labels.size())
        return {};
    const std::optional<PopulationSet> set = PopulationSetFor(product, index, labels[index]);
    if (!set)
        return {};
    // The means and CVs follow the patient's age, weight and renal function:
    // the drug page computes them for the patient at hand.
    return {QStringLiteral("パラメータセット: %1").arg(PopulationSetName(*set)),
            QStringLiteral("平均値と個体間変動（CV%）は患者の年齢・体重・腎機能から薬剤情報画面で求められ、"
                           "パラメータ表に表示されます。")};
}
