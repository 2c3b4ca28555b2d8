#include "MainWindowFixture.h"

#include "EntryCells.h"
#include "ResultDialogs.h"
#include "ScheduleExpansion.h"
#include "SchedulePage.h"
#include "ScheduleSetOps.h"
#include "StringGridEx.h"
#include "Ucommon.h"
#include "plButton.h"
#include "uCalender.h"

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QDateEdit>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QTabWidget>
#include <QTest>
#include <functional>
#include <tuple>

namespace {

vcl::TDateTime Date(int year, int month, int day)
{
    return vcl::EncodeDate(year, month, day);
}

class SchedulePageTest : public MainWindowTest {
protected:
    // A vancomycin analysis just confirmed on the drug page: the schedule page is next.
    void StartAnalysis(int kubun, int drug, int product)
    {
        StartProgram();
        CurrentPatient = ResetPatientRecord();
        CurrentPatient.patient_id_t = QStringLiteral("20261201093000");
        CurrentPatient.patient_name = QStringLiteral("山田太郎");
        CurrentAnalysis = ResetAnalysisRecord();
        CurrentAnalysis.patient_id = QStringLiteral("20261201093000");
        CurrentAnalysis.kaiseki_id = 4;
        CurrentAnalysis.kubun_id = kubun;
        CurrentAnalysis.yakuzainame_id = drug;
        CurrentAnalysis.yakuhinname_id = product;
        CurrentAnalysis.analysis_algo = 1;
        frmMain->SetHighestStep(2);
        frmMain->ShowCaseFrom(2);
        frmMain->SetWorkflowStep(2, 2);
        page = frmMain->TabSheet2;
        frmMain->show();
        frmMain->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(frmMain));
    }

    // Double-clicks a one-cell grid through the window, as the mouse does
    // (the first click opens the editor, the second lands in it), and types.
    void DoubleClickAndType(TStringGridEx* cell, const QString& text)
    {
        const QPoint at = cell->viewport()->mapTo(frmMain, cell->CellRect(0, 0).center());
        QTest::mouseDClick(frmMain->windowHandle(), Qt::LeftButton, Qt::NoModifier, at);
        QTest::keyClicks(QApplication::focusWidget(), text);
    }

    // Clicks the day of a date picker and types it over, as a user does.
    void TypeDay(QDateEdit* picker, const QString& day)
    {
        QLineEdit* edit = picker->findChild<QLineEdit*>();
        QTest::mouseClick(edit, Qt::LeftButton, Qt::NoModifier, QPoint(edit->width() - 12, edit->height() / 2));
        QTest::keyClicks(edit, day);
    }

    void Click(QWidget* widget)
    {
        QTest::mouseClick(widget, Qt::LeftButton, Qt::NoModifier, widget->rect().center());
        QCoreApplication::processEvents();
    }

    // Selects a day on the calendar as a click would (without the menu).
    void SelectDay(int day)
    {
        const TCalendarModel& model = page->TCalender1->Model();
        for (int cell = 0; cell < CalendarCellCount; ++cell) {
            if (model.DayTexts()[cell] == QString::number(day)) {
                page->TCalender1->DrawGrid1->GotoNewCell(cell / CalendarRows, cell % CalendarRows);
                return;
            }
        }
        FAIL() << "no day " << day;
    }

    QString DoseMark(int day) const
    {
        const TCalendarModel& model = page->TCalender1->Model();
        for (int cell = 0; cell < CalendarCellCount; ++cell) {
            if (model.DayTexts()[cell] == QString::number(day))
                return model.DoseTexts()[cell];
        }
        return QStringLiteral("no day");
    }

    QStringList Row(const TStringGridEx* grid, int row, int columns) const
    {
        QStringList texts;
        for (int col = 0; col < columns; ++col)
            texts << grid->Cells(col, row);
        return texts;
    }

    // One prescription entered on the tab "投与入力".
    void EnterDose(const QString& hour, const QString& minute, const QString& dose, const QString& hours)
    {
        TypeInto(page->StringGridEx25, hour);
        TypeInto(page->StringGridEx26, minute);
        TypeInto(page->StringGridEx15, dose);
        TypeInto(page->StringGridEx16, hours);
        Click(page->plButton14);
    }

