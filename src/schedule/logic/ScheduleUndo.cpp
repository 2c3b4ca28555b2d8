#include "ScheduleUndo.h"

#include <utility>

void PushScheduleSnapshot(TScheduleSets& sets)
{
    while (sets.UndoList.size() >= static_cast<std::size_t>(MaxUndoSteps))
        sets.UndoList.pop_front();
    sets.UndoList.push_back(TScheduleSnapshot{sets.CurPrescriptions(), sets.Samplings});
}

bool RestoreScheduleSnapshot(TScheduleSets& sets)
{
    if (sets.UndoList.empty())
        return false;
    TScheduleSnapshot& newest = sets.UndoList.back();
    sets.CurPrescriptions() = std::move(newest.Prescriptions);
    sets.Samplings = std::move(newest.Samplings);
    sets.UndoList.pop_back();
    return true;
}

void ClearScheduleUndo(TScheduleSets& sets)
{
    sets.UndoList.clear();
}
