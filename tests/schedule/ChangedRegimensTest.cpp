// The changed regimens: a new one is set 0 again under its own number, at
// most three exist, the set choice and the reset, and one count of the sets
// listed and drawn.
#include "ChangedRegimens.h"
#include "ScheduleEdits.h"
#include "ScheduleExpansion.h"
#include "ScheduleSetOps.h"
#include "ScheduleSort.h"
#include "ScheduleTestData.h"
#include "ScheduleUndo.h"

#include <gtest/gtest.h>

using namespace schedule_test;

namespace {

const TDoseEventContext Vancomycin{{5, 1, 1, 1}, 0, Day};

// The patient's schedule: 1 g at 09:00 and 21:00 for a week, and one sampling.
TScheduleSets PatientSchedule()
{
    TScheduleSets sets;
    for (double hour : {21.0, 9.0}) {
        sets.PrescriptionLists[0].push_back(Prescription(Day, Day + 6, 1, hour / 24, 1000, 1));
        sets.PrescriptionLists[0].back().touyo_id = static_cast<int>(sets.PrescriptionLists[0].size());
    }
    TSamplingRecord s;
    s.saiketu_time = Day + 2.35;
    s.saiketu_value = 12;
    sets.Samplings.push_back(s);
    ExpandPrescriptions(sets.PrescriptionLists[0], Vancomycin.Drug, sets.ScheduleDayLists[0]);
    SortByTime(sets.ScheduleDayLists[0]);
    BuildDoseEvents(sets.ScheduleDayLists[0], Vancomycin, sets.DoseEventLists[0]);
    return sets;
}

bool SamePrescriptionsBut(const std::vector<TPrescription>& a, const std::vector<TPrescription>& b, int set)
{
    if (a.size() != b.size())
        return false;
    for (std::size_t i = 0; i < a.size(); ++i) {
        if (b[i].result_id != set || a[i].touyo_start_time != b[i].touyo_start_time ||
            a[i].touyo_end_time != b[i].touyo_end_time || a[i].touyo_time != b[i].touyo_time ||
            a[i].touyo_dose != b[i].touyo_dose || a[i].touyo_drip_time != b[i].touyo_drip_time ||
            a[i].touyo_id != b[i].touyo_id || a[i].touyo_interval != b[i].touyo_interval)
            return false;
    }
    return true;
}

bool SameEvents(const std::vector<TDoseEvent>& a, const std::vector<TDoseEvent>& b)
{
    return std::equal(a.begin(), a.end(), b.begin(), b.end(), [](const TDoseEvent& x, const TDoseEvent& y) {
        return x.Time == y.Time && x.Amount == y.Amount && x.Duration == y.Duration;
    });
}

} // namespace

// Each new regimen is set 0 under its own number, current, with its
// administrations in time order and the same dose events as set 0, and the
// undo history gone; a fourth is refused and changes nothing.
TEST(ChangedRegimens, NewRegimensCopyThePatientsScheduleUpToThree)
{
    TScheduleSets sets = PatientSchedule();
    for (int set = 1; set <= 3; ++set) {
        PushScheduleSnapshot(sets);
        ASSERT_EQ(AddChangedRegimen(sets, Vancomycin), TChangedRegimenResult::Added);
        EXPECT_EQ(sets.CurSetIndex, set);
        EXPECT_TRUE(SamePrescriptionsBut(sets.PrescriptionLists[0], sets.PrescriptionLists[set], set));
        EXPECT_EQ(sets.ScheduleDayLists[set].size(), 14u);
        EXPECT_TRUE(std::is_sorted(sets.ScheduleDayLists[set].begin(), sets.ScheduleDayLists[set].end(),
                                   [](const TScheduleDay& a, const TScheduleDay& b) { return a.DateTime < b.DateTime; }));
        EXPECT_TRUE(SameEvents(sets.DoseEventLists[set], sets.DoseEventLists[0]));
        EXPECT_EQ(sets.DoseEventLists[set].front().Time, 540);
        EXPECT_TRUE(sets.UndoList.empty());
        EXPECT_EQ(LastScheduleSetIndex(sets), set);
    }
    const TScheduleSets before = sets;
    EXPECT_EQ(AddChangedRegimen(sets, Vancomycin), TChangedRegimenResult::LimitReached);
    EXPECT_EQ(sets.CurSetIndex, 3);
    for (int set = 0; set < ScheduleSetCount; ++set)
        EXPECT_EQ(sets.PrescriptionLists[set].size(), before.PrescriptionLists[set].size());
}

// "リセット" with the patient's schedule current does nothing; on a changed
// regimen it copies set 0 again and can be undone.
TEST(ChangedRegimens, ResetCopiesThePatientsScheduleAgainAndCanBeUndone)
{
    TScheduleSets sets = PatientSchedule();
    EXPECT_FALSE(ResetChangedRegimen(sets, Vancomycin));
    EXPECT_TRUE(sets.UndoList.empty());
    EXPECT_EQ(sets.PrescriptionLists[0].size(), 2u);

    AddChangedRegimen(sets, Vancomycin);
    ChooseScheduleSet(sets, 1);
    sets.CurPrescriptions().resize(1);
    sets.CurPrescriptions()[0].touyo_dose = 1500;
    ASSERT_TRUE(ResetChangedRegimen(sets, Vancomycin));
    EXPECT_TRUE(SamePrescriptionsBut(sets.PrescriptionLists[0], sets.PrescriptionLists[1], 1));
    EXPECT_EQ(sets.DoseEventLists[1].size(), 28u);
    ASSERT_EQ(sets.UndoList.size(), 1u);
    ASSERT_TRUE(RestoreScheduleSnapshot(sets));
    ASSERT_EQ(sets.PrescriptionLists[1].size(), 1u);
    EXPECT_EQ(sets.PrescriptionLists[1][0].touyo_dose, 1500);

    // The set choice clears the undo history.
    PushScheduleSnapshot(sets);
    ChooseScheduleSet(sets, 0);
    EXPECT_EQ(sets.CurSetIndex, 0);
    EXPECT_TRUE(sets.UndoList.empty());
}

// After set 2 of three is cleared, the choice lists the sets up to the
// current one and the graph draws the sets in use, both stopping before set
// 3; "投与変更" makes set 2 again, and then both count set 3.
TEST(ChangedRegimens, TheSetsListedAreTheSetsDrawn)
{
    TScheduleSets sets = PatientSchedule();
    for (int set = 1; set <= 3; ++set)
        AddChangedRegimen(sets, Vancomycin);
    ChooseScheduleSet(sets, 2);
    ClearScheduleSet(sets);
    EXPECT_EQ(LastScheduleSetIndex(sets), 1);
    EXPECT_EQ(LastListedScheduleSet(sets), 2);
    EXPECT_EQ(ScheduleSetChoices(LastListedScheduleSet(sets)),
              (QStringList{QStringLiteral("患者データ"), QStringLiteral("変更1"), QStringLiteral("変更2")}));

    ASSERT_EQ(AddChangedRegimen(sets, Vancomycin), TChangedRegimenResult::Added);
    EXPECT_EQ(sets.CurSetIndex, 2);
    EXPECT_EQ(LastScheduleSetIndex(sets), 3);
    EXPECT_EQ(LastListedScheduleSet(sets), 3);
}
