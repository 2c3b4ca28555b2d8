// The print command and the export, walked as a user takes them on a loaded
// case: the print settings dialog, the comment stored with the analysis, the
// report in a PDF file, the comma-separated file.
#include "MainWindowFixture.h"
#include "StoredCase.h"

#include "DrugPage.h"
#include "PrinterList.h"
#include "ResultPage.h"
#include "SaveDialog.h"
#include "ScheduleExpansion.h"
#include "SchedulePage.h"
#include "StringGridEx.h"
#include "Ucommon.h"
#include "plButton.h"
#include "Cp932.h"
#include "uCommentSet.h"

#include <QComboBox>
#include <QFile>
#include <QPlainTextEdit>
#include <QRadioButton>
#include <QProcess>
#include <QTimer>

#include <algorithm>

namespace {

class FakePrinters : public PrinterListSource {
public:
    FakePrinters(std::vector<TPrinterEntry> printers, QString current)
        : printers_(std::move(printers)), current_(std::move(current)), previous_(SetPrinterListSource(this))
    {
    }
    ~FakePrinters() override { SetPrinterListSource(previous_); }
    std::vector<TPrinterEntry> Printers() const override { return printers_; }
    QString CurrentPrinterName() const override { return current_; }

private:
    std::vector<TPrinterEntry> printers_;
    QString current_;
    const PrinterListSource* previous_;
};

// Answers every save dialog with one file name and keeps what was asked.
class ScriptedSaveDialog : public vcl::SaveDialogService {
public:
    explicit ScriptedSaveDialog(QString answer) : answer_(std::move(answer)), previous_(vcl::SetSaveDialogService(this)) {}
    ~ScriptedSaveDialog() override { vcl::SetSaveDialogService(previous_); }
    QString Ask(const vcl::TSaveDialogRequest& request) override
    {
        asked.push_back(request);
        return answer_;
    }
    std::vector<vcl::TSaveDialogRequest> asked;

private:
    QString answer_;
    vcl::SaveDialogService* previous_;
};

const TPrinterEntry Pdf{PdfPrinterName, TPrinterKind::PdfFile};

class PrintCommandTest : public MainWindowTest {
protected:
    void SetUp() override
    {
        MainWindowTest::SetUp();
        StartProgram();
        StoreVancomycinCase(*DataModule1);
        ASSERT_TRUE(frmMain->LoadCaseFromStore(QStringLiteral("20261201093000"), 0));
    }

    // Runs the print command; `inDialog` acts in the print settings dialog
    // while it is open, and a dialog still open afterwards is closed.
    void Print(const std::function<void()>& inDialog)
    {
        QTimer::singleShot(0, frmCommentSet, [inDialog] {
            inDialog();
            if (frmCommentSet->isVisible())
                frmCommentSet->plButton2->Click();
        });
        frmMain->plButton12Click(nullptr);
    }

    static QString StoredComment()
    {
        TAnalysisRecord stored;
        EXPECT_EQ(DataModule1->LoadAnalysis(QStringLiteral("20261201093000"), 0, stored), 0);
        return stored.comment;
    }
};

} // namespace

TEST_F(PrintCommandTest, WithNoPrinterConfirmingOnlyShowsTheError)
{
    FakePrinters none({}, QString());
    int shownIndex = 0;
    bool openAfterConfirm = false;
    Print([&] {
        shownIndex = frmCommentSet->ComboBox10->currentIndex();
        frmCommentSet->Memo1->setPlainText(QStringLiteral("変更しない"));
        frmCommentSet->plButton1->Click();
        openAfterConfirm = frmCommentSet->isVisible();
    });
    EXPECT_EQ(shownIndex, -1);
    EXPECT_TRUE(openAfterConfirm);
    ASSERT_EQ(boxes.count(), 1);
    EXPECT_EQ(boxes.last().text, QStringLiteral("プリンターが選択されていません。"));
    EXPECT_EQ(boxes.last().caption, QStringLiteral("エラー"));
    EXPECT_EQ(CurrentAnalysis.comment, QString());
    EXPECT_EQ(StoredComment(), QString());
}