    TSchedulePage* page = nullptr;
};

} // namespace

TEST_F(SchedulePageTest, VancomycinScheduleAndTwoSamplingsEnteredAsAUserWould)
{
    StartAnalysis(5, 1, 1);
    ASSERT_EQ(frmMain->PageControl1->currentWidget(), page);
    EXPECT_EQ(page->RadioButton13->text(), QStringLiteral("バンコマイシン量"));
    EXPECT_TRUE(page->StringGridEx16->isVisible());
    EXPECT_TRUE(page->StringGridEx29->isVisible());
    EXPECT_FALSE(page->plButton14->isEnabled());
    EXPECT_FALSE(page->plButton30->isVisible());

    // Every 12 hours from 1 to 7 December, 1000 mg of the formulation over an hour.
    page->DateTimePicker7->setDate(QDate(2026, 12, 1));
    EXPECT_EQ(page->TCalender1->SelectedDate(), Date(2026, 12, 1));
    EXPECT_EQ(page->Panel37->text(), QStringLiteral("2026年12月01日"));
    Click(page->RadioButton16);
    TypeDay(page->DateTimePicker4, QStringLiteral("07"));
    EXPECT_EQ(page->DateTimePicker4->date(), QDate(2026, 12, 7));
    EXPECT_EQ(page->TCalender1->Model().PeriodEnd(), Date(2026, 12, 7));

    TypeInto(page->StringGridEx25, QStringLiteral("9"));
    TypeInto(page->StringGridEx15, QStringLiteral("1000"));
    EXPECT_EQ(page->StringGridEx29->Cells(0, 0), QStringLiteral("975.5"));
    EXPECT_FALSE(page->plButton14->isEnabled());   // no infusion time yet
    TypeInto(page->StringGridEx16, QStringLiteral("."));
    EXPECT_FALSE(page->plButton14->isEnabled());
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Backspace);
    TypeInto(page->StringGridEx16, QStringLiteral("1"));
    EXPECT_TRUE(page->plButton14->isEnabled());
    Click(page->plButton14);

    ASSERT_EQ(boxes.count(), 0) << boxes.last().text.toStdString();
    ASSERT_EQ(ScheduleSets.CurPrescriptions().size(), 1u);
    const TPrescription& first = ScheduleSets.CurPrescriptions()[0];
    EXPECT_EQ(first.touyo_start_time, Date(2026, 12, 1));
    EXPECT_EQ(first.touyo_end_time, Date(2026, 12, 7));
    EXPECT_EQ(first.touyo_interval, 1);
    EXPECT_EQ(first.touyo_time, vcl::EncodeTime(9, 0, 0, 0));
    EXPECT_EQ(first.touyo_dose, 1000 * 0.9754931985380727);
    EXPECT_EQ(first.touyo_drip_time, 1.0);
    EXPECT_EQ(first.patient_id, QStringLiteral("20261201093000"));
    EXPECT_EQ(first.analysis_id, 4);
    EXPECT_EQ(ScheduleSets.CurScheduleDays().size(), 7u);
    EXPECT_FALSE(page->plButton14->isEnabled());
    EXPECT_EQ(page->StringGridEx15->Cells(0, 0), QStringLiteral("0"));

    EnterDose(QStringLiteral("21"), QStringLiteral("0"), QStringLiteral("1000"), QStringLiteral("1"));
    ASSERT_EQ(ScheduleSets.CurPrescriptions().size(), 2u);
    EXPECT_EQ(DoseMark(1), QStringLiteral("2000"));
    EXPECT_EQ(DoseMark(7), QStringLiteral("2000"));
    EXPECT_TRUE(DoseMark(8).isEmpty());
    EXPECT_EQ(Row(page->StringGridEx14, 1, 4),
              (QStringList{"2026/12/01", "09:00", "1000", "1.00"}));
    EXPECT_EQ(Row(page->StringGridEx14, 2, 4),
              (QStringList{"2026/12/01", "21:00", "1000", "1.00"}));

    // 21:30 starts while the 21:00 infusion still runs.
    EnterDose(QStringLiteral("21"), QStringLiteral("30"), QStringLiteral("500"), QStringLiteral("1"));
    ASSERT_EQ(boxes.count(), 1);
    EXPECT_EQ(boxes.last().text, QStringLiteral("点滴時間が次の投与と重なっています。"));
    EXPECT_EQ(boxes.last().caption, QStringLiteral("投与/採血スケジュールエラー"));
    EXPECT_EQ(boxes.last().flags, vcl::MB_OK | vcl::MB_ICONEXCLAMATION);
    EXPECT_EQ(ScheduleSets.CurPrescriptions().size(), 2u);
    EXPECT_EQ(page->StringGridEx15->Cells(0, 0), QStringLiteral("500"));   // the entry stays for correcting

    // Two samplings on the tab "採血情報", the second one first.
    page->PageControl4->setCurrentIndex(2);
    EXPECT_FALSE(page->plButton40->isEnabled());
    page->DateTimePicker5->setDate(QDate(2026, 12, 4));
    TypeInto(page->StringGridEx27, QStringLiteral("8"));
    TypeInto(page->StringGridEx28, QStringLiteral("30"));
    DoubleClickAndType(page->StringGridEx19, QStringLiteral("14"));   // over the whole "0.00"
    Click(page->plButton40);
    page->DateTimePicker5->setDate(QDate(2026, 12, 3));
    TypeInto(page->StringGridEx27, QStringLiteral("8"));
    TypeInto(page->StringGridEx28, QStringLiteral("30"));
    TypeInto(page->StringGridEx19, QStringLiteral("12.5"));
    Click(page->plButton40);
    ASSERT_EQ(boxes.count(), 1) << boxes.last().text.toStdString();
    ASSERT_EQ(ScheduleSets.Samplings.size(), 2u);
    EXPECT_EQ(ScheduleSets.Samplings[0].saiketu_time, Date(2026, 12, 3) + vcl::EncodeTime(8, 30, 0, 0));
    EXPECT_EQ(ScheduleSets.Samplings[0].saiketu_value, 12.5);
    EXPECT_EQ(ScheduleSets.Samplings[1].saiketu_value, 14.0);
    EXPECT_EQ(Row(page->StringGridEx18, 1, 3), (QStringList{"2026/12/03", "08:30", "12.50"}));
    EXPECT_EQ(Row(page->StringGridEx18, 2, 3), (QStringList{"2026/12/04", "08:30", "14.00"}));
    EXPECT_FALSE(page->plButton40->isEnabled());

    // A value of 0 is refused even when the button is pressed.
    page->plButton40Click(nullptr);
    ASSERT_EQ(boxes.count(), 2);
    EXPECT_EQ(boxes.last().text, QStringLiteral("測定値が不正です。"));

    // The third day: its doses listed, a row copied back into the entry cells.
    SelectDay(3);
    EXPECT_EQ(page->Panel37->text(), QStringLiteral("2026年12月03日"));
    EXPECT_EQ(page->StringGridEx14->Cells(1, 2), QStringLiteral("21:00"));
    page->StringGridEx14->GotoNewCell(0, 2);
    page->StringGridEx14Click(page->StringGridEx14);
    EXPECT_EQ(page->StringGridEx25->Cells(0, 0), QStringLiteral("21"));
    EXPECT_EQ(page->StringGridEx15->Cells(0, 0), QStringLiteral("1000"));
    EXPECT_EQ(page->StringGridEx29->Cells(0, 0), QStringLiteral("975.5"));
    EXPECT_EQ(page->StringGridEx16->Cells(0, 0), QStringLiteral("1.0"));
    EXPECT_TRUE(page->plButton14->isEnabled());

    // "1つ戻る" takes back the last sampling.
    Click(page->plButton56);
    EXPECT_EQ(ScheduleSets.Samplings.size(), 1u);
    EXPECT_EQ(Row(page->StringGridEx18, 1, 3), (QStringList{"2026/12/04", "08:30", "14.00"}));
    EXPECT_EQ(ScheduleSets.CurPrescriptions().size(), 2u);
}

