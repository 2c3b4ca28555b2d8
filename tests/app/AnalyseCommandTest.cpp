// The Analyse command from the schedule page's button to the result page, on
// a temporary database: one case per model family entered as the patient and
// drug pages leave it, analysed, stored, reloaded through the case search and
// analysed again; the edge cases and the failures around it.
#include "MainWindowFixture.h"

#include "EstimationDispatch.h"
#include "SchedulePage.h"
#include "ScheduleExpansion.h"
#include "ScheduleSort.h"
#include "ScheduleTestData.h"
#include "ScheduleUndo.h"
#include "StoredCase.h"
#include "Ucommon.h"
#include "plButton.h"

#include <QCursor>
#include <QGuiApplication>
#include <QLabel>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QTabWidget>
#include <QTest>
#include <QTimer>

namespace {

const QString Key = QStringLiteral("20261201093000");
using schedule_test::At;
using schedule_test::Day;
const double Today = vcl::EncodeDate(2026, 12, 8);

// Daily from start to end at the time of day.
TPrescription Daily(double start, double end, double timeOfDay, double dose, double dripHours = 0)
{
    return schedule_test::Prescription(start, end, 1, timeOfDay, dose, dripHours);
}

struct Sampling {
    double time;
    double value;
};

// A case of one model family: the drug key, the population means and CVs
// (%), set 0's prescriptions and the measured values.
struct FamilyCase {
    const char* name;
    int kubun, drug, product, algo;
    TParamBlock means, cvs;
    std::vector<TPrescription> prescriptions;
    std::vector<Sampling> samplings;
};

void PrintTo(const FamilyCase& c, std::ostream* os)
{
    *os << c.name;
}

const FamilyCase Families[] = {
    {"theophylline, one compartment oral", 2, 1, 1, 0,
     {.ka = 1.5, .ke = 0.08, .vd = 0.5, .f = 1.0, .cl = 0.04}, {.ka = 50, .vd = 20, .cl = 30},
     {Daily(Day, Day + 6, At(9, 0), 200), Daily(Day, Day + 6, At(21, 0), 200)},
     {{Day + 3 + At(8, 0), 5.9}, {Day + 3 + At(11, 0), 8.4}, {Day + 5 + At(8, 30), 5.2}}},
    {"vancomycin, one compartment infusion", 5, 1, 1, 1,
     {.ke = 0.06 / 0.85, .vd = 0.85, .f = 1.0, .cl = 0.06}, {.vd = 20, .cl = 35},
     {Daily(Day, Day + 6, At(9, 0), 1000, 1), Daily(Day, Day + 6, At(21, 0), 1000, 1)},
     {{Day + 2 + At(8, 30), 19.0}, {Day + 2 + At(11, 0), 27.4}, {Day + 4 + At(8, 30), 18.1}}},
    {"vancomycin, two compartments", 5, 1, 1, 2,
     {.v1 = 18.0, .f = 1.0, .k12 = 0.5, .k21 = 0.3, .cl = 0.06}, {.v1 = 25, .k12 = 40, .k21 = 40, .cl = 35},
     {Daily(Day, Day + 6, At(9, 0), 1000, 1), Daily(Day, Day + 6, At(21, 0), 1000, 1)},
     {{Day + 2 + At(8, 30), 16.0}, {Day + 2 + At(11, 0), 32.0}, {Day + 4 + At(8, 30), 15.0}}},
    {"phenytoin, Michaelis-Menten oral", 3, 1, 1, 0,
     {.ka = 1.0, .vd = 0.7, .f = 0.9, .a = 4.0, .b = 0.29}, {.ka = 50, .vd = 20, .a = 45, .b = 30},
     {Daily(Day, Day + 13, At(9, 0), 150), Daily(Day, Day + 13, At(21, 0), 150)},
     {{Day + 6 + At(8, 0), 6.8}, {Day + 9 + At(8, 0), 5.5}, {Day + 12 + At(8, 0), 6.8}}},
    {"phenytoin, Michaelis-Menten infusion", 3, 1, 2, 0,
     {.vd = 0.7, .f = 0.9, .a = 4.0, .b = 0.29}, {.vd = 20, .a = 45, .b = 30},
     {Daily(Day, Day + 9, At(9, 0), 150, 0.5), Daily(Day, Day + 9, At(21, 0), 150, 0.5)},
     {{Day + 4 + At(8, 0), 7.5}, {Day + 6 + At(10, 0), 9.2}, {Day + 8 + At(8, 0), 8.6}}},
};

bool SameBlock(const TParamBlock& a, const TParamBlock& b)
{
    for (int i = 0; i < TParamBlock::Count; ++i)
        if (a[i] != b[i])
            return false;
    return true;
}

} // namespace

