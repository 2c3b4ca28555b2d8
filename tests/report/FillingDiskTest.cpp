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

constexpr qint64 AtSync = -1;

// The first `bytesBeforeFull` bytes reach the file, or with AtSync all of them and the sync fails.
class FillingDisk : public vcl::DiskChannel {
public:
    explicit FillingDisk(qint64 bytesBeforeFull) : before_(bytesBeforeFull), previous_(vcl::SetDiskChannel(this)) {}
    ~FillingDisk() override { vcl::SetDiskChannel(previous_); }
    std::optional<vcl::TDiskProblem> Write(QFile& file, const QByteArray& bytes) const override
    {
        if (before_ == AtSync)
            return DiskChannel::Write(file, bytes);
        DiskChannel::Write(file, bytes.left(before_));
        return Full;
    }
    std::optional<vcl::TDiskProblem> Sync(QFile& file) const override
    {
        return before_ == AtSync ? std::optional(Full) : DiskChannel::Sync(file);
    }

private:
    const vcl::TDiskProblem Full{vcl::WriteFailureKind::DiskFull, QStringLiteral("No space left on device")};
    qint64 before_;
    const vcl::DiskChannel* previous_;
};

QByteArray ReadAll(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

void WriteAll(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size());
}

} // namespace

TEST(FillingDisk, EveryWriterLeavesTheEarlierFileAndSaysWhatToDo)
{
    testing_seams::TempBaseDir base;
    struct Writer {
        QString target;
        QByteArray earlier;                 // empty: no file before
        std::function<QString()> write;     // the failure text, empty when written
    };
    const QString csv = base.FilePath("export.csv");
    const QString pdf = base.FilePath("report.pdf");
    const Writer writers[] = {
        {vcl::SettingsFilePath(), "[DEBUG]\r\nCSV_RANGE=90\r\n[6_1_1]\r\nUPPER_LIMIT=2\r\n", [] {
             TDataModule1 store;
             return store.WriteRangeLimits(5, 1, 1, 17.5, 7.25) == 0 ? QString() : store.LastFailureText();
         }},
        {csv, "an earlier export\r\n", [&csv, error = QString()]() mutable {
             const auto flat = [](int, const TParamBlock&) { return 1.0; };
             return WriteCsvReport(TCsvInput{}, flat, csv, &error) ? QString() : error;
         }},
        {pdf, "%PDF an earlier report", [&pdf, error = QString()]() mutable {
             return TQuickReport1().PrintToPdf(report_test::CaseInput({2, 1, 1, 0}), pdf, &error) ? QString() : error;
         }},
        {WorkingDatabasePath(), QByteArray(), [error = QString()]() mutable {
             return EnsureWorkingDatabase(&error) ? QString() : error;
         }},
    };
    WriteAll(TemplateDatabasePath(), QByteArray(20000, 't'));
    ASSERT_TRUE(QDir().mkpath(QFileInfo(WorkingDatabasePath()).path()));

    for (const Writer& writer : writers) {
        SCOPED_TRACE(writer.target.toStdString());
        if (!writer.earlier.isEmpty())
            WriteAll(writer.target, writer.earlier);
        const QStringList folder = QDir(QFileInfo(writer.target).path()).entryList(QDir::Files);
        for (const qint64 fullAfter : {qint64(0), qint64(10), AtSync}) {
            SCOPED_TRACE(fullAfter);
            const QString error = [&] {
                FillingDisk disk(fullAfter);
                return writer.write();
            }();
            EXPECT_TRUE(error.section(QLatin1Char('\n'), 0, 0).contains(QStringLiteral("ディスクの空き容量が足り")))
                << error.toStdString();
            EXPECT_TRUE(error.contains(QDir::toNativeSeparators(writer.target))) << error.toStdString();
            EXPECT_EQ(ReadAll(writer.target), writer.earlier);
            EXPECT_EQ(QDir(QFileInfo(writer.target).path()).entryList(QDir::Files), folder);
        }
        EXPECT_EQ(writer.write(), QString());
        EXPECT_NE(ReadAll(writer.target), writer.earlier);
    }
    EXPECT_EQ(ReadAll(WorkingDatabasePath()), ReadAll(TemplateDatabasePath()));
}
