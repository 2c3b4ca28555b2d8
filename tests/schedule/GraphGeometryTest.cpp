// The axes layer and the curve mapping, placed exactly: texts measured by a
// fixed rule (6 pixels a character, 12 high) so every position is known.
#include "GraphGeometry.h"
#include "ScheduleTestData.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

using schedule_test::At;
using schedule_test::Day;   // 2023-10-01

namespace {

class FixedMetrics : public TGraphTextMetrics {
public:
    int Width(const QString& text) const override { return 6 * static_cast<int>(text.size()); }
    int Height() const override { return 12; }
};

TGraphState View(double start, int days, int yMin, int yMax)
{
    TGraphState g;
    g.GraphFirstDay = start;
    g.GraphLastDay = start + days - 1;
    g.GraphViewStart = start;
    g.GraphViewEnd = start + days;
    g.GraphViewDays = days;
    g.GraphYMin = yMin;
    g.GraphYMax = yMax;
    g.GraphYRange = yMax - yMin;
    return g;
}

TGraphAxesInput Axes(const TGraphState& graph, TDrugKey drug = {5, 1, 1, 2})
{
    TGraphAxesInput input;
    input.Graph = graph;
    input.Drug = drug;
    return input;
}

template <class Item>
std::vector<Item> ItemsOf(const TGraphPicture& picture)
{
    std::vector<Item> items;
    for (const TGraphItem& item : picture.Items) {
        if (const Item* found = std::get_if<Item>(&item))
            items.push_back(*found);
    }
    return items;
}

std::vector<TGraphFill> Fills(const TGraphAxesInput& input, vcl::TColor color)
{
    std::vector<TGraphFill> fills;
    for (const TGraphFill& fill : ItemsOf<TGraphFill>(GraphAxesPicture(input, FixedMetrics())))
        if (fill.Color == color)
            fills.push_back(fill);
    return fills;
}

const TGraphText* FindText(const std::vector<TGraphText>& texts, const QString& text)
{
    for (const TGraphText& t : texts)
        if (t.Text == text)
            return &t;
    return nullptr;
}

constexpr vcl::TColor Band = 0xB5FFFF;
constexpr vcl::TColor Measured = 0x008000;

} // namespace

TEST(GraphGeometry, SamplingStepGrowsWithTheView)
{
    const struct {
        int days, step, count;
    } cases[] = {{1, 2, 720}, {9, 2, 6480}, {10, 10, 1440}, {29, 10, 4176}, {30, 20, 2160},
                 {89, 20, 6408}, {90, 30, 4320}, {100, 30, 4800}, {0, 2, 0}};
    for (const auto& c : cases) {
        const TCurveSampling s = CurveSamplingFor(c.days);
        EXPECT_EQ(s.StepMinutes, c.step) << c.days;
        EXPECT_EQ(s.Count, c.count) << c.days;
    }
}

// The band: drawn when a limit lies on the axis or the range covers it,
// not when it lies wholly above or below.
TEST(GraphGeometry, TherapeuticBand)
{
    const struct {
        double lower, upper;
        std::optional<QRect> band;
        int yMin = 0;   // the axis runs from yMin to yMin + 60
    } cases[] = {
        {10, 20, QRect(60, 266, 720, 62)},      // 20 -> trunc(40 x 370 / 60 + 20), 10 -> trunc(50 x ... + 20)
        {-5, 80, QRect(60, 20, 720, 370)},      // covers the whole axis
        {0, 60, QRect(60, 20, 720, 370)},       // exactly the axis
        {70, 80, std::nullopt},                 // wholly above
        {-20, -1, std::nullopt},                // wholly below
        {50, 90, QRect(60, 20, 720, 61)},       // upper above the axis: from the top
        {-3, 15, QRect(60, 297, 720, 93)},      // lower below the axis: to the bottom
        {0, 15, QRect(60, 328, 720, 62), 5},    // axis 5 .. 65: 15 -> trunc(50 x 370 / 60 + 20), bottom 390
        {10, 20, QRect(60, 297, 720, 62), 5},   // 20 -> trunc(45 x ... + 20), 10 -> trunc(55 x ... + 20)
    };
    for (const auto& c : cases) {
        TGraphState g = View(Day, 7, c.yMin, c.yMin + 60);
        g.RangeLower = c.lower;
        g.RangeUpper = c.upper;
        const std::vector<TGraphFill> band = Fills(Axes(g), Band);
        if (c.band) {
            ASSERT_EQ(band.size(), 1u) << c.lower << ".." << c.upper;
            EXPECT_EQ(band[0].Rect, *c.band) << c.lower << ".." << c.upper;
        } else {
            EXPECT_TRUE(band.empty()) << c.lower << ".." << c.upper;
        }
    }
}

