#include "MainWindowFixture.h"
#include "StoredCase.h"

#include "DrugMaster.h"
#include "DrugPage.h"
#include "DrugSelection.h"
#include "Exceptions.h"
#include "Fonts.h"
#include "PatientPage.h"
#include "SaveDialog.h"
#include "ScheduleSetOps.h"
#include "SchedulePage.h"
#include "TApplication.h"
#include "Ucommon.h"
#include "plButton.h"
#include "uCaseSearch.h"
#include "uPatientSearch.h"

#include <QAbstractButton>
#include <QDateEdit>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPainter>
#include <QScreen>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSplitter>
#include <QSqlQuery>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QTranslator>
#include <QTreeView>

namespace {

bool StepEnabled(int step)
{
    TplButton* buttons[] = {frmMain->plButton35, frmMain->plButton36, frmMain->plButton37, frmMain->plButton38};
    return buttons[step]->isEnabled();
}

} // namespace

TEST_F(MainWindowTest, FirstStartCopiesTheTemplateAndLaterStartsNeverOverwrite)
{
    ASSERT_FALSE(QFileInfo::exists(WorkingDatabasePath()));
    StartProgram();
    EXPECT_TRUE(QFileInfo::exists(WorkingDatabasePath()));
    ASSERT_EQ(DataModule1->SavePatient(StoredPatient()), 0);
    DestroyApplicationForms();

    StartProgram();
    EXPECT_EQ(DataModule1->CountPatient(QStringLiteral("20261201093000")), 1);
}

TEST_F(MainWindowTest, NoTemplateAndNoWorkingFileStopsTheStartWithTheFileNamed)
{
    QFile::remove(TemplateDatabasePath());
    try {
        CreateApplicationForms();
        FAIL() << "the start went on without a database";
    } catch (const vcl::Exception& error) {
        EXPECT_TRUE(error.Message().contains(QStringLiteral("DataSource.dat"))) << error.what();
    }
    EXPECT_EQ(frmMain, nullptr);
}

// SQLite would open the write-protected file read-only and every save would fail.
TEST_F(MainWindowTest, AWriteProtectedWorkingFileStopsTheStartWithTheFileNamed)
{
    ASSERT_TRUE(EnsureWorkingDatabase());
    ASSERT_TRUE(testing_seams::SetWriteProtection(WorkingDatabasePath(), testing_seams::Protection::ReadOnly));
    {
        testing_seams::FilePermissionsEnforced enforced;
        CreateApplicationForms();
        EXPECT_FALSE(OpenCaseDatabaseAtStart());
    }
    ASSERT_EQ(boxes.count(), 1);
    EXPECT_EQ(boxes.last().caption, QStringLiteral("エラー"));
    EXPECT_TRUE(boxes.last().text.startsWith(QStringLiteral("データベース %1 に書き込めません。")
                                                 .arg(QDir::toNativeSeparators(WorkingDatabasePath()))))
        << boxes.last().text.toStdString();
    EXPECT_FALSE(frmMain->isVisible());
    testing_seams::SetWriteProtection(WorkingDatabasePath(), testing_seams::Protection::Writable);
}

TEST_F(MainWindowTest, CaptionCarriesTheBuildVersionAndTheWindowOpensCentred)
{
    StartProgram();
    EXPECT_EQ(frmMain->windowTitle(), QStringLiteral("Quorvel Ver.3.6.1.1M"));
    const QPoint offCentre = frmMain->frameGeometry().center() - frmMain->screen()->availableGeometry().center();
    EXPECT_LE(offCentre.manhattanLength(), 2);
}

TEST_F(MainWindowTest, StartsOnThePatientPageWithOnlyTheFirstStep)
{
    StartProgram();
    EXPECT_EQ(frmMain->PageControl1->currentIndex(), 0);
    EXPECT_TRUE(StepEnabled(0));
    EXPECT_FALSE(StepEnabled(1));
    EXPECT_EQ(CurrentPatient.patient_birth, -10000.0);
    EXPECT_EQ(CurrentAnalysis.analysis_weight, 2);
    EXPECT_EQ(frmMain->Header().Panel17->text(), QStringLiteral("　ヒント、エラーメッセージ等を表示します。"));
    EXPECT_TRUE(frmMain->Timer1->isActive());
    EXPECT_TRUE(frmMain->Timer2->isActive());
    EXPECT_FALSE(frmMain->Timer3->isActive());
}

