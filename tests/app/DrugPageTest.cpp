// The drug page as a user takes it: lists chosen one after another (each
// choice arriving as the list's `activated`), the notices in their order, the
// population block of the current analysis and the parameter table.
#include "MainWindowFixture.h"

#include "DrugPage.h"
#include "SchedulePage.h"
#include "StringGridEx.h"
#include "Ucommon.h"
#include "plButton.h"
#include "uCalender.h"

#include <QApplication>
#include <QComboBox>
#include <QDateEdit>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QTest>
#include <functional>

namespace {

const QString TestPatientKey = QStringLiteral("20261201093000");

void Choose(QComboBox* list, int index)
{
    list->setCurrentIndex(index);
    emit list->activated(index);
}

class DrugPageTest : public MainWindowTest {
protected:
    void SetUp() override
    {
        MainWindowTest::SetUp();
        StartProgram();
        CurrentPatient = ResetPatientRecord();
        CurrentPatient.patient_id_t = TestPatientKey;
        CurrentPatient.patient_name = QStringLiteral("山田太郎");
        CurrentPatient.patient_age = 60;
        CurrentPatient.patient_weight = 50;
        CurrentPatient.patient_height = 160;
        ASSERT_EQ(DataModule1->SavePatient(CurrentPatient), 0);
        page = frmMain->TabSheet6;
        page->FillCategoryCombo();
        frmMain->SetHighestStep(1);
        frmMain->SetWorkflowStep(1, 1);
    }

    void ChooseProduct(int kubun, int drug, int product)
    {
        Choose(page->cbKubun, kubun - 1);
        Choose(page->cbIppan, drug - 1);
        Choose(page->cbSyouhin, product - 1);
    }

    QString Caption(int row) const { return page->StringGridEx1->Cells(0, row); }
    QString Mean(int row) const { return page->StringGridEx1->Cells(1, row); }
    QString Cv(int row) const { return page->StringGridEx1->Cells(2, row); }

    bool ConfirmEnabled()
    {
        page->Timer2Timer();
        return page->plButton11->isEnabled();
    }

    void StorePastAnalysis(int kaisekiId, double date, double vd)
    {
        TAnalysisRecord a = ResetAnalysisRecord();
        a.patient_id = TestPatientKey;
        a.kaiseki_id = kaisekiId;
        a.kubun_id = 3;
        a.yakuzainame_id = 2;
        a.yakuhinname_id = 3;
        a.syutten_id = 1;
        a.analysis_date = date;
        a.kaiseki.vd = vd;
        a.kaiseki.ka = 0.31;
        a.kaiseki.cl = 0.0061;
        a.kaiseki.f = 0.95;
        a.bosyudan.vd = 0.7;
        a.bosyudan_vari.vd = 20;
        a.bosyudan_vari.cl = 50;
        ASSERT_EQ(DataModule1->SaveAnalysis(a), 0) << DataModule1->LastError().toStdString();
    }

    // The window on screen, as typing and focus need it.
    void ShowWindow()
    {
        frmMain->show();
        frmMain->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(frmMain));
    }

    // Types into a one-cell grid as a user does, then Enter.
    static void TypeInto(TStringGridEx* cell, const QString& text)
    {
        cell->setFocus(Qt::MouseFocusReason);
        QCoreApplication::processEvents();
        for (QChar ch : text)
            QTest::sendKeyEvent(QTest::Click, QApplication::focusWidget(), Qt::Key_unknown, QString(ch),
                                Qt::NoModifier);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
    }

    // The button as the user finds it: enabled by the page's timer.
    void Confirm()
    {
        page->Timer2Timer();
        ASSERT_TRUE(page->plButton11->isEnabled());
        QTest::mouseClick(page->plButton11, Qt::LeftButton);
    }

    TAnalysisRecord Stored(int kaisekiId)
    {
        TAnalysisRecord stored;
        EXPECT_EQ(DataModule1->LoadAnalysis(TestPatientKey, kaisekiId, stored), 0);
        return stored;
    }

    int StoredAnalyses() { return DataModule1->CountAnalyses(TestPatientKey); }

    TDrugPage* page = nullptr;
};

} // namespace