TEST_F(SchedulePageTest, ClearAsksFirstAndCalendarMenuDeletesTheDaysSamplings)
{
    StartAnalysis(5, 1, 1);
    page->DateTimePicker7->setDate(QDate(2026, 12, 1));
    Click(page->RadioButton17);
    EnterDose(QStringLiteral("9"), QStringLiteral("0"), QStringLiteral("1000"), QStringLiteral("1"));
    ASSERT_EQ(ScheduleSets.CurPrescriptions().size(), 1u);
    page->PageControl4->setCurrentIndex(2);
    for (int hour : {8, 12, 16}) {
        page->DateTimePicker5->setDate(QDate(2026, 12, 2));
        TypeInto(page->StringGridEx27, QString::number(hour));
        TypeInto(page->StringGridEx19, QStringLiteral("10"));
        Click(page->plButton40);
    }
    ASSERT_EQ(ScheduleSets.Samplings.size(), 3u);

    boxes.Answer(vcl::IDCANCEL);
    Click(page->plButton15);
    ASSERT_EQ(boxes.count(), 1);
    EXPECT_EQ(boxes.last().text, QStringLiteral("投与/採血スケジュールをクリアします。\nよろしいですか？"));
    EXPECT_EQ(boxes.last().caption, QStringLiteral("投与/採血スケジュール確認"));
    EXPECT_EQ(ScheduleSets.CurPrescriptions().size(), 1u);
    Click(page->plButton15);
    EXPECT_TRUE(ScheduleSets.CurPrescriptions().empty());
    EXPECT_TRUE(ScheduleSets.CurScheduleDays().empty());
    EXPECT_EQ(ScheduleSets.Samplings.size(), 3u);
    EXPECT_TRUE(DoseMark(1).isEmpty());

    page->PageControl4->setCurrentIndex(0);
    SelectDay(2);
    page->N6->trigger();
    EXPECT_TRUE(ScheduleSets.Samplings.empty());
    EXPECT_EQ(page->PageControl4->currentIndex(), 2);
    Click(page->plButton56);
    EXPECT_EQ(ScheduleSets.Samplings.size(), 3u);
}

