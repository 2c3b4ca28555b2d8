// The result dialogs on the program's windows with a stored vancomycin case
// loaded: what each shows, the scale's refused and confirmed entries, the
// albumin and analysis-setting write-backs, and the compartment listing.
#include "MainWindowFixture.h"

#include "AppPaths.h"
#include "NumberFormat.h"
#include "ResultDialogRules.h"
#include "ResultDialogs.h"
#include "ResultPage.h"
#include "SchedulePage.h"
#include "StringGridEx.h"
#include "Ucommon.h"
#include "plButton.h"
#include "uDetailSet.h"
#include "uInitialValue.h"

#include <QComboBox>
#include <QDateEdit>
#include <QDir>
#include <QFile>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QRadioButton>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QTest>
#include <QTimer>
#include <functional>

namespace {

const QString Key = QStringLiteral("20261201093000");
const vcl::TDateTime First = vcl::EncodeDate(2026, 12, 1);

class ResultDialogsTest : public MainWindowTest {
protected:
    // Vancomycin every day at 09:00 from 12/01 to 12/07, a changed regimen in
    // set 1, estimates beside the population values, two samplings.
    void SetUp() override
    {
        MainWindowTest::SetUp();
        StartProgram();
        TPatientRecord p = ResetPatientRecord();
        p.patient_id_t = Key;
        p.patient_weight = 60;
        ASSERT_EQ(DataModule1->SavePatient(p), 0);
        TAnalysisRecord a = ResetAnalysisRecord();
        a.patient_id = Key;
        a.kubun_id = 5;
        a.yakuzainame_id = 1;
        a.yakuhinname_id = 1;
        a.analysis_algo = 1;
        a.syutten_id = 1;
        a.bosyudan.vd = 0.7;
        a.bosyudan.ke = 0.1;
        a.bosyudan.cl = 0.07;
        a.kaiseki = a.bosyudan;
        a.kaiseki.cl = 0.06;
        std::array<std::vector<TPrescription>, ScheduleSetCount> sets;
        TPrescription rx;
        rx.touyo_start_time = First;
        rx.touyo_end_time = First + 6;
        rx.touyo_interval = 1;
        rx.touyo_time = 9.0 / 24;
        rx.touyo_dose = 1000;
        rx.touyo_drip_time = 1;
        sets[0].push_back(rx);
        rx.touyo_dose = 750;
        sets[1].push_back(rx);
        std::vector<TSamplingRecord> samplings(2);
        samplings[0].saiketu_time = First + 2 + 8.5 / 24;
        samplings[0].saiketu_value = 12.5;
        samplings[1].saiketu_time = First + 3 + (9 * 60 + 5) / 1440.0;
        samplings[1].saiketu_value = 14.0;
        ASSERT_EQ(DataModule1->SaveAnalysisWithSchedule(a, sets, 1, samplings), 0);
        ASSERT_TRUE(frmMain->LoadCaseFromStore(Key, 0));
    }

    static QStringList Row(TStringGridEx* grid, int row)
    {
        QStringList cells;
        for (int col = 0; col < grid->ColCount(); ++col)
            cells << grid->Cells(col, row);
        return cells;
    }

    static void Type(TStringGridEx* cell, double value) { cell->SetCellValue(0, 0, value); }

    static TGraphPicture PatientCurve() { return frmMain->TabSheet4->Graph().Picture(GraphLayer::ImageWave0); }

    // "解析結果": the page shows the patient's curve as drawing it afresh from
    // the case as it stands does, no longer the curve `before`.
    static void ExpectPatientCurveDrawnAfresh(const TGraphPicture& before)
    {
        frmMain->plButton38Click(nullptr);
        ASSERT_EQ(frmMain->PageControl1->currentIndex(), 3);
        const TGraphPicture shown = PatientCurve();
        frmMain->TabSheet4->RefreshGraph();
        EXPECT_TRUE(shown == PatientCurve());
        EXPECT_FALSE(shown == before);
    }
};

bool SameGraph(const TGraphState& a, const TGraphState& b)
{
    return a.GraphViewStart == b.GraphViewStart && a.GraphViewEnd == b.GraphViewEnd
        && a.GraphViewDays == b.GraphViewDays && a.GraphYMin == b.GraphYMin && a.GraphYMax == b.GraphYMax
        && a.GraphYRange == b.GraphYRange && a.RangeUpper == b.RangeUpper && a.RangeLower == b.RangeLower;
}

} // namespace