TEST_F(PrintCommandTest, ThePdfEntryWritesTheReportAndTheCommentIsStored)
{
    FakePrinters pdfOnly({Pdf}, QString());
    const QString file = base.FilePath(QStringLiteral("report.pdf"));
    ScriptedSaveDialog save(file);
    // Typed with the JIS wave dash and micro sign: kept, stored and printed as their CP932 twins.
    const QString comment = QStringLiteral("O'Brien's note: 目標トラフ 10\uFF5E15 \u03BCg/mL");
    int shownIndex = -1;
    Print([&] {
        shownIndex = frmCommentSet->ComboBox10->currentIndex();
        frmCommentSet->Memo1->setPlainText(QStringLiteral("O'Brien's note: "));
        frmCommentSet->Memo1->moveCursor(QTextCursor::End);
        frmCommentSet->Memo1->insertPlainText(QStringLiteral("目標トラフ 10\u301C15 \u00B5g/mL"));
        frmCommentSet->plButton1->Click();
    });
    EXPECT_EQ(shownIndex, 0);
    EXPECT_EQ(boxes.count(), 0) << (boxes.count() ? boxes.last().text.toStdString() : "");
    ASSERT_EQ(save.asked.size(), 1u);
    EXPECT_EQ(save.asked[0].FileName, QStringLiteral("20261208120000.pdf"));
    EXPECT_EQ(CurrentAnalysis.comment, comment);
    EXPECT_EQ(StoredComment(), comment);
    ASSERT_TRUE(QFile::exists(file));
    QProcess text;
    text.start(QStringLiteral("pdftotext"), {file, QStringLiteral("-")});
    if (text.waitForFinished(30000)) {
        const QString printed = QString::fromUtf8(text.readAllStandardOutput());
        // The font draws U+FF5E and U+301C with one glyph, which the PDF's text names by the latter.
        EXPECT_TRUE(vcl::WithCp932Twins(printed).contains(comment)) << printed.toStdString();
        EXPECT_TRUE(printed.contains(QStringLiteral("バンコマイシン量(mg)")));
    }
    EXPECT_TRUE(frmMain->TabSheet4->plButton12->isEnabled());
}

TEST_F(PrintCommandTest, AFailedPrintIsReportedAndTheCommentStaysStored)
{
    FakePrinters pdfOnly({Pdf}, QString());
    ScriptedSaveDialog save(QStringLiteral("/nonexistent-folder/report.pdf"));
    Print([] {
        frmCommentSet->Memo1->setPlainText(QStringLiteral("印刷前に保存"));
        frmCommentSet->plButton1->Click();
    });
    ASSERT_EQ(boxes.count(), 1);
    EXPECT_TRUE(boxes.last().text.startsWith(QStringLiteral("印刷できませんでした。\n"))) << boxes.last().text.toStdString();
    EXPECT_EQ(boxes.last().caption, QStringLiteral("エラー"));
    EXPECT_EQ(StoredComment(), QStringLiteral("印刷前に保存"));
    EXPECT_TRUE(frmMain->TabSheet4->plButton12->isEnabled());
}

TEST_F(PrintCommandTest, CancelChangesNothing)
{
    FakePrinters pdfOnly({Pdf}, QString());
    ScriptedSaveDialog save(base.FilePath(QStringLiteral("never.pdf")));
    Print([] { frmCommentSet->Memo1->setPlainText(QStringLiteral("取り消す")); });
    EXPECT_TRUE(save.asked.empty());
    EXPECT_EQ(CurrentAnalysis.comment, QString());
    EXPECT_EQ(StoredComment(), QString());
    EXPECT_EQ(boxes.count(), 0);
}

// The chosen printer is the one printed on; reopening preselects the
// platform's current printer again, not the one chosen last.
TEST_F(PrintCommandTest, ReopeningPreselectsThePlatformsCurrentPrinter)
{
    FakePrinters printers({{QStringLiteral("Ward-A"), TPrinterKind::System},
                           {QStringLiteral("Ward-B"), TPrinterKind::System}, Pdf},
                          QStringLiteral("Ward-B"));
    std::vector<int> shown;
    auto chooseFirst = [&] {
        shown.push_back(frmCommentSet->ComboBox10->currentIndex());
        frmCommentSet->ComboBox10->setCurrentIndex(0);
        frmCommentSet->plButton1->Click();
    };
    Print(chooseFirst);
    ASSERT_EQ(boxes.count(), 1);
    EXPECT_TRUE(boxes.last().text.contains(QStringLiteral("Ward-A"))) << boxes.last().text.toStdString();
    Print([&] { shown.push_back(frmCommentSet->ComboBox10->currentIndex()); });
    EXPECT_EQ(shown, (std::vector<int>{1, 1}));
}