TEST_F(SchedulePageTest, ACutOnThePageAndItsRefusal)
{
    StartAnalysis(5, 1, 1);
    page->DateTimePicker7->setDate(QDate(2026, 12, 1));
    Click(page->RadioButton23);
    TypeInto(page->StringGridEx20, QStringLiteral("3"));
    EnterDose(QStringLiteral("9"), QStringLiteral("0"), QStringLiteral("1000"), QStringLiteral("1"));
    ASSERT_EQ(ScheduleSets.CurPrescriptions().size(), 1u);
    EXPECT_EQ(ScheduleSets.CurPrescriptions()[0].touyo_interval, 3);
    EXPECT_EQ(ScheduleSets.CurScheduleDays().size(), 30u);   // 90 days, every third

    page->PageControl4->setCurrentIndex(1);
    SelectDay(1);
    page->DateTimePicker1->setDate(QDate(2026, 12, 5));
    Click(page->RadioButton25);
    page->DateTimePicker6->setDate(QDate(2026, 12, 2));
    page->plButton39Click(nullptr);
    ASSERT_EQ(boxes.count(), 1);
    EXPECT_EQ(boxes.last().text, QStringLiteral("終了日が開始日より前です。"));
    EXPECT_EQ(ScheduleSets.CurScheduleDays().size(), 30u);

    // 5 to 8 December: the doses of the 7th go, the 1st, 4th and 10th stay.
    page->DateTimePicker6->setDate(QDate(2026, 12, 8));
    page->plButton39Click(nullptr);
    EXPECT_EQ(boxes.count(), 1);
    EXPECT_EQ(ScheduleSets.CurScheduleDays().size(), 29u);
    EXPECT_EQ(DoseMark(4), QStringLiteral("1000"));
    EXPECT_TRUE(DoseMark(7).isEmpty());
    EXPECT_EQ(DoseMark(10), QStringLiteral("1000"));
}

