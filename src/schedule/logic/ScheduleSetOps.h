#pragma once
// Operations over the four schedule sets as a whole. They take the sets
// explicitly; window code passes the process-wide `ScheduleSets`.
#include "DoseEvents.h"
#include "Ucommon.h"

#include <QStringList>

// The highest k in 1..3 such that sets 1..k all hold a prescription; 0 when
// set 1 is empty. Sets after the first empty one are not looked at.
int LastScheduleSetIndex(const TScheduleSets& sets);

// Empties the current set's prescriptions, administrations and dose events.
void ClearCurrentScheduleSet(TScheduleSets& sets);

// Sorts the administrations of sets 0 .. lastSet by time and builds each
// set's dose events from them anew, so that they follow the schedule as it
// stands. TooManyEvents when a set needs more events than the engine takes;
// that set's list is then empty.
DoseEventsResult RebuildDoseEvents(TScheduleSets& sets, const TDoseEventContext& context,
                                   int lastSet = ScheduleSetCount - 1);

// Empties every set's three lists, then the samplings. The undo history is
// left alone (the caller clears it separately).
void ClearAllScheduleSets(TScheduleSets& sets);

// The last set the set choice lists, and the Analyse command checks: the
// used sets 0 .. LastScheduleSetIndex, and the current set when it lies
// beyond them (a changed regimen just emptied). Sets after it are not listed,
// whatever they hold.
int LastListedScheduleSet(const TScheduleSets& sets);

// The set choice's entries for sets 0 .. last: "患者データ", "変更1", ...
QStringList ScheduleSetChoices(int last);

// The name of one set in the set choice and in messages about it.
QString ScheduleSetName(int set);