TEST_F(DrugPageTest, VancomycinTakesTheModelByAgeAndSaysSo)
{
    CurrentPatient.patient_age = 15;
    ChooseProduct(5, 1, 1);
    ASSERT_EQ(boxes.count(), 1);
    EXPECT_EQ(boxes.last().caption, QStringLiteral("情報"));
    EXPECT_EQ(boxes.last().flags, vcl::MB_OK | vcl::MB_ICONINFORMATION);
    EXPECT_TRUE(boxes.last().text.startsWith(QStringLiteral("年齢が15歳以下のため")));
    EXPECT_EQ(page->ComboBox1->currentIndex(), 0);
    EXPECT_EQ(page->Edit12->text(), QStringLiteral("点滴"));
    EXPECT_EQ(page->ComboBox8->currentText(), QStringLiteral("Vancomycin-A"));
    EXPECT_EQ(Mean(1), QStringLiteral("0.5220"));
    EXPECT_EQ(Caption(1), QStringLiteral("Vd(L/kg)"));
    EXPECT_EQ(Cv(2), QStringLiteral("39.6000"));
    EXPECT_TRUE(ConfirmEnabled());

    boxes.clear();
    CurrentPatient.patient_age = 16;
    Choose(page->cbSyouhin, 0);
    ASSERT_EQ(boxes.count(), 1);
    EXPECT_TRUE(boxes.last().text.startsWith(QStringLiteral("年齢が15歳を超えているため")));
    EXPECT_EQ(page->ComboBox1->currentIndex(), 1);
    EXPECT_EQ(page->ComboBox8->currentText(), QStringLiteral("Vancomycin-B"));
    EXPECT_EQ(Caption(1), QStringLiteral("V1(L)"));
    EXPECT_EQ(Mean(1), QStringLiteral("10.5000"));   // 0.21 x 50 kg

    // The user's own model choice: the first set again, no notice.
    boxes.clear();
    Choose(page->ComboBox1, 0);
    EXPECT_EQ(boxes.count(), 0);
    EXPECT_EQ(Caption(2), QStringLiteral("CL(L/kg/hr)"));
    EXPECT_EQ(Caption(3), QString());
    EXPECT_EQ(Mean(3), QStringLiteral("0.0000"));
    Confirm();
    EXPECT_EQ(CurrentAnalysis.analysis_algo, 1);
    EXPECT_EQ(CurrentAnalysis.bosyudan.v1, 0);   // nothing of the two-compartment set
    EXPECT_EQ(CurrentAnalysis.bosyudan.k12, 0);
    EXPECT_EQ(frmMain->Graph().GraphYMax, 30);   // twice the upper limit 15
}

TEST_F(DrugPageTest, UnsupportedProductIsRefusedAndTheProductListEndsEmpty)
{
    ChooseProduct(2, 1, 3);
    ASSERT_EQ(boxes.count(), 1);
    EXPECT_EQ(boxes.last().text, QStringLiteral("選択された商品は現在のバージョンでは対応しておりません。"));
    EXPECT_EQ(boxes.last().caption, QStringLiteral("未対応"));
    EXPECT_EQ(page->cbSyouhin->currentIndex(), -1);
    EXPECT_TRUE(page->Edit12->text().isEmpty());
    EXPECT_EQ(page->ComboBox8->count(), 0);
    EXPECT_FALSE(ConfirmEnabled());
}

TEST_F(DrugPageTest, MethotrexateNoticesInOrderItsAxisAndItsTwoSets)
{
    ChooseProduct(9, 1, 1);
    ASSERT_EQ(boxes.count(), 2);
    EXPECT_TRUE(boxes.shown()[0].text.startsWith(QStringLiteral("臨床における解析経験か不足しておりますので")));
    EXPECT_EQ(boxes.shown()[1].text, QStringLiteral("母集団パラメータを選択してください。\n・Methotrexate-A\n・Methotrexate-B"));
    EXPECT_EQ(page->ComboBox8->font().pointSize(), 9);
    EXPECT_EQ(Caption(1), QStringLiteral("V1(L/kg)"));
    EXPECT_EQ(Mean(2), QStringLiteral("0.2140"));

    Choose(page->ComboBox8, 1);
    EXPECT_EQ(Mean(1), QStringLiteral("0.3660"));
    EXPECT_EQ(Mean(2), QStringLiteral("0.2650"));
    Confirm();
    EXPECT_EQ(CurrentAnalysis.bosyudan.v1, 0.366);
    EXPECT_EQ(frmMain->Graph().GraphYMax, 4);
    EXPECT_EQ(frmMain->Graph().GraphYMin, -2);
    EXPECT_EQ(frmMain->Graph().GraphYRange, 6);
    frmMain->plButton36Click(nullptr);

    // Five rows, then aminophylline's two: rows 3 to 5 come back empty.
    Choose(page->cbKubun, 1);
    Choose(page->cbIppan, 1);
    Choose(page->cbSyouhin, 0);
    EXPECT_EQ(page->ComboBox8->font().pointSize(), 12);
    EXPECT_EQ(Caption(2), QStringLiteral("CL(L/kg/hr)"));
    for (int row = 3; row <= 5; ++row)
        EXPECT_EQ(Caption(row) + Mean(row) + Cv(row), QStringLiteral("0.00000.0000")) << row;
    Confirm();
    EXPECT_EQ(CurrentAnalysis.bosyudan.k12, 0);
    EXPECT_EQ(frmMain->Graph().GraphYMin, 0);
}

