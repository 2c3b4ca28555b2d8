#include "PatientEntry.h"

#include "Udifine.h"

#include <gtest/gtest.h>
#include <set>

namespace {

const vcl::TDateTime Today = vcl::EncodeDate(2026, 12, 8);

// A complete entry that passes: born 1975-06-15 in the Western calendar.
TPatientEntry Valid()
{
    TPatientEntry e;
    e.Number = QStringLiteral("P-1");
    e.Name = QStringLiteral("山田太郎");
    e.Calendar = BirthCalendar::Western;
    e.Year = 1975;
    e.MonthText = QStringLiteral("6");
    e.DayText = QStringLiteral("15");
    e.Age = 0;
    e.Height = 170;
    e.Weight = 60;
    e.Entered = {PatientField::Year, PatientField::Month, PatientField::Day, PatientField::Age, PatientField::Height,
                 PatientField::Weight};
    return e;
}

TPatientEntry Untouched(TPatientEntry e, PatientField field)
{
    e.Entered.erase(field);
    return e;
}

TPatientEntry ByAge(std::optional<double> age)
{
    TPatientEntry e = Valid();
    e.Calendar = BirthCalendar::Age;
    e.Age = age;
    return e;
}

TPatientEntry Born(BirthCalendar calendar, double year, const char* month, const char* day)
{
    TPatientEntry e = Valid();
    e.Calendar = calendar;
    e.Year = year;
    e.MonthText = QString::fromLatin1(month);
    e.DayText = QString::fromLatin1(day);
    return e;
}

} // namespace

TEST(PatientEntry, ErasConvertWithinTheirRanges)
{
    struct Case {
        BirthCalendar calendar;
        int year;
        int western;
        TYearRange range;
    };
    const Case cases[] = {
        {BirthCalendar::Meiji, 45, 1912, {1, 45}},
        {BirthCalendar::Taisho, 15, 1926, {1, 15}},
        {BirthCalendar::Showa, 64, 1989, {1, 64}},
        {BirthCalendar::Heisei, 38, 2026, {1, 38}},
        {BirthCalendar::Western, 1975, 1975, {1867, 2026}},
        {BirthCalendar::Age, 2026, 2026, {1867, 2026}},
    };
    for (const Case& c : cases) {
        const TYearRange range = BirthYearRange(c.calendar, 2026);
        EXPECT_EQ(WesternYear(c.calendar, c.year), c.western) << c.year;
        EXPECT_EQ(range.Min, c.range.Min) << c.year;
        EXPECT_EQ(range.Max, c.range.Max) << c.year;
    }
}

TEST(PatientEntry, DaysAreCorrectedToTheirMonth)
{
    struct Case {
        int year, month, day, corrected;
    };
    const Case cases[] = {
        {2024, 2, 29, 29}, {2023, 2, 29, 28}, {2024, 2, 31, 29}, {2024, 2, 30, 29}, {2023, 2, 30, 28},
        {1900, 2, 29, 28}, {2000, 2, 29, 29}, {2026, 4, 31, 30}, {2026, 6, 31, 30}, {2026, 9, 31, 30},
        {2026, 11, 31, 30}, {2026, 4, 30, 30}, {2026, 1, 31, 31},
    };
    for (const Case& c : cases)
        EXPECT_EQ(CorrectedDay(c.year, c.month, c.day), c.corrected) << c.year << "-" << c.month << "-" << c.day;

    for (const char* text : {"", "0", "13", "x", "-1"})
        EXPECT_EQ(ListNumberOrFirst(QString::fromLatin1(text), 12), 1) << text;
    EXPECT_EQ(ListNumberOrFirst(QStringLiteral("12"), 12), 12);
    EXPECT_EQ(ListNumberOrFirst(QStringLiteral("31"), 31), 31);
}

