#include "DoseEvents.h"
#include "ScheduleExpansion.h"
#include "ScheduleMinutes.h"
#include "ScheduleSort.h"
#include "ScheduleTestData.h"

#include <gtest/gtest.h>

using namespace schedule_test;

// Found by argument-dependent lookup from the standard algorithms, so at the
// records' own (global) scope.
static bool operator==(const TDoseEvent& a, const TDoseEvent& b)
{
    return a.Time == b.Time && a.Amount == b.Amount && a.Duration == b.Duration;
}

static void PrintTo(const TDoseEvent& e, std::ostream* os)
{
    *os << "{" << e.Time << ", " << e.Amount << ", " << e.Duration << "}";
}

namespace {

const TDrugKey Vancomycin{5, 1, 1};
const TDrugKey Theophylline{2, 1, 1};

std::vector<TDoseEvent> Build(const std::vector<TScheduleDay>& days, const TDrugKey& drug, double offsetHours = 0,
                              double firstDay = Day)
{
    std::vector<TDoseEvent> events;
    EXPECT_EQ(BuildDoseEvents(days, {drug, offsetHours, firstDay}, events), DoseEventsResult::Built);
    return events;
}

std::vector<double> TimesOf(const std::vector<TDoseEvent>& events)
{
    std::vector<double> times;
    for (const TDoseEvent& e : events)
        times.push_back(e.Time);
    return times;
}

} // namespace

TEST(BuildDoseEvents, InfusionStartAndEnd)
{
    // A 1-hour vancomycin infusion at 09:00 on the graph's first day.
    EXPECT_EQ(Build({Administration(Day + At(9, 0), 1000, 1)}, Vancomycin),
              (std::vector<TDoseEvent>{{540, 1000, 60}, {600, 0, 0}}));
    // An infusion drug gets its end event also for a zero duration.
    EXPECT_EQ(Build({Administration(Day + 1 + At(9, 0), 1000, 0)}, Vancomycin),
              (std::vector<TDoseEvent>{{1980, 1000, 0}, {1980, 0, 0}}));
    // Other drugs get none.
    EXPECT_EQ(Build({Administration(Day + At(9, 0), 200)}, Theophylline), (std::vector<TDoseEvent>{{540, 200, 0}}));
}

TEST(BuildDoseEvents, AmountsInEngineUnits)
{
    EXPECT_EQ(Build({Administration(Day, 0.125)}, TDrugKey{1, 1, 2}).front().Amount, 125);
    EXPECT_EQ(Build({Administration(Day, 250)}, TDrugKey{2, 1, 2}).front().Amount, 250 * 0.2);
    EXPECT_EQ(Build({Administration(Day, 250, 1)}, TDrugKey{2, 2, 1}).front().Amount, 250 * 0.8);
    EXPECT_EQ(Build({Administration(Day, 250)}, TDrugKey{6, 1, 1}).front().Amount, 250);
}

TEST(BuildDoseEvents, TimeOffsetAndOrigin)
{
    const std::vector<TScheduleDay> days{Administration(Day + At(9, 0), 1000, 1)};
    EXPECT_EQ(TimesOf(Build(days, Vancomycin, 1.5)), (std::vector<double>{630, 690}));
    EXPECT_EQ(TimesOf(Build(days, Vancomycin, -0.5)), (std::vector<double>{510, 570}));
    EXPECT_EQ(TimesOf(Build(days, Vancomycin, 0.99)), (std::vector<double>{599, 659}));   // trunc(59.4)
    // Every value of the cell, 0.00 .. 24.00 h: 4.10 h is 246 minutes though 60 x 4.1 is 245.99999999999997.
    for (int hundredths = 0; hundredths <= 2400; ++hundredths) {
        const double hours = QString::asprintf("%d.%02d", hundredths / 100, hundredths % 100).toDouble();
        ASSERT_EQ(TimesOf(Build(days, Vancomycin, hours)).front(), 540 + hundredths * 60 / 100) << hours;
    }
    // Minutes count from the midnight of the first day, whatever its time part.
    EXPECT_EQ(TimesOf(Build(days, Vancomycin, 0, Day + 0.7)), (std::vector<double>{540, 600}));
    EXPECT_EQ(TimesOf(Build(days, Vancomycin, 0, Day + 2)), (std::vector<double>{-2340, -2280}));
}

TEST(WholeMinutesSince, RoundsToTheMillisecond)
{
    // Every minute of a day written as a day fraction, on several days.
    for (int day = 0; day < 90; day += 7) {
        for (int minute = 0; minute < 1440; ++minute)
            ASSERT_EQ(WholeMinutesSince(Day + day + minute / 1440.0, Day), day * 1440 + minute)
                << "day " << day << " minute " << minute;
    }
    EXPECT_EQ(WholeMinutesSince(Day + At(9, 5), Day), 545);
    EXPECT_EQ(WholeMinutesSince(Day + At(9, 5, 59), Day), 545);          // seconds dropped
    EXPECT_EQ(WholeMinutesSince(Day + 1 - 1e-10, Day), 1440);            // rounds into the next day
    EXPECT_EQ(WholeMinutesSince(Day + At(23, 59, 59), Day), 1439);
}