TEST_F(DrugPageTest, NoticeButtonsFollowTheProduct)
{
    ChooseProduct(6, 1, 1);
    EXPECT_TRUE(page->plButton18->isVisibleTo(page));
    EXPECT_TRUE(page->plButton21->isVisibleTo(page));
    EXPECT_FALSE(page->plButton32->isVisibleTo(page));
    ChooseProduct(3, 1, 3);
    EXPECT_FALSE(page->plButton18->isVisibleTo(page));
    EXPECT_TRUE(page->plButton32->isVisibleTo(page));
    Choose(page->cbKubun, 0);
    EXPECT_FALSE(page->plButton32->isVisibleTo(page));
    EXPECT_EQ(page->cbSyouhin->count(), 0);
    EXPECT_FALSE(ConfirmEnabled());
}

TEST_F(DrugPageTest, PastAnalysisSourceShowsItsEstimatesBesideItsPopulationCv)
{
    const double day = vcl::EncodeDate(2026, 11, 20);
    StorePastAnalysis(0, day, 0.81);
    StorePastAnalysis(1, day, 0.92);
    StorePastAnalysis(2, 0, 0.99);   // never analysed: not offered
    ChooseProduct(3, 2, 3);
    EXPECT_EQ(page->ComboBox9->count(), 2);
    EXPECT_EQ(page->ComboBox9->itemText(1), QStringLiteral("2026/11/20(1)"));
    EXPECT_EQ(page->ComboBox9->currentIndex(), -1);
    EXPECT_FALSE(page->ComboBox9->isEnabled());

    page->RadioButton9->click();
    EXPECT_TRUE(page->ComboBox9->isEnabled());
    Choose(page->ComboBox9, 1);
    EXPECT_EQ(Mean(1), QStringLiteral("0.9200"));
    EXPECT_EQ(Mean(2), QStringLiteral("0.3100"));
    EXPECT_EQ(Cv(1), QStringLiteral("20.0000"));
    EXPECT_TRUE(ConfirmEnabled());

    page->RadioButton12->click();
    EXPECT_TRUE(page->StringGridEx1->isEnabled());
    EXPECT_EQ(Mean(1), QStringLiteral("0.9200"));   // kept, to be typed over
    page->RadioButton8->click();
    EXPECT_EQ(Mean(1), QStringLiteral("0.7000"));
    EXPECT_FALSE(page->StringGridEx1->isEnabled());
}