TEST_F(ResultDialogsTest, ScaleRefusesKeepingWhatWasTypedAndCancelChangesNothing)
{
    const TGraphState before = frmMain->Graph();
    WhileOpen(frmScale, [] {
        EXPECT_EQ(frmScale->StringGridEx1->Cells(0, 0), QStringLiteral("30.00"));
        EXPECT_EQ(frmScale->DateTimePicker1->date(), QDate(2026, 12, 8));
        QLineEdit* end = frmScale->DateTimePicker1->findChild<QLineEdit*>();
        QTest::mouseClick(end, Qt::LeftButton, Qt::NoModifier, QPoint(end->width() - 12, end->height() / 2));
        QTest::keyClicks(end, QStringLiteral("32"));
        frmScale->plButton1->Click();
        EXPECT_TRUE(frmScale->isVisible());
        // A start equal to the end.
        frmScale->DateTimePicker1->setDate(QDate(2026, 12, 1));
        frmScale->plButton1->Click();
        EXPECT_TRUE(frmScale->isVisible());
        frmScale->DateTimePicker1->setDate(QDate(2026, 12, 5));
        // y limits of equal whole parts.
        Type(frmScale->StringGridEx1, 1.5);
        Type(frmScale->StringGridEx2, 1.2);
        frmScale->plButton1->Click();
        EXPECT_TRUE(frmScale->isVisible());
        // The message box handed the activation back: what was typed stays.
        EXPECT_EQ(frmScale->StringGridEx1->Cells(0, 0), QStringLiteral("1.50"));
        Type(frmScale->StringGridEx1, 20);
        frmScale->plButton2->Click();
    }, [] { frmMain->plButton22Click(nullptr); });

    ASSERT_EQ(boxes.count(), 3);
    EXPECT_EQ(boxes.shown()[0].text, QStringLiteral("「表示終了年月日」に正しい日付を入力して下さい。"));
    EXPECT_EQ(boxes.shown()[1].text, QStringLiteral("横軸の設定が不正です。"));
    EXPECT_EQ(boxes.shown()[2].text, QStringLiteral("縦軸の設定が不正です。"));
    EXPECT_EQ(boxes.last().caption, QStringLiteral("スケール設定エラー"));
    EXPECT_TRUE(SameGraph(frmMain->Graph(), before));
    EXPECT_FALSE(QFile::exists(vcl::SettingsFilePath()));
}

TEST_F(ResultDialogsTest, ConfirmedScaleReachesTheGraphAndTheProductsRange)
{
    WhileOpen(frmScale, [] {
        Type(frmScale->StringGridEx1, 40.7);
        Type(frmScale->StringGridEx3, 20);
        Type(frmScale->StringGridEx4, 20);   // equal limits are a range
        frmScale->DateTimePicker2->setDate(QDate(2026, 12, 2));
        frmScale->plButton1->Click();
    }, [] { frmMain->plButton22Click(nullptr); });

    EXPECT_EQ(boxes.count(), 0);
    const TGraphState& graph = frmMain->Graph();
    EXPECT_EQ(graph.GraphYMax, 40);
    EXPECT_EQ(graph.GraphYRange, 40);
    EXPECT_EQ(graph.RangeUpper, 20);
    EXPECT_EQ(graph.GraphViewStart, First + 1);
    EXPECT_EQ(graph.GraphViewDays, 6);
    double upper = 0, lower = 0;
    ReadRangeLimits(5, 1, 1, upper, lower);
    EXPECT_EQ(upper, 20);
    EXPECT_EQ(lower, 20);

    // "解析" on measured values no fit follows: it fails and sets the view back
    // to the whole schedule; the result page then draws its curves over that
    // view, as drawing them afresh does.
    const TGraphPicture scaled = PatientCurve();
    for (TSamplingRecord& sampling : ScheduleSets.Samplings)
        sampling.saiketu_value = 1000;
    frmMain->plButton37Click(nullptr);
    frmMain->TabSheet2->plButton16->Click();
    ASSERT_EQ(boxes.count(), 2);
    ASSERT_TRUE(boxes.last().text.startsWith(QStringLiteral("測定値が母集団パラメーターと大きく乖離している")));
    EXPECT_EQ(graph.GraphViewStart, First);
    ExpectPatientCurveDrawnAfresh(scaled);
}