TEST_F(PrintCommandTest, TheCommentHoldsEightHundredBytesOfWholeCharacters)
{
    FakePrinters pdfOnly({Pdf}, QString());
    ScriptedSaveDialog cancelled{QString()};
    const QString full = QString(400, QChar(u'所'));
    QString kept;
    Print([&] {
        // One character too many, and one CP932 cannot hold.
        frmCommentSet->Memo1->setPlainText(full + QStringLiteral("見"));
        frmCommentSet->Memo1->insertPlainText(QStringLiteral("😀"));
        kept = frmCommentSet->Memo1->toPlainText();
        frmCommentSet->plButton1->Click();
    });
    EXPECT_EQ(kept, full);
    EXPECT_EQ(StoredComment(), full);
}

TEST_F(PrintCommandTest, ExportWritesSetZeroOnTheEngineWhateverSetIsCurrent)
{
    ScriptedSaveDialog save(base.FilePath(QStringLiteral("out/export.csv")));
    ScheduleSets.CurSetIndex = 1;
    std::reverse(ScheduleSets.ScheduleDayLists[1].begin(), ScheduleSets.ScheduleDayLists[1].end());
    const std::vector<TScheduleDay> currentDays = ScheduleSets.ScheduleDayLists[1];
    CurrentPatient.patient_gender = 1;
    auto exportLines = [&] {
        frmMain->TabSheet4->plButton44->Click();
        QFile file(base.FilePath(QStringLiteral("out/export.csv")));
        EXPECT_TRUE(file.open(QIODevice::ReadOnly));
        return vcl::FromCp932(file.readAll()).split(QStringLiteral("\r\n"));
    };
    const QString blanks9(9, QLatin1Char(' '));
    QStringList lines = exportLines();
    EXPECT_EQ(save.asked.back().FileName, QStringLiteral("20261208120000.csv"));
    EXPECT_EQ(save.asked.back().Folder, CsvSettings.CsvPath);
    ASSERT_GT(lines.size(), 20);
    EXPECT_EQ(lines.back(), QString());   // the last line ends with CR LF, no empty line after it
    lines.removeLast();
    // Widths count CP932 bytes: "年齢" is four of the thirteen.
    EXPECT_EQ(lines[1], QStringLiteral("年齢") + blanks9 + QStringLiteral(",            60"));
    EXPECT_EQ(lines[2], QStringLiteral("性別") + blanks9 + QStringLiteral(", 女性") + blanks9);
    EXPECT_EQ(lines[6], QStringLiteral("スピロノラクトン併用      , なし") + blanks9);
    // Set 0's two prescriptions of 1000 mg, not the current set's 750 mg.
    EXPECT_EQ(lines[10], QStringLiteral("   2026/12/01,    2026/12/07,         09:00,      1000.000"));
    EXPECT_EQ(lines[12], QString());
    const int results = static_cast<int>(lines.size() - lines.indexOf(QStringLiteral("<解析結果>")) - 2);
    EXPECT_EQ(results, 14 * 36);
    EXPECT_NE(lines.last().right(13).trimmed(), QStringLiteral("0.0000"));
    EXPECT_EQ(ScheduleSets.ScheduleDayLists[1].size(), currentDays.size());
    EXPECT_EQ(ScheduleSets.ScheduleDayLists[1].front().DateTime, currentDays.front().DateTime);

    CsvSettings.CsvStep = 200;
    CurrentAnalysis.kaiseki_table2 = 1;
    lines = exportLines();
    lines.removeLast();
    EXPECT_EQ(lines[6], QStringLiteral("スピロノラクトン併用      , あり") + blanks9);
    EXPECT_EQ(static_cast<int>(lines.size() - lines.indexOf(QStringLiteral("<解析結果>")) - 2), 14);
    CsvSettings = TCsvSettings{};
}

