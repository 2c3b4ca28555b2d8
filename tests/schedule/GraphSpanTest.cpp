#include "GraphSpan.h"
#include "ScheduleTestData.h"

#include <gtest/gtest.h>

using namespace schedule_test;

namespace {

const TDrugKey Theophylline{2, 1, 1};
const TDrugKey Digoxin{1, 1, 3};
const TDrugKey Methotrexate{9, 1, 1};
constexpr double Today = 45300;

struct TSpan {
    double first, last, viewStart, viewEnd;
    int viewDays;
    bool operator==(const TSpan&) const = default;
};

void PrintTo(const TSpan& s, std::ostream* os)
{
    *os << "{" << s.first << ", " << s.last << ", " << s.viewStart << ", " << s.viewEnd << ", " << s.viewDays << "}";
}

TSpan SpanOf(const std::vector<TPrescription>& prescriptions, const TDrugKey& drug)
{
    TGraphState graph;
    ComputeGraphSpan(prescriptions, drug, Today, graph);
    return {graph.GraphFirstDay, graph.GraphLastDay, graph.GraphViewStart, graph.GraphViewEnd, graph.GraphViewDays};
}

} // namespace

TEST(ComputeGraphSpan, EmptyOpenEndedDigoxinAndMethotrexate)
{
    EXPECT_EQ(SpanOf({}, Theophylline), (TSpan{Today, Today, Today, Today + 1, 1}));
    EXPECT_EQ(SpanOf({Prescription(Day, 0, 1, 0.375, 200)}, Theophylline), (TSpan{Day, Day + 89, Day, Day + 14, 14}));
    EXPECT_EQ(SpanOf({Prescription(Day, 0, 1, 0.375, 0.125)}, Digoxin), (TSpan{Day, Day + 89, Day, Day + 30, 30}));
    EXPECT_EQ(SpanOf({Prescription(Day, Day, 1, 0.375, 100, 6)}, Methotrexate), (TSpan{Day, Day + 3, Day, Day + 4, 4}));
    EXPECT_EQ(SpanOf({Prescription(Day, 0, 1, 0.375, 100, 6)}, Methotrexate), (TSpan{Day, Day + 3, Day, Day + 4, 4}));
    EXPECT_EQ(SpanOf({}, Methotrexate), (TSpan{Today, Today + 3, Today, Today + 4, 4}));
}

TEST(ComputeGraphSpan, EarliestStartToLatestEnd)
{
    // Neither the first nor the last prescription of the list holds the span's ends.
    EXPECT_EQ(SpanOf({Prescription(Day + 3, Day + 5, 1, 0, 1), Prescription(Day, Day + 2, 1, 0, 1),
                      Prescription(Day + 1, Day + 9, 1, 0, 1), Prescription(Day + 2, Day + 4, 1, 0, 1)},
                     Theophylline),
              (TSpan{Day, Day + 9, Day, Day + 10, 10}));
    // A span that fits the view is shown whole; a longer one, from the first
    // that is one day too long (last - first = 14 or 30), is cut to 14 (30) days.
    EXPECT_EQ(SpanOf({Prescription(Day, Day + 12, 1, 0, 1)}, Theophylline).viewEnd, Day + 13);
    EXPECT_EQ(SpanOf({Prescription(Day, Day + 13, 1, 0, 1)}, Theophylline).viewEnd, Day + 14);
    EXPECT_EQ(SpanOf({Prescription(Day, Day + 14, 1, 0, 1)}, Theophylline).viewEnd, Day + 14);
    EXPECT_EQ(SpanOf({Prescription(Day, Day + 20, 1, 0, 1)}, Theophylline).viewEnd, Day + 14);
    EXPECT_EQ(SpanOf({Prescription(Day, Day + 20, 1, 0, 1)}, Digoxin).viewEnd, Day + 21);
    EXPECT_EQ(SpanOf({Prescription(Day, Day + 30, 1, 0, 1)}, Digoxin).viewEnd, Day + 30);
}

TEST(ComputeGraphSpan, LeavesTheYAxisAlone)
{
    TGraphState graph;
    graph.GraphYMax = 40;
    graph.RangeUpper = 20;
    ComputeGraphSpan({}, Theophylline, Today + 0.6, graph);   // today's time of day is ignored
    EXPECT_EQ(graph.GraphFirstDay, Today);
    EXPECT_EQ(graph.GraphYMax, 40);
    EXPECT_EQ(graph.RangeUpper, 20);
}