TEST_F(ResultDialogsTest, AFailedRangeStoreIsReported)
{
    // A folder where the settings file should be cannot be written.
    ASSERT_TRUE(QDir().mkpath(vcl::SettingsFilePath()));
    WhileOpen(frmScale, [] {
        Type(frmScale->StringGridEx3, 18);
        frmScale->plButton1->Click();
    }, [] { frmMain->plButton22Click(nullptr); });
    ASSERT_EQ(boxes.count(), 1);
    EXPECT_EQ(boxes.last().caption, QStringLiteral("スケール設定エラー"));
    EXPECT_TRUE(boxes.last().text.contains(QStringLiteral("設定ファイル"))) << boxes.last().text.toStdString();
    EXPECT_EQ(frmMain->Graph().RangeUpper, 18);
}

TEST_F(ResultDialogsTest, MethotrexateScaleShowsItsLogarithmicAxisGreyed)
{
    CurrentAnalysis.kubun_id = 9;
    frmMain->Graph().GraphYMax = 4;
    frmMain->Graph().GraphYMin = -2;
    WhileOpen(frmScale, [] {
        EXPECT_EQ(frmScale->StringGridEx1->Cells(0, 0), QStringLiteral("10000.00"));
        EXPECT_EQ(frmScale->StringGridEx2->Cells(0, 0), QStringLiteral("0.01"));
        EXPECT_TRUE(frmScale->StringGridEx1->GetCellDisabled(0, 0));
        EXPECT_FALSE(frmScale->StringGridEx3->isVisible());
        EXPECT_FALSE(frmScale->DateTimePicker2->isEnabled());
        frmScale->plButton1->Click();
    }, [] { frmMain->plButton22Click(nullptr); });
    EXPECT_EQ(frmMain->Graph().GraphYMin, -2);
    EXPECT_EQ(frmMain->Graph().GraphYMax, 4);
}

TEST_F(ResultDialogsTest, ComparisonStepsByTheHourAcrossMidnight)
{
    WhileOpen(frmConcentration, [] {
        TfrmConcentration* d = frmConcentration;
        EXPECT_EQ(d->StringGridEx1->Cells(0, 0), QStringLiteral("血中濃度(μg/mL)"));
        d->DateTimePicker1->setDate(QDate(2026, 12, 3));
        Type(d->StringGridEx25, 23);
        Type(d->StringGridEx26, 30);
        d->ComboBox1->setCurrentIndex(1);
        d->plButton2->Click();
        EXPECT_EQ(d->DateTimePicker1->date(), QDate(2026, 12, 4));
        EXPECT_EQ(d->StringGridEx25->Cells(0, 0), QStringLiteral("00"));
        EXPECT_EQ(d->StringGridEx26->Cells(0, 0), QStringLiteral("30"));
        TSetValues values{};
        int k = 0;
        frmMain->CalcConcAllSets(First + 3 + 0.5 / 24, values, k);
        EXPECT_EQ(k, 1);
        const QStringList row = Row(d->StringGridEx1, 1);
        EXPECT_EQ(row[2], vcl::FormatFloat(QStringLiteral("0.0000"), values[1]));
        EXPECT_EQ(row.mid(4), (QStringList{QStringLiteral("------"), QStringLiteral("------")}));
        // Back past the first day: 00:00 of the first day.
        d->ComboBox1->setCurrentIndex(2);
        for (int i = 0; i < 4; ++i)
            d->plButton1->Click();
        EXPECT_EQ(d->DateTimePicker1->date(), QDate(2026, 12, 1));
        EXPECT_EQ(d->StringGridEx25->Cells(0, 0), QStringLiteral("00"));

        // A date typed through texts that name no day shows no values on the
        // way, and the values of the day as soon as it is whole, in the picker.
        const auto valuesAt = [](vcl::TDateTime t) {
            TSetValues at{};
            int sets = 0;
            frmMain->CalcConcAllSets(t, at, sets);
            const TSetRowTexts texts = SetValueTexts(at, sets);
            return QStringList(texts.begin(), texts.end());
        };
        const QStringList none(5, QStringLiteral("------"));
        ClickPart(d->DateTimePicker1, DayPart);
        QTest::keyClicks(d->DateTimePicker1, QStringLiteral("0"));
        EXPECT_EQ(Row(d->StringGridEx1, 1).mid(1), none);
        QTest::keyClicks(d->DateTimePicker1, QStringLiteral("5"));
        EXPECT_EQ(Row(d->StringGridEx1, 1).mid(1), valuesAt(First + 4));
        ClickPart(d->DateTimePicker1, MonthPart);
        QTest::keyClicks(d->DateTimePicker1, QStringLiteral("13"));
        EXPECT_EQ(Row(d->StringGridEx1, 1).mid(1), none);
        // The hour changed meanwhile shows no earlier day's values either.
        TypeInto(d->StringGridEx25, QStringLiteral("10"));
        EXPECT_EQ(Row(d->StringGridEx1, 1).mid(1), none);
        ClickPart(d->DateTimePicker1, MonthPart);
        QTest::keyClicks(d->DateTimePicker1, QStringLiteral("12"));
        EXPECT_EQ(Row(d->StringGridEx1, 1).mid(1), valuesAt(First + 4 + 10.0 / 24));
    }, [] { frmMain->plButton19Click(nullptr); });
}

