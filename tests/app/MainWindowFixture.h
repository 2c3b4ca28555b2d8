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

    testing_seams::TempBaseDir base;
    testing_seams::FixedClock clock{vcl::EncodeDate(2026, 12, 8) + 0.5};
    testing_seams::ScriptedMessageBoxes boxes;
    testing_seams::ScriptedModals modals;
};
