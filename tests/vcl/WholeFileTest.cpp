// What the one writer of files writes over and what it leaves in the folder;
// the folder is synced after every rename.
#include "TestSeams.h"
#include "WholeFile.h"

#include <QDir>
#include <QFile>
#include <functional>
#include <gtest/gtest.h>
#include <iostream>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

using namespace vcl;

namespace {

std::string ReadAll(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll().toStdString() : std::string();
}

void WriteAll(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size()) << path.toStdString();
}

// Notes the rename and the folder's sync.
class StepsToDisk : public DiskChannel {
public:
    StepsToDisk() : previous_(SetDiskChannel(this)) {}
    ~StepsToDisk() override { SetDiskChannel(previous_); }
    int Rename(const QString& from, const QString& to, ExistingTarget existing) const override
    {
        steps_ += " rename";
        return DiskChannel::Rename(from, to, existing);
    }
    int SyncFolder(const QString& folder) const override
    {
        steps_ += " folder";
        return DiskChannel::SyncFolder(folder);
    }
    const std::string& Steps() const { return steps_; }

private:
    mutable std::string steps_;
    const DiskChannel* previous_;
};

} // namespace

TEST(WholeFile, WritesTheFileANameEndsAtAndKeepsWhatItWas)
{
    const QString longAscii(243, QLatin1Char('n'));           // with ".tmp-" and 8 digits past 255 bytes
    const QString longJapanese = QString(85, QChar(0x3042));  // 255 bytes
    int locked = -1;
    struct Row {
        const char* name;
        std::function<void(const QDir&)> before;   // what the folder holds before
        QString written;                           // the name the writer is given
        QString replaced;                          // the file that holds the content afterwards
        QStringList after;                         // the folder afterwards
        std::function<void(const QDir&)> check;
        bool asRoot = false;
    };
    const Row rows[] = {
        {"a chain of links is followed to its end",
         [](const QDir& dir) {
             WriteAll(dir.filePath("real.csv"), "earlier\r\n");
             ASSERT_TRUE(QFile::link("real.csv", dir.filePath("b.csv")) && QFile::link("b.csv", dir.filePath("a.csv")));
         },
         "a.csv", "real.csv", {"a.csv", "b.csv", "real.csv"}, {}},
        {"a name of 243 bytes", [](const QDir&) {}, longAscii, longAscii, {longAscii}, {}},
        {"a name of 255 bytes, cut between characters", [](const QDir&) {}, longJapanese, longJapanese,
         {longJapanese}, {}},
        {"a killed write's file goes, nothing else",
         [&](const QDir& dir) {
             for (const char* name : {"x.csv", "x.csv.tmp-0123abcd", "x.csv.tmp-0123abc", "x.csv.tmp-0123ABCD",
                                      "x.csv.tmp-0123abcd.bak", "y.csv.tmp-0123abcd", "x.csv.tmp-89abcdef"})
                 WriteAll(dir.filePath(name), "earlier\r\n");
             // A write still going on holds its file locked.
             locked = ::open(QFile::encodeName(dir.filePath("x.csv.tmp-89abcdef")).constData(), O_RDONLY);
             ASSERT_EQ(::flock(locked, LOCK_EX), 0);
         },
         "x.csv", "x.csv",
         {"x.csv", "x.csv.tmp-0123ABCD", "x.csv.tmp-0123abc", "x.csv.tmp-0123abcd.bak", "x.csv.tmp-89abcdef",
          "y.csv.tmp-0123abcd"},
         [&](const QDir&) { ::close(locked); }},
        {"the owner, group and mode stay",
         [](const QDir& dir) {
             WriteAll(dir.filePath("Quorvel.ini"), "earlier\r\n");
             ASSERT_EQ(::chown(QFile::encodeName(dir.filePath("Quorvel.ini")).constData(), 4321, 4322), 0);
             ASSERT_EQ(::chmod(QFile::encodeName(dir.filePath("Quorvel.ini")).constData(), 0640), 0);
         },
         "Quorvel.ini", "Quorvel.ini", {"Quorvel.ini"},
         [](const QDir& dir) {
             struct stat file {};
             ASSERT_EQ(::stat(QFile::encodeName(dir.filePath("Quorvel.ini")).constData(), &file), 0);
             EXPECT_EQ(file.st_uid, 4321u);
             EXPECT_EQ(file.st_gid, 4322u);
             EXPECT_EQ(file.st_mode & 0777, 0640u);
         },
         true},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        if (row.asRoot && ::geteuid() != 0) {
            std::cout << "[ SKIPPED  ] row \"" << row.name << "\": only root may give a file to another owner\n";
            continue;
        }
        testing_seams::TempBaseDir base;
        const QDir dir(base.Path());
        row.before(dir);
        StepsToDisk disk;
        const std::optional<TWriteFailure> failure = WriteWholeFile(dir.filePath(row.written), "new content\r\n");
        EXPECT_FALSE(failure) << WriteFailureText(failure.value_or(TWriteFailure{})).toStdString();
        EXPECT_EQ(disk.Steps(), " rename folder");
        EXPECT_EQ(ReadAll(dir.filePath(row.replaced)), "new content\r\n");
        EXPECT_EQ(dir.entryList(QDir::Files | QDir::System, QDir::Name).join(" | ").toStdString(),
                  row.after.join(" | ").toStdString());
        if (row.check)
            row.check(dir);
    }
}
