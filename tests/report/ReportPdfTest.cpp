#include "ReportTestData.h"
#include "TestSeams.h"
#include "uRep.h"

#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <gtest/gtest.h>

namespace {

QString RunTool(const QString& program, const QStringList& arguments)
{
    QProcess process;
    process.start(program, arguments);
    process.waitForFinished(30000);
    return QString::fromUtf8(process.readAllStandardOutput());
}

} // namespace

// The printed PDF for one to four ticked sets: its page count is the total
// the footer prints, and the headings and amounts are there as text.
TEST(ReportPdf, PagesAndTextForOneToFourSets)
{
    if (QStandardPaths::findExecutable("pdftotext").isEmpty() || QStandardPaths::findExecutable("pdfinfo").isEmpty())
        GTEST_SKIP() << "poppler-utils are not installed";
    testing_seams::TempBaseDir dir;
    TQuickReport1 report;
    const int expectedPages[] = {2, 2, 3, 4};
    for (int sets = 1; sets <= 4; ++sets) {
        TReportInput input = report_test::CaseInput({6, 1, 1, 0});
        report_test::UseSets(input, sets - 1);
        const QString file = dir.FilePath(QStringLiteral("report%1.pdf").arg(sets));
        QString error;
        ASSERT_TRUE(report.PrintToPdf(input, file, &error)) << error.toStdString();
        const QString info = RunTool("pdfinfo", {file});
        const int pages = expectedPages[sets - 1];
        EXPECT_TRUE(info.contains(QRegularExpression(QStringLiteral("Pages:\\s+%1\\n").arg(pages)))) << sets;
        const QString text = RunTool("pdftotext", {"-layout", file, "-"});
        EXPECT_TRUE(text.contains("解析結果") && text.contains("報告書")) << sets;
        EXPECT_TRUE(text.contains("<患者情報>"));
        EXPECT_TRUE(text.contains("山田太郎"));
        EXPECT_TRUE(text.contains("<動態パラメータ>"));
        EXPECT_TRUE(text.contains("Ke(1/hr)"));
        EXPECT_TRUE(text.contains("リチウム量(mg)"));
        EXPECT_TRUE(text.contains("532"));
        EXPECT_TRUE(text.contains("100.0"));
        EXPECT_TRUE(text.contains(QStringLiteral("1/%1").arg(pages))) << sets;
        EXPECT_TRUE(text.contains(QStringLiteral("%1/%1").arg(pages))) << sets;
        EXPECT_EQ(text.count("<採血データ>"), sets);
        EXPECT_EQ(text.contains("<投与スケジュール（変更３）>"), sets == 4);
    }
}

TEST(ReportPdf, AnUnwritableFileIsReported)
{
    TQuickReport1 report;
    QString error;
    EXPECT_FALSE(report.PrintToPdf(report_test::CaseInput({2, 1, 1, 0}), "/nonexistent/folder/r.pdf", &error));
    EXPECT_TRUE(error.contains("/nonexistent/folder/r.pdf"));
}