TEST_F(SchedulePageTest, ChangingTheCurrentSetRefreshesTheLists)
{
    StartAnalysis(5, 1, 1);
    page->DateTimePicker7->setDate(QDate(2026, 12, 8));
    EnterDose(QStringLiteral("9"), QStringLiteral("0"), QStringLiteral("1000"), QStringLiteral("1"));
    EnterDose(QStringLiteral("21"), QStringLiteral("0"), QStringLiteral("1000"), QStringLiteral("1"));
    ASSERT_EQ(page->StringGridEx14->Cells(4, 2), QStringLiteral("1"));

    // A changed regimen holding only the morning dose becomes current, as the
    // result page's "投与変更" makes it.
    ScheduleSets.PrescriptionLists[1] = {ScheduleSets.PrescriptionLists[0][0]};
    ScheduleSets.CurSetIndex = 1;
    ExpandPrescriptions(ScheduleSets.CurPrescriptions(), DrugKeyOf(CurrentAnalysis), ScheduleSets.CurScheduleDays());
    page->ShowCurrentScheduleSet();

    EXPECT_TRUE(page->plButton30->isVisible());
    EXPECT_EQ(page->ComboBox12->count(), 2);
    EXPECT_EQ(page->ComboBox12->currentIndex(), 1);
    EXPECT_EQ(page->TCalender1->SelectedDate(), Date(2026, 12, 8));   // today
    EXPECT_EQ(page->StringGridEx14->Cells(1, 1), QStringLiteral("09:00"));
    EXPECT_TRUE(page->StringGridEx14->Cells(0, 2).isEmpty());
    page->StringGridEx14->GotoNewCell(0, 1);
    page->StringGridEx14Click(page->StringGridEx14);
    EXPECT_EQ(page->StringGridEx25->Cells(0, 0), QStringLiteral("09"));

    // Emptied while current, set 1 stays listed.
    boxes.Answer(vcl::IDOK);
    Click(page->plButton15);
    EXPECT_EQ(page->ComboBox12->count(), 2);
    EXPECT_TRUE(page->plButton30->isVisible());
}

TEST_F(SchedulePageTest, SetupFollowsTheDrug)
{
    StartAnalysis(1, 1, 1);   // digoxin tablets
    EXPECT_FALSE(page->StringGridEx29->isVisible());
    EXPECT_FALSE(page->StringGridEx16->isVisible());
    EXPECT_FALSE(page->RadioButton11->isVisible());
    EXPECT_FALSE(page->Label77->isVisible());
    EXPECT_FALSE(page->Label83->isVisible());
    EXPECT_TRUE(page->plButton50->isVisible());
    EXPECT_EQ(page->StringGridEx15->FindRange(0, 0)->FmtStr(), QStringLiteral("0.000"));
    TypeInto(page->StringGridEx15, QStringLiteral("0"));
    EXPECT_FALSE(page->plButton14->isEnabled());
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Backspace);
    TypeInto(page->StringGridEx15, QStringLiteral("0.125"));
    EXPECT_TRUE(page->plButton14->isEnabled());
    TypeInto(page->StringGridEx25, QStringLiteral("8"));
    Click(page->plButton14);
    ASSERT_EQ(ScheduleSets.CurPrescriptions().size(), 1u);
    EXPECT_EQ(ScheduleSets.CurPrescriptions()[0].touyo_dose, 0.125);
    EXPECT_EQ(ScheduleSets.CurPrescriptions()[0].touyo_end_time, OpenEndDate);
    EXPECT_EQ(DoseMark(8), QStringLiteral("0.125"));
    EXPECT_EQ(page->StringGridEx14->Cells(2, 1), QStringLiteral("0.125"));

    CurrentAnalysis.kubun_id = 2;   // aminophylline injection
    CurrentAnalysis.yakuzainame_id = 2;
    page->SetupSchedulePage();
    EXPECT_TRUE(page->Label83->isVisible());
    CurrentAnalysis.kubun_id = 5;   // vancomycin with the two-compartment model
    CurrentAnalysis.yakuzainame_id = 1;
    CurrentAnalysis.analysis_algo = 2;
    page->SetupSchedulePage();
    EXPECT_FALSE(page->plButton50->isVisible());
    EXPECT_TRUE(page->Label77->isVisible());
    EXPECT_EQ(page->Label77->text(), QStringLiteral("※表示している投与量は製剤量です。"));
}

