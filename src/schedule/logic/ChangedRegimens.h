#pragma once
// The changed regimens (schedule sets 1 .. 3), each made from the patient's
// real schedule (set 0): a new one ("投与変更"), the set choice and the reset
// ("リセット"). Each leaves the current set's administrations and dose
// events matching its prescriptions.
#include "DoseEvents.h"
#include "Ucommon.h"

#include <QString>
#include <vector>

inline const QString ChangedRegimenLimitText =
    QStringLiteral("これ以上変更用の投与スケジュールを追加することはできません。");
inline const QString ChangedRegimenLimitCaption = QStringLiteral("スケジュール設定エラー");

// Empties target, then appends a copy of each source prescription, in source
// order, with its schedule set (`result_id`) set to `set`.
void CopySetPrescriptions(const std::vector<TPrescription>& source, std::vector<TPrescription>& target, int set);

enum class TChangedRegimenResult {
    Added,          // the new set is current
    LimitReached,   // three changed regimens are in use; nothing changed
};

// "投与変更": set LastScheduleSetIndex + 1 becomes current as a copy of the
// patient's schedule, with its administrations in time order and its dose
// events; the undo history is cleared. `context` gives the drug, the time
// offset and the graph's first day the dose events count from.
TChangedRegimenResult AddChangedRegimen(TScheduleSets& sets, const TDoseEventContext& context);

// The set choice: set `set` (0 .. 3) becomes current; the undo history is
// cleared.
void ChooseScheduleSet(TScheduleSets& sets, int set);

// "リセット": the current changed regimen becomes a copy of the patient's
// schedule again, after an undo snapshot, with its administrations and dose
// events rebuilt. With the patient's schedule current nothing happens, and
// false is returned.
bool ResetChangedRegimen(TScheduleSets& sets, const TDoseEventContext& context);
