// The patient page taken as a user takes it: typing, Enter, leaving fields,
// the confirm's messages and questions, the record and the database row.
#include "MainWindowFixture.h"

#include "PatientPage.h"
#include "StringGridEx.h"
#include "Ucommon.h"
#include "plButton.h"

#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QRadioButton>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QSqlRecord>
#include <QTabWidget>
#include <QTest>

// Readable failure messages for texts.
inline void PrintTo(const QString& text, std::ostream* out)
{
    *out << '"' << text.toStdString() << '"';
}

namespace {

const QString OtherKey = QStringLiteral("20261208120000");   // the fixed clock's second

// Each character goes to whatever has the focus then (a grid opens its
// editor on the first one).
void Type(const QString& text)
{
    for (QChar ch : text) {
        const int key = ch == QChar(13) ? Qt::Key_Return : ch == QChar(8) ? Qt::Key_Backspace : Qt::Key_unknown;
        QTest::sendKeyEvent(QTest::Click, QApplication::focusWidget(), static_cast<Qt::Key>(key), QString(ch),
                            Qt::NoModifier);
    }
}

void ClickInto(QWidget* widget)
{
    widget->setFocus(Qt::MouseFocusReason);
    QCoreApplication::processEvents();
}

// The raw rows of table `patient`, column by column, as the database holds them.
std::vector<QSqlRecord> PatientRows()
{
    std::vector<QSqlRecord> rows;
    {
        QSqlDatabase raw = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("raw"));
        raw.setDatabaseName(WorkingDatabasePath());
        EXPECT_TRUE(raw.open());
        QSqlQuery query(QStringLiteral("SELECT * FROM patient ORDER BY patient_id_t"), raw);
        while (query.next())
            rows.push_back(query.record());
    }
    QSqlDatabase::removeDatabase(QStringLiteral("raw"));
    return rows;
}

void RunOnDatabase(const QString& sql)
{
    {
        QSqlDatabase raw = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("raw"));
        raw.setDatabaseName(WorkingDatabasePath());
        ASSERT_TRUE(raw.open());
        QSqlQuery query(raw);
        ASSERT_TRUE(query.exec(sql)) << query.lastError().text().toStdString();
    }
    QSqlDatabase::removeDatabase(QStringLiteral("raw"));
}

} // namespace

class PatientPageWalk : public MainWindowTest {
protected:
    void SetUp() override
    {
        MainWindowTest::SetUp();
        StartProgram();
        page = frmMain->TabSheet1;
        frmMain->show();
        frmMain->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(frmMain));
    }
    // A click of the mouse: the button takes the focus, and the cell being
    // left is normalised, before the click arrives.
    void Confirm()
    {
        page->Timer1Timer();
        ASSERT_TRUE(page->plButton9->isEnabled());
        QTest::mouseClick(page->plButton9, Qt::LeftButton);
        QCoreApplication::processEvents();
    }
    // A message box takes the window's activation and gives it back; without
    // a window manager the window has it once more while the box shows.
    void BoxTakesTheWindow()
    {
        QWidget box;
        box.show();
        for (QWidget* window : {&box, static_cast<QWidget*>(frmMain), &box})
            window->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&box));
        box.close();
        frmMain->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(frmMain));
        QCoreApplication::processEvents();
    }
    void ExpectLastBox(const QString& text, const QString& caption)
    {
        ASSERT_GT(boxes.count(), 0);
        EXPECT_EQ(boxes.last().text, text);
        EXPECT_EQ(boxes.last().caption, caption);
    }

    TPatientPage* page = nullptr;
};