TEST_F(SchedulePageTest, ALoadedCaseShowsItsFirstDay)
{
    StartProgram();
    TPatientRecord patient = ResetPatientRecord();
    patient.patient_id_t = QStringLiteral("20261201093000");
    patient.patient_name = QStringLiteral("山田太郎");
    ASSERT_EQ(DataModule1->SavePatient(patient), 0);
    TAnalysisRecord analysis = ResetAnalysisRecord();
    analysis.patient_id = patient.patient_id_t;
    analysis.kubun_id = 9;   // methotrexate
    analysis.yakuzainame_id = 1;
    analysis.yakuhinname_id = 1;
    analysis.syutten_id = 1;
    std::array<std::vector<TPrescription>, ScheduleSetCount> sets;
    TPrescription rx;
    rx.touyo_start_time = Date(2026, 11, 20);
    rx.touyo_end_time = rx.touyo_start_time;
    rx.touyo_interval = 1;
    rx.touyo_time = 0.5;
    rx.touyo_dose = 3000;
    rx.touyo_drip_time = 6;
    sets[0].push_back(rx);
    std::vector<TSamplingRecord> samplings;
    ASSERT_EQ(DataModule1->SaveAnalysisWithSchedule(analysis, sets, 0, samplings), 0);

    ASSERT_TRUE(frmMain->LoadCaseFromStore(patient.patient_id_t, 0));
    page = frmMain->TabSheet2;
    EXPECT_EQ(page->DateTimePicker7->date(), QDate(2026, 11, 20));
    EXPECT_EQ(page->DateTimePicker5->date(), QDate(2026, 11, 20));
    EXPECT_TRUE(page->RadioButton17->isChecked());
    EXPECT_EQ(page->TCalender1->Model().Month(), 11);
    EXPECT_EQ(page->TCalender1->SelectedDate(), Date(2026, 11, 20));
    EXPECT_EQ(page->TCalender1->Model().PeriodEnd(), Date(2026, 11, 20));
    EXPECT_EQ(DoseMark(20), QStringLiteral("3000"));
    EXPECT_EQ(page->StringGridEx14->Cells(1, 1), QStringLiteral("12:00"));
}