TEST_F(ResultDialogsTest, AucRowsAndDaysOutsideTheView)
{
    CurrentAnalysis.bosyudan.cl = 0;   // no clearance: no value, never an infinity
    WhileOpen(frmAUC, [] {
        frmAUC->DateTimePicker1->setDate(QDate(2026, 12, 3));
        const QString no = QStringLiteral("------");
        // 1000 mg / (0.06 x 60) and 750 mg / (0.06 x 60); no two-minute curves.
        EXPECT_EQ(Row(frmAUC->StringGridEx1, 1).mid(1),
                  (QStringList{no, QStringLiteral("277.7778"), QStringLiteral("208.3333"), no, no}));
        EXPECT_EQ(Row(frmAUC->StringGridEx1, 2).mid(1), QStringList(5, no));
        // Typed through a day that is none, "2026/12/0", to the day after the schedule.
        ClickPart(frmAUC->DateTimePicker1, DayPart);
        QTest::keyClicks(frmAUC->DateTimePicker1, QStringLiteral("0"));
        EXPECT_EQ(Row(frmAUC->StringGridEx1, 1).mid(1), QStringList(5, no));
        QTest::keyClicks(frmAUC->DateTimePicker1, QStringLiteral("8"));
        TAucValues auc{};
        int k = 0;
        const bool byDose = frmMain->CalcDailyAuc(First + 7, auc, k);
        const TSetRowTexts expected = AucRowTexts(byDose, auc, k);
        EXPECT_EQ(Row(frmAUC->StringGridEx1, 1).mid(1), QStringList(expected.begin(), expected.end()));
        frmMain->Graph().GraphViewEnd = First + 3;
        frmAUC->DateTimePicker1->setDate(QDate(2026, 12, 4));
        EXPECT_EQ(Row(frmAUC->StringGridEx1, 1).mid(1), QStringList(5, no));
        // Far past the schedule: the day after its last day.
        frmAUC->DateTimePicker1->setDate(QDate(2027, 6, 1));
        EXPECT_EQ(frmAUC->DateTimePicker1->date(), QDate(2026, 12, 8));
    }, [] { frmMain->plButton54Click(nullptr); });
}

