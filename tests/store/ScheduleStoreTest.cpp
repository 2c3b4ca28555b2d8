#include "StoreFixture.h"

#include "uDataProc.h"

#include <limits>

using vcl::EncodeDate;
using vcl::EncodeTime;

namespace {

const QString Key = QStringLiteral("20260105093000");

TPrescription Prescription(int set, int position, double dose)
{
    TPrescription p;
    p.patient_id = Key;
    p.analysis_id = 0;
    p.result_id = set;
    p.touyo_id = position;
    p.touyo_start_time = EncodeDate(2026, 1, 5);
    p.touyo_end_time = OpenEndDate;
    p.touyo_interval = 1;
    p.touyo_time = EncodeTime(10, 31, 0, 0);
    p.touyo_dose = dose;
    p.touyo_drip_time = 1.5;
    return p;
}

TSamplingRecord Sampling(double time, double value)
{
    TSamplingRecord s;
    s.patient_id = Key;
    s.saiketu_time = time;
    s.saiketu_value = value;
    return s;
}

std::vector<double> Doses(const std::vector<TPrescription>& list)
{
    std::vector<double> doses;
    for (const TPrescription& p : list)
        doses.push_back(p.touyo_dose);
    return doses;
}

std::vector<double> Values(const std::vector<TSamplingRecord>& list)
{
    std::vector<double> values;
    for (const TSamplingRecord& s : list)
        values.push_back(s.saiketu_value);
    return values;
}

} // namespace

using ScheduleStore = StoreTest;

TEST_F(ScheduleStore, PrescriptionsComeBackPerSetInPositionOrderWithExactTimes)
{
    ASSERT_EQ(store->InsertPrescription(Prescription(0, 2, 300)), 0) << store->LastError().toStdString();
    ASSERT_EQ(store->InsertPrescription(Prescription(0, 0, 100)), 0);
    ASSERT_EQ(store->InsertPrescription(Prescription(0, 1, 200)), 0);
    ASSERT_EQ(store->InsertPrescription(Prescription(1, 0, 999)), 0);

    std::vector<TPrescription> list(5);
    EXPECT_EQ(store->LoadPrescriptions(Key, 0, 0, list), 3);
    EXPECT_EQ(Doses(list), (std::vector<double>{100, 200, 300}));
    const TPrescription& p = list[0];
    EXPECT_EQ(p.patient_id, Key);
    EXPECT_EQ(p.result_id, 0);
    EXPECT_EQ(p.touyo_start_time, EncodeDate(2026, 1, 5));
    EXPECT_EQ(p.touyo_end_time, 0.0);
    EXPECT_EQ(p.touyo_interval, 1);
    EXPECT_EQ(p.touyo_drip_time, 1.5);
    // Bound exactly: 10:31 stays 10:31 (printed with 12 decimals it read back
    // as 10:30:59.99... and lost a minute).
    EXPECT_EQ(p.touyo_time, EncodeTime(10, 31, 0, 0));
    EXPECT_EQ(MinutesOfDay(p.touyo_start_time + p.touyo_time), 631);

    EXPECT_EQ(store->DeletePrescriptions(Key, 0, 0), 0);
    EXPECT_EQ(store->LoadPrescriptions(Key, 0, 0, list), 0);
    EXPECT_EQ(store->LoadPrescriptions(Key, 0, 1, list), 1) << "other sets stay";

    TPrescription orphan = Prescription(0, 0, 1);
    orphan.analysis_id = -1;
    EXPECT_EQ(store->InsertPrescription(orphan), -1);
    EXPECT_FALSE(store->LastError().isEmpty());
}

TEST_F(ScheduleStore, SamplingsKeepTheirTimeAndSixDecimalsOfTheValue)
{
    const double t = EncodeDate(2026, 1, 6) + EncodeTime(7, 59, 0, 0);
    TSamplingRecord s = Sampling(t, 1.23456789);
    s.saiketu_id = 1;
    ASSERT_EQ(store->InsertSampling(s), 0);
    s = Sampling(t - 1, 12.5);
    ASSERT_EQ(store->InsertSampling(s), 0);

    std::vector<TSamplingRecord> list;
    EXPECT_EQ(store->LoadSamplings(Key, 0, list), 2);
    EXPECT_EQ(Values(list), (std::vector<double>{12.5, 1.234568}));
    EXPECT_EQ(list[1].saiketu_time, t);
    EXPECT_EQ(MinutesOfDay(list[1].saiketu_time), 7 * 60 + 59);

    EXPECT_EQ(store->DeleteSamplings(Key, 0), 0);
    EXPECT_EQ(store->LoadSamplings(Key, 0, list), 0);

    s.saiketu_value = std::numeric_limits<double>::quiet_NaN();
    EXPECT_EQ(store->InsertSampling(s), -1);
    EXPECT_TRUE(store->LastError().contains(QStringLiteral("saiketu_value"))) << store->LastError().toStdString();
    EXPECT_EQ(Raw().Count("saiketu"), 0);
}

