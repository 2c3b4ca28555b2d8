#include "CommentText.h"
#include "CsvExport.h"
#include "FixedText.h"
#include "ReportTestData.h"
#include "TestSeams.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <gtest/gtest.h>
#include <tuple>

namespace {

using report_test::Day;

// A stand-in for the engine: the population value 100 + minutes / 1000, the
// individual one 200 + minutes / 1000, so each line shows the minute asked.
double StubConcentration(int minutes, const TParamBlock& block)
{
    return block.ke * 1000 + minutes / 1000.0;
}

TScheduleDay Administration(double dateTime)
{
    TScheduleDay day;
    day.DateTime = dateTime;
    day.Dose = 200;
    return day;
}

// A man with two prescriptions (one open-ended), two samplings, a graph of
// two days and a 20-minute range in steps of 5: the last administration runs
// past the graph's end, which ends the file.
TCsvInput ManWithTwoDays()
{
    const TReportInput report = report_test::CaseInput({2, 1, 1, 0});
    TCsvInput input;
    input.Patient = report.Patient;
    input.Patient.patient_gender = 0;
    input.Patient.patient_weight = 62.5;
    input.Analysis = report.Analysis;
    input.Analysis.kaiseki_table1 = 0.85;
    input.Analysis.bosyudan.ke = 0.1;
    input.Analysis.kaiseki.ke = 0.2;
    input.Analysis.bosyudan.cl = 0.04;
    input.Analysis.kaiseki.cl = 0.05;
    input.Analysis.bosyudan.vd = 0.5;
    input.Analysis.kaiseki.vd = 0.45;
    input.Analysis.bosyudan.ka = 1.5;
    input.Analysis.kaiseki.ka = 1.25;
    input.Prescriptions = report.Prescriptions[0];
    input.Prescriptions.push_back(report_test::Prescription(Day + 1, OpenEndDate, vcl::EncodeTime(21, 0, 0, 0), 0.125));
    // Out of time order, and 09:05 as a day fraction.
    input.Administrations = {Administration(Day + 1 + vcl::EncodeTime(23, 50, 0, 0)),
                             Administration(Day + 9.0 / 24 + 5.0 / 1440),
                             Administration(Day + 1 + vcl::EncodeTime(21, 0, 0, 0))};
    input.Samplings = report.Samplings;
    input.GraphFirstDay = Day;
    input.GraphViewDays = 2;
    input.CsvRange = 20;
    input.CsvStep = 5;
    return input;
}

// A woman on spironolactone, no samplings, a step beyond the range: one line
// per administration.
TCsvInput WomanWithLongSteps()
{
    TCsvInput input = ManWithTwoDays();
    input.Patient.patient_gender = 1;
    input.Patient.patient_age = 8;
    input.Patient.patient_weight = 25.5;
    input.Patient.patient_height = 120.4;
    input.Analysis.kaiseki_table2 = 1;
    input.Samplings.clear();
    input.GraphViewDays = 30;
    input.CsvRange = 180;
    input.CsvStep = 200;
    return input;
}

QByteArray Golden(const char* name)
{
    QFile file(QFileInfo(QStringLiteral(__FILE__)).absolutePath() + QStringLiteral("/golden/") + QLatin1String(name));
    EXPECT_TRUE(file.open(QIODevice::ReadOnly)) << name;
    return file.readAll();
}

} // namespace

// Golden files written once and checked by hand: every fixed label as the
// file has always spelt it, CP932, CR LF, no empty line at either end.
TEST(CsvExport, GoldenFiles)
{
    testing_seams::TempBaseDir dir;
    const std::pair<const char*, TCsvInput> cases[] = {{"export_man.csv", ManWithTwoDays()},
                                                       {"export_woman.csv", WomanWithLongSteps()}};
    for (const auto& [name, input] : cases) {
        const QString file = dir.FilePath(QStringLiteral("new/folder/") + QLatin1String(name));
        QString error;
        ASSERT_TRUE(WriteCsvReport(input, StubConcentration, file, &error)) << error.toStdString();
        QFile written(file);
        ASSERT_TRUE(written.open(QIODevice::ReadOnly));
        EXPECT_EQ(written.readAll(), Golden(name)) << name;
    }
}