TEST_F(PatientPageWalk, NewPatientThenClearAndConfirmUpdatesTheSameRow)
{
    TPatientRecord other = ResetPatientRecord();
    other.patient_id_t = OtherKey;
    other.patient_name = QStringLiteral("先客");
    ASSERT_EQ(DataModule1->SavePatient(other), 0);

    ClickInto(page->Edit1);
    Type(QStringLiteral("P-000123456789\r"));   // the field takes ten bytes
    EXPECT_EQ(page->Edit1->text(), QStringLiteral("P-00012345"));
    Type(QStringLiteral("山田太郎\r"));
    Type(QStringLiteral("ヤマダタロウヤマダタロウ\r"));   // 24 bytes typed, 20 kept
    EXPECT_EQ(page->Edit3->text(), QStringLiteral("ヤマダタロウヤマダタ"));
    EXPECT_EQ(QApplication::focusWidget(), page->StringGridEx2);

    QTest::mouseClick(page->rbSyouwa, Qt::LeftButton);
    EXPECT_EQ(page->StringGridEx2->Cells(0, 0), QStringLiteral("64"));   // this year clamped to Showa
    ClickInto(page->StringGridEx2);
    Type(QStringLiteral("50\r"));
    EXPECT_EQ(QApplication::focusWidget(), page->MonthCombo1);
    Type(QStringLiteral("6x６"));   // the list takes ASCII digits only
    EXPECT_EQ(page->MonthCombo1->currentText(), QStringLiteral("6"));
    ClickInto(page->DayCombo1);
    page->DayCombo1->lineEdit()->selectAll();
    Type(QStringLiteral("31"));

    // Leaving the day corrects 31 June; the untouched height "0" is refused.
    ClickInto(page->StringGridEx5);
    EXPECT_EQ(page->DayCombo1->currentText(), QStringLiteral("30"));
    Confirm();
    ExpectLastBox(QStringLiteral("身長が不正です。再入力して下さい。"), QStringLiteral("患者情報入力エラー"));
    EXPECT_EQ(page->StringGridEx3->Cells(0, 0), QStringLiteral("51"));
    EXPECT_EQ(QApplication::focusWidget(), page->StringGridEx5);

    // 19.9 cm typed: refused as typed and shown again so, not clamped to 20.
    Type(QStringLiteral("19.9"));
    Confirm();
    ExpectLastBox(QStringLiteral("身長が不正です。再入力して下さい。"), QStringLiteral("患者情報入力エラー"));
    EXPECT_EQ(page->StringGridEx5->Cells(0, 0), QStringLiteral("19.9"));
    Type(QStringLiteral("170.5\r"));   // over the refused text
    EXPECT_EQ(QApplication::focusWidget(), page->StringGridEx4);
    Type(QStringLiteral("60\r内科\r佐藤\r"));
    EXPECT_EQ(QApplication::focusWidget(), page->ComboBox10);
    QTest::keyClick(page->ComboBox10, Qt::Key_Down);
    EXPECT_EQ(QApplication::focusWidget(), page->Edit8);
    Type(QStringLiteral("腎機能低下"));
    page->Memo1->setPlainText(QStringLiteral("所見メモ"));

    boxes.clear();
    Confirm();
    ASSERT_EQ(boxes.count(), 1);
    ExpectLastBox(QStringLiteral("患者情報を登録して薬剤情報の設定に進みます。\n よろしいですか？"),
                  QStringLiteral("患者情報登録確認"));

    // A key in the same second as the patient before takes the next second.
    const QString key = QStringLiteral("20261208120001");
    EXPECT_EQ(CurrentPatient.patient_id_t, key);
    EXPECT_EQ(CurrentPatient.patient_birth, vcl::EncodeDate(1975, 6, 30));
    EXPECT_EQ(CurrentPatient.patient_age, 51);
    EXPECT_EQ(frmMain->HighestStep(), 1);
    EXPECT_EQ(frmMain->PageControl1->currentIndex(), 1);
    EXPECT_EQ(frmMain->Header().Panel3->text(), QStringLiteral("山田太郎"));
    EXPECT_TRUE(frmMain->Header().Panel17->text().isEmpty());

    std::vector<QSqlRecord> rows = PatientRows();
    ASSERT_EQ(rows.size(), 2u);
    EXPECT_EQ(rows[0].value(QStringLiteral("patient_name")).toString(), QStringLiteral("先客"));
    const QSqlRecord& row = rows[1];
    EXPECT_EQ(row.value(QStringLiteral("patient_id_t")).toString(), key);
    EXPECT_EQ(row.value(QStringLiteral("patient_id")).toString(), QStringLiteral("P-00012345"));
    EXPECT_EQ(row.value(QStringLiteral("patient_name_kana")).toString(), QStringLiteral("ヤマダタロウヤマダタ"));
    EXPECT_EQ(row.value(QStringLiteral("patient_gender")).toInt(), 0);
    EXPECT_EQ(row.value(QStringLiteral("patient_age")).toInt(), 51);
    EXPECT_EQ(row.value(QStringLiteral("patient_birth")).toDouble(), vcl::EncodeDate(1975, 6, 30));
    EXPECT_EQ(row.value(QStringLiteral("patient_height")).toDouble(), 170.5);
    EXPECT_EQ(row.value(QStringLiteral("patient_weight")).toDouble(), 60.0);
    EXPECT_EQ(row.value(QStringLiteral("sinryouka_id")).toString(), QStringLiteral("内科"));
    EXPECT_EQ(row.value(QStringLiteral("doctor_id")).toString(), QStringLiteral("佐藤"));
    EXPECT_EQ(row.value(QStringLiteral("patient_kubun")).toInt(), 1);
    EXPECT_EQ(row.value(QStringLiteral("patient_disorder")).toString(), QStringLiteral("腎機能低下"));
    for (int column = 0; column < row.count(); ++column)
        EXPECT_NE(row.value(column).toString(), QStringLiteral("所見メモ")) << column;

    // Shown again with Showa still checked: a stored date is Western, unclamped, whole.
    frmMain->SetWorkflowStep(1, 0);
    frmMain->ShowCaseFrom(0);
    EXPECT_TRUE(page->rbSeireki->isChecked());
    EXPECT_EQ(page->StringGridEx2->Cells(0, 0), QStringLiteral("1975"));
    EXPECT_EQ(page->DayCombo1->currentText(), QStringLiteral("30"));
    Confirm();
    EXPECT_EQ(frmMain->PageControl1->currentIndex(), 1);

    // Clear keeps the key; the day typed last and never left still gives the
    // age, also to a confirm that does not move the focus.
    frmMain->SetWorkflowStep(1, 0);
    page->plButton10->Click();
    EXPECT_TRUE(page->Edit2->text().isEmpty());
    EXPECT_FALSE(page->plButton9->isEnabled());
    EXPECT_EQ(CurrentPatient.patient_id_t, key);
    ClickInto(page->Edit1);
    Type(QStringLiteral("P-2\r山田花子"));
    QTest::mouseClick(page->RadioButton2, Qt::LeftButton);
    QTest::mouseClick(page->rbSeireki, Qt::LeftButton);
    ClickInto(page->StringGridEx5);
    Type(QStringLiteral("158.0\r50.5\r"));
    ClickInto(page->StringGridEx2);
    Type(QStringLiteral("1980\r3"));
    ClickInto(page->DayCombo1);
    Type(QStringLiteral("3"));   // after the "1" there
    boxes.clear();
    page->Timer1Timer();
    page->plButton9->Click();
    ASSERT_EQ(boxes.count(), 1);
    ExpectLastBox(QStringLiteral("患者情報を更新します。\n患者情報を更新すると現在表示中の以降の情報がクリアされます。\n"
                                 "よろしいですか？"),
                  QStringLiteral("患者情報登録確認"));
    rows = PatientRows();
    ASSERT_EQ(rows.size(), 2u);
    EXPECT_EQ(rows[1].value(QStringLiteral("patient_id_t")).toString(), key);
    EXPECT_EQ(rows[1].value(QStringLiteral("patient_name")).toString(), QStringLiteral("山田花子"));
    EXPECT_EQ(rows[1].value(QStringLiteral("patient_gender")).toInt(), 1);
    EXPECT_EQ(rows[1].value(QStringLiteral("patient_birth")).toDouble(), vcl::EncodeDate(1980, 3, 13));
    EXPECT_EQ(rows[1].value(QStringLiteral("patient_age")).toInt(), 46);
    EXPECT_TRUE(rows[1].value(QStringLiteral("sinryouka_id")).toString().isEmpty());
}

