#pragma once
// The program's windows on a temporary base folder holding a copy of the
// generated template, a fixed clock, scripted message boxes and the start's
// disclaimer agreed to.
#include "ApplicationForms.h"
#include "TestSeams.h"
#include "Tdm_main.h"
#include "WorkingDatabase.h"
#include "uDataBase.h"

#include <QApplication>
#include <QDateEdit>
#include <QFile>
#include <QLineEdit>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QTest>
#include <QTimer>
#include <functional>
#include <gtest/gtest.h>

#ifndef QUORVEL_TEMPLATE_DB
#error "the build defines QUORVEL_TEMPLATE_DB"
#endif

class MainWindowTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(QFile::copy(QStringLiteral(QUORVEL_TEMPLATE_DB), TemplateDatabasePath()));
        // The disclaimer the first showing opens is agreed to at once.
        modals.Answer(QStringLiteral("frmSplash"), vcl::mrOk);
    }
    void TearDown() override { DestroyApplicationForms(); }

    void StartProgram()
    {
        CreateApplicationForms();
        ASSERT_EQ(DataModule1->OpenDatabase(), 0) << DataModule1->LastError().toStdString();
    }

    // Runs a statement on the working database beside the program's own
    // connection (to break the database under the program).
    static void OnTheDatabase(const QString& sql)
    {
        {
            QSqlDatabase raw = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("raw"));
            raw.setDatabaseName(WorkingDatabasePath());
            ASSERT_TRUE(raw.open());
            QSqlQuery query(raw);
            ASSERT_TRUE(query.exec(sql)) << query.lastError().text().toStdString();
            raw.close();
        }
        QSqlDatabase::removeDatabase(QStringLiteral("raw"));
    }

    // Runs `open` (which shows the dialog modally); `whileOpen` runs once it
    // shows and is the active window, and a dialog still open afterwards is
    // closed with Cancel.
    static void WhileOpen(vcl::TForm* dialog, const std::function<void()>& whileOpen,
                          const std::function<void()>& open)
    {
        QTimer::singleShot(0, dialog, [dialog, whileOpen] {
            dialog->activateWindow();
            EXPECT_TRUE(QTest::qWaitForWindowActive(dialog));
            whileOpen();
            if (dialog->isVisible())
                dialog->reject();
        });
        open();
    }

    // Types into a one-cell grid as a user does: the first character opens
    // the editor, the rest go to it.
    static void TypeInto(QWidget* cell, const QString& text)
    {
        cell->setFocus(Qt::MouseFocusReason);
        QCoreApplication::processEvents();
        for (QChar ch : text)
            QTest::sendKeyEvent(QTest::Click, QApplication::focusWidget(), Qt::Key_unknown, QString(ch), Qt::NoModifier);
    }

    // Clicks a date picker on the character at `index` of its "yyyy/mm/dd".
    static void ClickPart(QDateEdit* picker, int index)
    {
        QLineEdit* edit = picker->findChild<QLineEdit*>();
        const int x = edit->fontMetrics().horizontalAdvance(edit->text().left(index)) + 5;
        QTest::mouseClick(edit, Qt::LeftButton, Qt::NoModifier, QPoint(x, edit->height() / 2));
    }
    static constexpr int YearPart = 1, MonthPart = 6, DayPart = 9;   // characters of "yyyy/mm/dd"

    testing_seams::TempBaseDir base;
    testing_seams::FixedClock clock{vcl::EncodeDate(2026, 12, 8) + 0.5};
    testing_seams::ScriptedMessageBoxes boxes;
    testing_seams::ScriptedModals modals;
};
