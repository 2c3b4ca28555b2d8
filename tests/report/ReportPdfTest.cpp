#include "ReportTestData.h"
#include "TestSeams.h"
#include "uRep.h"

#include <QRegularExpression>
#include <QStandardPaths>
#include <gtest/gtest.h>

using report_test::RunTool;

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

// The comment box holds the longest comment the dialog takes: 800 bytes of
// two-byte characters, or a word too long for one line, print whole.
TEST(ReportPdf, TheLongestCommentPrintsWhole)
{
    if (QStandardPaths::findExecutable("pdftotext").isEmpty())
        GTEST_SKIP() << "poppler-utils are not installed";
    testing_seams::TempBaseDir dir;
    TQuickReport1 report;
    QString kanji;
    for (int i = 0; kanji.size() < 400; ++i)
        kanji += QStringLiteral("所見あいうえおかきくけこ").at(i % 12);
    const QString comments[] = {kanji, QString(797, QLatin1Char('x')) + QStringLiteral("END")};
    for (const QString& comment : comments) {
        TReportInput input = report_test::CaseInput({2, 1, 1, 0});
        input.Comment = comment;
        const QString file = dir.FilePath(QStringLiteral("comment.pdf"));
        ASSERT_TRUE(report.PrintToPdf(input, file));
        QString text = RunTool("pdftotext", {file, "-"});
        text.remove(QLatin1Char('\n'));
        EXPECT_TRUE(text.contains(comment)) << text.toStdString();
    }
}

TEST(ReportPdf, AnUnwritableFileIsReported)
{
    TQuickReport1 report;
    QString error;
    EXPECT_FALSE(report.PrintToPdf(report_test::CaseInput({2, 1, 1, 0}), "/nonexistent/folder/r.pdf", &error));
    EXPECT_TRUE(error.contains("/nonexistent/folder/r.pdf"));
}