// The patient analysed with valproate (ke 0.0433, Vd 0.25, ka 1.5), that case
// loaded, confirmed again as two-compartment vancomycin and analysed: the
// export carries vancomycin's own estimates only, nothing of valproate's.
TEST_F(PrintCommandTest, AnotherDrugConfirmedOnAStoredCaseExportsNoneOfTheEarlierEstimates)
{
    const QString key = QStringLiteral("20261201093000");
    TAnalysisRecord valproate = CurrentAnalysis;
    valproate.kaiseki_id = 1;
    valproate.kubun_id = 3;
    valproate.yakuzainame_id = 5;
    valproate.analysis_algo = 0;
    valproate.kaiseki = {.ka = 1.5, .ke = 0.0433, .vd = 0.25, .f = 1.0, .cl = 0.0108};
    const std::vector<TPrescription> prescriptions = ScheduleSets.PrescriptionLists[0];
    const std::vector<TSamplingRecord> samplings = ScheduleSets.Samplings;
    ASSERT_EQ(DataModule1->SaveAnalysisWithSchedule(valproate, ScheduleSets.PrescriptionLists, 0, ScheduleSets.Samplings), 0);
    frmMain->show();
    ASSERT_TRUE(frmMain->LoadCaseFromStore(key, 1));

    frmMain->plButton36Click(nullptr);
    TDrugPage& drug = *frmMain->TabSheet6;
    for (auto [list, index] : {std::pair{drug.cbKubun, 4}, {drug.cbIppan, 0}, {drug.cbSyouhin, 0}}) {
        list->setCurrentIndex(index);
        emit list->activated(index);   // the model by age: two compartments at 60
    }
    drug.StringGridEx7->SetCellValue(0, 0, 0.8);
    drug.StringGridEx7Exit(drug.StringGridEx7);
    drug.RadioButton19->click();
    drug.Timer2Timer();
    drug.plButton11->Click();   // "確定", OK
    ASSERT_EQ(DrugKeyOf(CurrentAnalysis), (TDrugKey{5, 1, 1, 2}));
    ScheduleSets.PrescriptionLists[0] = prescriptions;
    ExpandPrescriptions(prescriptions, DrugKeyOf(CurrentAnalysis), ScheduleSets.ScheduleDayLists[0]);
    ScheduleSets.Samplings = samplings;
    frmMain->TabSheet2->plButton16->Click();   // "解析"
    ASSERT_EQ(frmMain->PageControl1->currentIndex(), 3);

    ScriptedSaveDialog save(base.FilePath(QStringLiteral("export.csv")));
    frmMain->TabSheet4->plButton44->Click();
    QFile file(base.FilePath(QStringLiteral("export.csv")));
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QStringList lines = vcl::FromCp932(file.readAll()).split(QStringLiteral("\r\n"));
    const auto estimate = [&lines](const QString& label) {
        const auto line = std::find_if(lines.begin(), lines.end(), [&](const QString& l) { return l.startsWith(label); });
        return line == lines.end() ? std::string() : line->right(13).trimmed().toStdString();
    };
    EXPECT_NE(estimate(QStringLiteral("CL(L/kg/hr)")), "0.0000");
    for (const char* label : {"Ke(1/hr)", "Vd(L/kg)", "Ka(1/hr)"})
        EXPECT_EQ(estimate(QString::fromLatin1(label)), "0.0000") << label;
}

TEST_F(PrintCommandTest, AnExportThatCannotBeWrittenIsReported)
{
    QFile blocker(base.FilePath(QStringLiteral("blocker")));
    ASSERT_TRUE(blocker.open(QIODevice::WriteOnly));
    blocker.close();
    ScriptedSaveDialog save(base.FilePath(QStringLiteral("blocker/sub/export.csv")));
    frmMain->TabSheet4->plButton44->Click();
    ASSERT_EQ(boxes.count(), 1);
    EXPECT_TRUE(boxes.last().text.startsWith(QStringLiteral("CSVファイルを書き込めませんでした。\n")));
    EXPECT_EQ(boxes.last().caption, QStringLiteral("エラー"));
}