TEST_F(PatientPageWalk, ARefusedSaveLeavesTheCaseTheRecordAndTheStep)
{
    TPatientRecord stored = ResetPatientRecord();
    stored.patient_id_t = OtherKey;
    stored.patient_id = QStringLiteral("P-1");
    stored.patient_name = QStringLiteral("山田太郎");
    stored.patient_age = 60;
    stored.patient_height = 170;
    stored.patient_weight = 60;
    ASSERT_EQ(DataModule1->SavePatient(stored), 0);
    CurrentPatient = stored;
    CurrentAnalysis.patient_id = OtherKey;
    frmMain->SetHighestStep(1);
    frmMain->ShowCaseFrom(0);
    frmMain->SetWorkflowStep(1, 0);
    RunOnDatabase(QStringLiteral("CREATE TRIGGER refuse BEFORE UPDATE ON patient "
                                 "BEGIN SELECT RAISE(ABORT, 'disk I/O error'); END"));

    page->Edit2->setText(QStringLiteral("山田次郎"));
    Confirm();

    ASSERT_EQ(boxes.count(), 2);   // the question, then the failure
    EXPECT_EQ(boxes.last().caption, QStringLiteral("患者情報入力エラー"));
    EXPECT_EQ(boxes.last().flags, vcl::MB_OK | vcl::MB_ICONEXCLAMATION);
    EXPECT_TRUE(boxes.last().text.startsWith(QStringLiteral("データベース"))) << boxes.last().text.toStdString();
    EXPECT_TRUE(boxes.last().text.contains(QStringLiteral("disk I/O error")));
    EXPECT_EQ(CurrentPatient.patient_name, QStringLiteral("山田太郎"));
    EXPECT_EQ(CurrentAnalysis.patient_id, OtherKey);
    EXPECT_EQ(frmMain->HighestStep(), 1);
    EXPECT_EQ(frmMain->PageControl1->currentIndex(), 0);
    EXPECT_EQ(frmMain->Header().Panel3->text(), QStringLiteral("山田太郎"));
    EXPECT_EQ(PatientRows().at(0).value(QStringLiteral("patient_name")).toString(), QStringLiteral("山田太郎"));
}