// Level lines and labels: step 1 up to a range of 20, 5 from 21; labels
// right-aligned against x 59 and centred on their line.
TEST(GraphGeometry, LevelLinesAndLabels)
{
    for (const auto& [yMax, step] : {std::pair{20, 1}, std::pair{21, 5}, std::pair{100, 5}, std::pair{101, 10},
                                     std::pair{200, 10}, std::pair{201, 50}, std::pair{1000, 50},
                                     std::pair{1001, 100}}) {
        const TGraphPicture picture = GraphAxesPicture(Axes(View(Day, 7, 0, yMax)), FixedMetrics());
        int levels = 0;
        for (const TGraphPolyline& line : ItemsOf<TGraphPolyline>(picture))
            levels += line.Points.front().y() == line.Points.back().y();
        EXPECT_EQ(levels, yMax / step + 1) << yMax;
    }
    const std::vector<TGraphText> texts = ItemsOf<TGraphText>(GraphAxesPicture(Axes(View(Day, 7, 0, 21)),
                                                                               FixedMetrics()));
    const TGraphText* fifteen = FindText(texts, QStringLiteral("15"));
    ASSERT_NE(fifteen, nullptr);
    // y = trunc(390 - 15 x 370 / 21) = 125; top = trunc(125 - 6); x = 59 - 12.
    EXPECT_EQ(fifteen->At, QPoint(47, 119));
    EXPECT_NE(FindText(texts, QStringLiteral("20")), nullptr);
    EXPECT_EQ(FindText(texts, QStringLiteral("21")), nullptr);

    // An axis from 5 labels its lines from 5: the bottom line "5", the top "35".
    const std::vector<TGraphText> fromFive =
        ItemsOf<TGraphText>(GraphAxesPicture(Axes(View(Day, 7, 5, 35)), FixedMetrics()));
    const TGraphText* five = FindText(fromFive, QStringLiteral("5"));
    const TGraphText* thirtyFive = FindText(fromFive, QStringLiteral("35"));
    ASSERT_TRUE(five && thirtyFive);
    EXPECT_EQ(five->At, QPoint(53, 384));
    EXPECT_EQ(thirtyFive->At, QPoint(47, 14));
    EXPECT_EQ(FindText(fromFive, QStringLiteral("0")), nullptr);

    // The logarithmic axis labels powers of ten from 10^-2.
    const std::vector<TGraphText> logTexts =
        ItemsOf<TGraphText>(GraphAxesPicture(Axes(View(Day, 4, -2, 4), {9, 1, 1, 0}), FixedMetrics()));
    for (const char* label : {"0.01", "0.10", "1.00", "10.00", "100.00", "1000.00", "10000.00"})
        EXPECT_NE(FindText(logTexts, QString::fromLatin1(label)), nullptr) << label;
}

// Day lines at trunc(d x 720 / days + 60), both ends included; labels "d",
// with "m/d" on the first and last line and on the first of a month.
TEST(GraphGeometry, DayLinesAndLabels)
{
    // 2023-10-28 .. 2023-11-06: 9 days, the month turns on day 4.
    const TGraphState g = View(Day + 27, 9, 0, 60);
    const TGraphPicture picture = GraphAxesPicture(Axes(g), FixedMetrics());
    std::vector<int> dayLines;
    for (const TGraphPolyline& line : ItemsOf<TGraphPolyline>(picture)) {
        if (line.Points.front().x() == line.Points.back().x()) {
            EXPECT_EQ(line.Points.front().y(), 20);
            EXPECT_EQ(line.Points.back().y(), 390);
            EXPECT_EQ(line.Pen, (TGraphPen{vcl::clGray, 1, GraphPenStyle::Dot}));
            dayLines.push_back(line.Points.front().x());
        }
    }
    EXPECT_EQ(dayLines, (std::vector<int>{60, 140, 220, 300, 380, 460, 540, 620, 700, 780}));

    std::vector<QString> labels;
    const std::vector<TGraphText> texts = ItemsOf<TGraphText>(picture);
    for (const TGraphText& t : texts) {
        if (t.At.y() == 400)
            labels.push_back(t.Text);
    }
    EXPECT_EQ(labels, (std::vector<QString>{"10/28", "29", "30", "31", "11/1", "2", "3", "4", "5", "11/6"}));
    // Centred on its line: trunc(140 - 12 / 2).
    EXPECT_EQ(FindText(texts, QStringLiteral("29"))->At, QPoint(134, 400));
    EXPECT_EQ(FindText(texts, QStringLiteral("11/6"))->At, QPoint(768, 400));

    const TGraphText* yTitle = FindText(texts, QStringLiteral("血中濃度(μg/mL)"));
    ASSERT_NE(yTitle, nullptr);
    EXPECT_EQ(yTitle->At, QPoint(15, 245));
    EXPECT_EQ(yTitle->RotationDegrees, 90);
    EXPECT_EQ(FindText(texts, QStringLiteral("時間(月/日)"))->At, QPoint(380, 425));
}

