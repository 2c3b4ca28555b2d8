#include "AnalyseSteps.h"
#include "ScheduleSetOps.h"
#include "ScheduleTestData.h"

#include <gtest/gtest.h>

using namespace schedule_test;

namespace {

const TDrugKey Vancomycin{5, 1, 1, 1};
const TDrugKey Theophylline{2, 1, 1};

// count administrations a day apart from Day 09:00, each infused for
// dripHours.
std::vector<TScheduleDay> Daily(int count, double dripHours = 1)
{
    std::vector<TScheduleDay> days;
    for (int i = 0; i < count; ++i)
        days.push_back(Administration(Day + i + At(9, 0), 1000, dripHours));
    return days;
}

// Sets whose day lists hold `counts[i]` administrations; a set with any holds
// one prescription too, as the schedule page keeps them.
TScheduleSets Sets(std::vector<int> counts, int current = 0)
{
    TScheduleSets sets;
    for (int set = 0; set < static_cast<int>(counts.size()); ++set) {
        sets.ScheduleDayLists[set] = Daily(counts[set]);
        if (counts[set] > 0)
            sets.PrescriptionLists[set].push_back(Prescription(Day, Day + counts[set] - 1, 1, At(9, 0), 1000, 1));
    }
    sets.CurSetIndex = current;
    return sets;
}

} // namespace

TEST(AnalyseSteps, CheckRefusesEmptyListedSetsAndSetsTheEngineCannotCompute)
{
    const QString empty = QStringLiteral("投与スケジュールが設定されていません。");
    auto overlapping = [] {
        TScheduleSets sets = Sets({3, 3});
        // 10:30 starts while the 09:00 two-hour infusion still runs.
        sets.ScheduleDayLists[1] = {Administration(Day + At(9, 0), 1000, 2), Administration(Day + At(10, 30), 500, 1)};
        return sets;
    };
    // Set 0 cannot be computed, and the listed changed regimen 1 is empty:
    // the empty set is told first.
    auto overlappingBesideAnEmptyListedSet = [] {
        TScheduleSets sets = Sets({3, 0}, 1);
        sets.ScheduleDayLists[0] = {Administration(Day + At(9, 0), 1000, 2), Administration(Day + At(10, 30), 500, 1)};
        return sets;
    };
    auto backToBack = [] {
        TScheduleSets sets = Sets({3});
        sets.ScheduleDayLists[0] = {Administration(Day + At(9, 0), 1000, 2), Administration(Day + At(11, 0), 500, 1)};
        return sets;
    };
    auto tooMany = [](int administrations) {
        TScheduleSets sets = Sets({3});
        sets.ScheduleDayLists[0] = Daily(administrations);
        return sets;
    };
    struct Case {
        const char* what;
        TScheduleSets sets;
        TDrugKey drug;
        QString expected;   // empty: the command goes on
    } cases[] = {
        {"sets 0 and 1 filled", Sets({3, 3}), Vancomycin, {}},
        {"set 0 empty", Sets({0}), Vancomycin, empty},
        {"changed regimen 2 listed but empty", Sets({3, 3, 0}, 2), Vancomycin, empty},
        {"an infusion during another", overlapping(), Vancomycin,
         QStringLiteral("「変更1」の投与スケジュールで、前の点滴が終わる前に次の点滴が始まっています。\n"
                        "投与時刻または点滴時間を見直してください。")},
        {"an infusion during another in set 0, listed set 1 empty", overlappingBesideAnEmptyListedSet(), Vancomycin,
         empty},
        {"the same doses of an oral drug", overlapping(), Theophylline, {}},
        {"an infusion at the minute the previous ends", backToBack(), Vancomycin, {}},
        {"5,000 infusions: 10,000 events", tooMany(5000), Vancomycin, {}},
        {"5,001 infusions", tooMany(5001), Vancomycin,
         QStringLiteral("「患者データ」の投与スケジュールは投与回数が多すぎるため解析できません。\n"
                        "投与回数は点滴の終了を含めて10000回までです。")},
        {"10,000 oral doses", tooMany(10000), Theophylline, {}},
    };
    for (const Case& c : cases) {
        const std::optional<TAnalyseMessage> message = CheckSetsForAnalysis(c.sets, c.drug);
        EXPECT_EQ(message ? message->Text : QString(), c.expected) << c.what;
        if (message) {
            EXPECT_EQ(message->Caption, QStringLiteral("投与/採血スケジュールエラー")) << c.what;
        }
    }
}