TEST_F(PatientPageWalk, EnterChoicesAndCalendarsMoveAndCorrectAsTheyShould)
{
    // Enter passes the focus on in the page's order.
    QTest::mouseClick(page->rbAge, Qt::LeftButton);
    const std::pair<QWidget*, QWidget*> steps[] = {
        {page->Edit1, page->Edit2},           {page->Edit2, page->Edit3},
        {page->Edit3, page->StringGridEx3},   {page->StringGridEx3, page->StringGridEx5},
        {page->StringGridEx5, page->StringGridEx4}, {page->StringGridEx4, page->Edit9},
        {page->Edit9, page->Edit10},          {page->Edit10, page->ComboBox10},
        {page->Edit8, page->Edit1},
    };
    for (const auto& [from, to] : steps) {
        ClickInto(from);
        Type(QStringLiteral("\r"));
        EXPECT_EQ(QApplication::focusWidget(), to) << from->objectName().toStdString();
    }
    // With the age alone the date fields show today.
    EXPECT_EQ(page->StringGridEx2->Cells(0, 0), QStringLiteral("2026"));
    EXPECT_EQ(page->MonthCombo1->currentText(), QStringLiteral("12"));
    EXPECT_EQ(page->DayCombo1->currentText(), QStringLiteral("8"));

    // Choosing a month moves to the day, choosing a day to the height.
    QTest::mouseClick(page->rbSeireki, Qt::LeftButton);
    ClickInto(page->MonthCombo1);
    QTest::keyClick(page->MonthCombo1, Qt::Key_Up);
    EXPECT_EQ(QApplication::focusWidget(), page->DayCombo1);
    QTest::keyClick(page->DayCombo1, Qt::Key_Up);
    EXPECT_EQ(QApplication::focusWidget(), page->StringGridEx5);

    // 29 February 2024, then Heisei: this year (2026) has no 29 February.
    ClickInto(page->StringGridEx2);
    Type(QStringLiteral("\b\b\b\b2024\r2"));
    ClickInto(page->DayCombo1);
    page->DayCombo1->lineEdit()->selectAll();
    Type(QStringLiteral("29"));
    ClickInto(page->StringGridEx5);
    EXPECT_EQ(page->DayCombo1->currentText(), QStringLiteral("29"));
    QTest::mouseClick(page->rbHeisei, Qt::LeftButton);
    EXPECT_EQ(page->StringGridEx2->Cells(0, 0), QStringLiteral("38"));
    EXPECT_EQ(page->DayCombo1->currentText(), QStringLiteral("28"));

    page->Memo1->setPlainText(QStringLiteral("所見メモ"));
    page->plButton10->Click();
    EXPECT_TRUE(page->Memo1->toPlainText().isEmpty());
}

