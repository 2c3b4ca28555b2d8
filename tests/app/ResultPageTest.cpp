// The result page as a user meets it: the stored vancomycin case with two
// compartments is loaded, the graph and its lists computed, the legend laid out for
// the drug, the display options hide and show layers without recomputing;
// the changed regimens and the product change.
#include "MainWindowFixture.h"
#include "StoredCase.h"

#include "DrugPage.h"
#include "GraphPanel.h"
#include "PatientPage.h"
#include "ReportContent.h"
#include "ResultPage.h"
#include "SchedulePage.h"
#include "StringGridEx.h"
#include "Ucommon.h"
#include "plButton.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDateEdit>
#include <QGroupBox>
#include <QTabWidget>
#include <QTest>

#include <array>

namespace {

const QString CaseKey = QStringLiteral("20261201093000");

QRgb PanelPixel(QPoint at)
{
    return frmMain->TabSheet4->Panel9->grab().toImage().pixel(at) | 0xFF000000u;
}

} // namespace

TEST_F(MainWindowTest, LoadedCaseShowsItsGraphAndTheDisplayOptionsOnlyRedraw)
{
    StartProgram();
    StoreVancomycinCase(*DataModule1, StoredModel::TwoCompartments);
    frmMain->show();
    ASSERT_TRUE(frmMain->LoadCaseFromStore(CaseKey, 0));
    TResultPage& page = *frmMain->TabSheet4;
    EXPECT_EQ(frmMain->PageControl1->currentWidget(), &page);

    // Seven days every 2 minutes, for the population and sets 0 and 1.
    const TCurveLists& lists = frmMain->CurveLists();
    for (int curve = 0; curve <= 2; ++curve)
        EXPECT_EQ(lists[curve].size(), 7u * 720) << curve;
    EXPECT_TRUE(lists[3].empty());
    EXPECT_EQ(frmMain->CompartmentLines().size(), 7 * 720);
    EXPECT_TRUE(frmMain->CompartmentLines().front().startsWith(QStringLiteral("2026/12/01 00:00:00,")));

    // The legend of a two-curve drug with one changed regimen, and its buttons.
    EXPECT_TRUE(page.CheckBox4->isVisible());
    EXPECT_EQ(page.CheckBox4->text(), QStringLiteral("血中 (実線)"));
    EXPECT_EQ(page.CheckBox5->text(), QStringLiteral("末梢 (点線)"));
    EXPECT_EQ(page.SetRows[1]->y(), 80 + 174);
    EXPECT_TRUE(page.SetRows[1]->isEnabled());
    EXPECT_FALSE(page.SetRows[2]->isEnabled());
    EXPECT_EQ(page.GroupBox16->height(), 80 + 201);
    EXPECT_TRUE(page.plButton54->isVisible());
    EXPECT_EQ(page.plButton54->x(), 488);
    EXPECT_EQ(page.plButton17->x(), 608);
    EXPECT_FALSE(page.plButton57->isVisible());
    EXPECT_EQ(page.plButton52->width(), 489 + 240);

    // What the screen shows: the band left of the first dose, the trough's square.
    EXPECT_EQ(PanelPixel({65, 310}), vcl::ToQColor(0xB5FFFF).rgb());
    ASSERT_TRUE(page.Graph().IsVisible(GraphLayer::ImageWave1));

    // Unticking "患者" hides every set's layers and computes nothing again.
    const TCurvePoint* firstPoint = lists[1].data();
    QTest::mouseClick(page.CheckBox1, Qt::LeftButton, {}, QPoint(6, page.CheckBox1->height() / 2));
    EXPECT_FALSE(page.CheckBox1->isChecked());
    for (GraphLayer layer : {GraphLayer::ImageWave0, GraphLayer::ImageWave1, GraphLayer::ImageWave0M})
        EXPECT_FALSE(page.Graph().IsVisible(layer));
    EXPECT_TRUE(page.Graph().IsVisible(GraphLayer::ImageWaveBosyu));
    EXPECT_EQ(frmMain->CurveLists()[1].data(), firstPoint);
    // The report prints what the page shows.
    const TReportInput report = frmMain->ReportInput();
    EXPECT_FALSE(report.Display.PatientCurve);
    EXPECT_TRUE(report.Display.PopulationCurve);
    EXPECT_EQ(report.GraphLayers[static_cast<int>(GraphLayer::ImageWave1)], page.Graph().Picture(GraphLayer::ImageWave1));
    EXPECT_EQ(report.GraphLayers[static_cast<int>(GraphLayer::ImageWaveBase)],
              page.Graph().Picture(GraphLayer::ImageWaveBase));

    // The dotted box alone hides the dotted layers; set 1's row its own layers.
    QTest::mouseClick(page.CheckBox1, Qt::LeftButton, {}, QPoint(6, page.CheckBox1->height() / 2));
    QTest::mouseClick(page.CheckBox5, Qt::LeftButton, {}, QPoint(6, page.CheckBox5->height() / 2));
    EXPECT_TRUE(page.Graph().IsVisible(GraphLayer::ImageWave0));
    EXPECT_FALSE(page.Graph().IsVisible(GraphLayer::ImageWave0M));
    QTest::mouseClick(page.SetRows[1], Qt::LeftButton, {}, QPoint(6, page.SetRows[1]->height() / 2));
    EXPECT_FALSE(page.Graph().IsVisible(GraphLayer::ImageWave1));
    EXPECT_TRUE(page.Graph().IsVisible(GraphLayer::ImageWave0));

    // "測定値" unticked: the trough's square leaves the axes layer.
    const QImage& base = page.Graph().Image(GraphLayer::ImageWaveBase);
    const QPoint trough(60 + static_cast<int>((2 + 8.5 / 24) * 720 / 7), 390 - static_cast<int>(12.5 * 370 / 60));
    EXPECT_EQ(base.pixel(trough) | 0xFF000000u, vcl::ToQColor(0x008000).rgb());
    QTest::mouseClick(page.CheckBox3, Qt::LeftButton, {}, QPoint(6, page.CheckBox3->height() / 2));
    EXPECT_NE(page.Graph().Image(GraphLayer::ImageWaveBase).pixel(trough) | 0xFF000000u,
              vcl::ToQColor(0x008000).rgb());
}