TEST_F(MainWindowTest, ThePatientNumberHasTheFocusWhenTheWindowFirstShows)
{
    StartProgram();
    frmMain->show();
    frmMain->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(frmMain));
    EXPECT_EQ(QApplication::focusWidget(), frmMain->TabSheet1->Edit1);
}

TEST_F(MainWindowTest, SetWorkflowStepShowsAPageBeyondTheEnabledSteps)
{
    StartProgram();
    frmMain->SetWorkflowStep(1, 3);
    EXPECT_TRUE(StepEnabled(0));
    EXPECT_TRUE(StepEnabled(1));
    EXPECT_FALSE(StepEnabled(2));
    EXPECT_FALSE(StepEnabled(3));
    EXPECT_EQ(frmMain->PageControl1->currentIndex(), 3);
    for (int step = 0; step < 4; ++step)
        EXPECT_EQ(frmMain->StepMarkers[step]->isVisibleTo(frmMain), step == 3) << step;
}

TEST_F(MainWindowTest, PageChangesSwitchTimersAndTheHelpButton)
{
    StartProgram();
    frmMain->SetWorkflowStep(3, 1);
    EXPECT_TRUE(frmMain->Timer2->isActive());
    EXPECT_FALSE(frmMain->Timer1->isActive());
    EXPECT_TRUE(frmMain->plButton29->isVisibleTo(frmMain));
    frmMain->SetWorkflowStep(3, 3);
    EXPECT_FALSE(frmMain->Timer1->isActive() || frmMain->Timer2->isActive() || frmMain->Timer3->isActive());
    EXPECT_FALSE(frmMain->plButton29->isVisibleTo(frmMain));
}

TEST_F(MainWindowTest, LoadedCaseFillsRecordsSetsDoseEventsAndSamplings)
{
    StartProgram();
    StoreVancomycinCase(*DataModule1);
    ASSERT_TRUE(frmMain->LoadCaseFromStore(QStringLiteral("20261201093000"), 0));

    EXPECT_EQ(CurrentPatient.patient_name, QStringLiteral("山田太郎"));
    EXPECT_EQ(CurrentAnalysis.kubun_id, 5);
    EXPECT_EQ(ScheduleSets.CurSetIndex, 0);
    EXPECT_EQ(ScheduleSets.PrescriptionLists[0].size(), 2u);
    EXPECT_EQ(ScheduleSets.PrescriptionLists[1].size(), 1u);
    EXPECT_EQ(ScheduleSets.ScheduleDayLists[0].size(), 14u);
    EXPECT_EQ(ScheduleSets.ScheduleDayLists[1].size(), 7u);
    // Vancomycin is infused: every administration has its end event.
    ASSERT_EQ(ScheduleSets.DoseEventLists[0].size(), 28u);
    EXPECT_EQ(ScheduleSets.DoseEventLists[0][0].Time, 540.0);
    EXPECT_EQ(ScheduleSets.DoseEventLists[0][1].Time, 600.0);
    EXPECT_EQ(ScheduleSets.Samplings.size(), 2u);
    EXPECT_EQ(frmMain->Graph().GraphFirstDay, vcl::EncodeDate(2026, 12, 1));
    EXPECT_EQ(frmMain->Graph().GraphLastDay, vcl::EncodeDate(2026, 12, 7));
    EXPECT_GT(frmMain->Graph().GraphYRange, 0);
    EXPECT_TRUE(ScheduleSets.UndoList.empty());

    EXPECT_EQ(frmMain->HighestStep(), 3);
    EXPECT_EQ(frmMain->PageControl1->currentIndex(), 3);
    EXPECT_TRUE(StepEnabled(3));
    EXPECT_EQ(frmMain->Header().Panel3->text(), QStringLiteral("山田太郎"));
    EXPECT_TRUE(frmMain->TabSheet1->plButton9->isEnabled());
}