TEST_F(ResultDialogsTest, TimeAboveMicIsComputedForTheDayAClampedDateGoesTo)
{
    WhileOpen(frmPKPD, [] {
        EXPECT_EQ(frmPKPD->DateTimePicker1->date(), QDate(2026, 12, 1));
        EXPECT_EQ(frmPKPD->StringGridEx2->Cells(0, 0), QStringLiteral("24.0"));   // MIC 0
        EXPECT_EQ(frmPKPD->StringGridEx3->Cells(0, 0), QStringLiteral("100.0"));
        Type(frmPKPD->StringGridEx1, 10);
        frmPKPD->StringGridEx1ValueChange(frmPKPD->StringGridEx1, 0, 0);
        const QString firstDay = frmPKPD->StringGridEx2->Cells(0, 0);
        frmPKPD->DateTimePicker1->setDate(QDate(2027, 1, 1));
        EXPECT_EQ(frmPKPD->DateTimePicker1->date(), QDate(2026, 12, 7));
        std::array<double, MinutesPerDay> curve{};
        frmMain->CalcConcCurveOfDay(First + 6, curve);
        EXPECT_EQ(frmPKPD->StringGridEx2->Cells(0, 0), TimeAboveMic(curve, 10).Hours);
        EXPECT_NE(frmPKPD->StringGridEx2->Cells(0, 0), firstDay);
        // MIC 8 and Enter: the result for 8, the cell still being edited.
        TypeInto(frmPKPD->StringGridEx1, QStringLiteral("8"));
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
        EXPECT_EQ(frmPKPD->StringGridEx1->Cells(0, 0), QStringLiteral("8.0"));
        EXPECT_EQ(frmPKPD->StringGridEx2->Cells(0, 0), TimeAboveMic(curve, 8).Hours);
        EXPECT_EQ(frmPKPD->StringGridEx3->Cells(0, 0), TimeAboveMic(curve, 8).Percent);
        // A date that names no day: no result.
        ClickPart(frmPKPD->DateTimePicker1, MonthPart);
        QTest::keyClicks(frmPKPD->DateTimePicker1, QStringLiteral("13"));
        EXPECT_TRUE(frmPKPD->StringGridEx2->Cells(0, 0).isEmpty());
    }, [] { frmMain->plButton59Click(nullptr); });
}

TEST_F(ResultDialogsTest, AlbuminIsStoredOnConfirmOnly)
{
    CurrentAnalysis.kaiseki_table8 = 3.5;
    WhileOpen(frmAlb, [] {
        EXPECT_EQ(frmAlb->StringGridEx3->Cells(0, 0), QStringLiteral("3.5"));
        EXPECT_TRUE(frmAlb->RadioButton1->isChecked());
        Type(frmAlb->StringGridEx3, 2.0);
        frmAlb->RadioButton2->setChecked(true);
        frmAlb->plButton2->Click();
    }, [] { frmMain->plButton57Click(nullptr); });
    EXPECT_EQ(CurrentAnalysis.kaiseki_table8, 3.5);
    EXPECT_EQ(CurrentAnalysis.kaiseki_table9, 0);

    WhileOpen(frmAlb, [] {
        EXPECT_EQ(frmAlb->StringGridEx3->Cells(0, 0), QStringLiteral("3.5"));
        Type(frmAlb->StringGridEx3, 4.4);
        frmAlb->RadioButton2->setChecked(true);
        frmAlb->plButton1->Click();
    }, [] { frmMain->plButton57Click(nullptr); });
    TAnalysisRecord stored;
    ASSERT_EQ(DataModule1->LoadAnalysis(Key, 0, stored), 0);
    EXPECT_EQ(stored.kaiseki_table8, 4.4);
    EXPECT_EQ(stored.kaiseki_table9, 1);
    EXPECT_DOUBLE_EQ(frmMain->ApplyValueCorrection(10), 10 / 0.532);
}