TEST_F(DrugPageTest, RestoringAStoredAnalysisShowsNoNoticeAndKeepsItsBlock)
{
    CurrentAnalysis = ResetAnalysisRecord();
    CurrentAnalysis.patient_id = TestPatientKey;
    CurrentAnalysis.kubun_id = 9;
    CurrentAnalysis.yakuzainame_id = 1;
    CurrentAnalysis.yakuhinname_id = 1;
    CurrentAnalysis.syutten_id = 2;
    CurrentAnalysis.bosyudan.v1 = 0.4;       // edited by hand before it was stored
    CurrentAnalysis.bosyudan.ke = 0.3;
    CurrentAnalysis.bosyudan_vari.ke = 12;
    const TAnalysisRecord stored = CurrentAnalysis;

    frmMain->ShowCaseFrom(1);

    EXPECT_EQ(boxes.count(), 0);
    EXPECT_EQ(CurrentAnalysis.bosyudan.v1, stored.bosyudan.v1);
    EXPECT_EQ(CurrentAnalysis.bosyudan.k12, 0);
    EXPECT_EQ(page->ComboBox8->currentIndex(), 1);
    EXPECT_TRUE(page->RadioButton8->isChecked());
    EXPECT_EQ(Mean(1), QStringLiteral("0.4000"));
    EXPECT_EQ(Cv(2), QStringLiteral("12.0000"));
    EXPECT_EQ(frmMain->Header().Panel28->text(), QStringLiteral("Methotrexate-B"));
    EXPECT_EQ(frmMain->Header().Panel28->font().pointSize(), 9);
    EXPECT_TRUE(ConfirmEnabled());

    // A past analysis that is no longer there: no prior is shown, none of the
    // analysis shown before, and the page cannot be confirmed.
    CurrentAnalysis.syutten_id = -1;
    CurrentAnalysis.past_id = 9;
    frmMain->ShowCaseFrom(1);
    EXPECT_TRUE(page->RadioButton9->isChecked());
    EXPECT_EQ(page->ComboBox9->currentIndex(), -1);
    EXPECT_EQ(Caption(1) + Mean(1), QStringLiteral("0.0000"));
    EXPECT_FALSE(ConfirmEnabled());

    CurrentAnalysis.syutten_id = -2;
    frmMain->ShowCaseFrom(1);
    EXPECT_TRUE(page->RadioButton12->isChecked());
    EXPECT_FALSE(page->ComboBox8->isEnabled());
    EXPECT_FALSE(page->ComboBox9->isEnabled());
    EXPECT_TRUE(page->StringGridEx1->isEnabled());
    EXPECT_EQ(frmMain->Header().Panel28->text(), QStringLiteral("直接入力"));
    EXPECT_EQ(boxes.count(), 0);

    frmMain->plButton6Click(nullptr);
    EXPECT_EQ(page->cbKubun->currentIndex(), -1);
    EXPECT_EQ(page->cbSyouhin->count(), 0);
    EXPECT_FALSE(page->cbSyouhin->isEnabled());
    EXPECT_TRUE(page->RadioButton8->isChecked());
    EXPECT_EQ(Caption(1), QString());
    EXPECT_FALSE(page->plButton11->isEnabled());
}

