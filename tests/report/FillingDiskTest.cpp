// Every file the program writes, on a disk that fills up at the first byte,
// part way or when the bytes are handed to the disk: the writer says so in
// Japanese with what to do, the file that was there stays byte for byte, and
// nothing is left beside it. On a good disk the same call does write.
#include "CsvExport.h"
#include "ReportTestData.h"
#include "TestSeams.h"
#include "WorkingDatabase.h"
#include "uDataBase.h"
#include "uRep.h"

#include <QDir>
#include <QFile>
#include <functional>
#include <gtest/gtest.h>

namespace {

QByteArray ReadAll(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

void WriteAll(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    ASSERT_EQ(file.write(bytes), bytes.size());
}

struct Writer {
    const char* name;
    std::function<QString()> target;
    QByteArray earlier;                    // what the target held before; empty: no file
    std::function<QString()> write;        // the failure text, empty when written
};

} // namespace

TEST(FillingDisk, EveryWriterLeavesTheEarlierFileAndSaysWhatToDo)
{
    testing_seams::TempBaseDir base;
    const auto inBase = [&base](const char* name) { return [&base, name] { return base.FilePath(name); }; };
    const Writer writers[] = {
        {"settings", [] { return vcl::SettingsFilePath(); }, "[DEBUG]\r\nCSV_RANGE=90\r\n[6_1_1]\r\nUPPER_LIMIT=2\r\n",
         [] {
             TDataModule1 store;
             return store.WriteRangeLimits(5, 1, 1, 17.5, 7.25) == 0 ? QString() : store.LastFailureText();
         }},
        {"export", inBase("export.csv"), "an earlier export\r\n",
         [&base] {
             QString error;
             const auto flat = [](int, const TParamBlock&) { return 1.0; };
             return WriteCsvReport(TCsvInput{}, flat, base.FilePath("export.csv"), &error) ? QString() : error;
         }},
        {"report", inBase("report.pdf"), "%PDF an earlier report",
         [&base] {
             QString error;
             return TQuickReport1().PrintToPdf(report_test::CaseInput({2, 1, 1, 0}), base.FilePath("report.pdf"), &error)
                        ? QString()
                        : error;
         }},
        {"first copy of the database", [] { return WorkingDatabasePath(); }, QByteArray(),
         [] {
             QString error;
             return EnsureWorkingDatabase(&error) ? QString() : error;
         }},
    };
    WriteAll(TemplateDatabasePath(), QByteArray(20000, 't'));
    ASSERT_TRUE(QDir().mkpath(QFileInfo(WorkingDatabasePath()).path()));

    for (const Writer& writer : writers) {
        SCOPED_TRACE(writer.name);
        const QString target = writer.target();
        if (!writer.earlier.isEmpty())
            WriteAll(target, writer.earlier);
        const QStringList folder = QDir(QFileInfo(target).path()).entryList(QDir::Files);
        for (const qint64 fullAfter : {qint64(0), qint64(10), testing_seams::FillingDisk::AtSync}) {
            SCOPED_TRACE(fullAfter);
            QString error;
            {
                testing_seams::FillingDisk disk(fullAfter);
                error = writer.write();
            }
            EXPECT_TRUE(error.section(QLatin1Char('\n'), 0, 0).contains(QStringLiteral("ディスクの空き容量が足り")))
                << error.toStdString();
            EXPECT_TRUE(error.contains(QDir::toNativeSeparators(target))) << error.toStdString();
            EXPECT_EQ(ReadAll(target), writer.earlier);
            EXPECT_EQ(QFile::exists(target), !writer.earlier.isEmpty());
            EXPECT_EQ(QDir(QFileInfo(target).path()).entryList(QDir::Files), folder);
        }
        const QString error = writer.write();
        EXPECT_TRUE(error.isEmpty()) << error.toStdString();
        EXPECT_NE(ReadAll(target), writer.earlier);
    }
    EXPECT_EQ(ReadAll(WorkingDatabasePath()), ReadAll(TemplateDatabasePath()));
}