TEST(PatientEntry, ChecksRefuseWithTheFieldsMessageAndAcceptTheBounds)
{
    const QString birth = QStringLiteral("生年月日が不正です。再入力して下さい。");
    const QString age = QStringLiteral("年齢が不正です。再入力して下さい。");
    const QString height = QStringLiteral("身長が不正です。再入力して下さい。");
    const QString weight = QStringLiteral("体重が不正です。再入力して下さい。");
    const auto withHeight = [](std::optional<double> h) {
        TPatientEntry e = Valid();
        e.Height = h;
        return e;
    };
    const auto withWeight = [](std::optional<double> w) {
        TPatientEntry e = Valid();
        e.Weight = w;
        return e;
    };
    struct Case {
        const char* what;
        TPatientEntry entry;
        QString message;   // empty: accepted
        PatientField focus;
    };
    const Case cases[] = {
        {"age 140", ByAge(140), {}, {}},
        {"age 140.5 counts 140", ByAge(140.5), {}, {}},
        {"age 0", ByAge(0), {}, {}},
        {"age 141", ByAge(141), age, PatientField::Age},
        {"age cell without a number", ByAge(std::nullopt), age, PatientField::Age},
        {"height 20 and weight 1", [] { TPatientEntry e = Valid(); e.Height = 20; e.Weight = 1; return e; }(), {}, {}},
        {"height 300.0", withHeight(300.0), {}, {}},
        {"height 19.9 as typed", withHeight(19.9), height, PatientField::Height},
        {"height untouched 0", withHeight(0), height, PatientField::Height},
        {"height 300.1", withHeight(300.1), height, PatientField::Height},
        {"weight 500.0", withWeight(500.0), {}, {}},
        {"weight 0.9", withWeight(0.9), weight, PatientField::Weight},
        {"weight 500.1", withWeight(500.1), weight, PatientField::Weight},
        {"weight cell without a number", withWeight(std::nullopt), weight, PatientField::Weight},
        {"age is checked before height", [] { TPatientEntry e = ByAge(200); e.Height = 0; return e; }(), age,
         PatientField::Age},
        {"Heisei 38 is today's year", Born(BirthCalendar::Heisei, 38, "1", "1"), {}, {}},
        {"Heisei 39 lies beyond this year", Born(BirthCalendar::Heisei, 39, "1", "1"), birth, PatientField::Year},
        {"Showa 65 typed into the cell", Born(BirthCalendar::Showa, 65, "1", "1"), birth, PatientField::Year},
        {"29 February of a leap year", Born(BirthCalendar::Western, 2024, "2", "29"), {}, {}},
        {"an emptied month is no month", Born(BirthCalendar::Western, 2026, "", "1"), birth, PatientField::Month},
        {"a year never entered", Untouched(Valid(), PatientField::Year), birth, PatientField::Year},
        {"only the year given", Untouched(Untouched(Valid(), PatientField::Month), PatientField::Day), birth,
         PatientField::Month},
        {"a Showa day never given", Untouched(Born(BirthCalendar::Showa, 50, "6", "15"), PatientField::Day), birth,
         PatientField::Day},
        {"an age never entered", Untouched(ByAge(0), PatientField::Age), age, PatientField::Age},
        {"a height never entered", Untouched(Valid(), PatientField::Height), height, PatientField::Height},
        {"a weight never entered", Untouched(Valid(), PatientField::Weight), weight, PatientField::Weight},
        {"29 February typed for 2023", Born(BirthCalendar::Western, 2023, "2", "29"), birth, PatientField::Day},
        {"31 April typed", Born(BirthCalendar::Western, 2000, "4", "31"), birth, PatientField::Day},
        {"month 13 typed", Born(BirthCalendar::Western, 2000, "13", "1"), birth, PatientField::Month},
        {"born today", Born(BirthCalendar::Western, 2026, "12", "8"), {}, {}},
        {"born tomorrow", Born(BirthCalendar::Western, 2026, "12", "9"), birth, PatientField::Year},
        {"Meiji 1 is 158 years old", Born(BirthCalendar::Meiji, 1, "1", "1"), age, PatientField::Year},
    };
    for (const Case& c : cases) {
        const auto problem = CheckPatientEntry(c.entry, Today + 0.4);
        if (c.message.isEmpty()) {
            EXPECT_FALSE(problem) << c.what << ": " << problem->Message.toStdString();
            continue;
        }
        ASSERT_TRUE(problem) << c.what;
        EXPECT_EQ(problem->Message, c.message) << c.what;
        EXPECT_EQ(problem->Caption, QStringLiteral("患者情報入力エラー")) << c.what;
        EXPECT_EQ(problem->Focus, c.focus) << c.what;
    }
}