TEST_F(DrugPageTest, VancomycinFromProductChoiceToTheScheduleStep)
{
    ShowWindow();
    ChooseProduct(5, 1, 1);
    ASSERT_EQ(boxes.count(), 1);   // the two-compartment model for a 60-year-old
    EXPECT_TRUE(page->gbPage1ParaA->isVisibleTo(page));
    EXPECT_FALSE(page->Label30->isVisibleTo(page));
    EXPECT_TRUE(page->RadioButton7->isChecked());
    EXPECT_EQ(page->StringGridEx7->Cells(0, 0), QStringLiteral("0.0000"));
    EXPECT_EQ(page->Label93->text(), QStringLiteral("65mL/min"));

    TypeInto(page->StringGridEx7, QStringLiteral("0.8"));
    EXPECT_EQ(page->StringGridEx13->Cells(0, 0), QStringLiteral("0.0000"));   // no obesity answer yet
    page->RadioButton19->click();
    EXPECT_EQ(page->StringGridEx13->Cells(0, 0), QStringLiteral("69.4444"));   // 80 x 50 / (72 x 0.8)
    EXPECT_EQ(Mean(2), QStringLiteral("0.0655"));                               // 0.045 x 69.4444 / 50 + 0.003
    // The source chosen again, by its list or its radio, asks the same: the answers stay.
    for (const auto& chooseAgain : std::initializer_list<std::function<void()>>{
             [&] { Choose(page->ComboBox8, page->ComboBox8->currentIndex()); }, [&] { page->RadioButton8->click(); }}) {
        chooseAgain();
        EXPECT_EQ(page->StringGridEx7->Cells(0, 0), QStringLiteral("0.8000"));
        EXPECT_TRUE(page->RadioButton19->isChecked());
        EXPECT_EQ(Mean(2), QStringLiteral("0.0655"));
    }

    Confirm();
    ASSERT_EQ(boxes.count(), 2);
    EXPECT_EQ(boxes.last().text, QStringLiteral("薬剤情報を登録して投与/採血スケジュールの設定に進みます。\nよろしいですか？"));
    EXPECT_EQ(boxes.last().caption, QStringLiteral("薬剤情報登録確認"));
    EXPECT_EQ(frmMain->HighestStep(), 2);
    EXPECT_EQ(frmMain->PageControl1->currentIndex(), 2);
    EXPECT_EQ(frmMain->Header().Panel4->text(), QStringLiteral("バンコマイシン"));
    EXPECT_EQ(frmMain->Header().Panel28->text(), QStringLiteral("Vancomycin-B"));
    EXPECT_TRUE(frmMain->Header().Panel17->text().isEmpty());

    const TAnalysisRecord stored = Stored(0);
    for (const TAnalysisRecord& a : {CurrentAnalysis, stored}) {
        EXPECT_EQ(a.patient_id, TestPatientKey);
        EXPECT_EQ(a.kaiseki_id, 0);
        EXPECT_EQ(DrugKeyOf(a), (TDrugKey{5, 1, 1, 2}));
        EXPECT_EQ(a.syutten_id, 1);
        EXPECT_EQ(a.weight_value, 1);
        EXPECT_EQ(a.kaiseki_table1, 0.8);
        EXPECT_EQ(a.kaiseki_table3, 0);
        EXPECT_EQ(a.kaiseki_table4, 69.4444);
        EXPECT_EQ(a.kaiseki_table5, 0);
        EXPECT_EQ(a.bosyudan.v1, 10.5);
        EXPECT_EQ(a.bosyudan.cl, 0.0655);
        EXPECT_EQ(a.bosyudan_vari.cl, 33);
        EXPECT_EQ(a.bosyudan.k21, 0.48);
    }

    // Back on the page, confirming again asks the update question; Cancel stores nothing.
    frmMain->plButton36Click(nullptr);
    boxes.Answer(vcl::IDCANCEL);
    Confirm();
    EXPECT_TRUE(boxes.last().text.startsWith(QStringLiteral("薬剤情報を更新します。")));
    EXPECT_EQ(StoredAnalyses(), 1);
    EXPECT_EQ(frmMain->PageControl1->currentIndex(), 1);
    EXPECT_EQ(CurrentAnalysis.kaiseki_id, 0);

    // OK with a schedule and results on the later pages: a new analysis, the
    // schedule gone, the schedule page starting today; the same product, model
    // and source keep the estimates.
    ScheduleSets.PrescriptionLists[0].resize(1);
    ScheduleSets.Samplings.resize(1);
    CurrentAnalysis.kaiseki.cl = 0.047;
    frmMain->SetHighestStep(3);
    // The entry as the earlier schedule left it: every 3 days to an end date, cut by end date.
    TSchedulePage* schedule = frmMain->TabSheet2;
    for (QRadioButton* radio : {schedule->RadioButton16, schedule->RadioButton23, schedule->RadioButton25})
        radio->setChecked(true);
    QDateEdit* const pickers[] = {schedule->DateTimePicker7, schedule->DateTimePicker4, schedule->DateTimePicker5,
                                  schedule->DateTimePicker1, schedule->DateTimePicker6};
    for (QDateEdit* picker : pickers)
        picker->setDate(QDate(2026, 11, 20));
    const std::pair<TStringGridEx*, const char*> defaults[] = {
        {schedule->StringGridEx20, "1"}, {schedule->StringGridEx25, "00"}, {schedule->StringGridEx15, "0"},
        {schedule->StringGridEx16, "0.0"}, {schedule->StringGridEx28, "00"}, {schedule->StringGridEx19, "0.00"}};
    for (const auto& [cell, text] : defaults)
        cell->SetCells(0, 0, QStringLiteral("3"));
    Confirm();
    EXPECT_EQ(StoredAnalyses(), 2);
    EXPECT_EQ(CurrentAnalysis.kaiseki_id, 1);
    EXPECT_EQ(CurrentAnalysis.kaiseki.cl, 0.047);
    EXPECT_EQ(Stored(1).kaiseki.cl, 0.047);
    EXPECT_TRUE(ScheduleSets.PrescriptionLists[0].empty());
    EXPECT_TRUE(ScheduleSets.Samplings.empty());
    EXPECT_EQ(frmMain->HighestStep(), 2);
    for (QDateEdit* picker : pickers)
        EXPECT_EQ(picker->date(), QDate(2026, 12, 8)) << picker->objectName().toStdString();
    EXPECT_TRUE(schedule->RadioButton18->isChecked() && schedule->RadioButton27->isChecked());
    for (const auto& [cell, text] : defaults)
        EXPECT_EQ(cell->Cells(0, 0), QString::fromLatin1(text)) << cell->objectName().toStdString();
    EXPECT_EQ(schedule->TCalender1->Model().PeriodEnd(), vcl::EncodeDate(2026, 12, 8) + 89);
}

