#pragma once
// Operations over the four schedule sets as a whole. They take the sets
// explicitly; window code passes the process-wide `ScheduleSets`.
#include "Ucommon.h"

// The highest k in 1..3 such that sets 1..k all hold a prescription; 0 when
// set 1 is empty. Sets after the first empty one are not looked at.
int LastScheduleSetIndex(const TScheduleSets& sets);

// Empties the current set's prescriptions, administrations and dose events.
void ClearCurrentScheduleSet(TScheduleSets& sets);

// Empties every set's three lists, then the samplings. The undo history is
// left alone (the caller clears it separately).
void ClearAllScheduleSets(TScheduleSets& sets);

// --- The set choice ---
// The sets the set choice lists and the Analyse command checks: 0 .. the
// larger of LastScheduleSetIndex and the current set, so a changed regimen
// that is being filled is listed (and refused while it is empty) and a
// filled set is never hidden behind the current one.
int LastListedScheduleSetIndex(const TScheduleSets& sets);

// The name of a set in the set choice: "患者データ" for set 0, "変更1" ..
// "変更3" for the changed regimens.
QString ScheduleSetName(int set);
