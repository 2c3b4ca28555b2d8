// Every file the program writes, on a disk that fills up at the first byte,
// part way, when the bytes are handed to the disk or at the rename, or on a
// quota used up part way: the writer says so in
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
#include <cerrno>
#include <functional>
#include <gtest/gtest.h>

namespace {

constexpr qint64 AtSync = -1;
constexpr qint64 AtRename = -2;

// The first `before` bytes reach the file and the next write fails with
// `error`; a write that reaches the limit part way is cut short and reported
// as a success of fewer bytes, as the system does. With AtSync or AtRename
// every byte is written and that step fails.
struct Fill {
    qint64 before;
    int error;
};

class FillingDisk : public vcl::DiskChannel {
public:
    explicit FillingDisk(Fill fill) : fill_(fill), previous_(vcl::SetDiskChannel(this)) {}
    ~FillingDisk() override { vcl::SetDiskChannel(previous_); }
    vcl::TDiskWrite Write(QFile& file, const char* data, qint64 size) const override
    {
        const qint64 room = fill_.before < 0 ? size : fill_.before - file.size();
        return room > 0 ? DiskChannel::Write(file, data, qMin(size, room)) : vcl::TDiskWrite{0, fill_.error};
    }
    int Sync(QFile& file) const override { return fill_.before == AtSync ? fill_.error : DiskChannel::Sync(file); }
    int Rename(const QString& from, const QString& to, vcl::ExistingTarget existing) const override
    {
        return fill_.before == AtRename ? fill_.error : DiskChannel::Rename(from, to, existing);
    }

private:
    Fill fill_;
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
        // A quota used up is a full disk to the user too.
        for (const Fill fill : {Fill{0, ENOSPC}, Fill{10, ENOSPC}, Fill{AtSync, ENOSPC}, Fill{AtRename, ENOSPC},
                                Fill{10, EDQUOT}}) {
            SCOPED_TRACE(fill.before);
            SCOPED_TRACE(fill.error);
            const QString error = [&] {
                FillingDisk disk(fill);
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