TEST_F(DrugPageTest, DigoxinWithTypedClearanceAndTheHeartFailureAnswer)
{
    CurrentPatient.patient_age = 70;
    CurrentPatient.patient_gender = 1;
    ShowWindow();
    ChooseProduct(1, 1, 2);
    EXPECT_TRUE(page->gbPage1ParaB->isVisibleTo(page));
    EXPECT_EQ(page->gbPage1ParaB->title(), QStringLiteral("うっ血性心不全"));
    EXPECT_EQ(page->rbPage1ParaB2->text(), QStringLiteral("あり"));
    EXPECT_FALSE(page->rbPage1ParaB1->isChecked() || page->rbPage1ParaB2->isChecked());
    EXPECT_EQ(page->gbPage1ParaB->pos(), QPoint(18, 340));
    // A clearance cell that refuses input is drawn silver, one that takes it white.
    auto drawnColour = [](TStringGridEx* cell) {
        return QColor(cell->grab().toImage().pixel(6, cell->height() / 2));
    };
    const QColor silver = vcl::ToQColor(vcl::clSilver), white = vcl::ToQColor(vcl::clWindow);
    EXPECT_EQ(drawnColour(page->StringGridEx6), silver);
    EXPECT_EQ(drawnColour(page->StringGridEx7), white);
    EXPECT_EQ(drawnColour(page->StringGridEx13), silver);

    page->RadioButton6->click();
    EXPECT_TRUE(page->StringGridEx6->isEnabled());
    EXPECT_FALSE(page->StringGridEx7->isEnabled());
    EXPECT_EQ(drawnColour(page->StringGridEx6), white);
    EXPECT_EQ(drawnColour(page->StringGridEx7), silver);
    EXPECT_FALSE(page->Panel27->isVisibleTo(page));
    TypeInto(page->StringGridEx6, QStringLiteral("85"));
    EXPECT_EQ(Mean(1), QStringLiteral("457.2000"));   // 3.12 x 85 + 3.84 x 50
    EXPECT_EQ(Mean(3), QStringLiteral("0.0000"));     // no heart-failure answer

    boxes.clear();
    Confirm();   // a 70-year-old at 85 mL/min: asked, then stopped at heart failure
    ASSERT_EQ(boxes.count(), 2);
    EXPECT_EQ(boxes.shown()[0].text, QStringLiteral("年齢に対してクレアチニンクリアランス値が良すぎませんか？"));
    EXPECT_EQ(boxes.shown()[1].text, QStringLiteral("うっ血性心不全のあり/なしを選択して下さい。"));
    EXPECT_EQ(StoredAnalyses(), 0);

    page->rbPage1ParaB2->click();
    EXPECT_EQ(Mean(3), QStringLiteral("5.5050"));   // 0.053 x 85 + 0.02 x 50
    boxes.clear();
    Confirm();
    ASSERT_EQ(boxes.count(), 2);
    EXPECT_EQ(frmMain->PageControl1->currentIndex(), 2);
    const TAnalysisRecord stored = Stored(0);
    EXPECT_EQ(stored.kaiseki_table2, 1);
    EXPECT_EQ(stored.kaiseki_table4, 85);
    EXPECT_EQ(stored.kaiseki_table5, 1);
    EXPECT_EQ(stored.bosyudan.vd, 457.2);
    EXPECT_EQ(stored.bosyudan.cl, 5.505);
    EXPECT_EQ(stored.bosyudan.f, 1.0);
    EXPECT_DOUBLE_EQ(stored.bosyudan.ke, 5.505 / 457.2);
    EXPECT_EQ(stored.analysis_algo, 0);

    // Showing the stored analysis again restores its answers and runs no model.
    CurrentAnalysis.bosyudan.cl = 5.5;
    frmMain->ShowCaseFrom(1);
    EXPECT_TRUE(page->RadioButton6->isChecked());
    EXPECT_TRUE(page->StringGridEx6->isEnabled());
    EXPECT_TRUE(page->rbPage1ParaB2->isChecked());
    EXPECT_EQ(page->StringGridEx13->Cells(0, 0), QStringLiteral("85.0000"));
    EXPECT_EQ(CurrentAnalysis.bosyudan.cl, 5.5);
    EXPECT_EQ(Mean(3), QStringLiteral("5.5000"));

    // Another product's questions start from their defaults, not from these fields.
    ChooseProduct(3, 4, 1);
    EXPECT_TRUE(page->gbPage2ParaC->isVisibleTo(page));
    EXPECT_FALSE(page->rbPage2ParaC1->isChecked() || page->rbPage2ParaC2->isChecked());
}