TEST(BuildDoseEvents, ExpandedTimesKeepTheirMinute)
{
    // 09:05 over 90 days: start + day + time of day must read 09:05 every day.
    std::vector<TScheduleDay> days;
    ExpandPrescriptions({Prescription(Day, 0, 1, At(9, 5), 100)}, Theophylline, days);
    const std::vector<TDoseEvent> events = Build(days, Theophylline);
    ASSERT_EQ(events.size(), 90u);
    for (int d = 0; d < 90; ++d)
        ASSERT_EQ(events[d].Time, d * 1440 + 545) << "day " << d;
}

TEST(BuildDoseEvents, TimeOrder)
{
    // Infusions that follow each other: administration by administration,
    // each end right after its start, an end before a start at the same minute.
    EXPECT_EQ(Build({Administration(Day + At(9, 0), 500, 1), Administration(Day + At(10, 0), 700, 0),
                     Administration(Day + At(10, 0), 800, 2)},
                    Vancomycin),
              (std::vector<TDoseEvent>{{540, 500, 60}, {600, 0, 0}, {600, 700, 0}, {600, 0, 0}, {600, 800, 120},
                                       {720, 0, 0}}));

    // An infusion starting before the previous one ends moves that end after
    // the later start; equal end times keep the administrations' order.
    EXPECT_EQ(Build({Administration(Day + At(9, 0), 500, 2), Administration(Day + At(10, 0), 700, 1)}, Vancomycin),
              (std::vector<TDoseEvent>{{540, 500, 120}, {600, 700, 60}, {660, 0, 0}, {660, 0, 0}}));

    // A day list in prescription order comes out in time order; equal times
    // keep the list's order.
    std::vector<TScheduleDay> days;
    ExpandPrescriptions({Prescription(Day + 1, Day + 2, 1, At(8, 0), 100), Prescription(Day, Day + 2, 1, At(8, 0), 200)},
                        Theophylline, days);
    EXPECT_EQ(Build(days, Theophylline),
              (std::vector<TDoseEvent>{{480, 200, 0}, {1920, 100, 0}, {1920, 200, 0}, {3360, 100, 0}, {3360, 200, 0}}));
}

TEST(BuildDoseEvents, RefusesMoreEventsThanTheEngineTakes)
{
    std::vector<TDoseEvent> events{{1, 1, 1}};
    const std::vector<TScheduleDay> half(EngineMaxDoseEvents / 2, Administration(Day, 100, 1));
    EXPECT_EQ(BuildDoseEvents(half, {Vancomycin, 0, Day}, events), DoseEventsResult::Built);
    EXPECT_EQ(events.size(), static_cast<std::size_t>(EngineMaxDoseEvents));

    std::vector<TScheduleDay> over = half;
    over.push_back(Administration(Day, 100, 1));
    EXPECT_EQ(BuildDoseEvents(over, {Vancomycin, 0, Day}, events), DoseEventsResult::TooManyEvents);
    EXPECT_TRUE(events.empty());
    // The same administrations are within the limit for a drug without end events.
    EXPECT_EQ(BuildDoseEvents(over, {Theophylline, 0, Day}, events), DoseEventsResult::Built);
    EXPECT_EQ(events.size(), over.size());
}

TEST(FindOverlappingInfusions, ReportsAStartDuringAnotherInfusion)
{
    const auto find = [](const std::vector<TScheduleDay>& days, const TDrugKey& drug = Vancomycin) {
        const std::optional<TInfusionOverlap> overlap = FindOverlappingInfusions(days, drug);
        return overlap ? std::make_pair(overlap->Earlier, overlap->Later) : std::make_pair(-1, -1);
    };
    const auto none = std::make_pair(-1, -1);
    // Back to back is fine, also with seconds that the events drop.
    EXPECT_EQ(find({Administration(Day + At(9, 0), 1, 1), Administration(Day + At(10, 0), 1, 1)}), none);
    EXPECT_EQ(find({Administration(Day + At(9, 0), 1, 1), Administration(Day + At(10, 0, 30), 1, 1)}), none);
    EXPECT_EQ(find({Administration(Day + At(9, 0), 1, 1), Administration(Day + At(9, 59), 1, 1)}),
              std::make_pair(0, 1));
    // Same start, in any list order.
    EXPECT_EQ(find({Administration(Day + At(9, 0), 1, 0.5), Administration(Day + At(9, 0), 1, 1)}),
              std::make_pair(0, 1));
    EXPECT_EQ(find({Administration(Day + 1 + At(9, 0), 1, 1), Administration(Day + 1 + At(8, 30), 1, 1)}),
              std::make_pair(1, 0));
    // A zero-length administration inside an infusion ends it; one at its end does not.
    EXPECT_EQ(find({Administration(Day + At(9, 0), 1, 2), Administration(Day + At(10, 0), 1, 0)}),
              std::make_pair(0, 1));
    EXPECT_EQ(find({Administration(Day + At(9, 0), 1, 2), Administration(Day + At(11, 0), 1, 0)}), none);
    // Found among several; the positions are those of the list.
    EXPECT_EQ(find({Administration(Day + At(9, 0), 1, 1), Administration(Day + At(10, 0), 1, 4),
                    Administration(Day + At(10, 30), 1, 0.5), Administration(Day + At(13, 0), 1, 1)}),
              std::make_pair(1, 2));
    // Drugs without end events have no such limit.
    EXPECT_EQ(find({Administration(Day + At(9, 0), 1, 2), Administration(Day + At(10, 0), 1, 2)}, Theophylline),
              none);
}
