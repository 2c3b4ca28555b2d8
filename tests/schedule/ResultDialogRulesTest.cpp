// The result dialogs' rules: the scale checks and write-back, the comparison
// moment's stepping, the unit tables, the per-set rows, the days the AUC and
// time-above-MIC dialogs keep to, the time above a MIC, the albumin
// correction and Vmax.
#include "ComparisonMoment.h"
#include "DrugKeyUniverse.h"
#include "NumberFormat.h"
#include "ResultDialogRules.h"
#include "ScaleDialogRules.h"
#include "ValueCorrection.h"

#include <gtest/gtest.h>

namespace {

const vcl::TDateTime First = vcl::EncodeDate(2026, 12, 1);
const TScheduleDays Days{First, First + 10};

TGraphState Graph()
{
    TGraphState g;
    g.GraphFirstDay = Days.FirstDay;
    g.GraphLastDay = Days.LastDay;
    g.GraphViewStart = First;
    g.GraphViewEnd = First + 11;
    g.GraphViewDays = 11;
    g.GraphYMax = 30;
    g.RangeUpper = 15;
    g.RangeLower = 10;
    g.GraphYRange = 30;
    return g;
}

double At(int hour, int minute)
{
    return (hour * 60 + minute) / 1440.0;
}

} // namespace

TEST(ScaleDialogRules, ChecksInOrderWithTheirMessages)
{
    struct Case {
        double yMax, yMin, upper, lower, start, end;   // days from First
        const char16_t* message;                        // nullptr: accepted
        TScaleField focus;
    };
    const Case cases[] = {
        {30, 0, 15, 10, 0, 100, nullptr, {}},                                  // 100 days
        {30, 0, 15, 10, 0, 101, u"横軸の設定が不正です。", TScaleField::ViewStart},
        {30, 0, 15, 10, 5, 5, u"横軸の設定が不正です。", TScaleField::ViewStart},   // no day to draw
        {30, 0, 15, 10, 5, 4, u"横軸の設定が不正です。", TScaleField::ViewStart},
        {10, 10, 15, 10, 0, 5, u"縦軸の設定が不正です。", TScaleField::YMax},
        {10, 10, 15, 10, 5, 4, u"横軸の設定が不正です。", TScaleField::ViewStart},   // both axes: x first
        {1.5, 1.2, 1, 1, 0, 5, u"縦軸の設定が不正です。", TScaleField::YMax},       // equal whole parts
        {2, 1.9, 1, 1, 0, 5, nullptr, {}},
        {30, 0, 10, 10, 0, 5, nullptr, {}},                                    // equal range limits
        {30, 0, 9.99, 10, 0, 5, u"有効値領域の設定が不正です。", TScaleField::RangeUpper},
        {30, 0, 10000.01, 10, 0, 5, u"有効値領域の設定が不正です。", TScaleField::RangeUpper},   // beyond the cell
        {30, 0, 15, -0.01, 0, 5, u"有効値領域の設定が不正です。", TScaleField::RangeUpper},      // below the cell
        {30, 0, 15, 10, -1, 5, u"表示開始年月日が不正です。", TScaleField::ViewStart},
        {30, 0, 9, 10, -1, 5, u"有効値領域の設定が不正です。", TScaleField::RangeUpper},   // range first
        {30, 0, 15, 10, 11, 12, u"表示開始年月日が不正です。", TScaleField::ViewStart},
        {30, 0, 15, 10, 10, 12, nullptr, {}},                                  // starts on the last day
    };
    for (const Case& c : cases) {
        const TScaleEntry entry{c.yMax, c.yMin, c.upper, c.lower, First + c.start, First + c.end};
        const std::optional<TScaleRefusal> refusal = CheckScaleEntry(entry, Graph());
        SCOPED_TRACE(testing::Message() << c.yMax << " " << c.yMin << " " << c.start << ".." << c.end);
        if (!c.message) {
            EXPECT_FALSE(refusal.has_value());
            continue;
        }
        ASSERT_TRUE(refusal.has_value());
        EXPECT_EQ(refusal->Text, QString::fromUtf16(c.message));
        EXPECT_EQ(refusal->Caption, QStringLiteral("スケール設定エラー"));
        EXPECT_EQ(refusal->Focus, c.focus);
    }
}