namespace {

void Click(QWidget* widget)
{
    QTest::mouseClick(widget, Qt::LeftButton, {}, QPoint(widget->width() / 2, widget->height() / 2));
}

QStringList Items(const QComboBox* box)
{
    QStringList items;
    for (int i = 0; i < box->count(); ++i)
        items << box->itemText(i);
    return items;
}

} // namespace

// "投与変更" up to three changed regimens, each a copy of the patient's
// schedule shown on the schedule page; a fourth is refused. The set choice,
// "リセット" (nothing on the patient's schedule, undoable on a changed
// regimen), and after clearing a changed regimen the choice and the graph
// count the same sets.
TEST_F(MainWindowTest, ChangedRegimensFromTheResultPage)
{
    StartProgram();
    StoreVancomycinCase(*DataModule1, StoredModel::TwoCompartments);
    frmMain->show();
    ASSERT_TRUE(frmMain->LoadCaseFromStore(CaseKey, 0));
    TSchedulePage& schedule = *frmMain->TabSheet2;
    const QStringList threeSets{QStringLiteral("患者データ"), QStringLiteral("変更1"), QStringLiteral("変更2")};

    Click(frmMain->TabSheet4->plButton23);
    EXPECT_EQ(frmMain->PageControl1->currentWidget(), &schedule);
    EXPECT_EQ(frmMain->HighestStep(), 3);
    EXPECT_EQ(ScheduleSets.CurSetIndex, 2);   // the stored case has set 1
    EXPECT_EQ(Items(schedule.ComboBox12), threeSets);
    EXPECT_EQ(schedule.ComboBox12->currentIndex(), 2);
    EXPECT_TRUE(schedule.plButton30->isVisible());
    ASSERT_EQ(ScheduleSets.PrescriptionLists[2].size(), 2u);
    EXPECT_EQ(ScheduleSets.PrescriptionLists[2][1].touyo_dose, ScheduleSets.PrescriptionLists[0][1].touyo_dose);
    EXPECT_EQ(ScheduleSets.PrescriptionLists[2][1].result_id, 2);
    EXPECT_EQ(ScheduleSets.DoseEventLists[2].size(), ScheduleSets.DoseEventLists[0].size());

    Click(frmMain->TabSheet4->plButton23);
    EXPECT_EQ(ScheduleSets.CurSetIndex, 3);
    EXPECT_EQ(schedule.ComboBox12->count(), 4);
    boxes.clear();
    Click(frmMain->TabSheet4->plButton23);
    ASSERT_EQ(boxes.count(), 1);
    EXPECT_EQ(boxes.last().text, QStringLiteral("これ以上変更用の投与スケジュールを追加することはできません。"));
    EXPECT_EQ(boxes.last().caption, QStringLiteral("スケジュール設定エラー"));
    EXPECT_EQ(schedule.ComboBox12->count(), 4);
    EXPECT_EQ(schedule.ComboBox12->currentIndex(), 3);

    // The choice of "患者データ" and a reset there: nothing changes.
    schedule.ComboBox12->setFocus();
    for (int up = 0; up < 3; ++up)
        QTest::keyClick(schedule.ComboBox12, Qt::Key_Up);
    EXPECT_EQ(ScheduleSets.CurSetIndex, 0);
    const std::vector<TPrescription> patientSchedule = ScheduleSets.PrescriptionLists[0];
    Click(schedule.plButton2);
    EXPECT_TRUE(ScheduleSets.UndoList.empty());
    EXPECT_EQ(ScheduleSets.PrescriptionLists[0].size(), patientSchedule.size());

    // Set 2 cleared: the choice still lists it, not set 3, and the graph
    // draws up to set 1; "リセット" copies the patient's schedule back, "1つ
    // 戻る" undoes it.
    QTest::keyClick(schedule.ComboBox12, Qt::Key_Down);
    QTest::keyClick(schedule.ComboBox12, Qt::Key_Down);
    ASSERT_EQ(ScheduleSets.CurSetIndex, 2);
    Click(schedule.plButton15);   // "クリア", confirmed
    EXPECT_TRUE(ScheduleSets.PrescriptionLists[2].empty());
    EXPECT_EQ(Items(schedule.ComboBox12), threeSets);
    EXPECT_EQ(frmMain->EngineContext().LastSetIndex, 1);
    Click(schedule.plButton2);
    EXPECT_EQ(ScheduleSets.PrescriptionLists[2].size(), 2u);
    EXPECT_EQ(ScheduleSets.DoseEventLists[2].size(), ScheduleSets.DoseEventLists[0].size());
    Click(schedule.plButton56);
    EXPECT_TRUE(ScheduleSets.PrescriptionLists[2].empty());

    // "投与変更" makes set 2 again, with no undo step left from the clearing
    // (an undo would put another set's schedule into the new one); then the
    // choice lists set 3 as the graph draws it.
    ASSERT_FALSE(ScheduleSets.UndoList.empty());
    Click(frmMain->TabSheet4->plButton23);
    EXPECT_EQ(ScheduleSets.CurSetIndex, 2);
    EXPECT_TRUE(ScheduleSets.UndoList.empty());
    EXPECT_EQ(schedule.ComboBox12->count(), 4);
    EXPECT_EQ(frmMain->EngineContext().LastSetIndex, 3);
    frmMain->TabSheet4->ShowResults();
    EXPECT_TRUE(frmMain->TabSheet4->Graph().IsVisible(GraphLayer::ImageWave3));
    EXPECT_EQ(frmMain->CurveLists()[4].size(), 7u * 720);

    // Choosing another set leaves no undo step either.
    Click(frmMain->plButton37);   // back to the schedule page
    ASSERT_EQ(frmMain->PageControl1->currentWidget(), &schedule);
    Click(schedule.plButton2);
    ASSERT_FALSE(ScheduleSets.UndoList.empty());
    schedule.ComboBox12->setFocus();
    QTest::keyClick(schedule.ComboBox12, Qt::Key_Up);
    EXPECT_EQ(ScheduleSets.CurSetIndex, 1);
    EXPECT_TRUE(ScheduleSets.UndoList.empty());
}