// Measured points over the closed range of the view with fractional days,
// inside the y range; on the logarithmic axis only positive values.
TEST(GraphGeometry, MeasuredPoints)
{
    const TGraphState g = View(Day, 7, 0, 60);   // 720 / 7 pixels a day, 370 / 60 a unit
    TGraphAxesInput input = Axes(g);
    input.Measured = {
        {Day + 2 + At(12, 0), 30},      // x = 2.5 x 720 / 7 + 60 = 317.14, y = 390 - 185 = 205
        {Day, 0},                       // the left edge at the axis bottom
        {Day + 7, 60},                  // the right edge at the top
        {Day - At(0, 1), 30},           // a minute before the view
        {Day + 7 + At(0, 1), 30},       // a minute after it
        {Day + 3, 60.5},                // above the axis
        {Day + 3, -1},                  // below it
        {Day + 3, std::numeric_limits<double>::quiet_NaN()},
    };
    const std::vector<TGraphFill> squares = Fills(input, Measured);
    ASSERT_EQ(squares.size(), 3u);
    EXPECT_EQ(squares[0].Rect, QRect(QPoint(313, 201), QPoint(320, 208)));
    EXPECT_EQ(squares[1].Rect, QRect(QPoint(56, 386), QPoint(63, 393)));
    EXPECT_EQ(squares[2].Rect, QRect(QPoint(776, 16), QPoint(783, 23)));

    // On an axis from 10 to 70 a value of 40 lies half way up; 5 lies below it.
    TGraphAxesInput fromTen = Axes(View(Day, 7, 10, 70));
    fromTen.Measured = {{Day + 2 + At(12, 0), 40}, {Day + 3, 5}};
    const std::vector<TGraphFill> tenSquares = Fills(fromTen, Measured);
    ASSERT_EQ(tenSquares.size(), 1u);
    EXPECT_EQ(tenSquares[0].Rect, squares[0].Rect);

    TGraphAxesInput log = Axes(View(Day, 4, -2, 4), {9, 1, 1, 0});
    log.Measured = {{Day + 1, 10.0}, {Day + 1, 0.0}, {Day + 1, -3.0}, {Day + 1, 1e5}};
    const std::vector<TGraphFill> logSquares = Fills(log, Measured);
    ASSERT_EQ(logSquares.size(), 1u);
    // log10(10) = 1, plotted 3 units above -2: y = 390 - 3 x 370 / 6 = 205.
    EXPECT_EQ(logSquares[0].Rect, QRect(QPoint(236, 201), QPoint(243, 208)));
}