TEST_F(MainWindowTest, CancelledCaseSearchChangesNothing)
{
    StartProgram();
    StoreVancomycinCase(*DataModule1);
    ASSERT_TRUE(frmMain->LoadCaseFromStore(QStringLiteral("20261201093000"), 0));
    frmMain->SetWorkflowStep(3, 2);
    const auto before = ScheduleSets.DoseEventLists[0].size();

    QTimer::singleShot(0, frmCaseSearch, [] { frmCaseSearch->reject(); });
    frmMain->plButton7Click(nullptr);

    EXPECT_EQ(frmMain->PageControl1->currentIndex(), 2);
    EXPECT_EQ(CurrentPatient.patient_name, QStringLiteral("山田太郎"));
    EXPECT_EQ(ScheduleSets.DoseEventLists[0].size(), before);
    EXPECT_EQ(boxes.count(), 0);
}

TEST_F(MainWindowTest, AFailedLoadIsReportedAndTheCaseOnScreenStays)
{
    StartProgram();
    StoreVancomycinCase(*DataModule1);
    ASSERT_TRUE(frmMain->LoadCaseFromStore(QStringLiteral("20261201093000"), 0));
    frmMain->SetWorkflowStep(3, 2);
    OnTheDatabase(QStringLiteral("DROP TABLE saiketu"));

    EXPECT_FALSE(frmMain->LoadCaseFromStore(QStringLiteral("20261201093000"), 0));

    ASSERT_EQ(boxes.count(), 1);
    EXPECT_EQ(boxes.last().text, QStringLiteral("データベースの読み書きに失敗しました。もう一度実行してください。\n"
                                                "Query1: no such table: saiketu"));
    EXPECT_EQ(ScheduleSets.Samplings.size(), 2u);
    EXPECT_EQ(ScheduleSets.DoseEventLists[0].size(), 28u);
    EXPECT_EQ(frmMain->PageControl1->currentIndex(), 2);
}

// Only the database can hold an infusion that starts while another runs: such
// a case is told as the Analyse command tells it and loaded onto the schedule
// page, not drawn; after an edit the result page refuses it too, and nothing
// stored changes.
TEST_F(MainWindowTest, AStoredScheduleTheEngineCannotComputeIsLoadedToBeMended)
{
    StartProgram();
    StoreVancomycinCase(*DataModule1);
    frmMain->show();
    ASSERT_TRUE(frmMain->LoadCaseFromStore(QStringLiteral("20261201093000"), 0));
    ASSERT_EQ(frmMain->PageControl1->currentIndex(), 3);
    // 500 mg at 09:30 on 12/01, within the hour-long infusion from 09:00.
    OnTheDatabase(QStringLiteral("INSERT INTO touyo (patient_id, analysis_id, result_id, touyo_id, touyo_start_time, "
                                 "touyo_end_time, touyo_interval, touyo_time, touyo_dose, touyo_drip_time) VALUES "
                                 "('20261201093000', 0, 0, 2, %1, %1, 1, %2, 500, 1)")
                      .arg(vcl::EncodeDate(2026, 12, 1))
                      .arg(9.5 / 24, 0, 'g', 17));
    auto storedBytes = [] {
        QFile file(WorkingDatabasePath());
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    };
    const QByteArray stored = storedBytes();
    const QString overlap = QStringLiteral("「患者データ」の投与スケジュールで、前の点滴が終わる前に次の点滴が始まっています。\n"
                                           "投与時刻または点滴時間を見直してください。");

    EXPECT_TRUE(frmMain->LoadCaseFromStore(QStringLiteral("20261201093000"), 0));
    ASSERT_EQ(boxes.count(), 1);
    EXPECT_EQ(boxes.last().text, overlap);
    EXPECT_EQ(boxes.last().caption, QStringLiteral("投与/採血スケジュールエラー"));
    EXPECT_EQ(frmMain->PageControl1->currentIndex(), 2);
    EXPECT_EQ(ScheduleSets.PrescriptionLists[0].size(), 3u);
    EXPECT_TRUE(StepEnabled(3));
    QTest::mouseClick(frmMain->plButton38, Qt::LeftButton);   // "解析結果"
    ASSERT_EQ(boxes.count(), 2);
    EXPECT_EQ(frmMain->PageControl1->currentIndex(), 2);

    const std::size_t days = ScheduleSets.ScheduleDayLists[0].size();
    frmMain->TabSheet2->DateTimePicker1->setDate(QDate(2026, 12, 4));
    frmMain->TabSheet2->plButton39Click(nullptr);   // "処方削除" from the 4th on
    EXPECT_LT(ScheduleSets.ScheduleDayLists[0].size(), days);
    QTest::mouseClick(frmMain->plButton38, Qt::LeftButton);
    ASSERT_EQ(boxes.count(), 3);
    EXPECT_EQ(boxes.last().text, overlap);
    EXPECT_EQ(frmMain->PageControl1->currentIndex(), 2);
    EXPECT_EQ(storedBytes(), stored);
}