class AnalyseCommandTest : public MainWindowTest {
protected:
    // The case as the patient and drug pages leave it: both rows stored, the
    // records current, set 0's prescriptions entered and expanded on the
    // schedule page, the samplings entered; the schedule page shown.
    void EnterCase(const FamilyCase& c)
    {
        StartProgram();
        const TPatientRecord patient = StoredPatient();
        ASSERT_EQ(patient.patient_id_t, Key);
        ASSERT_EQ(DataModule1->SavePatient(patient), 0);
        CurrentPatient = patient;

        TAnalysisRecord analysis = ResetAnalysisRecord();
        analysis.patient_id = Key;
        analysis.kaiseki_id = DataModule1->CountAnalyses(Key);
        analysis.kubun_id = c.kubun;
        analysis.yakuzainame_id = c.drug;
        analysis.yakuhinname_id = c.product;
        analysis.analysis_algo = c.algo;
        analysis.syutten_id = 1;
        analysis.bosyudan = c.means;
        analysis.bosyudan_vari = c.cvs;
        ASSERT_EQ(DataModule1->SaveAnalysis(analysis), 0);
        CurrentAnalysis = analysis;

        EnterPrescriptions(0, c.prescriptions);
        for (const Sampling& s : c.samplings) {
            TSamplingRecord record;
            record.saiketu_time = s.time;
            record.saiketu_value = s.value;
            ScheduleSets.Samplings.push_back(record);
        }
        PushScheduleSnapshot(ScheduleSets);   // an edit made on the page
        frmMain->SetHighestStep(2);
        frmMain->SetWorkflowStep(2, 2);
    }

    void EnterPrescriptions(int set, const std::vector<TPrescription>& prescriptions)
    {
        ScheduleSets.PrescriptionLists[set] = prescriptions;
        for (TPrescription& p : ScheduleSets.PrescriptionLists[set])
            p.result_id = set;
        ExpandPrescriptions(ScheduleSets.PrescriptionLists[set], DrugKeyOf(CurrentAnalysis),
                            ScheduleSets.ScheduleDayLists[set]);
    }

    void Analyse() { frmMain->TabSheet2->plButton16->Click(); }

    TAnalysisRecord StoredAnalysis()
    {
        TAnalysisRecord stored;
        EXPECT_EQ(DataModule1->LoadAnalysis(Key, 0, stored), 0);
        return stored;
    }

    int RowCount(const QString& table)
    {
        QSqlQuery query(QSqlDatabase::database(TDataModule1::ConnectionName));
        EXPECT_TRUE(query.exec(QStringLiteral("SELECT COUNT(*) FROM ") + table));
        return query.next() ? query.value(0).toInt() : -1;
    }
};

class AnalyseFamilyTest : public AnalyseCommandTest, public ::testing::WithParamInterface<FamilyCase> {};