TEST_F(DrugPageTest, AnUntypedCreatinineIsZeroAndRefused)
{
    ShowWindow();
    ChooseProduct(7, 1, 1);
    page->RadioButton20->click();
    EXPECT_EQ(page->StringGridEx13->Cells(0, 0), QStringLiteral("0.0000"));
    Confirm();
    ASSERT_EQ(boxes.count(), 1);
    EXPECT_EQ(boxes.last().text, QStringLiteral("クレアチニンクリアランス値が不適当です。"));
    EXPECT_EQ(boxes.last().caption, QStringLiteral("薬剤情報設定エラー"));

    // Arbekacin's model takes a clearance of 0 and goes on to the pneumonia answer.
    boxes.clear();
    ChooseProduct(4, 1, 1);
    page->RadioButton19->click();
    page->rbPage1ParaC2->click();
    EXPECT_EQ(Mean(3), QStringLiteral("2.3100"));
    boxes.Answer(vcl::IDCANCEL);
    Confirm();
    ASSERT_EQ(boxes.count(), 1);
    EXPECT_EQ(boxes.last().caption, QStringLiteral("薬剤情報登録確認"));
}

TEST_F(DrugPageTest, ASourceChangeBringsItsOwnSetAndQuestions)
{
    ChooseProduct(3, 7, 1);
    EXPECT_EQ(Mean(1), QStringLiteral("31.8750"));   // 0.6375 x 50 kg
    EXPECT_TRUE(page->gbPage2ParaA->isVisibleTo(page));
    EXPECT_EQ(page->gbPage2ParaA->title(), QStringLiteral("酵素誘導剤併用"));
    Choose(page->ComboBox8, 1);
    EXPECT_EQ(Mean(1), QStringLiteral("46.6429"));   // 65.3 x 50 / 70
    EXPECT_EQ(Mean(2), QStringLiteral("2.4400"));
    EXPECT_FALSE(page->gbFuzuiPage2->isVisibleTo(page));
    EXPECT_TRUE(page->gbPage1ParaA->isVisibleTo(page));
    boxes.clear();
    Confirm();
    ASSERT_EQ(boxes.count(), 1);
    EXPECT_EQ(boxes.last().text, QStringLiteral("肥満のあり/なしを選択して下さい。"));

    // The past-analysis source asks nothing.
    page->RadioButton9->click();
    EXPECT_TRUE(page->Label30->isVisibleTo(page));
}

TEST_F(DrugPageTest, AnAdultsOneCompartmentVancomycinPriorIsRefused)
{
    ChooseProduct(5, 1, 1);
    Choose(page->ComboBox1, 0);
    EXPECT_EQ(Mean(2), QStringLiteral("0.0000"));   // the clearance line is below zero at 60
    boxes.clear();
    Confirm();
    ASSERT_EQ(boxes.count(), 1);
    EXPECT_EQ(boxes.last().text, QStringLiteral("母集団パラメータが不正です。値を確認して下さい。"));
    EXPECT_EQ(StoredAnalyses(), 0);

    // Typed over by hand, the prior is the user's and is taken.
    page->RadioButton12->click();
    page->StringGridEx1->SetCellValue(1, 2, 0.05);
    Confirm();
    EXPECT_EQ(StoredAnalyses(), 1);
    EXPECT_EQ(CurrentAnalysis.syutten_id, -2);
    EXPECT_DOUBLE_EQ(CurrentAnalysis.bosyudan.ke, 0.05 / 0.522);
}