TEST(CsvExport, AFailedWriteLeavesNoFileBehind)
{
    testing_seams::TempBaseDir dir;
    // The name is taken by a folder: nothing can be written there.
    ASSERT_TRUE(QDir(dir.Path()).mkdir(QStringLiteral("taken.csv")));
    QString error;
    EXPECT_FALSE(WriteCsvReport(ManWithTwoDays(), StubConcentration, dir.FilePath(QStringLiteral("taken.csv")), &error));
    EXPECT_TRUE(error.contains(QStringLiteral("taken.csv"))) << error.toStdString();
    EXPECT_EQ(QDir(dir.Path()).entryList(QDir::Files).size(), 0);
}

TEST(CommentText, EditsKeepTheFieldWithinEightHundredBytes)
{
    const QString full(400, QChar(u'所'));          // 800 bytes
    const QString almost(399, QChar(u'所'));        // 798 bytes
    struct Case {
        QString before, after, text;
        int cursor;
        bool refused;
    };
    const Case cases[] = {
        {QString(), QStringLiteral("所見ｱ"), QStringLiteral("所見ｱ"), 3, false},
        {full, full + QStringLiteral("a"), full, 400, true},
        // Half-width katakana take one byte; a two-byte character no longer fits.
        {almost, almost + QStringLiteral("ｱｲｳ"), almost + QStringLiteral("ｱｲ"), 401, true},
        {almost, almost + QStringLiteral("見た"), almost + QStringLiteral("見"), 400, true},
        // Pasted in the middle: the paste is cut, the text after it kept.
        {QStringLiteral("前後"), QStringLiteral("前") + full + QStringLiteral("後"),
         QStringLiteral("前") + QString(398, QChar(u'所')) + QStringLiteral("後"), 399, true},
        // Characters CP932 cannot hold are refused, a JIS form is taken as its
        // twin; a surrogate pair is never split.
        {QStringLiteral("ab"), QStringLiteral("a\u301C😀μb"), QStringLiteral("a\uFF5Eμb"), 3, true},
        {QStringLiteral("a😀"), QStringLiteral("a😀"), QStringLiteral("a😀"), 3, false},
        // A text set as a whole that is too long keeps its head.
        {QString(), full + full, full, 400, true},
    };
    for (const Case& c : cases) {
        const TFittedEdit fitted = FitCommentEdit(c.before, c.after);
        EXPECT_EQ(fitted.Text, c.text) << c.after.left(8).toStdString();
        EXPECT_EQ(fitted.Cursor, c.cursor) << c.after.left(8).toStdString();
        EXPECT_EQ(fitted.Refused, c.refused) << c.after.left(8).toStdString();
    }
}

// The JIS forms input methods and pasted text give, each taken as its CP932
// twin with no beep by a one-line field and the comment, kept so by a
// record's field and written so by the files' encoder.
TEST(CommentText, JisFormsAreTakenAsTheirCp932TwinsEverywhere)
{
    const char16_t twins[][2] = {{u'\u301C', u'\uFF5E'}, {u'\u2212', u'\uFF0D'}, {u'\u2014', u'\u2015'},
                                 {u'\u00A2', u'\uFFE0'}, {u'\u00A3', u'\uFFE1'}, {u'\u00AC', u'\uFFE2'},
                                 {u'\u2016', u'\u2225'}, {u'\u00B5', u'\u03BC'}};
    for (const auto& [jis, twin] : twins) {
        const QString typed = QStringLiteral("10") + QChar(jis) + QStringLiteral("20");
        const QString taken = QStringLiteral("10") + QChar(twin) + QStringLiteral("20");
        const TFittedEdit field = vcl::FitCp932Edit(QStringLiteral("10"), typed, 20, vcl::ControlCharacters::Refused);
        const TFittedEdit comment = FitCommentEdit(QStringLiteral("\n"), typed + QStringLiteral("\n"));
        const QByteArray bytes = vcl::ToCp932(typed);
        EXPECT_EQ((std::tuple{field.Text, field.Cursor, field.Refused, comment.Text, comment.Refused}),
                  (std::tuple{taken, 5, false, taken + QStringLiteral("\n"), false}))
            << std::hex << unsigned(jis);
        EXPECT_EQ((std::tuple{TFixedText<21>(typed).text(), bytes.size(), vcl::FromCp932(bytes)}),
                  (std::tuple{taken, qsizetype(6), taken}))
            << std::hex << unsigned(jis);
    }
}