TEST_P(AnalyseFamilyTest, AnalysedStoredReloadedAndAnalysedAgainWithTheSameEstimates)
{
    EnterCase(GetParam());
    Analyse();

    ASSERT_EQ(boxes.count(), 1);
    EXPECT_EQ(boxes.last().text, QStringLiteral("投与/採血スケジュールを登録して解析結果を表示します。\nよろしいですか？"));
    EXPECT_EQ(boxes.last().caption, QStringLiteral("投与/採血スケジュール確認"));
    EXPECT_EQ(boxes.last().flags, vcl::MB_OKCANCEL | vcl::MB_ICONQUESTION);
    EXPECT_EQ(frmMain->PageControl1->currentIndex(), 3);
    EXPECT_EQ(frmMain->HighestStep(), 3);
    EXPECT_TRUE(ScheduleSets.UndoList.empty());
    EXPECT_EQ(CurrentAnalysis.analysis_date, Today);
    EXPECT_GT(CurrentAnalysis.ss, 0.0);
    const TAnalysisRecord stored = StoredAnalysis();
    EXPECT_TRUE(SameBlock(stored.kaiseki, CurrentAnalysis.kaiseki));
    EXPECT_EQ(stored.ss, CurrentAnalysis.ss);
    EXPECT_EQ(stored.analysis_date, Today);
    const TParamBlock estimates = CurrentAnalysis.kaiseki;
    const double ss = CurrentAnalysis.ss;
    // The fit ran on a worker thread; the same fit on this thread gives the
    // same bits.
    ASSERT_EQ(::EstimateIndividualParams(frmMain->EngineContext()), FitConverged);
    EXPECT_TRUE(SameBlock(CurrentAnalysis.kaiseki, estimates));
    EXPECT_EQ(CurrentAnalysis.ss, ss);

    // A new patient, then the case again from the case search.
    frmMain->plButton6Click(nullptr);
    ASSERT_TRUE(CurrentAnalysis.patient_id.isEmpty());
    ASSERT_TRUE(frmMain->LoadCaseFromStore(Key, 0));
    EXPECT_TRUE(SameBlock(CurrentAnalysis.kaiseki, estimates));

    frmMain->SetWorkflowStep(3, 2);
    CurrentAnalysis.kaiseki = TParamBlock{};
    Analyse();
    EXPECT_EQ(boxes.count(), 2);
    EXPECT_TRUE(SameBlock(CurrentAnalysis.kaiseki, estimates));
    EXPECT_EQ(CurrentAnalysis.ss, ss);
    // Two runs on one day: one row with that day.
    EXPECT_EQ(RowCount(QStringLiteral("kaiseki")), 1);
    EXPECT_EQ(StoredAnalysis().analysis_date, Today);
}

INSTANTIATE_TEST_SUITE_P(EveryModel, AnalyseFamilyTest, ::testing::ValuesIn(Families),
                         [](const auto& info) { return std::to_string(info.index); });


TEST_F(AnalyseCommandTest, WithoutSamplingsTheSimulationShowsThePopulationValues)
{
    FamilyCase c = Families[1];   // vancomycin, one compartment
    c.samplings.clear();
    EnterCase(c);
    boxes.Answer(vcl::IDOK);
    boxes.Answer(vcl::IDCANCEL);
    Analyse();
    ASSERT_EQ(boxes.count(), 2);
    EXPECT_EQ(boxes.last().text,
              QStringLiteral("採血情報が設定されていません。\nシミュレーショングラフを表示します。\nよろしいですか？"));
    EXPECT_EQ(boxes.last().caption, QStringLiteral("投与/採血スケジュール確認"));
    EXPECT_EQ(boxes.last().flags, vcl::MB_OKCANCEL | vcl::MB_ICONQUESTION);
    EXPECT_EQ(RowCount(QStringLiteral("touyo")), 0);
    EXPECT_FALSE(ScheduleSets.UndoList.empty());
    EXPECT_EQ(frmMain->PageControl1->currentIndex(), 2);

    Analyse();
    EXPECT_EQ(boxes.count(), 4);
    EXPECT_EQ(frmMain->PageControl1->currentIndex(), 3);
    EXPECT_EQ(CurrentAnalysis.kaiseki.vd, 0.85);
    EXPECT_EQ(CurrentAnalysis.kaiseki.ke, 0.06 / 0.85);
    EXPECT_EQ(CurrentAnalysis.ss, 0.0);
    EXPECT_EQ(StoredAnalysis().analysis_date, Today);
    EXPECT_EQ(RowCount(QStringLiteral("touyo")), 2);
}