TEST(AnalyseSteps, DoseEventsOfTheUsedSetsAreRebuiltInTimeOrderOnTheNewSpan)
{
    TScheduleSets sets;
    sets.PrescriptionLists[0] = {Prescription(Day + 1, Day + 1, 1, At(9, 0), 1000, 1)};
    sets.PrescriptionLists[1] = {Prescription(Day + 1, Day + 2, 1, At(9, 0), 500, 1)};
    sets.ScheduleDayLists[0] = {Administration(Day + 1 + At(9, 0), 1000, 1)};
    // Set 1 out of time order; set 3 is not in use (set 2 is empty).
    sets.ScheduleDayLists[1] = {Administration(Day + 2 + At(9, 0), 500, 1), Administration(Day + 1 + At(9, 0), 500, 1)};
    sets.PrescriptionLists[3] = sets.PrescriptionLists[1];
    sets.ScheduleDayLists[3] = sets.ScheduleDayLists[1];
    sets.DoseEventLists[3] = {{1, 2, 3}};
    // The span follows set 0 even while changed regimen 1, which ends a day
    // later, is shown.
    sets.CurSetIndex = 1;
    TAnalysisRecord analysis;
    analysis.kubun_id = 5;
    analysis.yakuzainame_id = 1;
    analysis.yakuhinname_id = 1;
    TGraphState graph;

    ASSERT_EQ(BuildDoseEventsForAnalysis(sets, analysis, Day + 30, graph), DoseEventsResult::Built);

    EXPECT_EQ(graph.GraphFirstDay, Day + 1);
    EXPECT_EQ(graph.GraphLastDay, Day + 1);
    ASSERT_EQ(sets.DoseEventLists[0].size(), 2u);
    EXPECT_EQ(sets.DoseEventLists[0][0].Time, 540.0);
    ASSERT_EQ(sets.DoseEventLists[1].size(), 4u);
    EXPECT_EQ(sets.DoseEventLists[1][0].Time, 540.0);
    EXPECT_EQ(sets.DoseEventLists[1][2].Time, 1440.0 + 540.0);
    EXPECT_EQ(sets.DoseEventLists[3].size(), 1u);
}

TEST(AnalyseSteps, SamplingsAllBeforeTheFirstDoseAreFoundFromTheSamplings)
{
    TScheduleSets sets;
    sets.DoseEventLists[0] = {{540, 1000, 60}, {600, 0, 0}};
    // The fit reads set 0, whichever set is shown.
    sets.DoseEventLists[1] = {{0, 1000, 60}, {60, 0, 0}};
    sets.CurSetIndex = 1;
    auto sampled = [&](std::vector<double> times) {
        sets.Samplings.clear();
        for (double t : times) {
            TSamplingRecord s;
            s.saiketu_time = Day + t;
            sets.Samplings.push_back(s);
        }
        return AllSamplingsBeforeFirstDose(sets, Day);
    };
    EXPECT_FALSE(sampled({}));                            // asked about before, not this case
    EXPECT_TRUE(sampled({At(8, 0), At(8, 59, 59)}));
    EXPECT_FALSE(sampled({At(8, 0), At(9, 0)}));          // one at the first dose's minute is used
    EXPECT_FALSE(sampled({At(8, 0), 1 + At(8, 0)}));
}