// The toxicity zone h hours after the first dose's time of day, counted from
// the left edge's midnight whatever the dates, with its threshold marks; none
// of it without a prescription.
TEST(GraphGeometry, ToxicityZone)
{
    TGraphAxesInput input = Axes(View(Day + 5, 4, -2, 4), {9, 1, 1, 0});
    input.FirstDoseTimeOfDay = At(9, 0);
    const TGraphPicture picture = GraphAxesPicture(input, FixedMetrics());
    const std::vector<TGraphPolygon> zone = ItemsOf<TGraphPolygon>(picture);
    ASSERT_EQ(zone.size(), 1u);
    // x(24) = trunc(1980 x 720 / 5760 + 60), x(72) = trunc(4860 x 720 / 5760 + 60);
    // y(6) = 20, y(3) = trunc(390 - 3 x 370 / 6), y(1) = trunc(390 - 370 / 6).
    EXPECT_EQ(zone[0].Points, (std::vector<QPoint>{{307, 20}, {307, 205}, {667, 328}, {667, 20}}));
    EXPECT_EQ(zone[0].Fill, vcl::TColor(0xD9D9FF));
    const std::vector<TGraphEllipse> marks = ItemsOf<TGraphEllipse>(picture);
    ASSERT_EQ(marks.size(), 3u);
    EXPECT_EQ(marks[1].Bounds, QRect(487 - 8, 266 - 8, 16, 16));   // 48 hours, plot value 2
    EXPECT_EQ(marks[1].Pen, (TGraphPen{vcl::clRed, 3, GraphPenStyle::Solid}));
    const std::vector<TGraphText> texts = ItemsOf<TGraphText>(picture);
    EXPECT_EQ(FindText(texts, QStringLiteral("48時間1μM"))->At, QPoint(499, 260));
    EXPECT_EQ(FindText(texts, QStringLiteral("Toxicity Zone"))->At, QPoint(448, 106));

    input.FirstDoseTimeOfDay.reset();
    const TGraphPicture empty = GraphAxesPicture(input, FixedMetrics());
    EXPECT_TRUE(ItemsOf<TGraphPolygon>(empty).empty());
    EXPECT_TRUE(ItemsOf<TGraphEllipse>(empty).empty());
    EXPECT_TRUE(Fills(input, Band).empty());
}

// Rows of plot values, clamped in floating point before they are truncated.
TEST(GraphGeometry, CurveRowsStayOnThePlot)
{
    const double inf = std::numeric_limits<double>::infinity();
    const double yScale = 370.0 / 60;
    EXPECT_EQ(CurveRow(30, yScale), 205);
    EXPECT_EQ(CurveRow(0, yScale), 390);
    EXPECT_EQ(CurveRow(61, yScale), 20);
    EXPECT_EQ(CurveRow(1e300, yScale), 20);
    EXPECT_EQ(CurveRow(inf, yScale), 20);
    EXPECT_EQ(CurveRow(-inf, yScale), 390);
    EXPECT_EQ(CurveRow(-5, yScale), 390);
    EXPECT_EQ(CurveRow(std::numeric_limits<double>::quiet_NaN(), yScale), 390);

    const TGraphState linear = View(Day, 7, 0, 60);
    const TGraphState log = View(Day, 4, -2, 4);
    EXPECT_EQ(PlotValue(12.5, linear, GraphAxis::Linear), 12.5);
    EXPECT_EQ(PlotValue(12.5, View(Day, 7, 5, 65), GraphAxis::Linear), 7.5);
    EXPECT_EQ(PlotValue(100, log, GraphAxis::Logarithmic), 4);
    EXPECT_EQ(PlotValue(0, log, GraphAxis::Logarithmic), 0);
    EXPECT_EQ(PlotValue(-1, log, GraphAxis::Logarithmic), 0);
    EXPECT_EQ(CurveRow(PlotValue(std::numeric_limits<double>::quiet_NaN(), log, GraphAxis::Logarithmic), 1), 390);

    // A curve: x = trunc(j x step x 720 / (days x 1440) + 60).
    const std::vector<double> values = {0, 30, inf, std::numeric_limits<double>::quiet_NaN(), 60};
    const TGraphPolyline line = CurvePolyline(values, 10, linear, GraphAxis::Linear, {vcl::clRed, 1, {}});
    EXPECT_EQ(line.Points, (std::vector<QPoint>{{60, 390}, {60, 205}, {61, 20}, {62, 390}, {62, 20}}));
}

// A view of no days or a y range of nothing: the white surface and no curve.
TEST(GraphGeometry, EmptyScalesDrawNothing)
{
    for (const TGraphState& g : {View(Day, 0, 0, 60), View(Day, 7, 10, 10), View(Day, -3, 0, 60)}) {
        const TGraphPicture picture = GraphAxesPicture(Axes(g), FixedMetrics());
        ASSERT_EQ(picture.Items.size(), 1u);
        EXPECT_EQ(std::get<TGraphFill>(picture.Items[0]).Rect, QRect(0, 0, 800, 450));
        EXPECT_TRUE(CurvePolyline(std::vector<double>(10, 5.0), 2, g, GraphAxis::Linear, {}).Points.empty());
    }
}