// The fit fails: the message, the page stays, the estimates and `ss` of the
// last analysis stay in memory and in the row, whose date is unchanged; the
// schedule is stored.
TEST_F(AnalyseCommandTest, AFailedFitShowsTheMessageAndKeepsTheLastEstimates)
{
    FamilyCase c = Families[1];
    for (Sampling& s : c.samplings)
        s.value = 1000;
    EnterCase(c);
    TParamBlock last = CurrentAnalysis.bosyudan;
    last.vd = 0.9;
    last.ke = 0.05;
    CurrentAnalysis.kaiseki = last;
    CurrentAnalysis.ss = 2.5;
    CurrentAnalysis.analysis_date = Today - 7;
    ASSERT_EQ(DataModule1->SaveAnalysis(CurrentAnalysis), 0);

    Analyse();

    ASSERT_EQ(boxes.count(), 2);
    EXPECT_EQ(boxes.last().text,
              QStringLiteral("測定値が母集団パラメーターと大きく乖離しているため患者パラメータの算出ができませんでした。\n"
                             "投与量または実測値に誤りがありませんか？"));
    EXPECT_EQ(boxes.last().caption, QStringLiteral("投与/採血スケジュール確認"));
    EXPECT_EQ(boxes.last().flags, vcl::MB_OKCANCEL | vcl::MB_ICONEXCLAMATION);
    EXPECT_EQ(frmMain->PageControl1->currentIndex(), 2);
    EXPECT_TRUE(SameBlock(CurrentAnalysis.kaiseki, last));
    EXPECT_EQ(CurrentAnalysis.ss, 2.5);
    const TAnalysisRecord stored = StoredAnalysis();
    EXPECT_TRUE(SameBlock(stored.kaiseki, last));
    EXPECT_EQ(stored.analysis_date, Today - 7);
    EXPECT_EQ(RowCount(QStringLiteral("touyo")), 2);
    EXPECT_EQ(RowCount(QStringLiteral("saiketu")), 3);
    EXPECT_TRUE(ScheduleSets.UndoList.empty());
}

TEST_F(AnalyseCommandTest, SetsAreNumberedFromZeroAndAnEmptyListedRegimenIsRefused)
{
    EnterCase(Families[0]);
    EnterPrescriptions(1, {Daily(Day, Day + 6, At(8, 0), 300)});
    EnterPrescriptions(2, {Daily(Day, Day + 6, At(9, 0), 100), Daily(Day, Day + 6, At(15, 0), 100),
                           Daily(Day, Day + 6, At(21, 0), 100)});
    // Changed regimen 3 is being entered and still empty.
    ScheduleSets.CurSetIndex = 3;
    Analyse();
    ASSERT_EQ(boxes.count(), 1);
    EXPECT_EQ(boxes.last().text, QStringLiteral("投与スケジュールが設定されていません。"));
    EXPECT_EQ(boxes.last().caption, QStringLiteral("投与/採血スケジュールエラー"));
    EXPECT_EQ(boxes.last().flags, vcl::MB_OK | vcl::MB_ICONEXCLAMATION);
    EXPECT_EQ(RowCount(QStringLiteral("touyo")), 0);
    EXPECT_FALSE(ScheduleSets.UndoList.empty());

    // Every set in use is stored, whichever is shown.
    ScheduleSets.CurSetIndex = 0;
    Analyse();
    EXPECT_EQ(frmMain->PageControl1->currentIndex(), 3);
    for (int set = 0; set <= 2; ++set) {
        std::vector<TPrescription> rows;
        ASSERT_EQ(DataModule1->LoadPrescriptions(Key, 0, set, rows),
                  static_cast<int>(ScheduleSets.PrescriptionLists[set].size()));
        for (int j = 0; j < static_cast<int>(rows.size()); ++j) {
            EXPECT_EQ(rows[j].touyo_id, j);
            EXPECT_EQ(rows[j].result_id, set);
            EXPECT_EQ(ScheduleSets.PrescriptionLists[set][j].touyo_id, j);
            EXPECT_EQ(rows[j].touyo_time, ScheduleSets.PrescriptionLists[set][j].touyo_time);
        }
        EXPECT_FALSE(ScheduleSets.DoseEventLists[set].empty()) << set;
    }
    std::vector<TSamplingRecord> samplings;
    ASSERT_EQ(DataModule1->LoadSamplings(Key, 0, samplings), 3);
    for (int j = 0; j < 3; ++j)
        EXPECT_EQ(samplings[j].saiketu_id, j);
}

