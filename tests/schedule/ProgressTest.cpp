#include "uProgress.h"

#include <QApplication>
#include <QCheckBox>
#include <QProgressBar>
#include <gtest/gtest.h>

TEST(ProgressWindow, DoneMessageHandsTheFocusToTheMainWindowsCheckBoxAndHides)
{
    QWidget mainWindow;
    auto* page = new QWidget(&mainWindow);
    auto* checkBox = new QCheckBox(QStringLiteral("患者"), page);
    checkBox->setObjectName(QStringLiteral("CheckBox1"));
    auto* other = new QCheckBox(QStringLiteral("母集団"), page);
    mainWindow.show();
    other->setFocus();
    auto* progress = new TfrmProgress(&mainWindow);
    EXPECT_EQ(progress->ProgressBar1->maximum(), TfrmProgress::ProgressSteps);
    progress->show();

    QApplication::postEvent(progress, new QEvent(TfrmProgress::DoneMessage));
    QApplication::sendPostedEvents(progress);
    EXPECT_FALSE(progress->isVisible());
    EXPECT_EQ(mainWindow.focusWidget(), checkBox);

    // Without such a check box it only hides.
    TfrmProgress alone;
    alone.show();
    QApplication::postEvent(&alone, new QEvent(TfrmProgress::DoneMessage));
    QApplication::sendPostedEvents(&alone);
    EXPECT_FALSE(alone.isVisible());
}
