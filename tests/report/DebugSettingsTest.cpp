#include "DebugSettings.h"
#include "IniFile.h"
#include "TestSeams.h"

#include <gtest/gtest.h>

TEST(DebugSettings, DefaultsWithoutASettingsFile)
{
    testing_seams::TempBaseDir base;
    const TCsvSettings s = ReadDebugSettings(base.FilePath("none.ini"), base.Path());
    EXPECT_EQ(s.CsvPath, base.Path() + "/");
    EXPECT_EQ(s.CsvRange, 180);
    EXPECT_EQ(s.CsvStep, 5);
}

TEST(DebugSettings, ReadsTheSectionAndRefusesAStepThatCannotAdvance)
{
    testing_seams::TempBaseDir base;
    const QString file = base.FilePath("q.ini");
    vcl::TIniFile ini(file);
    ASSERT_TRUE(ini.WriteString("DEBUG", "CSV_Path", "/data/export"));
    ASSERT_TRUE(ini.WriteInteger("DEBUG", "CSV_RANGE", 0));
    ASSERT_TRUE(ini.WriteInteger("DEBUG", "CSV_STEP", 0));
    const TCsvSettings s = ReadDebugSettings(file, base.Path());
    EXPECT_EQ(s.CsvPath, "/data/export");
    EXPECT_EQ(s.CsvRange, 0);
    EXPECT_EQ(s.CsvStep, 5);
}
