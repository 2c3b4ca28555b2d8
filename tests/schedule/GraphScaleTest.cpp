// The scale dialog's checks, in their order, and what it writes back.
#include "GraphScale.h"
#include "ScheduleTestData.h"

#include <gtest/gtest.h>

using schedule_test::Day;

namespace {

TGraphState Schedule()
{
    TGraphState g;
    g.GraphFirstDay = Day;
    g.GraphLastDay = Day + 13;
    return g;
}

TGraphScaleEntry Entry(double start, double end, double yMax = 60, double yMin = 0, double upper = 20,
                       double lower = 10)
{
    return {yMax, yMin, upper, lower, start, end};
}

} // namespace

TEST(GraphScale, ChecksInOrder)
{
    const QString horizontal = QStringLiteral("横軸の設定が不正です。");
    const QString vertical = QStringLiteral("縦軸の設定が不正です。");
    const struct {
        TGraphScaleEntry entry;
        TDrugKey drug;
        QString message;   // empty: accepted
    } cases[] = {
        {Entry(Day, Day + 100), {5, 1, 1, 2}, {}},
        {Entry(Day, Day + 101), {5, 1, 1, 2}, horizontal},
        {Entry(Day + 3, Day + 2), {5, 1, 1, 2}, horizontal},          // the end before the start
        {Entry(Day + 3, Day + 3), {5, 1, 1, 2}, horizontal},          // no day to show
        {Entry(Day, Day + 7, 10, 10), {5, 1, 1, 2}, vertical},
        {Entry(Day, Day + 7, 1.5, 1.2), {5, 1, 1, 2}, vertical},      // nothing left of the range when cut
        {Entry(Day, Day + 7, 2.5, 1.2), {5, 1, 1, 2}, {}},
        {Entry(Day, Day + 7, 0.01, 10000), {9, 1, 1, 0}, {}},         // the log axis ignores typed y values
        {Entry(Day, Day + 7, 60, 0, 10, 10), {5, 1, 1, 2}, {}},       // equal limits
        {Entry(Day, Day + 7, 60, 0, 9, 10), {5, 1, 1, 2}, QStringLiteral("有効値領域の設定が不正です。")},
        {Entry(Day - 1, Day + 7), {5, 1, 1, 2}, QStringLiteral("表示開始年月日が不正です。")},
        {Entry(Day + 14, Day + 20), {5, 1, 1, 2}, QStringLiteral("表示開始年月日が不正です。")},
        {Entry(Day + 13, Day + 113), {5, 1, 1, 2}, {}},
    };
    for (const auto& c : cases) {
        const std::optional<TGraphScaleFailure> failure = CheckGraphScale(c.entry, Schedule(), c.drug);
        SCOPED_TRACE(c.message.toStdString());
        if (c.message.isEmpty()) {
            EXPECT_FALSE(failure) << failure->Message.toStdString();
        } else {
            ASSERT_TRUE(failure);
            EXPECT_EQ(failure->Message, c.message);
            EXPECT_EQ(failure->Caption, QStringLiteral("スケール設定エラー"));
        }
    }
}

TEST(GraphScale, WriteBack)
{
    const TGraphState g = ApplyGraphScale(Entry(Day + 2, Day + 12, 45.7, 5.9, 25, 15), Schedule(), {5, 1, 1, 2});
    EXPECT_EQ(g.GraphYMax, 45);
    EXPECT_EQ(g.GraphYMin, 5);
    EXPECT_EQ(g.GraphYRange, 40);
    EXPECT_EQ(g.RangeUpper, 25);
    EXPECT_EQ(g.RangeLower, 15);
    EXPECT_EQ(g.GraphViewStart, Day + 2);
    EXPECT_EQ(g.GraphViewEnd, Day + 12);
    EXPECT_EQ(g.GraphViewDays, 10);
    EXPECT_EQ(g.GraphFirstDay, Day);

    const TGraphState log = ApplyGraphScale(Entry(Day, Day + 4, 10000, 0.01, 0, 0), Schedule(), {9, 1, 1, 0});
    EXPECT_EQ(log.GraphYMin, -2);
    EXPECT_EQ(log.GraphYMax, 4);
    EXPECT_EQ(log.GraphYRange, 6);
}