// A store that fails part-way keeps nothing of it, says why and stops before
// the fit; the undo history stays.
TEST_F(AnalyseCommandTest, AFailedScheduleStoreKeepsNothingAndStops)
{
    EnterCase(Families[0]);
    OnTheDatabase(QStringLiteral(
        "CREATE TRIGGER full BEFORE INSERT ON saiketu BEGIN SELECT RAISE(ABORT, 'database or disk is full'); END"));
    CurrentAnalysis.init_value = 1.5;
    const TParamBlock before = CurrentAnalysis.kaiseki;

    Analyse();

    ASSERT_EQ(boxes.count(), 2);
    EXPECT_TRUE(boxes.last().text.startsWith(QStringLiteral("投与/採血スケジュールを登録できませんでした。\n")));
    EXPECT_TRUE(boxes.last().text.contains(QStringLiteral("disk is full"))) << boxes.last().text.toStdString();
    EXPECT_EQ(boxes.last().caption, QStringLiteral("投与/採血スケジュールエラー"));
    EXPECT_EQ(boxes.last().flags, vcl::MB_OK | vcl::MB_ICONEXCLAMATION);
    EXPECT_EQ(StoredAnalysis().init_value, 0.0);
    EXPECT_EQ(RowCount(QStringLiteral("touyo")), 0);
    EXPECT_TRUE(SameBlock(CurrentAnalysis.kaiseki, before));
    EXPECT_TRUE(ScheduleSets.DoseEventLists[0].empty());
    EXPECT_FALSE(ScheduleSets.UndoList.empty());
    EXPECT_EQ(frmMain->PageControl1->currentIndex(), 2);
}

// Estimates that cannot be stored are shown, marked as not stored.
TEST_F(AnalyseCommandTest, EstimatesThatCannotBeStoredAreShownAsNotStored)
{
    EnterCase(Families[0]);
    OnTheDatabase(QStringLiteral("CREATE TRIGGER locked BEFORE UPDATE ON kaiseki WHEN NEW.analysis_date <> "
                                     "OLD.analysis_date BEGIN SELECT RAISE(ABORT, 'database is locked'); END"));

    Analyse();

    ASSERT_EQ(boxes.count(), 2);
    EXPECT_TRUE(boxes.last().text.startsWith(QStringLiteral("解析結果を保存できませんでした。\n")));
    EXPECT_TRUE(boxes.last().text.contains(QStringLiteral("database is locked"))) << boxes.last().text.toStdString();
    EXPECT_EQ(boxes.last().caption, QStringLiteral("投与/採血スケジュールエラー"));
    EXPECT_EQ(boxes.last().flags, vcl::MB_OK | vcl::MB_ICONEXCLAMATION);
    EXPECT_EQ(frmMain->PageControl1->currentIndex(), 3);
    EXPECT_EQ(frmMain->Header().Panel17->text(), QStringLiteral("　解析結果はデータベースに保存されていません。"));
    EXPECT_EQ(StoredAnalysis().analysis_date, 0.0);
    EXPECT_EQ(RowCount(QStringLiteral("touyo")), 2);
}

// Every sampling before the first dose: said so, for the model that skips
// the fit and for the one that fits without observations alike.
TEST_F(AnalyseCommandTest, SamplingsAllBeforeTheFirstDoseShowThePopulationPrediction)
{
    for (int family : {1, 2}) {
        FamilyCase c = Families[family];
        SCOPED_TRACE(c.name);
        c.samplings = {{Day + At(8, 0), 5.0}, {Day + At(8, 59), 4.0}};
        EnterCase(c);
        Analyse();
        ASSERT_EQ(boxes.count(), 2);
        EXPECT_EQ(boxes.last().text,
                  QStringLiteral("採血時刻がすべて投与開始前のため、母集団パラメータによる予測を表示します。"));
        EXPECT_EQ(boxes.last().caption, QStringLiteral("情報"));
        EXPECT_EQ(boxes.last().flags, vcl::MB_OK | vcl::MB_ICONINFORMATION);
        EXPECT_EQ(frmMain->PageControl1->currentIndex(), 3);
        EXPECT_EQ(StoredAnalysis().analysis_date, Today);
        boxes.clear();
        DestroyApplicationForms();
        ASSERT_TRUE(QFile::remove(WorkingDatabasePath()));
    }
}

