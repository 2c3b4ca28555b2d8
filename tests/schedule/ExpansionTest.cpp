#include "DoseEvents.h"
#include "ScheduleExpansion.h"
#include "ScheduleTestData.h"

#include <gtest/gtest.h>

using namespace schedule_test;

namespace {

const TDrugKey Theophylline{2, 1, 1};
const TDrugKey Lithium{6, 1, 1};

std::vector<double> DatesOf(const std::vector<TScheduleDay>& days)
{
    std::vector<double> dates;
    for (const TScheduleDay& day : days)
        dates.push_back(day.DateTime);
    return dates;
}

} // namespace

TEST(ExpandPrescriptions, PeriodAndInterval)
{
    std::vector<TScheduleDay> days;

    // An open end runs from the start to start + 89 inclusive.
    EXPECT_EQ(ExpandPrescriptions({Prescription(Day, 0, 1, 0.375, 200)}, Theophylline, days),
              ExpansionResult::Complete);
    ASSERT_EQ(days.size(), 90u);
    EXPECT_EQ(days.front().DateTime, Day + 0.375);
    EXPECT_EQ(days.back().DateTime, Day + 89 + 0.375);

    ExpandPrescriptions({Prescription(Day, Day, 1, 0.5, 200)}, Theophylline, days);
    EXPECT_EQ(DatesOf(days), (std::vector<double>{Day + 0.5}));

    ExpandPrescriptions({Prescription(Day, Day + 6, 3, 0.25, 200)}, Theophylline, days);
    EXPECT_EQ(DatesOf(days), (std::vector<double>{Day + 0.25, Day + 3.25, Day + 6.25}));

    // An end before the start gives nothing.
    ExpandPrescriptions({Prescription(Day, Day - 1, 1, 0.5, 200)}, Theophylline, days);
    EXPECT_TRUE(days.empty());
}

TEST(ExpandPrescriptions, RecordsComeGroupedByPrescriptionInListOrder)
{
    std::vector<TScheduleDay> days{Administration(1, 1)};   // replaced, not appended to
    ExpandPrescriptions({Prescription(Day + 5, Day + 6, 1, 0.375, 400, 1.5), Prescription(Day, Day + 1, 1, 0.875, 100)},
                        Theophylline, days);
    ASSERT_EQ(days.size(), 4u);
    EXPECT_EQ(DatesOf(days), (std::vector<double>{Day + 5.375, Day + 6.375, Day + 0.875, Day + 1.875}));
    EXPECT_EQ(days[0].PrescriptionIndex, 0);
    EXPECT_EQ(days[0].Dose, 400);
    EXPECT_EQ(days[0].DripHours, 1.5);
    EXPECT_EQ(days[0].FormulationAmount, 400);
    EXPECT_EQ(days[3].PrescriptionIndex, 1);
    EXPECT_EQ(days[3].Dose, 100);
    EXPECT_EQ(days[3].DripHours, 0);
}

TEST(ExpandPrescriptions, FormulationAmountFollowsTheSaltTable)
{
    std::vector<TScheduleDay> days;
    // Lithium carbonate 400 mg entered as formulation is stored as its moiety.
    const double moiety = 400 * 0.1878467992962512;
    ExpandPrescriptions({Prescription(Day, Day, 1, 0, moiety)}, Lithium, days);
    ASSERT_EQ(days.size(), 1u);
    EXPECT_EQ(days[0].Dose, moiety);
    EXPECT_EQ(days[0].FormulationAmount, 400);

    ExpandPrescriptions({Prescription(Day, Day, 1, 0, 75)}, Lithium, days);
    EXPECT_EQ(days[0].FormulationAmount, 399);   // floor(75 x 5.3234... + 0.5)

    ExpandPrescriptions({Prescription(Day, Day, 1, 0, 0.125)}, TDrugKey{1, 1, 1}, days);
    EXPECT_EQ(days[0].FormulationAmount, 0.125);
}

TEST(ExpandPrescriptions, AFullSetFitsAndADamagedOneStopsPastTheEngineLimit)
{
    std::vector<TPrescription> full(MaxPrescriptionsPerSet, Prescription(Day, 0, 1, 0.375, 100, 1));
    std::vector<TScheduleDay> days;
    EXPECT_EQ(ExpandPrescriptions(full, TDrugKey{5, 1, 1}, days), ExpansionResult::Complete);
    EXPECT_EQ(days.size(), 24u * 90u);

    // A record no entry can make: a period of 20,000 days.
    EXPECT_EQ(ExpandPrescriptions({Prescription(Day, Day + 20000, 1, 0, 100)}, Theophylline, days),
              ExpansionResult::CutAtLimit);
    EXPECT_EQ(days.size(), static_cast<std::size_t>(MaxExpandedDays));
    // ... and what was cut is never handed to the engine.
    std::vector<TDoseEvent> events;
    EXPECT_EQ(BuildDoseEvents(days, {Theophylline, 0, Day}, events), DoseEventsResult::TooManyEvents);
    EXPECT_TRUE(events.empty());

    // An interval of 0 would never advance: it counts as daily.
    EXPECT_EQ(ExpandPrescriptions({Prescription(Day, 0, 0, 0, 100)}, Theophylline, days), ExpansionResult::Complete);
    EXPECT_EQ(days.size(), 90u);
}
