#include "StoreFixture.h"

#include <limits>

using vcl::EncodeDate;

namespace {

const QString Key = QStringLiteral("20260105093000");

TAnalysisRecord Analysis(int kaisekiId, double date, int kubun = 5, int drug = 1, int product = 1, int algo = 1)
{
    TAnalysisRecord a = ResetAnalysisRecord();
    a.patient_id = Key;
    a.kaiseki_id = kaisekiId;
    a.kubun_id = kubun;
    a.yakuzainame_id = drug;
    a.yakuhinname_id = product;
    a.syutten_id = 1;
    a.analysis_algo = algo;
    a.analysis_date = date;
    return a;
}

// Every field a value of its own, so a column read into the wrong field shows.
TAnalysisRecord DistinctAnalysis()
{
    TAnalysisRecord a;
    a.patient_id = Key;
    a.kaiseki_id = 3;
    a.kubun_id = 5;
    a.yakuzainame_id = 1;
    a.yakuhinname_id = 1;
    a.syutten_id = -1;
    a.analysis_algo = 2;
    a.analysis_weight = 2;
    a.weight_value = 1;
    a.absolute_error = 0.01;
    a.relative_error = 0.02;
    a.init_value = 3.5;
    a.analysis_date = EncodeDate(2026, 1, 5);
    a.analysis_level = 7;
    a.kaiseki_before_id = 8;
    for (int n = 1; n <= TAnalysisRecord::CovariateCount; ++n)
        a.KaisekiTable(n) = 100 + n + 0.125;
    for (int i = 0; i < TParamBlock::Count; ++i) {
        a.bosyudan[i] = 1000 + i + 0.1;
        a.bosyudan_vari[i] = 2000 + i + 0.2;
        a.kaiseki[i] = 3000 + i + 1.0 / 3.0;
        a.kaiseki_vari[i] = 4000 + i + 0.4;
    }
    a.past_id = 1;
    a.ss = 1.0e-7 / 3.0;
    a.comment = QString::fromUtf8("腎機能低下あり。It's fine.");
    return a;
}

} // namespace

using AnalysisStore = StoreTest;

TEST_F(AnalysisStore, EveryFieldRoundTripsExactlyThroughInsertAndUpdate)
{
    const TAnalysisRecord a = DistinctAnalysis();
    ASSERT_EQ(store->SaveAnalysis(a), 0) << store->LastError().toStdString();
    TAnalysisRecord loaded;
    ASSERT_EQ(store->LoadAnalysis(Key, 3, loaded), 0);
    EXPECT_EQ(loaded.patient_id, a.patient_id);
    EXPECT_EQ(loaded.kaiseki_id, 3);
    EXPECT_EQ(loaded.syutten_id, -1);
    EXPECT_EQ(loaded.analysis_algo, 2);
    EXPECT_EQ(loaded.analysis_weight, 2);
    EXPECT_EQ(loaded.weight_value, 1);
    EXPECT_EQ(loaded.absolute_error, 0.01);
    EXPECT_EQ(loaded.relative_error, 0.02);
    EXPECT_EQ(loaded.init_value, 3.5);
    EXPECT_EQ(loaded.analysis_date, a.analysis_date);
    EXPECT_EQ(loaded.analysis_level, 7);
    EXPECT_EQ(loaded.kaiseki_before_id, 8);
    for (int n = 1; n <= TAnalysisRecord::CovariateCount; ++n)
        EXPECT_EQ(loaded.KaisekiTable(n), a.KaisekiTable(n)) << n;
    for (int i = 0; i < TParamBlock::Count; ++i) {
        EXPECT_EQ(loaded.bosyudan[i], a.bosyudan[i]) << TParamBlock::Name(i);
        EXPECT_EQ(loaded.bosyudan_vari[i], a.bosyudan_vari[i]) << TParamBlock::Name(i);
        EXPECT_EQ(loaded.kaiseki[i], a.kaiseki[i]) << TParamBlock::Name(i);   // not cut to 12 decimals
        EXPECT_EQ(loaded.kaiseki_vari[i], a.kaiseki_vari[i]) << TParamBlock::Name(i);
    }
    EXPECT_EQ(loaded.past_id, 1);
    EXPECT_EQ(loaded.ss, a.ss);
    EXPECT_EQ(loaded.comment, a.comment);
    EXPECT_EQ(Raw().Value("SELECT bosyudan_clf_vari FROM kaiseki").toDouble(), 2012.2);

    // Same key again: the row is updated, not doubled; the apostrophe in the
    // comment does not break the statement.
    TAnalysisRecord changed = a;
    changed.kaiseki.cl = 4.25;
    changed.comment = QStringLiteral("it's 'quoted' twice");
    ASSERT_EQ(store->SaveAnalysis(changed), 0) << store->LastError().toStdString();
    EXPECT_EQ(store->CountAnalysisRow(changed), 1);
    EXPECT_EQ(store->CountAnalyses(Key), 1);
    ASSERT_EQ(store->LoadAnalysis(Key, 3, loaded), 0);
    EXPECT_EQ(loaded.kaiseki.cl, 4.25);
    EXPECT_EQ(loaded.comment, changed.comment);

    // A new number inserts.
    changed.kaiseki_id = 4;
    ASSERT_EQ(store->SaveAnalysis(changed), 0);
    EXPECT_EQ(store->CountAnalyses(Key), 2);
    EXPECT_EQ(store->CountAnalyses(QStringLiteral("other")), 0);
}