TEST_F(PatientPageWalk, OnlyWhatWasTypedForThisPatientIsJudgedAndStored)
{
    std::size_t stored = 0;
    const auto refused = [&](const char16_t* message, QWidget* field) {
        boxes.clear();
        Confirm();   // with the mouse: the field being typed in is left on the press
        BoxTakesTheWindow();
        ASSERT_EQ(boxes.count(), 1);
        EXPECT_EQ(boxes.last().text, QString::fromUtf16(message));
        EXPECT_TRUE(field->hasFocus());
        EXPECT_EQ(PatientRows().size(), stored);
    };
    const char16_t* const birth = u"生年月日が不正です。再入力して下さい。";
    // Enter through a new page: the untouched "0" of height and weight stays no value given.
    ClickInto(page->Edit1);
    Type(QStringLiteral("P-7\r山田一郎\r\r\r"));
    ClickInto(page->StringGridEx5);
    Type(QStringLiteral("\r\r"));
    // Typing after a refusal replaces the refused text; a number typed outside its
    // range and left is kept to be refused, not clamped; the year alone is no birth date.
    refused(birth, page->StringGridEx2);
    Type(QStringLiteral("2030\r"));
    refused(birth, page->StringGridEx2);
    Type(QStringLiteral("1980"));
    refused(birth, page->MonthCombo1);
    Type(QStringLiteral("13"));
    refused(birth, page->MonthCombo1);
    EXPECT_EQ(page->MonthCombo1->currentText(), QStringLiteral("13"));
    Type(QStringLiteral("4"));
    EXPECT_EQ(page->MonthCombo1->currentText(), QStringLiteral("4"));
    refused(birth, page->DayCombo1);
    Type(QStringLiteral("31"));
    refused(birth, page->DayCombo1);
    EXPECT_EQ(page->DayCombo1->currentText(), QStringLiteral("31"));
    Type(QStringLiteral("30"));
    refused(u"身長が不正です。再入力して下さい。", page->StringGridEx5);
    Type(QStringLiteral("19.9\r"));
    refused(u"身長が不正です。再入力して下さい。", page->StringGridEx5);
    EXPECT_EQ(page->StringGridEx5->Cells(0, 0), QStringLiteral("19.9"));
    Type(QStringLiteral("170\r"));
    refused(u"体重が不正です。再入力して下さい。", page->StringGridEx4);
    Type(QStringLiteral("0\r"));
    refused(u"体重が不正です。再入力して下さい。", page->StringGridEx4);
    Type(QStringLiteral("60"));

    // Pastes cut at the last whole character that fits, less what CP932 lacks and controls,
    // the wave dash as its CP932 twin.
    const std::pair<QLineEdit*, const char16_t*> pastes[] = {
        {page->Edit9, u"総合診療科循環器内科外来部門"}, {page->Edit10, u"ｻﾄｳｲﾁﾛｳ医師"}, {page->Edit3, u"ﾔﾏﾀﾞ\tｲﾁﾛｳ😀〜"}};
    for (const auto& [edit, text] : pastes) {
        QApplication::clipboard()->setText(QString::fromUtf16(text));
        ClickInto(edit);
        QTest::keyClick(edit, Qt::Key_V, Qt::ControlModifier);
    }
    Confirm();
    std::vector<QSqlRecord> rows = PatientRows();
    ASSERT_EQ(rows.size(), ++stored);
    const std::pair<const char*, QVariant> expected[] = {
        {"patient_birth", vcl::EncodeDate(1980, 4, 30)}, {"patient_height", 170.0}, {"patient_weight", 60.0},
        {"sinryouka_id", QStringLiteral("総合診療科循環器内科")}, {"doctor_id", QStringLiteral("ｻﾄｳｲﾁﾛｳ医")},
        {"patient_name_kana", QStringLiteral("ﾔﾏﾀﾞｲﾁﾛｳ\uFF5E")}};
    for (const auto& [column, value] : expected)
        EXPECT_EQ(rows[0].value(QString::fromLatin1(column)), value) << column;

    // "年齢" and then "西暦" again: no part of today's date "年齢" shows is given.
    frmMain->SetWorkflowStep(1, 0);
    QTest::mouseClick(page->rbAge, Qt::LeftButton);
    QTest::mouseClick(page->rbSeireki, Qt::LeftButton);
    refused(birth, page->StringGridEx2);
    Type(QStringLiteral("1990"));
    refused(birth, page->MonthCombo1);

    // By age alone the untouched "0" is refused and a typed 0 is a newborn.
    page->plButton10->Click();
    QTest::mouseClick(page->rbAge, Qt::LeftButton);
    ClickInto(page->Edit1);
    Type(QStringLiteral("P-8\r山田二郎"));
    ClickInto(page->StringGridEx5);
    Type(QStringLiteral("50\r3.2\r"));
    refused(u"年齢が不正です。再入力して下さい。", page->StringGridEx3);
    Type(QStringLiteral("0"));
    Confirm();
    rows = PatientRows();
    EXPECT_EQ(rows.at(0).value(QStringLiteral("patient_age")).toInt(), 0);

    // The stored patient counts as entered; the date "年齢" shows for today does not.
    frmMain->SetWorkflowStep(1, 0);
    frmMain->ShowCaseFrom(0);
    QTest::mouseClick(page->rbSeireki, Qt::LeftButton);
    refused(birth, page->StringGridEx2);
}
