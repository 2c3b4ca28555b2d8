#include "ChangedRegimens.h"

#include "ScheduleExpansion.h"
#include "ScheduleSetOps.h"
#include "ScheduleSort.h"
#include "ScheduleUndo.h"

namespace {

// The current set as a fresh copy of set 0, administrations and dose events
// rebuilt from it.
void CopyPatientScheduleIntoCurrentSet(TScheduleSets& sets, const TDoseEventContext& context)
{
    const int set = sets.CurSetIndex;
    CopySetPrescriptions(sets.PrescriptionLists[0], sets.CurPrescriptions(), set);
    ExpandPrescriptions(sets.CurPrescriptions(), context.Drug, sets.CurScheduleDays());
    SortByTime(sets.CurScheduleDays());
    BuildDoseEvents(sets.CurScheduleDays(), context, sets.ActiveDoseEvents());
}

} // namespace

void CopySetPrescriptions(const std::vector<TPrescription>& source, std::vector<TPrescription>& target, int set)
{
    if (&source == &target) {
        for (TPrescription& p : target)
            p.result_id = set;
        return;
    }
    target.clear();
    target.reserve(source.size());
    for (const TPrescription& p : source) {
        target.push_back(p);
        target.back().result_id = set;
    }
}

TChangedRegimenResult AddChangedRegimen(TScheduleSets& sets, const TDoseEventContext& context)
{
    const int last = LastScheduleSetIndex(sets);
    if (last >= ScheduleSetCount - 1)
        return TChangedRegimenResult::LimitReached;
    sets.CurSetIndex = last + 1;
    ClearScheduleUndo(sets);
    CopyPatientScheduleIntoCurrentSet(sets, context);
    return TChangedRegimenResult::Added;
}

void ChooseScheduleSet(TScheduleSets& sets, int set)
{
    if (set < 0 || set >= ScheduleSetCount)
        return;
    sets.CurSetIndex = set;
    ClearScheduleUndo(sets);
}

bool ResetChangedRegimen(TScheduleSets& sets, const TDoseEventContext& context)
{
    if (sets.CurSetIndex == 0)
        return false;
    PushScheduleSnapshot(sets);
    CopyPatientScheduleIntoCurrentSet(sets, context);
    return true;
}