// Another product looked at on the drug page, then the later steps reached
// by their buttons without confirming: the analysis keeps its own prior and
// graph range (its curves, its fit and the scale dialog's stored range
// depend on them); a confirm then takes the new choice.
TEST_F(DrugPageTest, AChoiceNotConfirmedLeavesTheAnalysisAlone)
{
    ChooseProduct(5, 1, 1);   // vancomycin, two compartments for a 60-year-old
    page->RadioButton6->click();
    page->StringGridEx6->SetCellValue(0, 0, 70);
    page->StringGridEx6Exit(page->StringGridEx6);
    Confirm();
    ASSERT_EQ(frmMain->PageControl1->currentIndex(), 2);
    const TAnalysisRecord confirmed = CurrentAnalysis;
    const TGraphState graph = frmMain->Graph();

    frmMain->plButton36Click(nullptr);
    page->StringGridEx6->SetCellValue(0, 0, 20);
    page->StringGridEx6Exit(page->StringGridEx6);   // an answer changed
    ChooseProduct(1, 1, 4);                          // digoxin injection, its model run by its panel
    page->rbPage1ParaB2->click();
    frmMain->plButton37Click(nullptr);
    for (int i = 0; i < TParamBlock::Count; ++i) {
        EXPECT_EQ(CurrentAnalysis.bosyudan[i], confirmed.bosyudan[i]) << TParamBlock::Name(i);
        EXPECT_EQ(CurrentAnalysis.bosyudan_vari[i], confirmed.bosyudan_vari[i]) << TParamBlock::Name(i);
    }
    EXPECT_EQ(frmMain->Graph().GraphYMax, graph.GraphYMax);
    EXPECT_EQ(frmMain->Graph().RangeUpper, graph.RangeUpper);
    EXPECT_EQ(frmMain->Graph().RangeLower, graph.RangeLower);

    frmMain->plButton36Click(nullptr);
    page->RadioButton6->click();
    page->StringGridEx6->SetCellValue(0, 0, 20);
    page->StringGridEx6Exit(page->StringGridEx6);
    Confirm();
    EXPECT_EQ(DrugKeyOf(CurrentAnalysis), (TDrugKey{1, 1, 4, 0}));
    EXPECT_DOUBLE_EQ(CurrentAnalysis.bosyudan.vd, 3.12 * 20 + 3.84 * 50);
    EXPECT_DOUBLE_EQ(CurrentAnalysis.bosyudan.cl, 0.053 * 20 + 0.02 * 50);
    EXPECT_EQ(frmMain->Graph().GraphYMax, 3);   // twice digoxin's upper limit 1.5
    EXPECT_EQ(frmMain->Graph().RangeUpper, 1.5);
}

TEST_F(DrugPageTest, AFailedSaveIsReportedAndTheCaseStaysAsItWas)
{
    ChooseProduct(6, 1, 1);
    frmMain->SetHighestStep(3);
    ScheduleSets.Samplings.resize(2);
    const TAnalysisRecord before = CurrentAnalysis;

    OnTheDatabase(QStringLiteral("CREATE TRIGGER refuse BEFORE INSERT ON kaiseki BEGIN SELECT RAISE(ABORT, 'disk full'); END"));
    boxes.clear();
    Confirm();
    ASSERT_EQ(boxes.count(), 2);   // the update question, then the store's reason
    EXPECT_TRUE(boxes.last().text.contains(QStringLiteral("disk full"))) << boxes.last().text.toStdString();
    EXPECT_EQ(boxes.last().caption, QStringLiteral("薬剤情報設定エラー"));
    EXPECT_EQ(frmMain->HighestStep(), 3);
    EXPECT_EQ(frmMain->PageControl1->currentIndex(), 1);
    EXPECT_EQ(ScheduleSets.Samplings.size(), 2u);
    EXPECT_EQ(CurrentAnalysis.kubun_id, before.kubun_id);
    EXPECT_TRUE(CurrentAnalysis.patient_id.isEmpty());

    // Without a count of the patient's analyses there is no number to store under.
    OnTheDatabase(QStringLiteral("DROP TABLE kaiseki"));
    boxes.clear();
    Confirm();
    ASSERT_EQ(boxes.count(), 2);
    EXPECT_FALSE(boxes.last().text.isEmpty());
    EXPECT_EQ(frmMain->HighestStep(), 3);
    EXPECT_EQ(ScheduleSets.Samplings.size(), 2u);
}
