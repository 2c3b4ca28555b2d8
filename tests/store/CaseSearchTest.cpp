#include "StoreFixture.h"

using vcl::EncodeDate;

namespace {

// What the case-search dialog builds: the join, analysed rows only, newest first.
QString CaseSql(const QStringList& conditions)
{
    QString sql = QStringLiteral(
        "SELECT kaiseki.patient_id, kaiseki.kaiseki_id, patient.patient_id, patient.patient_name,"
        " patient.sinryouka_id, patient.doctor_id, kaiseki.kubun_id, kaiseki.yakuzainame_id, kaiseki.analysis_date"
        " FROM patient, kaiseki WHERE kaiseki.patient_id = patient.patient_id_t AND kaiseki.analysis_date > 0");
    for (const QString& condition : conditions)
        sql += QStringLiteral(" AND ") + condition;
    return sql + QStringLiteral(" ORDER BY kaiseki.analysis_date DESC, kaiseki.kaiseki_id DESC");
}

} // namespace

class CaseSearch : public StoreTest {
protected:
    void AddPatient(const QString& key, const QString& number, const QString& name)
    {
        TPatientRecord p = ResetPatientRecord();
        p.patient_id_t = key;
        p.patient_id = number;
        p.patient_name = name;
        p.sinryouka_id = QString::fromUtf8("内科");
        p.doctor_id = QString::fromUtf8("佐藤");
        ASSERT_EQ(store->SavePatient(p), 0);
    }
    void AddAnalysis(const QString& key, int id, double date)
    {
        TAnalysisRecord a = ResetAnalysisRecord();
        a.patient_id = key;
        a.kaiseki_id = id;
        a.kubun_id = 3;
        a.yakuzainame_id = 5;
        a.yakuhinname_id = 1;
        a.analysis_date = date;
        ASSERT_EQ(store->SaveAnalysis(a), 0);
    }
};

TEST_F(CaseSearch, ListsAnalysedCasesNewestFirstWithTheirNineFields)
{
    const QString a = QStringLiteral("20260105093000");
    const QString b = QStringLiteral("20260105093001");
    AddPatient(a, QStringLiteral("100"), QString::fromUtf8("50%引き"));
    AddPatient(b, QStringLiteral("200"), QString::fromUtf8("50円"));
    AddAnalysis(a, 0, EncodeDate(2026, 1, 10));
    AddAnalysis(a, 1, NeverAnalysed);
    AddAnalysis(a, 2, EncodeDate(2026, 3, 1));
    AddAnalysis(a, 3, EncodeDate(2026, 2, 1));
    AddAnalysis(b, 0, EncodeDate(2026, 2, 15));

    std::vector<TCaseSearchRow> rows(7);
    ASSERT_EQ(store->SearchCases(CaseSql({}), {}, rows), 4) << store->LastError().toStdString();
    EXPECT_EQ(rows[0].kaiseki_id, 2);
    EXPECT_EQ(rows[1].patient_id, b);
    EXPECT_EQ(rows[2].kaiseki_id, 3);
    EXPECT_EQ(rows[3].kaiseki_id, 0);

    const TCaseSearchRow& hit = rows[1];
    EXPECT_EQ(hit.kaiseki_id, 0);
    EXPECT_EQ(hit.patient_number, QStringLiteral("200"));
    EXPECT_EQ(hit.patient_name, QString::fromUtf8("50円"));
    EXPECT_EQ(hit.sinryouka_id, QString::fromUtf8("内科"));
    EXPECT_EQ(hit.doctor_id, QString::fromUtf8("佐藤"));
    EXPECT_EQ(hit.kubun_id, 3);
    EXPECT_EQ(hit.yakuzainame_id, 5);
    EXPECT_EQ(hit.analysis_date, EncodeDate(2026, 2, 15));

    // A typed "%" is a percent sign, not a wildcard.
    const QString byName = LikePrefixCondition(QStringLiteral("patient.patient_name"));
    EXPECT_EQ(store->SearchCases(CaseSql({byName}), {LikePrefixPattern(QStringLiteral("50%"))}, rows), 3);
    EXPECT_EQ(rows[0].patient_id, a);
    EXPECT_EQ(store->SearchCases(CaseSql({byName}), {LikePrefixPattern(QStringLiteral("5"))}, rows), 4);
    const QString byNumber = LikePrefixCondition(QStringLiteral("patient.patient_id"));
    EXPECT_EQ(store->SearchCases(CaseSql({byName, byNumber}),
                                 {LikePrefixPattern(QStringLiteral("5")), LikePrefixPattern(QStringLiteral("2"))},
                                 rows),
              1);
}

TEST_F(CaseSearch, StatementWithTooFewColumnsIsRefused)
{
    std::vector<TCaseSearchRow> rows(2);
    EXPECT_EQ(store->SearchCases(QStringLiteral("SELECT patient_id, kaiseki_id FROM kaiseki"), {}, rows), -1);
    EXPECT_TRUE(store->LastError().startsWith(QStringLiteral("Query1: ")));
    EXPECT_TRUE(rows.empty());
}

TEST(LikePrefixPattern, EscapesTheWildcardsAndTheEscapeCharacter)
{
    EXPECT_EQ(LikePrefixPattern(QStringLiteral("ab")), QStringLiteral("ab%"));
    EXPECT_EQ(LikePrefixPattern(QStringLiteral("a%b_c\\d'")), QStringLiteral("a\\%b\\_c\\\\d'%"));
    EXPECT_EQ(LikePrefixPattern(QString()), QStringLiteral("%"));
    EXPECT_EQ(LikePrefixCondition(QStringLiteral("doctor_id")), QStringLiteral("doctor_id LIKE ? ESCAPE '\\'"));
}
