#include "ScheduleSetOps.h"
#include "ScheduleSort.h"
#include "ScheduleTestData.h"
#include "ScheduleUndo.h"

#include <gtest/gtest.h>

using namespace schedule_test;

namespace {

TSamplingRecord Sampling(double time, double value)
{
    TSamplingRecord s;
    s.saiketu_time = time;
    s.saiketu_value = value;
    return s;
}

// The doses of a prescription list, to tell lists and orders apart.
std::vector<double> DosesOf(const std::vector<TPrescription>& prescriptions)
{
    std::vector<double> doses;
    for (const TPrescription& p : prescriptions)
        doses.push_back(p.touyo_dose);
    return doses;
}

} // namespace

TEST(ScheduleSets, LastScheduleSetIndexStopsAtTheFirstEmptySet)
{
    TScheduleSets sets;
    EXPECT_EQ(LastScheduleSetIndex(sets), 0);
    sets.PrescriptionLists[0].push_back(Prescription(Day, 0, 1, 0, 1));
    EXPECT_EQ(LastScheduleSetIndex(sets), 0);
    sets.PrescriptionLists[3].push_back(Prescription(Day, 0, 1, 0, 1));
    EXPECT_EQ(LastScheduleSetIndex(sets), 0);
    sets.PrescriptionLists[1].push_back(Prescription(Day, 0, 1, 0, 1));
    EXPECT_EQ(LastScheduleSetIndex(sets), 1);   // set 2 empty: set 3 is not looked at
    sets.PrescriptionLists[2].push_back(Prescription(Day, 0, 1, 0, 1));
    EXPECT_EQ(LastScheduleSetIndex(sets), 3);
}

TEST(ScheduleSets, ClearingTheCurrentSetOrAll)
{
    TScheduleSets sets;
    for (int i = 0; i < ScheduleSetCount; ++i) {
        sets.PrescriptionLists[i].push_back(Prescription(Day, 0, 1, 0, i));
        sets.ScheduleDayLists[i].push_back(Administration(Day, i));
        sets.DoseEventLists[i].push_back({0, 1, 0});
    }
    sets.Samplings.push_back(Sampling(Day + 1, 5));
    sets.CurSetIndex = 2;
    ClearCurrentScheduleSet(sets);
    for (int i = 0; i < ScheduleSetCount; ++i) {
        EXPECT_EQ(sets.PrescriptionLists[i].empty(), i == 2);
        EXPECT_EQ(sets.ScheduleDayLists[i].empty(), i == 2);
        EXPECT_EQ(sets.DoseEventLists[i].empty(), i == 2);
    }
    EXPECT_EQ(sets.Samplings.size(), 1u);   // shared by all sets

    ClearAllScheduleSets(sets);
    for (int i = 0; i < ScheduleSetCount; ++i)
        EXPECT_TRUE(sets.PrescriptionLists[i].empty() && sets.ScheduleDayLists[i].empty() && sets.DoseEventLists[i].empty());
    EXPECT_TRUE(sets.Samplings.empty());
}

TEST(ScheduleSort, StableByStartDateTimeAndByDate)
{
    // Start date plus time of day; equal ones keep their entry order.
    std::vector<TPrescription> prescriptions{Prescription(Day + 1, 0, 1, At(1, 0), 1), Prescription(Day, 0, 1, 0.5, 2),
                                             Prescription(Day, 0, 1, At(23, 0), 3), Prescription(Day, Day, 3, 0.5, 4),
                                             Prescription(Day, 0, 1, 0.5, 5)};
    SortByStartDateTime(prescriptions);
    EXPECT_EQ(DosesOf(prescriptions), (std::vector<double>{2, 4, 5, 3, 1}));

    std::vector<TSamplingRecord> samplings{Sampling(Day + 1, 1), Sampling(Day, 2), Sampling(Day + 1, 3), Sampling(Day, 4)};
    SortByDate(samplings);
    std::vector<double> values;
    for (const TSamplingRecord& s : samplings)
        values.push_back(s.saiketu_value);
    EXPECT_EQ(values, (std::vector<double>{2, 4, 1, 3}));
    EXPECT_EQ(CompareByTime(Administration(Day + 1, 1), Administration(Day, 2)), 1);
}

TEST(ScheduleUndo, ElevenStepsKeepTheNewestTen)
{
    TScheduleSets sets;
    // Eleven edits, each pushing the state before it: doses 0, 1, ..., 10.
    for (int step = 0; step <= 10; ++step) {
        PushScheduleSnapshot(sets);
        sets.CurPrescriptions().push_back(Prescription(Day, 0, 1, 0, step));
        sets.Samplings.push_back(Sampling(Day + step, step));
    }
    ASSERT_EQ(sets.UndoList.size(), static_cast<std::size_t>(MaxUndoSteps));
    // The oldest snapshot (the empty state) is gone.
    EXPECT_EQ(sets.UndoList.front().Prescriptions.size(), 1u);

    for (int step = 10; step >= 1; --step) {
        ASSERT_TRUE(RestoreScheduleSnapshot(sets));
        EXPECT_EQ(sets.CurPrescriptions().size(), static_cast<std::size_t>(step));
        EXPECT_EQ(sets.CurPrescriptions().back().touyo_dose, step - 1);
        EXPECT_EQ(sets.Samplings.size(), static_cast<std::size_t>(step));
    }
    EXPECT_TRUE(sets.UndoList.empty());
    EXPECT_FALSE(RestoreScheduleSnapshot(sets));   // the eleventh does nothing
    EXPECT_EQ(DosesOf(sets.CurPrescriptions()), (std::vector<double>{0}));
    EXPECT_EQ(sets.Samplings.size(), 1u);
}

TEST(ScheduleUndo, PushCopiesAndRestoreMovesIntoTheCurrentSet)
{
    TScheduleSets sets;
    sets.CurPrescriptions() = {Prescription(Day, 0, 1, 0, 1), Prescription(Day + 1, 0, 1, 0, 2)};
    sets.Samplings = {Sampling(Day, 7)};
    PushScheduleSnapshot(sets);
    sets.CurPrescriptions().front().touyo_dose = 99;   // the snapshot holds copies
    sets.Samplings.clear();
    EXPECT_EQ(DosesOf(sets.UndoList.back().Prescriptions), (std::vector<double>{1, 2}));

    // The set shown changes before the restore: the records go to the current set.
    sets.CurSetIndex = 1;
    sets.PrescriptionLists[1] = {Prescription(Day, 0, 1, 0, 5)};
    const TPrescription* storedPrescriptions = sets.UndoList.back().Prescriptions.data();
    const TSamplingRecord* storedSamplings = sets.UndoList.back().Samplings.data();
    ASSERT_TRUE(RestoreScheduleSnapshot(sets));
    EXPECT_EQ(sets.CurPrescriptions().data(), storedPrescriptions);   // moved, not copied
    EXPECT_EQ(sets.Samplings.data(), storedSamplings);
    EXPECT_EQ(DosesOf(sets.PrescriptionLists[1]), (std::vector<double>{1, 2}));
    EXPECT_EQ(DosesOf(sets.PrescriptionLists[0]), (std::vector<double>{99, 2}));
    ASSERT_EQ(sets.Samplings.size(), 1u);
    EXPECT_EQ(sets.Samplings.front().saiketu_value, 7);
}