class AnalyseStore : public StoreTest {
protected:
    void SetUp() override
    {
        StoreTest::SetUp();
        analysis = ResetAnalysisRecord();
        analysis.patient_id = Key;
        analysis.kaiseki_id = 2;
        analysis.comment = QStringLiteral("first");
        sets[0] = {Prescription(0, 5, 100), Prescription(0, 9, 200)};
        sets[1] = {Prescription(1, 0, 300)};
        sets[2] = {Prescription(2, 0, 400), Prescription(2, 1, 500)};
        samplings = {Sampling(46027.25, 10.1), Sampling(46028.25, 8.4)};
        ASSERT_EQ(store->SaveAnalysisWithSchedule(analysis, sets, 2, samplings), 0)
            << store->LastError().toStdString();
    }

    std::vector<TPrescription> Stored(int set)
    {
        std::vector<TPrescription> list;
        store->LoadPrescriptions(Key, 2, set, list);
        return list;
    }

    TAnalysisRecord analysis;
    std::array<std::vector<TPrescription>, ScheduleSetCount> sets;
    std::vector<TSamplingRecord> samplings;
};

TEST_F(AnalyseStore, StoresTheAnalysisAndRenumbersEveryRowFromZero)
{
    TAnalysisRecord loaded;
    ASSERT_EQ(store->LoadAnalysis(Key, 2, loaded), 0);
    EXPECT_EQ(loaded.comment, QStringLiteral("first"));

    const std::vector<TPrescription> set0 = Stored(0);
    ASSERT_EQ(set0.size(), 2u);
    EXPECT_EQ(set0[0].touyo_id, 0);
    EXPECT_EQ(set0[1].touyo_id, 1);
    EXPECT_EQ(set0[1].analysis_id, 2) << "rows carry the analysis' key";
    EXPECT_EQ(Doses(Stored(2)), (std::vector<double>{400, 500}));
    // The caller's lists are renumbered too.
    EXPECT_EQ(sets[0][1].touyo_id, 1);
    EXPECT_EQ(sets[0][1].analysis_id, 2);
    EXPECT_EQ(samplings[1].saiketu_id, 1);

    std::vector<TSamplingRecord> stored;
    EXPECT_EQ(store->LoadSamplings(Key, 2, stored), 2);
    EXPECT_EQ(stored[1].saiketu_id, 1);
    EXPECT_EQ(stored[1].saiketu_value, 8.4);
}

// A changed regimen emptied since the last save must not come back on load.
TEST_F(AnalyseStore, ASetEmptiedSinceTheLastSaveIsGoneAfterTheNextSave)
{
    sets[2].clear();
    std::swap(sets[0][0], sets[0][1]);          // reordered on the page
    samplings.pop_back();
    ASSERT_EQ(store->SaveAnalysisWithSchedule(analysis, sets, 1, samplings), 0) << store->LastError().toStdString();

    EXPECT_EQ(Doses(Stored(0)), (std::vector<double>{200, 100}));
    EXPECT_EQ(Doses(Stored(1)), (std::vector<double>{300}));
    EXPECT_TRUE(Stored(2).empty());
    std::vector<TSamplingRecord> stored;
    EXPECT_EQ(store->LoadSamplings(Key, 2, stored), 1);
    EXPECT_EQ(Raw().Count("touyo"), 3);
}

TEST_F(AnalyseStore, AnyFailureLeavesTheDatabaseAsItWas)
{
    const int touyoRows = Raw().Count("touyo");
    TAnalysisRecord changed = analysis;
    changed.comment = QStringLiteral("second");
    sets[0].push_back(Prescription(0, 0, 600));
    samplings.back().saiketu_value = std::numeric_limits<double>::infinity();   // the very last row fails
    EXPECT_EQ(store->SaveAnalysisWithSchedule(changed, sets, 2, samplings), -1);
    EXPECT_TRUE(store->LastError().contains(QStringLiteral("saiketu_value"))) << store->LastError().toStdString();

    TAnalysisRecord loaded;
    ASSERT_EQ(store->LoadAnalysis(Key, 2, loaded), 0);
    EXPECT_EQ(loaded.comment, QStringLiteral("first"));
    EXPECT_EQ(Doses(Stored(0)), (std::vector<double>{100, 200}));
    EXPECT_EQ(Raw().Count("touyo"), touyoRows);
    std::vector<TSamplingRecord> stored;
    EXPECT_EQ(store->LoadSamplings(Key, 2, stored), 2);
    EXPECT_EQ(stored[1].saiketu_value, 8.4);

    // A refused analysis row, an out-of-range set index: nothing written either.
    samplings.back().saiketu_value = 1;
    changed.kaiseki_id = -1;
    EXPECT_EQ(store->SaveAnalysisWithSchedule(changed, sets, 2, samplings), -1);
    EXPECT_EQ(store->SaveAnalysisWithSchedule(analysis, sets, 4, samplings), -1);
    EXPECT_EQ(Raw().Count("kaiseki"), 1);
    EXPECT_EQ(Raw().Count("touyo"), touyoRows);

    // The connection is usable afterwards.
    EXPECT_EQ(store->SaveAnalysisWithSchedule(analysis, sets, 2, samplings), 0) << store->LastError().toStdString();
    EXPECT_EQ(Doses(Stored(0)), (std::vector<double>{100, 200, 600}));
}