// "剤形変更" fixes the category and the generic drug on the drug page and
// lists the analysis just made among the past ones; a new patient and a
// loaded case can choose them again.
TEST_F(MainWindowTest, ProductChangeKeepsTheDrugUntilANewCase)
{
    StartProgram();
    StoreVancomycinCase(*DataModule1, StoredModel::TwoCompartments);
    frmMain->show();
    ASSERT_TRUE(frmMain->LoadCaseFromStore(CaseKey, 0));
    TDrugPage& drug = *frmMain->TabSheet6;
    EXPECT_EQ(Items(drug.ComboBox9), QStringList{"2026/12/05"});
    CurrentAnalysis.bosyudan_vari = {.v1 = 25, .k12 = 40, .k21 = 40, .cl = 35};
    Click(frmMain->plButton37);
    Click(frmMain->TabSheet2->plButton16);   // "解析" today, 12/08
    ASSERT_EQ(frmMain->PageControl1->currentWidget(), frmMain->TabSheet4);

    Click(frmMain->TabSheet4->plButton34);
    EXPECT_EQ(frmMain->PageControl1->currentWidget(), &drug);
    EXPECT_EQ(frmMain->HighestStep(), 3);
    EXPECT_FALSE(drug.cbKubun->isEnabled());
    EXPECT_FALSE(drug.cbIppan->isEnabled());
    EXPECT_TRUE(drug.cbSyouhin->isEnabled());
    EXPECT_EQ(Items(drug.ComboBox9), QStringList{"2026/12/08"});

    Click(frmMain->plButton35);
    Click(frmMain->TabSheet1->plButton6);   // "新規患者"
    EXPECT_TRUE(drug.cbKubun->isEnabled());

    ASSERT_TRUE(frmMain->LoadCaseFromStore(CaseKey, 0));
    frmMain->TabSheet4->plButton43->show();
    Click(frmMain->TabSheet4->plButton43);   // "入力値補正" runs the same command
    EXPECT_FALSE(drug.cbKubun->isEnabled());
    ASSERT_TRUE(frmMain->LoadCaseFromStore(CaseKey, 0));
    EXPECT_TRUE(drug.cbKubun->isEnabled());
    EXPECT_TRUE(drug.cbIppan->isEnabled());
}