TEST_F(AnalysisStore, LoadOfAMissingRowGivesAZeroRecord)
{
    TAnalysisRecord loaded = DistinctAnalysis();
    EXPECT_EQ(store->LoadAnalysis(Key, 9, loaded), 0);
    EXPECT_TRUE(loaded.patient_id.isEmpty());
    EXPECT_EQ(loaded.kaiseki_id, 0);
    EXPECT_EQ(loaded.kaiseki.ka, 0.0);
    EXPECT_TRUE(loaded.comment.isEmpty());
}

// A failed count hands the drug page -1 as the new number.
TEST_F(AnalysisStore, RefusesANegativeNumberAndNonFiniteValues)
{
    TAnalysisRecord a = DistinctAnalysis();
    a.kaiseki_id = -1;
    EXPECT_EQ(store->SaveAnalysis(a), -1);
    EXPECT_TRUE(store->LastError().startsWith(QStringLiteral("Query1: ")));

    a.kaiseki_id = 0;
    a.kaiseki.k21 = std::numeric_limits<double>::quiet_NaN();
    EXPECT_EQ(store->SaveAnalysis(a), -1);
    EXPECT_TRUE(store->LastError().contains(QStringLiteral("kaiseki_k21"))) << store->LastError().toStdString();
    a.kaiseki.k21 = 0;
    a.ss = -std::numeric_limits<double>::infinity();
    EXPECT_EQ(store->SaveAnalysis(a), -1);
    EXPECT_TRUE(store->LastError().contains(QStringLiteral("kaiseki.ss"))) << store->LastError().toStdString();
    EXPECT_EQ(Raw().Count("kaiseki"), 0);

    // An update is refused the same way and leaves the stored row as it was.
    a.ss = 2.5;
    ASSERT_EQ(store->SaveAnalysis(a), 0);
    a.bosyudan_vari.vd = std::numeric_limits<double>::infinity();
    EXPECT_EQ(store->SaveAnalysis(a), -1);
    EXPECT_EQ(Raw().Value("SELECT bosyudan_vd_vari FROM kaiseki").toDouble(), 2002.2);
}

TEST_F(AnalysisStore, ListAnalysesKeepsAnalysedRowsOfTheProductOldestFirst)
{
    const double day1 = EncodeDate(2026, 1, 5);
    const double day2 = EncodeDate(2026, 2, 1);
    // Stored in a scrambled order; two on the same day.
    ASSERT_EQ(store->SaveAnalysis(Analysis(4, day2)), 0);
    ASSERT_EQ(store->SaveAnalysis(Analysis(2, day1)), 0);
    ASSERT_EQ(store->SaveAnalysis(Analysis(1, day1)), 0);
    ASSERT_EQ(store->SaveAnalysis(Analysis(0, NeverAnalysed)), 0);            // drug page only
    ASSERT_EQ(store->SaveAnalysis(Analysis(3, day1, 5, 1, 1, 2)), 0);         // the other model
    ASSERT_EQ(store->SaveAnalysis(Analysis(5, day1, 5, 2, 1, 0)), 0);         // another drug
    ASSERT_EQ(store->SaveAnalysis(Analysis(6, day2, 3, 1, 1, 0)), 0);
    ASSERT_EQ(store->SaveAnalysis(Analysis(7, day1, 3, 1, 1, 3)), 0);
    ASSERT_EQ(store->SaveAnalysis(Analysis(8, day1, 3, 1, 1, 1)), 0);
    TAnalysisRecord foreign = Analysis(0, day1);
    foreign.patient_id = QStringLiteral("20260105093001");
    ASSERT_EQ(store->SaveAnalysis(foreign), 0);

    std::vector<TAnalysisRecord> list(2);
    EXPECT_EQ(store->ListAnalyses(list, Key, 5, 1, 1, 1), 3);
    ASSERT_EQ(list.size(), 3u);
    EXPECT_EQ(list[0].kaiseki_id, 1);
    EXPECT_EQ(list[1].kaiseki_id, 2);
    EXPECT_EQ(list[2].kaiseki_id, 4);

    EXPECT_EQ(store->ListAnalyses(list, Key, 5, 1, 1, 2), 1);
    EXPECT_EQ(list[0].kaiseki_id, 3);

    // Variant 0: rows with analysis_algo 0 or 3.
    EXPECT_EQ(store->ListAnalyses(list, Key, 3, 1, 1, 0), 2);
    EXPECT_EQ(list[0].kaiseki_id, 7);
    EXPECT_EQ(list[1].kaiseki_id, 6);
    EXPECT_EQ(store->ListAnalyses(list, Key, 9, 1, 1, 0), 0);
    EXPECT_TRUE(list.empty());
}
