// The hint line and the disclaimer of the main window.
#include "MainWindowFixture.h"

#include "HintTable.h"
#include "PatientPage.h"
#include "SchedulePage.h"
#include "plButton.h"
#include "uPatientSearch.h"
#include "uSplash.h"

#include <QApplication>
#include <QComboBox>
#include <QFile>
#include <QGroupBox>
#include <QRadioButton>
#include "StringGridEx.h"
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPushButton>
#include <QTabWidget>
#include <QTest>
#include <QSet>
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

TEST_F(HintLineWalk, EachListedControlIsOneControlOfTheMainWindow)
{
    // Listed but never built: the result page shows no estimates at a chosen
    // time (StringGridEx8 .. StringGridEx12), and the drug page has no panels
    // of its own around the source choice and the parameter table.
    const QSet<QString> notBuilt{u"Panel33"_qs, u"Panel34"_qs, u"Panel35"_qs, u"StringGridEx12"_qs,
                                 u"StringGridEx10"_qs, u"StringGridEx11"_qs, u"StringGridEx8"_qs, u"StringGridEx9"_qs};
    for (const THintRow& row : HintRows()) {
        const QString owner = QString::fromUtf16(row.Owner);
        const QString name = QString::fromUtf16(row.Control);
        // The controls of that name in the main window itself (not in a
        // dialog it owns) whose nearest owner of hints is the row's.
        int found = 0;
        for (QWidget* control : frmMain->findChildren<QWidget*>(name)) {
            QWidget* nearest = control->parentWidget();
            while (nearest && !IsHintOwner(nearest->objectName()))
                nearest = nearest->parentWidget();
            found += control->window() == frmMain && nearest && nearest->objectName() == owner;
        }
        if (notBuilt.contains(name))
            EXPECT_EQ(found, 0) << name.toStdString();
        else
            EXPECT_EQ(found, 1) << owner.toStdString() << " " << name.toStdString();
    }
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

    // A dialog's control of a listed name is not the main window's. The move
    // goes to the dialog's control itself: the offscreen platform hands a
    // moved pointer to whichever window lies under it, not to the topmost.
    frmPatientSearch->show();
    QWidget* edit = frmPatientSearch->Edit1;
    QMouseEvent move(QEvent::MouseMove, edit->rect().center(), edit->mapToGlobal(edit->rect().center()),
                     Qt::NoButton, Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(edit, &move);
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
