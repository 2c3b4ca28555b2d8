#pragma once
// The undo history of the schedule page: up to MaxUndoSteps snapshots of the
// current set's prescriptions and of the samplings, oldest first.
#include "Ucommon.h"

// Copies the current set's prescriptions and the samplings into a new
// snapshot, first discarding the oldest one when the history is full.
void PushScheduleSnapshot(TScheduleSets& sets);

// Moves the newest snapshot's records into the current set's prescriptions
// (whichever set is current now) and the samplings, replacing what they held,
// and drops the snapshot. Returns false, changing nothing, when the history
// is empty. The caller then sorts, re-expands and refreshes.
bool RestoreScheduleSnapshot(TScheduleSets& sets);

// Empties the history.
void ClearScheduleUndo(TScheduleSets& sets);
