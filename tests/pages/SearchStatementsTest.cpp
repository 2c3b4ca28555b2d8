#include "SearchStatements.h"

#include <gtest/gtest.h>

TEST(SearchStatements, PatientSearchJoinsTheFilledFieldsByAndAndNeedsOne)
{
    TSearchFields fields;
    fields.Kana = QStringLiteral("ヤマ");
    auto statement = BuildPatientSearchSql(fields);
    ASSERT_TRUE(statement);
    EXPECT_EQ(statement->Sql, QStringLiteral("SELECT * FROM patient WHERE patient_name_kana LIKE ? ESCAPE '\\'"));
    EXPECT_EQ(statement->Values, QVariantList{QStringLiteral("ヤマ%")});

    fields = {QStringLiteral("12"), {}, {}, {}, QStringLiteral("佐藤")};
    statement = BuildPatientSearchSql(fields);
    ASSERT_TRUE(statement);
    EXPECT_EQ(statement->Sql, QStringLiteral("SELECT * FROM patient WHERE patient_id LIKE ? ESCAPE '\\'"
                                             " AND doctor_id LIKE ? ESCAPE '\\'"));
    EXPECT_EQ(statement->Values, (QVariantList{QStringLiteral("12%"), QStringLiteral("佐藤%")}));

    EXPECT_FALSE(BuildPatientSearchSql(TSearchFields{}));
}

TEST(SearchStatements, CaseSearchListsAnalysedCasesNewestFirst)
{
    const QString join = QStringLiteral(
        "SELECT kaiseki.patient_id, kaiseki.kaiseki_id, patient.patient_id, patient.patient_name,"
        " patient.sinryouka_id, patient.doctor_id, kaiseki.kubun_id, kaiseki.yakuzainame_id, kaiseki.analysis_date"
        " FROM patient, kaiseki WHERE kaiseki.patient_id = patient.patient_id_t AND kaiseki.analysis_date > 0");
    const QString order = QStringLiteral(" ORDER BY kaiseki.analysis_date DESC, kaiseki.kaiseki_id DESC");
    EXPECT_EQ(BuildCaseSearchSql(TSearchFields{}).Sql, join + order);

    const TSearchStatement some = BuildCaseSearchSql({{}, QStringLiteral("山田"), {}, QStringLiteral("内科"), {}});
    EXPECT_EQ(some.Sql, join + QStringLiteral(" AND patient.patient_name LIKE ? ESCAPE '\\'"
                                              " AND patient.sinryouka_id LIKE ? ESCAPE '\\'") + order);
    EXPECT_EQ(some.Values, (QVariantList{QStringLiteral("山田%"), QStringLiteral("内科%")}));
}

TEST(SearchStatements, TypedTextIsBoundNeverWrittenIntoTheStatement)
{
    const TSearchFields fields{QStringLiteral("'OR 1=1--"), QStringLiteral("O'Neil%_\\"), {}, {}, {}};
    const QVariantList expected{QStringLiteral("'OR 1=1--%"), QStringLiteral("O'Neil\\%\\_\\\\%")};
    const auto patient = BuildPatientSearchSql(fields);
    ASSERT_TRUE(patient);
    for (const TSearchStatement& statement : {*patient, BuildCaseSearchSql(fields)}) {
        EXPECT_FALSE(statement.Sql.contains(QStringLiteral("1=1")));
        EXPECT_FALSE(statement.Sql.contains(QStringLiteral("O'Neil")));
        EXPECT_EQ(statement.Values, expected);
    }
}

TEST(SearchStatements, GridRowsAreTheHeaderAndOnePerHitButNeverFewerThanEleven)
{
    EXPECT_EQ(SearchGridRowCount(0), 11);
    EXPECT_EQ(SearchGridRowCount(3), 11);
    EXPECT_EQ(SearchGridRowCount(10), 11);
    EXPECT_EQ(SearchGridRowCount(11), 12);
    EXPECT_EQ(SearchGridRowCount(15), 16);
}