TEST_F(ResultDialogsTest, AnalysisSettingsSamplingListVmaxAndInitialValue)
{
    WhileOpen(frmDetailSet, [] {
        frmDetailSet->RadioGroup1->findChildren<QRadioButton*>()[1]->click();
        frmDetailSet->plButton2->Click();
    }, [] { frmDetailSet->ShowModal(); });
    EXPECT_EQ(CurrentAnalysis.weight_value, 0);
    WhileOpen(frmDetailSet, [] {
        frmDetailSet->RadioGroup1->findChildren<QRadioButton*>()[1]->click();
        frmDetailSet->plButton1->Click();
    }, [] { frmDetailSet->ShowModal(); });
    EXPECT_EQ(CurrentAnalysis.weight_value, 1);

    // "詳細設定" on the schedule page saves the setting; a failed save is told in the store's words.
    QSqlQuery own(QSqlDatabase::database(TDataModule1::ConnectionName));
    ASSERT_TRUE(own.exec(QStringLiteral("PRAGMA busy_timeout = 0")));
    own.finish();
    {
        QSqlDatabase other = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("other program"));
        other.setDatabaseName(WorkingDatabasePath());
        ASSERT_TRUE(other.open());
        ASSERT_TRUE(QSqlQuery(other).exec(QStringLiteral("BEGIN EXCLUSIVE")));
        WhileOpen(frmDetailSet, [] { frmDetailSet->plButton1->Click(); },
                  [] { frmMain->TabSheet2->plButton4Click(nullptr); });
        QSqlQuery(other).exec(QStringLiteral("ROLLBACK"));
        other.close();
    }
    QSqlDatabase::removeDatabase(QStringLiteral("other program"));
    ASSERT_EQ(boxes.count(), 1);
    EXPECT_EQ(boxes.last().caption, QStringLiteral("投与/採血スケジュールエラー"));
    EXPECT_EQ(boxes.last().text, DataModule1->LastFailureText());
    EXPECT_TRUE(boxes.last().text.contains(QStringLiteral("他のプログラムが使用中です")))
        << boxes.last().text.toStdString();

    WhileOpen(frmCollectPoint, [] {
        const TStringGridEx* grid = frmCollectPoint->StringGridEx1;
        EXPECT_EQ(Row(const_cast<TStringGridEx*>(grid), 2),
                  (QStringList{QStringLiteral("2026/12/04"), QStringLiteral("09:05:00"), QStringLiteral("14.00")}));
        EXPECT_EQ(Row(const_cast<TStringGridEx*>(grid), 3), QStringList(3, QString()));
    }, [] { frmMain->plButton20Click(nullptr); });

    CurrentAnalysis.kaiseki.b = 0.5;
    WhileOpen(frmVmax, [] { EXPECT_EQ(frmVmax->StringGridEx7->Cells(0, 0), QStringLiteral("720.0000")); },
              [] { frmMain->plButton58Click(nullptr); });

    // "初期値" on the schedule page: the result page then draws the patient's
    // curve from 8 μg/mL, as drawing it afresh does.
    const TGraphPicture fromNothing = PatientCurve();
    frmMain->plButton37Click(nullptr);
    WhileOpen(frmInitialValue, [] {
        Type(frmInitialValue->StringGridEx1, 8);
        frmInitialValue->plButton1->Click();
    }, [] { frmMain->TabSheet2->plButton51Click(nullptr); });
    ExpectPatientCurveDrawnAfresh(fromNothing);

    CurrentAnalysis.kubun_id = 6;
    CurrentAnalysis.init_value = 0.25;
    WhileOpen(frmInitialValue, [] {
        EXPECT_EQ(frmInitialValue->Label2->text(), QStringLiteral("mEq/L"));
        EXPECT_EQ(frmInitialValue->StringGridEx1->Cells(0, 0), QStringLiteral("0.25"));
    }, [] { frmInitialValue->ShowModal(); });
}

TEST_F(ResultDialogsTest, CompartmentListingIsSetInOneUpdate)
{
    // A 100-day view listed every 2 minutes.
    QStringList lines;
    for (int i = 0; i < 72000; ++i)
        lines << QStringLiteral("line %1").arg(i);
    int updates = 0;
    QObject::connect(frmCSVDisp->Memo1, &QPlainTextEdit::textChanged, [&updates] { ++updates; });
    frmCSVDisp->SetLines(lines);
    WhileOpen(frmCSVDisp, [] {}, [] { frmCSVDisp->ShowModal(); });
    EXPECT_EQ(updates, 1);
    EXPECT_EQ(frmCSVDisp->Memo1->blockCount(), 72000);
    EXPECT_EQ(frmCSVDisp->Panel3->text(), QStringLiteral("末梢(μg/mL)"));
}
