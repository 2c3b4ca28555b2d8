// The drug page as a user takes it: lists chosen one after another (each
// choice arriving as the list's `activated`), the notices in their order, the
// population block of the current analysis and the parameter table.
#include "MainWindowFixture.h"

#include "DrugPage.h"
#include "StringGridEx.h"
#include "Ucommon.h"
#include "plButton.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>

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
    EXPECT_TRUE(page->ComboBox1->isVisibleTo(page));
    EXPECT_EQ(page->Edit12->text(), QStringLiteral("点滴"));
    EXPECT_EQ(page->ComboBox8->currentText(), QStringLiteral("Vancomycin-A"));
    EXPECT_EQ(CurrentAnalysis.bosyudan.vd, 0.522);
    EXPECT_EQ(Caption(1), QStringLiteral("Vd(L/kg)"));
    EXPECT_EQ(Caption(2), QStringLiteral("CL(L/kg/hr)"));
    EXPECT_EQ(Mean(1), QStringLiteral("0.5220"));
    EXPECT_EQ(Cv(2), QStringLiteral("39.6000"));
    EXPECT_EQ(frmMain->Graph().GraphYMax, 30);   // twice the upper limit 15
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
    EXPECT_EQ(Caption(4), QStringLiteral("K21(1/hr)"));
    EXPECT_EQ(frmMain->Graph().GraphYMax, 60);

    // The user's own model choice: the first set again, no notice.
    boxes.clear();
    Choose(page->ComboBox1, 0);
    EXPECT_EQ(boxes.count(), 0);
    EXPECT_EQ(Caption(2), QStringLiteral("CL(L/kg/hr)"));
    EXPECT_EQ(Caption(3), QString());
    EXPECT_EQ(Mean(3), QStringLiteral("0.0000"));
    EXPECT_EQ(CurrentAnalysis.bosyudan.v1, 0);
}

TEST_F(DrugPageTest, UnsupportedProductIsRefusedAndTheProductListEndsEmpty)
{
    ChooseProduct(2, 1, 3);
    ASSERT_EQ(boxes.count(), 1);
    EXPECT_EQ(boxes.last().text, QStringLiteral("選択された商品は現在のバージョンでは対応しておりません。"));
    EXPECT_EQ(boxes.last().caption, QStringLiteral("未対応"));
    EXPECT_EQ(boxes.last().flags, vcl::MB_OK | vcl::MB_ICONEXCLAMATION);
    EXPECT_EQ(page->cbSyouhin->currentIndex(), -1);
    EXPECT_EQ(page->cbSyouhin->count(), 4);
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
    EXPECT_EQ(boxes.shown()[1].caption, QStringLiteral("情報"));
    EXPECT_EQ(frmMain->Graph().GraphYMax, 4);
    EXPECT_EQ(frmMain->Graph().GraphYMin, -2);
    EXPECT_EQ(frmMain->Graph().GraphYRange, 6);
    EXPECT_EQ(page->ComboBox8->font().pointSize(), 9);
    EXPECT_EQ(Caption(1), QStringLiteral("V1(L/kg)"));
    EXPECT_EQ(Mean(2), QStringLiteral("0.2140"));

    Choose(page->ComboBox8, 1);
    EXPECT_EQ(CurrentAnalysis.bosyudan.v1, 0.366);
    EXPECT_EQ(Mean(2), QStringLiteral("0.2650"));
    EXPECT_EQ(Cv(5), QStringLiteral("0.0000"));

    // Five rows, then aminophylline's two: rows 3 to 5 come back empty.
    Choose(page->cbKubun, 1);
    Choose(page->cbIppan, 1);
    Choose(page->cbSyouhin, 0);
    EXPECT_EQ(page->ComboBox8->font().pointSize(), 12);
    EXPECT_EQ(Caption(2), QStringLiteral("CL(L/kg/hr)"));
    for (int row = 3; row <= 5; ++row) {
        EXPECT_EQ(Caption(row), QString()) << row;
        EXPECT_EQ(Mean(row), QStringLiteral("0.0000")) << row;
        EXPECT_EQ(Cv(row), QStringLiteral("0.0000")) << row;
    }
    EXPECT_EQ(CurrentAnalysis.bosyudan.k12, 0);
}

TEST_F(DrugPageTest, LevetiracetamSourcesAndTheNoticeButtons)
{
    ChooseProduct(3, 7, 1);
    EXPECT_EQ(boxes.count(), 1);   // limited experience
    EXPECT_DOUBLE_EQ(CurrentAnalysis.bosyudan.vd, 0.6375 * 50);
    Choose(page->ComboBox8, 1);
    EXPECT_DOUBLE_EQ(CurrentAnalysis.bosyudan.vd, 65.3 * 50 / 70);
    EXPECT_EQ(CurrentAnalysis.bosyudan.ka, 2.44);
    EXPECT_EQ(Mean(2), QStringLiteral("2.4400"));

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
    EXPECT_FALSE(page->ComboBox8->isEnabled());
    EXPECT_FALSE(ConfirmEnabled());
    Choose(page->ComboBox9, 1);
    EXPECT_EQ(Mean(1), QStringLiteral("0.9200"));
    EXPECT_EQ(Mean(2), QStringLiteral("0.3100"));
    EXPECT_EQ(Cv(1), QStringLiteral("20.0000"));
    EXPECT_EQ(Cv(3), QStringLiteral("50.0000"));
    EXPECT_TRUE(ConfirmEnabled());
    EXPECT_EQ(CurrentAnalysis.bosyudan.vd, 0.7);   // the current block is the built-in set's

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
    EXPECT_EQ(page->cbSyouhin->currentIndex(), 0);
    EXPECT_EQ(page->ComboBox8->currentIndex(), 1);
    EXPECT_TRUE(page->RadioButton8->isChecked());
    EXPECT_EQ(Mean(1), QStringLiteral("0.4000"));
    EXPECT_EQ(Cv(2), QStringLiteral("12.0000"));
    EXPECT_EQ(frmMain->Header().Panel28->text(), QStringLiteral("Methotrexate-B"));
    EXPECT_EQ(frmMain->Header().Panel28->font().pointSize(), 9);
    EXPECT_TRUE(ConfirmEnabled());

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