TEST(PatientEntry, RecordTakesTheAgeFromTheBirthDateAndCutsTextOnCharacters)
{
    TPatientEntry e = Born(BirthCalendar::Showa, 50, "12", "9");
    e.Age = 35;   // a stale age cell
    e.Name = QStringLiteral("a") + QString(10, QChar(0x3042));   // 21 bytes
    e.Doctor = QString(6, QChar(0x4F50));                          // 12 bytes
    e.Kubun = 1;
    const TPatientRecord r = PatientRecordFromEntry(e, QStringLiteral("20261208120000"), Today);
    EXPECT_EQ(r.patient_id_t, QStringLiteral("20261208120000"));
    EXPECT_EQ(r.patient_birth, vcl::EncodeDate(1975, 12, 9));
    EXPECT_EQ(r.patient_age, 50);   // the birthday is tomorrow
    EXPECT_EQ(r.patient_name, QStringLiteral("a") + QString(9, QChar(0x3042)));
    EXPECT_EQ(r.doctor_id, QString(5, QChar(0x4F50)));
    EXPECT_EQ(r.patient_kubun, 1);

    const TPatientRecord byAge = PatientRecordFromEntry(ByAge(140.5), QStringLiteral("k"), Today);
    EXPECT_EQ(byAge.patient_birth, BirthDateUnknown);
    EXPECT_EQ(byAge.patient_age, 140);
}

TEST(PatientEntry, TheQuestionFollowsThePatientAndTheStepsReached)
{
    const QString update = QStringLiteral("患者情報を更新します。\n");
    struct Case {
        bool current;
        int highestStep;
        QString text;
    };
    const Case cases[] = {
        {false, 0, QStringLiteral("患者情報を登録して薬剤情報の設定に進みます。\n よろしいですか？")},
        {true, 0, update + QStringLiteral("よろしいですか？")},
        {true, 1, update + QStringLiteral("患者情報を更新すると現在表示中の以降の情報がクリアされます。\nよろしいですか？")},
        {true, 3, update + QStringLiteral("患者情報を更新すると現在表示中の以降の情報がクリアされます。\nよろしいですか？")},
    };
    for (const Case& c : cases)
        EXPECT_EQ(PatientConfirmQuestion(c.current, c.highestStep).Text, c.text) << c.current << c.highestStep;
}

TEST(PatientEntry, NewKeyMovesOnPastKeysInUse)
{
    const std::set<QString> used{QStringLiteral("20261208235959"), QStringLiteral("20261209000000")};
    int asked = 0;
    const auto rows = [&](const QString& key) {
        ++asked;
        return static_cast<int>(used.count(key));
    };
    const vcl::TDateTime now = vcl::EncodeDate(2026, 12, 8) + (23 * 3600 + 59 * 60 + 59.4) / vcl::SecsPerDay;
    EXPECT_EQ(UnusedPatientKey(now, rows), QStringLiteral("20261209000001"));
    EXPECT_EQ(asked, 3);
    EXPECT_EQ(UnusedPatientKey(vcl::EncodeDate(2026, 1, 2), rows), QStringLiteral("20260102000000"));
    EXPECT_FALSE(UnusedPatientKey(now, [](const QString&) { return -1; }));
}
