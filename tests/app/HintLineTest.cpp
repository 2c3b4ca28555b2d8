// The hint line and the disclaimer of the main window.
#include "MainWindowFixture.h"

#include "HintTable.h"
#include "PatientPage.h"
#include "SchedulePage.h"
#include "plButton.h"
#include "uPatientSearch.h"
#include "uSplash.h"

#include <QComboBox>
#include <QFile>
#include <QGroupBox>
#include <QRadioButton>
#include "StringGridEx.h"
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QTest>
#include <QTextStream>

#ifndef QUORVEL_GOLDEN_DIR
#error "the build defines QUORVEL_GOLDEN_DIR"
#endif

namespace {

QString HintLine()
{
    return frmMain->Header().Panel17->text();
}

void PointAt(QWidget* widget)
{
    QTest::mouseMove(widget, widget->rect().center());
    QCoreApplication::processEvents();
}

} // namespace

// The table as written, checked once by hand: owner, control, sentence.
TEST(HintTable, MatchesTheGoldenList)
{
    QFile golden(QStringLiteral(QUORVEL_GOLDEN_DIR "/hint_table.txt"));
    ASSERT_TRUE(golden.open(QIODevice::ReadOnly | QIODevice::Text));
    QStringList expected;
    QTextStream in(&golden);
    while (!in.atEnd()) {
        const QString line = in.readLine();
        if (!line.startsWith(QLatin1Char('#')))
            expected << line;
    }
    QStringList actual;
    for (const THintRow& row : HintRows())
        actual << QStringList{QString::fromUtf16(row.Owner), QString::fromUtf16(row.Control),
                              QString::fromUtf16(row.Sentence)}
                      .join(QLatin1Char('\t'));
    EXPECT_EQ(actual, expected);
}

class HintLineWalk : public MainWindowTest {
protected:
    void SetUp() override
    {
        MainWindowTest::SetUp();
        StartProgram();
        frmMain->show();
        frmMain->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(frmMain));
    }
};

TEST_F(HintLineWalk, TheLineFollowsThePointerAndStaysWhenItLeaves)
{
    // The first showing opened the disclaimer.
    EXPECT_EQ(modals.shown(), QStringList{QStringLiteral("frmSplash")});
    TPatientPage* page = frmMain->TabSheet1;

    PointAt(page->Edit2);
    EXPECT_EQ(HintLine(), QStringLiteral(" 氏名を入力してください。"));
    PointAt(page->ComboBox10);   // no sentence of its own
    EXPECT_EQ(HintLine(), QStringLiteral(" 氏名を入力してください。"));
    PointAt(page->Edit3);
    EXPECT_EQ(HintLine(), QStringLiteral(" 氏名を入力してください。"));
    PointAt(page->StringGridEx5);
    EXPECT_EQ(HintLine(), QStringLiteral(" 身長を入力してください。"));
    PointAt(page->rbHeisei);     // inside GroupBox7, without a sentence
    EXPECT_EQ(HintLine(), QStringLiteral(" 身長を入力してください。"));
    QTest::mouseMove(page->GroupBox7, QPoint(page->GroupBox7->width() - 4, page->GroupBox7->height() - 4));
    EXPECT_EQ(HintLine(), QStringLiteral(" 年齢もしくは生年月日を入力してください。"));
    PointAt(page->plButton9);
    EXPECT_EQ(HintLine(), QStringLiteral("入力された患者情報を確定します。"));
    PointAt(frmMain->Header().Panel28);
    EXPECT_EQ(HintLine(), QStringLiteral(" 使用母集団名(出典)を表示します。"));
}

TEST_F(HintLineWalk, ControlsBuiltLaterFindTheirSentenceByOwnerAndName)
{
    frmMain->SetWorkflowStep(2, 2);
    PointAt(frmMain->TabSheet2->plButton56);
    EXPECT_EQ(HintLine(), QStringLiteral(" スケジュールを1つ前の状態に戻します。"));
    auto* mainButton = new QPushButton(frmMain->TabSheet2);
    mainButton->setObjectName(QStringLiteral("plButton2"));
    mainButton->setGeometry(10, 500, 80, 30);
    auto* frame = new QWidget(frmMain->TabSheet2);
    frame->setObjectName(QStringLiteral("TCalender1"));
    frame->setGeometry(200, 450, 200, 100);
    auto* frameButton = new QPushButton(frame);
    frameButton->setObjectName(QStringLiteral("plButton2"));
    frameButton->setGeometry(10, 10, 80, 30);
    mainButton->show();
    frame->show();

    PointAt(mainButton);
    EXPECT_EQ(HintLine(), QStringLiteral(" 表示中のスケジュールを初期状態に戻します。"));
    PointAt(frameButton);
    EXPECT_EQ(HintLine(), QStringLiteral(" 翌月のカレンダーを表示します。"));

    // A dialog's control of a listed name is not the main window's.
    frmPatientSearch->show();
    PointAt(frmPatientSearch->Edit1);
    EXPECT_EQ(HintLine(), QStringLiteral(" 翌月のカレンダーを表示します。"));
    frmPatientSearch->hide();
}

TEST_F(HintLineWalk, DisagreeingWithTheDisclaimerAsksToEnd)
{
    boxes.Answer(vcl::IDCANCEL);
    frmSplash->plButton2->Click();
    ASSERT_EQ(boxes.count(), 1);
    EXPECT_EQ(boxes.last().caption, QStringLiteral("終了確認"));
    EXPECT_TRUE(frmMain->isVisible());

    boxes.Answer(vcl::IDOK);
    frmSplash->plButton2->Click();
    EXPECT_FALSE(frmMain->isVisible());
}