// After an analysis: "投与変更" (変更2, a copy of 患者データ), "クリア", OK, "1つ
// 戻る"; then a cut in 変更1. Each time the comparison and the edited set's
// curve, before any new analysis, are those an analysis gives from the
// prescriptions shown; the cut 変更1's dose events are those its prescription
// gives.
TEST_F(MainWindowTest, ResultsAnswerForTheScheduleOnScreen)
{
    StartProgram();
    StoreVancomycinCase(*DataModule1, StoredModel::TwoCompartments);
    frmMain->show();
    ASSERT_TRUE(frmMain->LoadCaseFromStore(CaseKey, 0));
    CurrentAnalysis.bosyudan_vari = {.v1 = 25, .k12 = 40, .k21 = 40, .cl = 35};
    TSchedulePage& schedule = *frmMain->TabSheet2;
    const auto analyse = [&] {
        Click(frmMain->plButton37);
        Click(schedule.plButton16);   // "解析"
        ASSERT_EQ(frmMain->PageControl1->currentIndex(), 3);
    };
    const auto comparison = [] {   // "血中濃度比較" on 12/05 at 10:00
        TSetValues values{};
        int k = 0;
        frmMain->CalcConcAllSets(vcl::EncodeDate(2026, 12, 5) + 10.0 / 24, values, k);
        return values;
    };
    const auto resultsFollow = [&](int edited) {
        Click(frmMain->plButton38);   // "解析結果"
        ASSERT_EQ(frmMain->PageControl1->currentIndex(), 3);
        const TSetValues shown = comparison();
        const TCurveList curve = frmMain->CurveLists()[1 + edited];
        analyse();
        EXPECT_EQ(comparison(), shown);
        EXPECT_TRUE(frmMain->CurveLists()[1 + edited] == curve);
    };
    analyse();
    Click(frmMain->TabSheet4->plButton23);   // "投与変更"
    Click(schedule.plButton15);              // "クリア", OK
    Click(schedule.plButton56);              // "1つ戻る"
    EXPECT_EQ(comparison()[3], comparison()[1]);
    resultsFollow(2);

    Click(frmMain->plButton37);
    schedule.ComboBox12->setFocus();
    QTest::keyClick(schedule.ComboBox12, Qt::Key_Up);   // 変更1
    schedule.DateTimePicker1->setDate(QDate(2026, 12, 4));
    schedule.plButton39Click(nullptr);   // "処方削除" from the 4th on
    // Only the step bar leads to the results.
    QTest::keyClick(schedule.StringGridEx14, Qt::Key_Tab, Qt::ControlModifier);
    EXPECT_EQ(frmMain->PageControl1->currentIndex(), 2);
    // 変更1 keeps 750 mg over 1 h at 21:00 on 12/01 to 12/03: each start,
    // in minutes from 12/01 00:00, and its end.
    std::vector<std::array<double, 3>> events;
    for (const TDoseEvent& e : ScheduleSets.DoseEventLists[1])
        events.push_back({e.Time, e.Amount, e.Duration});
    EXPECT_EQ(events, (std::vector<std::array<double, 3>>{
                          {1260, 750, 60}, {1320, 0, 0}, {2700, 750, 60}, {2760, 0, 0}, {4140, 750, 60}, {4200, 0, 0}}));
    resultsFollow(1);
}