TEST_F(MainWindowTest, NewPatientEmptiesEveryPageFromAnyPage)
{
    StartProgram();
    StoreVancomycinCase(*DataModule1);
    ASSERT_TRUE(frmMain->LoadCaseFromStore(QStringLiteral("20261201093000"), 0));
    frmMain->SetWorkflowStep(3, 2);

    frmMain->plButton6Click(nullptr);

    EXPECT_TRUE(CurrentPatient.patient_id_t.isEmpty());
    EXPECT_TRUE(CurrentAnalysis.patient_id.isEmpty());
    for (int set = 0; set < ScheduleSetCount; ++set) {
        EXPECT_TRUE(ScheduleSets.PrescriptionLists[set].empty());
        EXPECT_TRUE(ScheduleSets.DoseEventLists[set].empty());
    }
    EXPECT_TRUE(ScheduleSets.Samplings.empty());
    EXPECT_EQ(frmMain->HighestStep(), 0);
    EXPECT_EQ(frmMain->PageControl1->currentIndex(), 0);
    EXPECT_TRUE(StepEnabled(0));
    EXPECT_FALSE(StepEnabled(1) || StepEnabled(2) || StepEnabled(3));
    EXPECT_TRUE(frmMain->Header().Panel3->text().isEmpty());
    EXPECT_TRUE(frmMain->TabSheet1->Edit2->text().isEmpty());
}

TEST_F(MainWindowTest, ShowCaseFromWithoutSamplingsStopsBeforeTheResults)
{
    StartProgram();
    StoreVancomycinCase(*DataModule1);
    ASSERT_TRUE(frmMain->LoadCaseFromStore(QStringLiteral("20261201093000"), 0));
    ScheduleSets.Samplings.clear();
    frmMain->SetHighestStep(2);
    frmMain->SetWorkflowStep(2, 1);

    frmMain->ShowCaseFrom(0);

    EXPECT_EQ(frmMain->HighestStep(), 2);
    EXPECT_EQ(frmMain->PageControl1->currentIndex(), 1);
    EXPECT_FALSE(StepEnabled(3));
}

TEST_F(MainWindowTest, ExitQuestionCancelKeepsTheProgramAndTheCase)
{
    StartProgram();
    CurrentPatient.patient_name = QStringLiteral("山田太郎");
    frmMain->show();
    boxes.Answer(vcl::IDCANCEL);
    EXPECT_FALSE(frmMain->close());
    ASSERT_EQ(boxes.count(), 1);
    EXPECT_EQ(boxes.last().text, QStringLiteral("Quorvelを終了します。\nよろしいですか？"));
    EXPECT_EQ(boxes.last().caption, QStringLiteral("終了確認"));
    EXPECT_EQ(boxes.last().flags, vcl::MB_OKCANCEL | vcl::MB_ICONQUESTION);
    EXPECT_TRUE(frmMain->isVisible());
    EXPECT_EQ(CurrentPatient.patient_name, QStringLiteral("山田太郎"));

    boxes.Answer(vcl::IDOK);
    EXPECT_TRUE(frmMain->close());
}

TEST_F(MainWindowTest, PatientSearchMakesTheChosenPatientCurrentForANewAnalysis)
{
    StartProgram();
    StoreVancomycinCase(*DataModule1);
    ASSERT_TRUE(frmMain->LoadCaseFromStore(QStringLiteral("20261201093000"), 0));

    QTimer::singleShot(0, frmPatientSearch, [] {
        frmPatientSearch->Edit1->setText(QStringLiteral("P-0"));
        frmPatientSearch->plButton8Click(nullptr);
        frmPatientSearch->plButton2->Click();
    });
    frmMain->TabSheet1->plButton27->Click();

    EXPECT_EQ(CurrentPatient.patient_id_t, QStringLiteral("20261201093000"));
    EXPECT_EQ(frmMain->TabSheet1->Edit2->text(), QStringLiteral("山田太郎"));
    EXPECT_TRUE(CurrentAnalysis.patient_id.isEmpty());
    EXPECT_TRUE(ScheduleSets.PrescriptionLists[0].empty());
    EXPECT_EQ(frmMain->HighestStep(), 0);
    EXPECT_EQ(frmMain->PageControl1->currentIndex(), 0);
}