TEST_F(SchedulePageTest, APickerTakesTheClickedPartAndRefusesADateThatCannotBe)
{
    StartAnalysis(5, 1, 1);
    QDateEdit* start = page->DateTimePicker7;
    QLineEdit* edit = start->findChild<QLineEdit*>();
    constexpr int Year = YearPart, Month = MonthPart, Day = DayPart;
    // Without a window manager the click after a message box comes before the activation.
    QWidget elsewhere;
    const auto clickAfterABox = [&](int part) {
        elsewhere.show();
        elsewhere.activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&elsewhere));
        ClickPart(start, part);
        frmMain->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(frmMain));
    };
    clickAfterABox(Day);
    EXPECT_EQ(edit->selectedText(), QStringLiteral("08"));
    QTest::keyClicks(edit, QStringLiteral("10"));
    EnterDose(QStringLiteral("9"), QStringLiteral("0"), QStringLiteral("1000"), QStringLiteral("1"));
    ASSERT_EQ(ScheduleSets.CurPrescriptions().size(), 1u);
    EXPECT_EQ(ScheduleSets.CurPrescriptions()[0].touyo_start_time, Date(2026, 12, 10));

    // Dates that cannot be stay as typed everywhere; the entry refuses them by name.
    const std::tuple<int, const char*, const char*> steps[] = {
        {Year, "0", "0/12/10"},      {0, "2026", "2026/12/10"},  {Month, "13", "2026/13/10"},
        {Month, "11", "2026/11/10"}, {Day, "31", "2026/11/31"}, {Month, "11", "2026/11/31"}};
    for (const auto& [part, typed, shown] : steps) {
        ClickPart(start, part);
        QTest::keyClicks(edit, QString::fromLatin1(typed));
        EXPECT_EQ(edit->text(), QString::fromLatin1(shown));
    }
    QTest::keyClick(edit, Qt::Key_Return);
    page->PageControl4->setCurrentIndex(2);
    page->PageControl4->setCurrentIndex(0);
    clickAfterABox(Month);
    TypeInto(page->StringGridEx25, QStringLiteral("21"));
    TypeInto(page->StringGridEx15, QStringLiteral("1000"));
    TypeInto(page->StringGridEx16, QStringLiteral("1"));
    Click(page->plButton14);
    ASSERT_EQ(boxes.count(), 1);
    EXPECT_EQ(boxes.last().text, QStringLiteral("「投与開始日」に正しい日付を入力して下さい。"));
    EXPECT_EQ(edit->text(), QStringLiteral("2026/11/31"));
    // The wrong part is selected: what is typed next replaces it.
    EXPECT_TRUE(start->hasFocus());
    EXPECT_EQ(edit->selectedText(), QStringLiteral("31"));
    QTest::keyClicks(start, QStringLiteral("30"));
    Click(page->plButton14);
    ASSERT_EQ(ScheduleSets.CurPrescriptions().size(), 2u);
    EXPECT_EQ(ScheduleSets.CurPrescriptions()[0].touyo_start_time, Date(2026, 11, 30));

    // A whole date typed with its separators, each part filled or not.
    for (const auto& [typed, shown] : {std::pair{"2026/11/29", "2026/11/29"}, std::pair{"2026/2/3", "2026/02/03"}}) {
        ClickPart(start, Year);
        QTest::keyClicks(start, QString::fromLatin1(typed));
        EXPECT_EQ(edit->text(), QString::fromLatin1(shown));
    }

    // Every command that reads a picker refuses a text that names no date by
    // the field's name, and selects the part to correct.
    frmMain->Graph().GraphFirstDay = frmMain->Graph().GraphViewStart = Date(2026, 12, 1);
    frmMain->Graph().GraphLastDay = frmMain->Graph().GraphViewEnd = Date(2026, 12, 7);
    struct Refusal {
        QDateEdit* picker;
        const char16_t* field;
        int part;
        const char* typed;      // the part, selected again after the refusal
        const char* retyped;    // typed over it
        std::function<void()> prepare;
        std::function<void()> command;
        vcl::TForm* dialog = nullptr;   // the dialog the command is on, opened by open
        std::function<void()> open = {};
    };
    const auto tab = [this](int index, QRadioButton* radio = nullptr) {
        return [this, index, radio] {
            page->PageControl4->setCurrentIndex(index);
            if (radio)
                Click(radio);
        };
    };
    // The page's commands (their buttons still disabled) are run as their
    // buttons run them; the dialogs' buttons are clicked.
    const Refusal refusals[] = {
        {page->DateTimePicker4, u"投与終了日", Year, "0", "2026", tab(0, page->RadioButton16),
         [this] { page->plButton14Click(nullptr); }},
        {page->DateTimePicker1, u"削除開始日", Month, "13", "12", tab(1), [this] { page->plButton39Click(nullptr); }},
        {page->DateTimePicker6, u"削除終了日", Month, "00", "12", tab(1, page->RadioButton25),
         [this] { page->plButton39Click(nullptr); }},
        {page->DateTimePicker5, u"採血日", Month, "13", "12", tab(2), [this] { page->plButton40Click(nullptr); }},
        {frmScale->DateTimePicker2, u"表示開始年月日", Month, "13", "12", {}, [this] { Click(frmScale->plButton1); },
         frmScale, [] { frmMain->plButton22Click(nullptr); }},
        {frmConcentration->DateTimePicker1, u"日時", Month, "13", "12", {},
         [this] { Click(frmConcentration->plButton1); }, frmConcentration, [] { frmMain->plButton19Click(nullptr); }},
    };
    for (const Refusal& row : refusals) {
        const auto refuse = [&] {
            if (row.prepare)
                row.prepare();
            QLineEdit* typed = row.picker->findChild<QLineEdit*>();
            const QString before = typed->text();
            ClickPart(row.picker, row.part);
            QTest::keyClicks(row.picker, QString::fromLatin1(row.typed));
            const int shown = boxes.count();
            row.command();
            ASSERT_EQ(boxes.count(), shown + 1) << QString::fromUtf16(row.field).toStdString();
            EXPECT_EQ(boxes.last().text, NotADateMessage(QString::fromUtf16(row.field)));
            EXPECT_TRUE(row.picker->hasFocus());
            EXPECT_EQ(typed->selectedText(), QString::fromLatin1(row.typed));
            QTest::keyClicks(row.picker, QString::fromLatin1(row.retyped));
            EXPECT_EQ(typed->text(), before);
        };
        if (row.dialog)
            WhileOpen(row.dialog, refuse, row.open);
        else
            refuse();
    }
}
