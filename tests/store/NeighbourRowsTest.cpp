// Every statement of the store reaches exactly the rows it names: two
// patients, each with two analyses of four schedule sets and samplings; after
// each writing operation every other row is unchanged to the last bit, and
// every load returns its own rows only.
#include "StoreFixture.h"

#include <QSqlRecord>
#include <functional>

namespace {

const QString Keys[] = {QStringLiteral("20260105093000"), QStringLiteral("20260105093001")};

// One stored row: its table, its identifying columns and its values exactly.
struct TStoredRow {
    CaseTable table = CaseTable::Patient;
    QString key;           // patient key
    int analysis = -1;     // -1 for a patient row
    int set = -1;          // schedule set of a prescription row
    QString values;        // type and value of every column, doubles to the last bit

    bool operator==(const TStoredRow&) const = default;
};

std::vector<TStoredRow> Snapshot()
{
    std::vector<TStoredRow> rows;
    RawDatabase raw(WorkingDatabasePath(), QStringLiteral("snapshot"));
    for (const CaseTable table : AllCaseTables) {
        QSqlQuery query(QSqlDatabase::database(QStringLiteral("snapshot")));
        EXPECT_TRUE(query.exec(QStringLiteral("SELECT * FROM %1 ORDER BY rowid").arg(TableName(table))));
        while (query.next()) {
            TStoredRow row;
            row.table = table;
            row.key = query.value(0).toString();
            if (table != CaseTable::Patient)
                row.analysis = query.value(1).toInt();
            if (table == CaseTable::Prescription)
                row.set = query.value(2).toInt();
            for (int i = 0; i < query.record().count(); ++i) {
                const QVariant v = query.value(i);
                row.values += v.isNull() ? QStringLiteral("NULL|")
                                         : QString::fromLatin1(v.typeName()) + QLatin1Char(':')
                                               + (v.typeId() == QMetaType::Double
                                                      ? QString::number(v.toDouble(), 'g', 17)
                                                      : v.toString())
                                               + QLatin1Char('|');
            }
            rows.push_back(row);
        }
    }
    return rows;
}

using RowFilter = std::function<bool(const TStoredRow&)>;

std::vector<TStoredRow> Rows(const std::vector<TStoredRow>& rows, const RowFilter& keep)
{
    std::vector<TStoredRow> kept;
    std::copy_if(rows.begin(), rows.end(), std::back_inserter(kept), keep);
    return kept;
}

// The rows of a table that belong to a patient, or to one analysis or set of it.
RowFilter RowsOf(CaseTable table, int patient, int analysis = -1, int set = -1)
{
    return [=](const TStoredRow& row) {
        return row.table == table && row.key == Keys[patient] && (analysis < 0 || row.analysis == analysis)
               && (set < 0 || row.set == set);
    };
}

// Values of their own per patient, analysis, set and position, so that a row
// loaded or written for another one shows.
double Dose(int patient, int analysis, int set, int position)
{
    return 1000 * patient + 100 * analysis + 10 * set + position + 1;
}

double Measured(int patient, int analysis, int position)
{
    return 1000 * patient + 100 * analysis + position + 0.5;
}

TPrescription Prescription(int patient, int analysis, int set, int position)
{
    TPrescription p;
    p.patient_id = Keys[patient];
    p.analysis_id = analysis;
    p.result_id = set;
    p.touyo_id = position;
    p.touyo_dose = Dose(patient, analysis, set, position);
    return p;
}

TSamplingRecord Sampling(int patient, int analysis, int position)
{
    TSamplingRecord s;
    s.patient_id = Keys[patient];
    s.analysis_id = analysis;
    s.saiketu_id = position;
    s.saiketu_value = Measured(patient, analysis, position);
    return s;
}

TAnalysisRecord Analysis(int patient, int analysis)
{
    TAnalysisRecord a = ResetAnalysisRecord();
    a.patient_id = Keys[patient];
    a.kaiseki_id = analysis;
    a.comment = QStringLiteral("patient %1 analysis %2").arg(patient).arg(analysis);
    return a;
}

class NeighbourRows : public StoreTest {
protected:
    void SetUp() override
    {
        StoreTest::SetUp();
        for (int patient = 0; patient < 2; ++patient) {
            TPatientRecord p = ResetPatientRecord();
            p.patient_id_t = Keys[patient];
            p.patient_weight = 50 + patient;
            ASSERT_EQ(store->SavePatient(p), 0) << store->LastError().toStdString();
            for (int analysis = 0; analysis < 2; ++analysis) {
                std::array<std::vector<TPrescription>, ScheduleSetCount> sets;
                for (int set = 0; set < ScheduleSetCount; ++set)
                    sets[set] = {Prescription(patient, analysis, set, 0), Prescription(patient, analysis, set, 1)};
                std::vector<TSamplingRecord> samplings{Sampling(patient, analysis, 0), Sampling(patient, analysis, 1)};
                ASSERT_EQ(store->SaveAnalysisWithSchedule(Analysis(patient, analysis), sets, 3, samplings), 0)
                    << store->LastError().toStdString();
            }
        }
    }
};

TEST_F(NeighbourRows, EveryWriteLeavesEveryOtherRowAsItWas)
{
    struct Case {
        const char* name;
        std::function<int()> write;
        RowFilter target;   // the rows the write is meant to change
    };
    const Case cases[] = {
        {"patient updated",
         [&] {
             TPatientRecord p;
             store->LoadPatient(Keys[1], p);
             p.patient_weight = 70;
             return store->SavePatient(p);
         },
         RowsOf(CaseTable::Patient, 1)},
        {"analysis updated",
         [&] {
             TAnalysisRecord a = Analysis(0, 1);
             a.comment = QStringLiteral("changed");
             return store->SaveAnalysis(a);
         },
         RowsOf(CaseTable::Analysis, 0, 1)},
        {"analysis saved with its schedule",
         [&] {
             std::array<std::vector<TPrescription>, ScheduleSetCount> sets{{{Prescription(1, 0, 0, 5)}}};
             std::vector<TSamplingRecord> samplings{Sampling(1, 0, 5)};
             return store->SaveAnalysisWithSchedule(Analysis(1, 0), sets, 0, samplings);
         },
         [](const TStoredRow& row) { return row.key == Keys[1] && row.analysis == 0; }},
        {"one set's prescriptions deleted", [&] { return store->DeletePrescriptions(Keys[0], 1, 0); },
         RowsOf(CaseTable::Prescription, 0, 1, 0)},
        {"a prescription inserted", [&] { return store->InsertPrescription(Prescription(1, 1, 2, 7)); },
         RowsOf(CaseTable::Prescription, 1, 1, 2)},
        {"samplings deleted", [&] { return store->DeleteSamplings(Keys[0], 0); }, RowsOf(CaseTable::Sampling, 0, 0)},
        {"a sampling inserted", [&] { return store->InsertSampling(Sampling(1, 1, 5)); },
         RowsOf(CaseTable::Sampling, 1, 1)},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const std::vector<TStoredRow> before = Snapshot();
        ASSERT_EQ(c.write(), 0) << store->LastError().toStdString();
        const std::vector<TStoredRow> after = Snapshot();
        const RowFilter others = [&](const TStoredRow& row) { return !c.target(row); };
        EXPECT_EQ(Rows(after, others), Rows(before, others));
        EXPECT_NE(Rows(after, c.target), Rows(before, c.target)) << "the write changed its own rows";
    }
}

TEST_F(NeighbourRows, EveryLoadReturnsItsOwnRowsOnly)
{
    for (int patient = 0; patient < 2; ++patient) {
        TPatientRecord p;
        ASSERT_EQ(store->LoadPatient(Keys[patient], p), 0);
        EXPECT_EQ(p.patient_weight, 50 + patient);
        for (int analysis = 0; analysis < 2; ++analysis) {
            SCOPED_TRACE(testing::Message() << "patient " << patient << " analysis " << analysis);
            TAnalysisRecord a;
            ASSERT_EQ(store->LoadAnalysis(Keys[patient], analysis, a), 0);
            EXPECT_EQ(a.comment, Analysis(patient, analysis).comment);
            for (int set = 0; set < ScheduleSetCount; ++set) {
                std::vector<TPrescription> list;
                ASSERT_EQ(store->LoadPrescriptions(Keys[patient], analysis, set, list), 2);
                EXPECT_EQ(list[1].touyo_dose, Dose(patient, analysis, set, 1)) << "set " << set;
            }
            std::vector<TSamplingRecord> samplings;
            ASSERT_EQ(store->LoadSamplings(Keys[patient], analysis, samplings), 2);
            EXPECT_EQ(samplings[1].saiketu_value, Measured(patient, analysis, 1));
        }
    }
}

} // namespace
