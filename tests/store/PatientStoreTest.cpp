#include "StoreFixture.h"

#include "Udifine.h"

#include <cmath>
#include <limits>

using vcl::EncodeDate;

namespace {

TPatientRecord SamplePatient()
{
    TPatientRecord p;
    p.patient_id_t = QStringLiteral("20260105093000");
    p.patient_id = QStringLiteral("P-0042");
    p.patient_name = QString::fromUtf8("山田 花子");
    p.patient_name_kana = QString::fromUtf8("ﾔﾏﾀﾞ ﾊﾅｺ");
    p.patient_gender = 1;
    p.patient_birth = EncodeDate(1950, 3, 10);
    p.patient_age = 99;                 // stale: recomputed on load
    p.patient_weight = 52.5;
    p.patient_height = 158.25;
    p.sinryouka_id = QString::fromUtf8("内科");
    p.doctor_id = QString::fromUtf8("佐藤");
    p.patient_kubun = 1;
    p.patient_disorder = QString::fromUtf8("心不全");
    return p;
}

} // namespace

using PatientStore = StoreTest;

TEST_F(PatientStore, SecondSaveUpdatesTheSameRowAndColumnsFollowTheTable)
{
    testing_seams::FixedClock clock(EncodeDate(2026, 12, 8));
    TPatientRecord p = SamplePatient();
    ASSERT_EQ(store->SavePatient(p), 0) << store->LastError().toStdString();
    EXPECT_EQ(store->CountPatient(p.patient_id_t), 1);

    p.patient_name = QString::fromUtf8("山田 花");
    p.patient_weight = 50.0;
    ASSERT_EQ(store->SavePatient(p), 0);
    RawDatabase raw = Raw();
    EXPECT_EQ(raw.Count("patient"), 1);

    // The record keeps birth before age and weight before height; the table
    // has age, birth, height, weight.
    EXPECT_EQ(raw.Value("SELECT patient_age FROM patient").toInt(), 99);
    EXPECT_EQ(raw.Value("SELECT patient_birth FROM patient").toDouble(), EncodeDate(1950, 3, 10));
    EXPECT_EQ(raw.Value("SELECT patient_height FROM patient").toDouble(), 158.25);
    EXPECT_EQ(raw.Value("SELECT patient_weight FROM patient").toDouble(), 50.0);
    EXPECT_EQ(raw.Value("SELECT patient_name FROM patient").toString(), QString::fromUtf8("山田 花"));

    TPatientRecord loaded;
    ASSERT_EQ(store->LoadPatient(p.patient_id_t, loaded), 0);
    EXPECT_EQ(loaded.patient_id_t, p.patient_id_t);
    EXPECT_EQ(loaded.patient_id, p.patient_id);
    EXPECT_EQ(loaded.patient_name_kana, p.patient_name_kana);
    EXPECT_EQ(loaded.patient_gender, 1);
    EXPECT_EQ(loaded.patient_birth, p.patient_birth);
    EXPECT_EQ(loaded.patient_age, 76) << "recomputed from the birth date";
    EXPECT_EQ(loaded.patient_weight, 50.0);
    EXPECT_EQ(loaded.patient_height, 158.25);
    EXPECT_EQ(loaded.sinryouka_id, p.sinryouka_id);
    EXPECT_EQ(loaded.doctor_id, p.doctor_id);
    EXPECT_EQ(loaded.patient_kubun, 1);
    EXPECT_EQ(loaded.patient_disorder, p.patient_disorder);
}

TEST_F(PatientStore, AgeOnlyPatientKeepsTheStoredAgeAndUnknownKeyGivesAZeroRecord)
{
    testing_seams::FixedClock clock(EncodeDate(2026, 12, 8));
    TPatientRecord p = SamplePatient();
    p.patient_birth = BirthDateUnknown;
    p.patient_age = 43;
    ASSERT_EQ(store->SavePatient(p), 0);
    TPatientRecord loaded;
    ASSERT_EQ(store->LoadPatient(p.patient_id_t, loaded), 0);
    EXPECT_EQ(loaded.patient_birth, BirthDateUnknown);
    EXPECT_EQ(loaded.patient_age, 43);

    // No row: zeroed, and no age computed from birth date 0 (1899-12-30).
    loaded = SamplePatient();
    EXPECT_EQ(store->LoadPatient(QStringLiteral("19990101000000"), loaded), 0);
    EXPECT_EQ(loaded.patient_birth, 0.0);
    EXPECT_EQ(loaded.patient_age, 0);
    EXPECT_TRUE(loaded.patient_id_t.isEmpty());
    EXPECT_TRUE(loaded.patient_name.isEmpty());
    EXPECT_EQ(loaded.patient_weight, 0.0);
}

// An apostrophe once broke the statement built from the text.
TEST_F(PatientStore, QuotesAndEmptyTextsAreStoredAsTyped)
{
    TPatientRecord p = SamplePatient();
    p.patient_name = QStringLiteral("O'Brien'); DROP TABLE patient; --");
    p.doctor_id = QString();
    ASSERT_EQ(store->SavePatient(p), 0) << store->LastError().toStdString();
    ASSERT_EQ(store->SavePatient(p), 0) << store->LastError().toStdString();
    TPatientRecord loaded;
    ASSERT_EQ(store->LoadPatient(p.patient_id_t, loaded), 0);
    EXPECT_EQ(loaded.patient_name, QStringLiteral("O'Brien'); DROP TABL"));   // cut to 20 bytes
    RawDatabase raw = Raw();
    EXPECT_EQ(raw.Count("patient"), 1);
    // An empty field is empty text, not NULL.
    EXPECT_EQ(raw.Value("SELECT typeof(doctor_id) FROM patient").toString(), QStringLiteral("text"));
}

