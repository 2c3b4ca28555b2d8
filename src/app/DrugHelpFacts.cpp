#include "DrugHelpFacts.h"

#include "SchedulePageRules.h"

QString TProgramDrugHelpFacts::ConcentrationUnit(const TDrugKey& product) const
{
    return QString::fromUtf16(SchedulePageUnitsFor(product).SamplingUnit);
}