TEST(ScaleDialogRules, FillAndWriteBackLinearAndLogarithmic)
{
    TGraphState graph = Graph();
    const TScaleEntry shown = ScaleEntryFromGraph(graph, TScaleAxis::Linear);
    EXPECT_EQ(shown.YMax, 30);
    EXPECT_EQ(shown.ViewEnd, First + 11);
    ApplyScaleEntry(graph, {12.9, 2.7, 8.5, 4.25, First + 2, First + 9}, TScaleAxis::Linear);
    EXPECT_EQ(graph.GraphYMax, 12);
    EXPECT_EQ(graph.GraphYMin, 2);
    EXPECT_EQ(graph.GraphYRange, 10);
    EXPECT_EQ(graph.RangeUpper, 8.5);
    EXPECT_EQ(graph.RangeLower, 4.25);
    EXPECT_EQ(graph.GraphViewStart, First + 2);
    EXPECT_EQ(graph.GraphViewDays, 7);

    // Methotrexate shows its axis as 10^4 .. 10^-2 and keeps -2 .. 4.
    EXPECT_EQ(ScaleAxisFor({9, 1, 1}), TScaleAxis::Logarithmic);
    EXPECT_EQ(ScaleAxisFor({5, 1, 1, 2}), TScaleAxis::Linear);
    graph.GraphYMax = 4;
    graph.GraphYMin = -2;
    const TScaleEntry log = ScaleEntryFromGraph(graph, TScaleAxis::Logarithmic);
    EXPECT_EQ(vcl::FormatFloat(QStringLiteral("0.00"), log.YMax), QStringLiteral("10000.00"));
    EXPECT_EQ(vcl::FormatFloat(QStringLiteral("0.00"), log.YMin), QStringLiteral("0.01"));
    ApplyScaleEntry(graph, {50, 3, 0, 0, First, First + 3}, TScaleAxis::Logarithmic);
    EXPECT_EQ(graph.GraphYMax, 4);
    EXPECT_EQ(graph.GraphYMin, -2);
    EXPECT_EQ(graph.GraphYRange, 6);
}

TEST(ComparisonMoment, StepsStayInsideTheScheduleAndSplitWholeMinutes)
{
    struct Case {
        double from;                 // days from First
        TStepUnit unit;
        TStepDirection direction;
        TMomentFields expected;
    };
    const Case cases[] = {
        {0, TStepUnit::Minute, TStepDirection::Back, {First, 0, 0}},                 // stays at the first 00:00
        {At(12, 0), TStepUnit::Day, TStepDirection::Back, {First, 0, 0}},
        {3 + At(23, 30), TStepUnit::Hour, TStepDirection::Forward, {First + 4, 0, 30}},
        {3 + At(0, 0), TStepUnit::Minute, TStepDirection::Back, {First + 2, 23, 59}},
        {3 + At(9, 5), TStepUnit::Day, TStepDirection::Forward, {First + 4, 9, 5}},
        {100, TStepUnit::Minute, TStepDirection::Forward, {First + 11, 0, 0}},      // the day after the last
        {99 + At(23, 0), TStepUnit::Hour, TStepDirection::Forward, {First + 100, 0, 0}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.from);
        EXPECT_EQ(StepMoment(First + c.from, c.unit, c.direction, Days), c.expected);
    }
    // Every minute of a day stepped by an hour lands on its own minute.
    for (int m = 0; m < 1440; ++m) {
        const TMomentFields stepped =
            StepMoment(MomentOf({First + 2, m / 60, m % 60}), TStepUnit::Hour, TStepDirection::Forward, Days);
        const int expected = m + 60;
        ASSERT_EQ(stepped, (TMomentFields{First + 2 + expected / 1440, expected % 1440 / 60, expected % 60})) << m;
    }
}

TEST(ComparisonMoment, PulledIntoTheScheduleAndReadFromTheCells)
{
    EXPECT_EQ(PullIntoSchedule(First - At(0, 1), Days), (TMomentFields{First, 0, 0}));
    EXPECT_EQ(PullIntoSchedule(First + 100 + At(0, 1), Days), (TMomentFields{First + 11, 0, 0}));
    EXPECT_EQ(PullIntoSchedule(First + 100, Days), (TMomentFields{First + 100, 0, 0}));
    EXPECT_EQ(PullIntoSchedule(First + 5 + At(9, 5), Days), (TMomentFields{First + 5, 9, 5}));

    EXPECT_EQ(MomentFromCells(First, QStringLiteral("07"), QStringLiteral("05")), First + At(7, 5));
    EXPECT_FALSE(MomentFromCells(First, QString(), QStringLiteral("05")));
    EXPECT_FALSE(MomentFromCells(First, QStringLiteral("24"), QStringLiteral("00")));
    EXPECT_FALSE(MomentFromCells(First, QStringLiteral("7"), QStringLiteral("60")));
}