TEST_F(MainWindowTest, EngineCallsRunOnTheLoadedCase)
{
    StartProgram();
    StoreVancomycinCase(*DataModule1);
    ASSERT_TRUE(frmMain->LoadCaseFromStore(QStringLiteral("20261201093000"), 0));
    CurrentPatient.patient_weight = 60;

    // 1 g infused over an hour from 09:00: the population curve rises during
    // the infusion and falls after it; before the first dose there is nothing.
    const TParamBlock& population = CurrentAnalysis.bosyudan;
    const double before = frmMain->ConcentrationAt(8 * 60, nullptr, nullptr, nullptr, 0, population);
    const double peak = frmMain->ConcentrationAt(10 * 60, nullptr, nullptr, nullptr, 0, population);
    const double later = frmMain->ConcentrationAt(20 * 60, nullptr, nullptr, nullptr, 0, population);
    EXPECT_EQ(before, 0.0);
    EXPECT_GT(peak, later);
    EXPECT_GT(later, 0.0);

    TSetValues values{};
    int k = -1;
    frmMain->CalcConcAllSets(vcl::EncodeDate(2026, 12, 2) + 0.5, values, k);
    EXPECT_EQ(k, 1); // sets 0 and 1 in use
    EXPECT_GT(values[0], 0.0);
}

// Qt's own windows speak Japanese once the program has loaded Qt's
// translation: the save dialog's labels and buttons, a line edit's menu, a
// date picker's calendar (its weeks from Sunday, as the schedule calendar's).
// The save dialog writes a file's date in the Japanese form, whatever the
// platform's locale, and shows its columns and its side panel whole.
TEST(QtJapanese, SaveDialogAndLineEditMenu)
{
    const std::unique_ptr<QTranslator> translator(InstallQtJapanese(*QCoreApplication::instance()));
    ASSERT_TRUE(translator);
    EXPECT_EQ(QLocale().firstDayOfWeek(), Qt::Sunday);   // what a picker's calendar shows
    EXPECT_EQ(QLocale().standaloneMonthName(12), QStringLiteral("12月"));

    // Qt keeps the file dialog's last widths in the user's settings, shared
    // by every Qt program; here another one left the side panel narrow.
    QTemporaryDir folder;
    const QByteArray config = qgetenv("XDG_CONFIG_HOME");
    qputenv("XDG_CONFIG_HOME", folder.path().toLocal8Bit());
    QFileDialog().findChild<QSplitter*>()->setSizes({40, 400});   // kept as it closes
    QFile earlier(folder.filePath(QStringLiteral("20251209_174347.pdf")));
    ASSERT_TRUE(earlier.open(QIODevice::WriteOnly));
    ASSERT_TRUE(earlier.setFileTime(QDateTime(QDate(2025, 12, 9), QTime(17, 43, 47)), QFileDevice::FileModificationTime));
    const std::unique_ptr<QFileDialog> dialog = vcl::NewSaveDialog(
        {QStringLiteral("PDF保存"), folder.path(), QStringLiteral("20261208_120000.pdf"), QStringLiteral("PDF files (*.pdf *.PDF)")});
    dialog->show();
    auto* files = dialog->findChild<QTreeView*>();
    auto* sidePanel = qobject_cast<QAbstractItemView*>(dialog->findChild<QSplitter*>()->widget(0));
    ASSERT_TRUE(files && sidePanel);
    const auto dateShown = [files] { return files->model()->index(0, 3, files->rootIndex()).data().toString(); };
    const auto whole = [files] {
        QHeaderView* header = files->header();
        for (int column = 0; column < header->count(); ++column) {
            if (header->sectionSize(column) < static_cast<QAbstractItemView*>(files)->sizeHintForColumn(column))
                return false;
        }
        return header->length() <= files->viewport()->width();
    };
    EXPECT_TRUE(QTest::qWaitFor([&] { return !dateShown().isEmpty() && whole(); }));
    EXPECT_EQ(dateShown(), QStringLiteral("2025/12/09 17:43"));
    EXPECT_EQ(files->model()->index(0, 1, files->rootIndex()).data().toString(), QLocale().formattedDataSize(0));
    EXPECT_NE(QLocale().formattedDataSize(0), QLocale::c().formattedDataSize(0));
    EXPECT_GE(sidePanel->viewport()->width(), sidePanel->sizeHintForColumn(0));
    EXPECT_EQ(dialog->selectedFiles(), QStringList{folder.filePath(QStringLiteral("20261208_120000.pdf"))});

    if (config.isNull())
        qunsetenv("XDG_CONFIG_HOME");
    else
        qputenv("XDG_CONFIG_HOME", config);
    QLocale::setDefault(QLocale::system());
    QLineEdit edit;
    const std::unique_ptr<QMenu> menu(edit.createStandardContextMenu());
    QStringList texts;
    for (const QLabel* label : dialog->findChildren<QLabel*>())
        texts << label->text();
    for (const QAbstractButton* button : dialog->findChildren<QAbstractButton*>())
        texts << button->text();
    for (const QAction* action : menu->actions())
        texts << action->text();
    for (const char* japanese : {"ファイル名(&N):", "ファイルの種類:", "保存(&S)", "キャンセル", "元に戻す(&U)\tCtrl+Z",
                                 "貼り付け(&P)\tCtrl+V", "すべてを選択\tCtrl+A"})
        EXPECT_TRUE(texts.contains(QString::fromUtf8(japanese))) << japanese;
}