TEST_F(PatientStore, LongTextIsCutOnACharacterBoundaryWhenRead)
{
    {
        RawDatabase raw = Raw();
        ASSERT_TRUE(raw.Exec("INSERT INTO patient VALUES (?, ?, ?, ?, 0, 30, -10000.0, 170, 60, ?, NULL, 0, ?)",
                             {QStringLiteral("20260105093000"), QStringLiteral("1234567890123"),
                              QString::fromUtf8("aあいうえおかきくけこ"),                // 21 bytes
                              QString::fromUtf8("ｱｲｳｴｵｶｷｸｹｺｻｼｽｾｿﾀﾁﾂﾃﾄﾅ"),          // 21 one-byte kana
                              QString::fromUtf8("循環器内科・腎臓内科外来"), QString::fromUtf8("x")}));
    }
    TPatientRecord loaded;
    ASSERT_EQ(store->LoadPatient(QStringLiteral("20260105093000"), loaded), 0);
    EXPECT_EQ(loaded.patient_id, QStringLiteral("1234567890"));
    EXPECT_EQ(loaded.patient_name, QString::fromUtf8("aあいうえおかきくけ"));   // 19 bytes: no half character
    EXPECT_EQ(loaded.patient_name_kana, QString::fromUtf8("ｱｲｳｴｵｶｷｸｹｺｻｼｽｾｿﾀﾁﾂﾃﾄ"));
    EXPECT_EQ(loaded.sinryouka_id, QString::fromUtf8("循環器内科・腎臓内科"));
    EXPECT_TRUE(loaded.doctor_id.isEmpty()) << "NULL reads as empty text";
}

TEST_F(PatientStore, NonFiniteNumbersAreRefused)
{
    TPatientRecord p = SamplePatient();
    p.patient_weight = std::numeric_limits<double>::quiet_NaN();
    EXPECT_EQ(store->SavePatient(p), -1);
    EXPECT_TRUE(store->LastError().contains(QStringLiteral("patient_weight"))) << store->LastError().toStdString();
    p.patient_weight = 50;
    p.patient_height = std::numeric_limits<double>::infinity();
    EXPECT_EQ(store->SavePatient(p), -1);
    EXPECT_TRUE(store->LastError().contains(QStringLiteral("patient_height")));
    EXPECT_EQ(Raw().Count("patient"), 0);

    p.patient_height = 160;
    EXPECT_EQ(store->SavePatient(p), 0);
    EXPECT_TRUE(store->LastError().isEmpty());
}

TEST_F(PatientStore, SearchBindsTypedTextAndMatchesWildcardsLiterally)
{
    testing_seams::FixedClock clock(EncodeDate(2026, 12, 8));
    const char* numbers[] = {"10%A", "10XA", "1_2", "132", "C:\\x", "C:y"};
    int n = 0;
    for (const char* number : numbers) {
        TPatientRecord p = SamplePatient();
        p.patient_id_t = QStringLiteral("2026010509300%1").arg(n++);
        p.patient_id = QString::fromLatin1(number);
        ASSERT_EQ(store->SavePatient(p), 0);
    }
    const QString sql = QStringLiteral("SELECT * FROM patient WHERE ") + LikePrefixCondition(QStringLiteral("patient_id"));
    std::vector<TPatientRecord> hits(3);   // stale contents are replaced
    EXPECT_EQ(store->SearchPatients(sql, {LikePrefixPattern(QStringLiteral("10%"))}, hits), 1);
    ASSERT_EQ(hits.size(), 1u);
    EXPECT_EQ(hits[0].patient_id, QStringLiteral("10%A"));
    EXPECT_EQ(hits[0].patient_age, 76) << "the age rule applies to search hits";
    EXPECT_EQ(store->SearchPatients(sql, {LikePrefixPattern(QStringLiteral("1_"))}, hits), 1);
    EXPECT_EQ(store->SearchPatients(sql, {LikePrefixPattern(QStringLiteral("C:\\"))}, hits), 1);
    EXPECT_EQ(hits[0].patient_id, QStringLiteral("C:\\x"));
    EXPECT_EQ(store->SearchPatients(sql, {LikePrefixPattern(QStringLiteral("1"))}, hits), 4) << "a prefix match";
    EXPECT_EQ(store->SearchPatients(sql, {LikePrefixPattern(QStringLiteral("'"))}, hits), 0);

    // A statement that returns fewer columns than the record is refused.
    EXPECT_EQ(store->SearchPatients(QStringLiteral("SELECT patient_id_t FROM patient"), {}, hits), -1);
    EXPECT_TRUE(store->LastError().startsWith(QStringLiteral("Query1: ")));
    EXPECT_TRUE(hits.empty());
    EXPECT_EQ(store->SearchPatients(QStringLiteral("SELECT * FROM nowhere"), {}, hits), -1);
    EXPECT_TRUE(store->LastError().contains(QStringLiteral("nowhere"))) << store->LastError().toStdString();
}