TEST(ResultDialogRules, UnitTablesByDrug)
{
    struct Case {
        TDrugKey drug;
        const char16_t* heading;
        const char16_t* unit;
        const char16_t* format;
        const char16_t* central;
        const char16_t* peripheral;
    };
    const Case cases[] = {
        {{1, 1, 1}, u"血中濃度(ng/mL)", u"ng/mL", u"0.0", u"血中(μg/mL)", u"末梢(μg/mL)"},
        {{1, 1, 4}, u"血中濃度(ng/mL)", u"ng/mL", u"0.0", u"血中(μg/mL)", u"末梢(μg/mL)"},
        {{6, 1, 1}, u"血中濃度(mEq/L)", u"mEq/L", u"0.00", u"血中(μg/mL)", u"末梢(μg/mL)"},
        {{9, 1, 1}, u"血中濃度(μM)", u"μg/mL", u"0.0", u"血中(μM)", u"末梢(μM)"},
        {{3, 1, 1}, u"血中濃度(μg/mL)", u"μg/mL", u"0.0", u"血中(μg/mL)", u"末梢(μg/mL)"},
        {{3, 1, 2}, u"血中濃度(μg/mL)", u"μg/mL", u"0.00", u"血中(μg/mL)", u"末梢(μg/mL)"},
        {{3, 1, 3}, u"血中濃度(μg/mL)", u"μg/mL", u"0.00", u"血中(μg/mL)", u"末梢(μg/mL)"},
        {{5, 1, 1, 2}, u"血中濃度(μg/mL)", u"μg/mL", u"0.0", u"血中(μg/mL)", u"末梢(μg/mL)"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing_seams::KeyText(c.drug).toStdString());
        EXPECT_EQ(ConcentrationHeadingFor(c.drug), QString::fromUtf16(c.heading));
        EXPECT_EQ(QString::fromUtf16(InitialValueUnitFor(c.drug).Unit), QString::fromUtf16(c.unit));
        EXPECT_EQ(QString::fromUtf16(InitialValueUnitFor(c.drug).Format), QString::fromUtf16(c.format));
        EXPECT_EQ(QString::fromUtf16(CompartmentHeadingsFor(c.drug).Central), QString::fromUtf16(c.central));
        EXPECT_EQ(QString::fromUtf16(CompartmentHeadingsFor(c.drug).Peripheral), QString::fromUtf16(c.peripheral));
    }
    EXPECT_EVERY_ROW_REACHABLE(InitialValueUnitRules());
    EXPECT_EVERY_ROW_REACHABLE(CompartmentHeadingRules());
    EXPECT_EVERY_ROW_REACHABLE(ScaleAxisRules());
}

TEST(ResultDialogRules, SetRowsShowDashesForWhatIsNotThere)
{
    const TSetValues values{1.23456, 2.5, 3, 4, 5};
    using Row = TSetRowTexts;
    const QString no = QStringLiteral("------");
    EXPECT_EQ(SetValueTexts(values, 0), (Row{"1.2346", "2.5000", no, no, no}));
    EXPECT_EQ(SetValueTexts(values, 3), (Row{"1.2346", "2.5000", "3.0000", "4.0000", "5.0000"}));

    // No clearance, no curve for the day: that cell only; no AUC for the day: all.
    const TAucValues auc{std::nullopt, 12.0, std::nullopt, 1.0, 2.0};
    EXPECT_EQ(AucRowTexts(true, auc, 1), (Row{no, "12.0000", no, no, no}));
    EXPECT_EQ(AucRowTexts(false, auc, 3), (Row{no, no, no, no, no}));
}

TEST(ResultDialogRules, DaysKeptToTheSchedule)
{
    EXPECT_EQ(PullAucDay(First - 1, Days), First);
    EXPECT_EQ(PullAucDay(First + 100, Days), First + 100);
    EXPECT_EQ(PullAucDay(First + 101, Days), First + 11);   // the day after the last
    EXPECT_EQ(PullPkPdDay(First - 1, Days), First);
    EXPECT_EQ(PullPkPdDay(First + 11, Days), First + 10);  // the last day itself
    EXPECT_EQ(PullPkPdDay(First + 4, Days), First + 4);
}

TEST(ResultDialogRules, TimeAboveMic)
{
    std::array<double, MinutesPerDay> curve{};
    for (int m = 0; m < MinutesPerDay; ++m)
        curve[m] = m < 501 ? 30.0 : m < 720 ? 20.0 : m < 960 ? 10.0 : 5.0;
    struct Case {
        double mic;
        const char* hours;
        const char* percent;
    };
    const Case cases[] = {
        {0, "24.0", "100.0"},
        {5, "24.0", "100.0"},          // at the MIC counts
        {10, "16.0", "66.7"},
        {20, "12.0", "50.0"},
        {25, "8.4", "34.8"},           // 501 minutes
        {30.01, "0.0", "0.0"},         // above the day's maximum
    };
    for (const Case& c : cases) {
        const TTimeAboveMic above = TimeAboveMic(curve, c.mic);
        EXPECT_EQ(above.Hours, QString::fromLatin1(c.hours)) << c.mic;
        EXPECT_EQ(above.Percent, QString::fromLatin1(c.percent)) << c.mic;
    }
}

TEST(ResultDialogRules, AlbuminCorrectionVmaxAndSamplingRows)
{
    TAnalysisRecord a;
    EXPECT_EQ(ApplyValueCorrection(a, 12.5), 12.5);   // no albumin: no correction
    a.kaiseki_table8 = 4.4;
    EXPECT_DOUBLE_EQ(ApplyValueCorrection(a, 12.5), 12.5 / 1.0);
    a.kaiseki_table9 = 1;
    EXPECT_DOUBLE_EQ(ApplyValueCorrection(a, 12.5), 12.5 / 0.532);

    EXPECT_EQ(VmaxText(0.5, 60), QStringLiteral("720.0000"));

    TSamplingRecord s;
    s.saiketu_time = First + At(9, 5);
    s.saiketu_value = 12.345;
    EXPECT_EQ(SamplingRowTexts(s), (std::array<QString, 3>{"2026/12/01", "09:05:00", "12.35"}));
}