namespace {

// Where two paintings of one place differ: the text drawn in one of them.
QRect InkBox(const QImage& painted, const QImage& blank)
{
    QRect box;
    for (int y = 0; y < painted.height(); ++y)
        for (int x = 0; x < painted.width(); ++x)
            if (painted.pixel(x, y) != blank.pixel(x, y))
                box |= QRect(x, y, 1, 1);
    return box;
}

QImage Crop(const QImage& image, const QRect& box)
{
    return image.copy(box).convertToFormat(QImage::Format_RGB32);
}

// `text` drawn whole at `points`, with nothing around to cut it.
QImage FreeText(const QString& text, double points, const QColor& pen)
{
    QImage image(1200, 80, QImage::Format_RGB32);
    image.fill(Qt::white);
    const QImage blank = image;
    QPainter painter(&image);
    QFont font = vcl::ProgramFont();
    font.setPointSizeF(points);
    painter.setFont(font);
    painter.setPen(pen);
    painter.drawText(QPoint(20, 50), text);
    painter.end();
    return Crop(image, InkBox(image, blank));
}

} // namespace

// The header's panels paint every generic name, product name and source
// label of the drug master whole, inside the panel's frame, at the size the
// drug page gives them or a smaller one of 7 points or more: what a panel
// paints is the text drawn whole at one such size.
TEST_F(MainWindowTest, HeaderPanelsShowEveryNameOfTheDrugMasterWhole)
{
    StartProgram();
    auto expectWhole = [](QLabel* panel, const char* name, const TDrugKey& key, int THeaderFontSizes::*size) {
        const QString text = QString::fromUtf8(name);
        const int given = size ? HeaderFontSizes(key, ParamSource::Population).*size : 12;
        panel->setFont(vcl::ProgramFont(given));
        panel->setText(QString());
        const QImage blank = panel->grab().toImage();
        panel->setText(text);
        const QImage painted = panel->grab().toImage();
        const QRect box = InkBox(painted, blank);
        EXPECT_TRUE(panel->contentsRect().contains(box)) << name;
        const QImage ink = Crop(painted, box);
        // Searched in quarter points, whatever steps the panel takes.
        double shownAt = 0;
        for (double points = given; points >= 7 && shownAt == 0; points -= 0.25) {
            if (FreeText(text, points, panel->palette().color(panel->foregroundRole())) == ink)
                shownAt = points;
        }
        EXPECT_GE(shownAt, 7.0) << name << " is cut or smaller than 7 points";
    };
    const TMainHeader& header = frmMain->Header();
    for (const TDrugEntry& d : DrugTable())
        expectWhole(header.Panel4, d.name, {d.kubun_id, d.yakuzainame_id, 0}, nullptr);
    for (const TProductEntry& p : ProductTable())
        expectWhole(header.Panel7, p.name, {p.kubun, p.drug, p.product}, &THeaderFontSizes::Product);
    for (const TSourceEntry& s : SourceTable())
        expectWhole(header.Panel28, s.label, {s.kubun, s.drug, s.product}, &THeaderFontSizes::Source);
}