TEST_F(AnalyseCommandTest, OverlappingInfusionsInAUsedSetAreRefusedBeforeAnythingIsStored)
{
    EnterCase(Families[1]);
    // Changed regimen 1: a two-hour infusion every 12 h, and one at 10:00.
    EnterPrescriptions(1, {Daily(Day, Day + 6, At(9, 0), 1000, 2), Daily(Day, Day, At(10, 0), 500, 1)});
    Analyse();
    ASSERT_EQ(boxes.count(), 1);
    EXPECT_TRUE(boxes.last().text.startsWith(QStringLiteral("「変更1」の投与スケジュールで、"))) << boxes.last().text.toStdString();
    EXPECT_EQ(boxes.last().caption, QStringLiteral("投与/採血スケジュールエラー"));
    EXPECT_EQ(boxes.last().flags, vcl::MB_OK | vcl::MB_ICONEXCLAMATION);
    EXPECT_EQ(RowCount(QStringLiteral("touyo")), 0);
    EXPECT_FALSE(ScheduleSets.UndoList.empty());
}

// A fit typed far from any population: while it runs the window repaints,
// runs its timers and shows the wait cursor, and takes no click and no
// closing; the work budget ends it as a failed fit.
TEST_F(AnalyseCommandTest, ASlowFitKeepsTheWindowAliveAndEndsAsAFailedFit)
{
    const FamilyCase slow{"phenytoin, typed prior", 3, 1, 1, 0,
                          {.ka = 0.2715, .vd = 640.2713, .f = 0.7015, .a = 17.4785, .b = 137.0124},
                          {.ka = 303.3063, .vd = 402.8484, .a = 942.4673, .b = 170.0748},
                          {Daily(Day, Day + 6, At(9, 0), 14.1328), Daily(Day, Day + 6, At(21, 0), 14.1328)},
                          {{Day + At(12, 50), 0.1162}, {Day + 2 + At(9, 44), 35.9938},
                           {Day + 5 + At(13, 45), 10.8334}, {Day + 5 + At(15, 53), 804.0091}}};
    EnterCase(slow);
    CurrentPatient.patient_weight = 64.52;
    CurrentAnalysis.weight_value = 1;
    frmMain->show();

    struct PaintCounter : QObject {
        int paints = 0;
        bool eventFilter(QObject*, QEvent* event) override
        {
            paints += event->type() == QEvent::Paint;
            return false;
        }
    } counter;
    frmMain->TabSheet2->installEventFilter(&counter);
    Qt::CursorShape cursor = Qt::ArrowCursor;
    bool closed = true;
    bool checked = false;
    QTimer::singleShot(200, frmMain, [&] {
        cursor = QGuiApplication::overrideCursor() ? QGuiApplication::overrideCursor()->shape() : Qt::ArrowCursor;
        QTest::mouseClick(frmMain->plButton35, Qt::LeftButton);   // "患者情報"
        QTest::mouseClick(frmMain->TabSheet2->plButton16, Qt::LeftButton);
        closed = frmMain->close();
        counter.paints = 0;
        frmMain->TabSheet2->repaint();
        checked = true;
    });

    Analyse();

    ASSERT_TRUE(checked) << "no event ran while the fit ran";
    EXPECT_EQ(cursor, Qt::WaitCursor);
    EXPECT_FALSE(closed);
    EXPECT_GT(counter.paints, 0);
    EXPECT_EQ(QGuiApplication::overrideCursor(), nullptr);
    // One question, one failure message: the second click was dropped.
    ASSERT_EQ(boxes.count(), 2);
    EXPECT_TRUE(boxes.last().text.startsWith(QStringLiteral("測定値が母集団パラメーターと大きく乖離している")));
    EXPECT_EQ(frmMain->PageControl1->currentIndex(), 2);
    EXPECT_TRUE(frmMain->isVisible());
    EXPECT_EQ(CurrentAnalysis.ss, 0.0);
    EXPECT_EQ(StoredAnalysis().analysis_date, 0.0);
}
