#pragma once
// The program's windows on a temporary base folder holding a copy of the
// generated template, a fixed clock, scripted message boxes and the start's
// disclaimer agreed to.
#include "ApplicationForms.h"
#include "TestSeams.h"
#include "Tdm_main.h"
#include "WorkingDatabase.h"
#include "uDataBase.h"

#include <QFile>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
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

    testing_seams::TempBaseDir base;
    testing_seams::FixedClock clock{vcl::EncodeDate(2026, 12, 8) + 0.5};
    testing_seams::ScriptedMessageBoxes boxes;
    testing_seams::ScriptedModals modals;
};
