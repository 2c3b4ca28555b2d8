#include "ScheduleSetOps.h"

#include "ScheduleSort.h"

#include <algorithm>

int LastScheduleSetIndex(const TScheduleSets& sets)
{
    int last = 0;
    for (int i = 1; i < ScheduleSetCount; ++i) {
        if (sets.PrescriptionLists[i].empty())
            break;
        last = i;
    }
    return last;
}

void ClearCurrentScheduleSet(TScheduleSets& sets)
{
    sets.CurPrescriptions().clear();
    sets.CurScheduleDays().clear();
    sets.ActiveDoseEvents().clear();
}

DoseEventsResult RebuildDoseEvents(TScheduleSets& sets, const TDoseEventContext& context, int lastSet)
{
    DoseEventsResult result = DoseEventsResult::Built;
    for (int set = 0; set <= lastSet && set < ScheduleSetCount; ++set) {
        SortByTime(sets.ScheduleDayLists[set]);
        if (BuildDoseEvents(sets.ScheduleDayLists[set], context, sets.DoseEventLists[set])
            == DoseEventsResult::TooManyEvents)
            result = DoseEventsResult::TooManyEvents;
    }
    return result;
}

void ClearAllScheduleSets(TScheduleSets& sets)
{
    for (int i = 0; i < ScheduleSetCount; ++i) {
        sets.PrescriptionLists[i].clear();
        sets.ScheduleDayLists[i].clear();
        sets.DoseEventLists[i].clear();
    }
    sets.Samplings.clear();
}

int LastListedScheduleSet(const TScheduleSets& sets)
{
    return std::max(LastScheduleSetIndex(sets), sets.CurSetIndex);
}

QStringList ScheduleSetChoices(int last)
{
    QStringList choices{ScheduleSetName(0)};
    for (int set = 1; set <= last && set < ScheduleSetCount; ++set)
        choices << ScheduleSetName(set);
    return choices;
}

QString ScheduleSetName(int set)
{
    return set == 0 ? QStringLiteral("患者データ") : QStringLiteral("変更%1").arg(set);
}
