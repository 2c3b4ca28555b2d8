#include "DrugHelpFacts.h"

#include "DrugMaster.h"
#include "DrugSelection.h"
#include "PopulationHelp.h"
#include "SchedulePageRules.h"

QString TProgramDrugHelpFacts::ConcentrationUnit(const TDrugKey& product) const
{
    return QString::fromUtf16(SchedulePageUnitsFor(product).SamplingUnit);
}

TPopulationFacts TProgramDrugHelpFacts::PopulationFacts(const TDrugKey& product, int syuttenId) const
{
    QStringList labels;
    FillSourceList(labels, product.kubun, product.yakuzai, product.yakuhin, SourceListVariant(product));
    const int index = syuttenId - 1;
    if (index < 0 || index >= labels.size())
        return {};
    TPopulationFacts facts;
    bool followsPatient = false;
    auto line = [&followsPatient](const QString& caption, const TPopulationHelpValue& value) {
        followsPatient = followsPatient || value.Origin != PopulationValueOrigin::Fixed;
        const QString text = value.Text.isEmpty() ? QStringLiteral("薬剤情報画面で患者ごとに求められます")
                             : value.Origin == PopulationValueOrigin::ByAge ? QStringLiteral("年齢別 ") + value.Text
                                                                            : value.Text;
        return QStringLiteral("%1: %2").arg(caption, text);
    };
    for (const TPopulationHelpRow& row : PopulationHelpRows(product, index, labels[index])) {
        facts.Means << line(row.Caption, row.Mean);
        facts.Variability << line(row.Caption, row.Cv);
    }
    if (followsPatient)
        facts.Notes << QStringLiteral("（%1）").arg(PopulationFormulaLegend());
    return facts;
}
