#include "AppPaths.h"
#include "IniFile.h"
#include "TestSeams.h"

#include <QDir>
#include <QFile>
#include <gtest/gtest.h>

using namespace vcl;

namespace {

QByteArray ReadAll(const QString& path)
{
    QFile f(path);
    f.open(QIODevice::ReadOnly);
    return f.readAll();
}

void WriteAll(const QString& path, const QByteArray& bytes)
{
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(bytes);
}

} // namespace

TEST(IniFile, ReadsWithoutCaseAndWithFallbacks)
{
    testing_seams::TempBaseDir base;
    const QString path = base.FilePath("t.ini");
    WriteAll(path, "; comment\r\n[Debug]\r\ncsv_path = C:\\Data\\tdm \r\nCSV_RANGE=abc\r\nquoted=\"x y\"\r\n[5_1_1]\r\nUPPER_LIMIT=20.5\r\n");
    TIniFile ini(path);
    EXPECT_EQ(ini.ReadString("DEBUG", "CSV_Path", "-"), "C:\\Data\\tdm");
    EXPECT_EQ(ini.ReadInteger("debug", "csv_range", 180), 180); // not a number
    EXPECT_EQ(ini.ReadInteger("DEBUG", "CSV_STEP", 5), 5);      // missing
    EXPECT_EQ(ini.ReadString("DEBUG", "quoted", ""), "x y");
    EXPECT_EQ(ini.ReadFloat("5_1_1", "upper_limit", 0), 20.5);
    EXPECT_TRUE(ini.SectionExists("5_1_1"));
    EXPECT_FALSE(ini.ValueExists("5_1_1", "LOWER_LIMIT"));
    EXPECT_EQ(TIniFile(base.FilePath("missing.ini")).ReadString("A", "B", "dflt"), "dflt");
}

TEST(IniFile, WritesOnlyItsOwnLine)
{
    testing_seams::TempBaseDir base;
    const QString path = base.FilePath("t.ini");
    WriteAll(path, "; keep me\r\n[b]\r\nz=1\r\nA=2\r\n\r\n[c]\r\nq=3\r\n");
    TIniFile ini(path);
    ASSERT_TRUE(ini.WriteString("B", "a", "20"));
    ASSERT_TRUE(ini.WriteString("b", "new", "x"));
    ASSERT_TRUE(ini.WriteFloat("5_1_1", "UPPER_LIMIT", 20.5));
    EXPECT_EQ(ReadAll(path), QByteArray("; keep me\r\n[b]\r\nz=1\r\nA=20\r\nnew=x\r\n\r\n[c]\r\nq=3\r\n[5_1_1]\r\nUPPER_LIMIT=20.5\r\n"));
    EXPECT_EQ(ini.ReadFloat("5_1_1", "upper_limit", 0), 20.5);
}

TEST(IniFile, CreatesAMissingFileAndKeepsCp932)
{
    testing_seams::TempBaseDir base;
    const QString path = base.FilePath("new.ini");
    TIniFile ini(path);
    ASSERT_TRUE(ini.WriteInteger("DEBUG", "CSV_STEP", 10));
    EXPECT_EQ(ini.ReadInteger("DEBUG", "CSV_STEP", 5), 10);

    const QString sjis = base.FilePath("sjis.ini");
    WriteAll(sjis, "[DEBUG]\r\nCSV_Path=C:\\\x83\x66\x81\x5B\x83\x5E\r\n"); // "データ" in CP932
    TIniFile old(sjis);
    EXPECT_EQ(old.ReadString("DEBUG", "CSV_Path", ""), QStringLiteral("C:\\データ"));
    ASSERT_TRUE(old.WriteInteger("DEBUG", "CSV_RANGE", 90));
    EXPECT_TRUE(ReadAll(sjis).contains("C:\\\x83\x66\x81\x5B\x83\x5E\r\nCSV_RANGE=90\r\n"));
}

TEST(IniFile, ReportsAFailedWriteAndLeavesTheFile)
{
    testing_seams::TempBaseDir base;
    TIniFile ini(base.FilePath("no/such/folder/x.ini"));
    EXPECT_FALSE(ini.WriteString("A", "B", "C"));
    EXPECT_FALSE(ini.LastError().isEmpty());

    // A file that can be written but not read (0200) is not replaced by the new
    // line alone; a write-protected one (0400) stays.
    const QString path = base.FilePath("kept.ini");
    for (const auto permissions : {QFileDevice::Permissions{QFileDevice::WriteOwner},
                                   QFileDevice::Permissions{QFileDevice::ReadOwner}}) {
        WriteAll(path, "[DEBUG]\r\nCSV_RANGE=90\r\n");
        ASSERT_TRUE(QFile::setPermissions(path, permissions));
        {
            testing_seams::FilePermissionsEnforced enforced;
            QFile reader(path);
            ASSERT_EQ(reader.open(QIODevice::ReadOnly), permissions.testFlag(QFileDevice::ReadOwner));
            EXPECT_FALSE(TIniFile(path).WriteString("5_1_1", "UPPER_LIMIT", "20"));
        }
        ASSERT_TRUE(QFile::setPermissions(path, QFileDevice::ReadOwner | QFileDevice::WriteOwner));
        EXPECT_EQ(ReadAll(path), QByteArray("[DEBUG]\r\nCSV_RANGE=90\r\n"));
        EXPECT_EQ(QDir(base.Path()).entryList(QDir::Files), QStringList{"kept.ini"});
    }
}

TEST(AppPaths, SettingsFileLivesInTheBaseFolder)
{
    testing_seams::TempBaseDir base;
    EXPECT_EQ(AppBaseDir(), QDir::cleanPath(base.Path()));
    EXPECT_TRUE(SettingsFilePath().startsWith(QDir::cleanPath(base.Path()) + "/"));
    EXPECT_TRUE(SettingsFilePath().endsWith(".ini"));
    EXPECT_EQ(VersionText(), "3.6.1.1");
}
