// What the user reads when the working database fails: a Japanese line by
// the kind of failure, naming the file, and the driver's reason below it.
#include "StoreFixture.h"

#include <QDir>
#include <QFileInfo>
#include <functional>
#include <sqlite3.h>

namespace {

// A disk with no room left for the database file to grow: while it is full,
// a write that would make the main database file longer fails as a full disk
// does, while the journal and the pages written over go to the disk. A
// transaction's statements run in the page cache, so its failure comes at the
// commit, when the new pages go to the file. While it lives, every connection
// opened goes through it.
class DatabaseCannotGrow {
public:
    DatabaseCannotGrow()
    {
        if (!realVfs) {
            realVfs = sqlite3_vfs_find(nullptr);
            vfs = *realVfs;
            vfs.zName = "database-cannot-grow";
            vfs.xOpen = &Open;
        }
        sqlite3_vfs_register(&vfs, 1);
    }
    ~DatabaseCannotGrow()
    {
        full = false;
        sqlite3_vfs_register(realVfs, 1);
    }
    void SetFull(bool on) { full = on; }

private:
    static int Write(sqlite3_file* file, const void* data, int amount, sqlite3_int64 offset)
    {
        sqlite3_int64 size = 0;
        if (full && realMethods->xFileSize(file, &size) == SQLITE_OK && offset + amount > size)
            return SQLITE_FULL;
        return realMethods->xWrite(file, data, amount, offset);
    }
    static int Open(sqlite3_vfs*, const char* name, sqlite3_file* file, int flags, int* outFlags)
    {
        const int result = realVfs->xOpen(realVfs, name, file, flags, outFlags);
        if (result == SQLITE_OK && (flags & SQLITE_OPEN_MAIN_DB) && file->pMethods) {
            realMethods = file->pMethods;
            methods = *realMethods;
            methods.xWrite = &Write;
            file->pMethods = &methods;
        }
        return result;
    }

    // A connection may outlive the object: what it reaches is never freed.
    static inline sqlite3_vfs* realVfs = nullptr;
    static inline sqlite3_vfs vfs{};
    static inline const sqlite3_io_methods* realMethods = nullptr;
    static inline sqlite3_io_methods methods{};
    static inline bool full = false;
};

QString FirstLine(const QString& text)
{
    return text.section(QLatin1Char('\n'), 0, 0);
}

QString SecondLine(const QString& text)
{
    return text.section(QLatin1Char('\n'), 1);
}

void WriteJunk(const QString& path)
{
    QFile junk(path);
    ASSERT_TRUE(junk.open(QIODevice::WriteOnly));
    junk.write(QByteArray(4096, 'x'));
}

} // namespace

TEST(StoreFailure, EveryKindIsAJapaneseLineNamingTheFileAboveTheReason)
{
    struct Case {
        const char* name;
        std::function<void()> spoil;   // what goes wrong with the working file before the start-up check
        StoreFailureKind kind;
        const char16_t* firstLine;     // a part of the Japanese line
        const char* reason;            // the technical line, whole or its start
    };
    const QString folder = QStringLiteral("MDB");
    const Case cases[] = {
        {"missing", [] { QFile::remove(WorkingDatabasePath()); }, StoreFailureKind::CannotOpen, u"を開けません",
         "Database1: データベースファイル "},
        {"not a database", [] { QFile::remove(WorkingDatabasePath()); WriteJunk(WorkingDatabasePath()); },
         StoreFailureKind::NotCaseDatabase, u"はこのプログラムのデータベースではありません",
         "Database1: file is not a database"},
        {"no case tables",
         [] {
             RawDatabase raw(WorkingDatabasePath());
             raw.Exec(QStringLiteral("DROP TABLE touyo"));
         },
         StoreFailureKind::NotCaseDatabase, u"はこのプログラムのデータベースではありません",
         "Database1: テーブル touyo がありません"},
        {"write-protected file",
         [] { testing_seams::SetWriteProtection(WorkingDatabasePath(), testing_seams::Protection::ReadOnly); },
         StoreFailureKind::ReadOnly, u"に書き込めません", "Database1: attempt to write a readonly database"},
        {"write-protected folder",
         [] {
             testing_seams::SetWriteProtection(QFileInfo(WorkingDatabasePath()).path(),
                                               testing_seams::Protection::ReadOnly);
         },
         StoreFailureKind::ReadOnly, u"に書き込めません", "Database1: attempt to write a readonly database"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        testing_seams::TempBaseDir base;
        ASSERT_TRUE(QFile::copy(GeneratedTemplatePath, TemplateDatabasePath()));
        ASSERT_TRUE(EnsureWorkingDatabase());
        c.spoil();
        {
            testing_seams::FilePermissionsEnforced enforced;
            TDataModule1 store;
            EXPECT_EQ(store.OpenDatabase(), -1);
            EXPECT_EQ(store.LastFailure().Kind, c.kind);
            const QString text = store.LastFailureText();
            EXPECT_TRUE(FirstLine(text).contains(QString::fromUtf16(c.firstLine))) << text.toStdString();
            EXPECT_TRUE(FirstLine(text).contains(QDir::toNativeSeparators(WorkingDatabasePath())))
                << text.toStdString();
            EXPECT_TRUE(SecondLine(text).startsWith(QString::fromUtf8(c.reason))) << text.toStdString();
            EXPECT_EQ(SecondLine(text), store.LastError());
        }
        for (const QString& path : {WorkingDatabasePath(), QFileInfo(WorkingDatabasePath()).path()})
            testing_seams::SetWriteProtection(path, testing_seams::Protection::Writable);
    }
}

TEST_F(StoreTest, ALockHeldByAnotherProgramIsWaitedForBrieflyThenReportedAsInUse)
{
    ASSERT_EQ(store->OpenDatabase(), 0) << store->LastError().toStdString();
    QSqlQuery own(QSqlDatabase::database(TDataModule1::ConnectionName));
    ASSERT_TRUE(own.exec(QStringLiteral("PRAGMA busy_timeout")) && own.next());
    EXPECT_EQ(own.value(0).toInt(), TDataModule1::BusyTimeoutMs);
    EXPECT_LE(TDataModule1::BusyTimeoutMs, 5000);
    // The test does not wait out the timeout.
    ASSERT_TRUE(own.exec(QStringLiteral("PRAGMA busy_timeout = 0")));
    own.finish();

    RawDatabase other = Raw();
    ASSERT_TRUE(other.Exec(QStringLiteral("BEGIN EXCLUSIVE")));
    EXPECT_EQ(store->CountPatient(QStringLiteral("x")), -1);
    EXPECT_EQ(store->LastFailure().Kind, StoreFailureKind::InUse);
    const QString text = store->LastFailureText();
    EXPECT_TRUE(FirstLine(text).contains(QStringLiteral("他のプログラムが使用中です"))) << text.toStdString();
    EXPECT_EQ(SecondLine(text), QStringLiteral("Query1: database is locked"));
    ASSERT_TRUE(other.Exec(QStringLiteral("ROLLBACK")));

    EXPECT_EQ(store->CountPatient(QStringLiteral("x")), 0);
    EXPECT_EQ(store->LastFailure().Kind, StoreFailureKind::None);
    EXPECT_TRUE(store->LastFailureText().isEmpty());
}

// A full disk says so and what to do, not "try again".
TEST_F(StoreTest, AFullDiskTellsTheCauseAndWhatToDo)
{
    const QString diskFull = QStringLiteral("ディスクの空き容量が足りないため、%1 に書き込めません。")
                                 .arg(QDir::toNativeSeparators(WorkingDatabasePath()));
    DatabaseCannotGrow disk;
    ASSERT_EQ(store->OpenDatabase(), 0) << store->LastError().toStdString();
    // The Analyse command's store fails at its commit; nothing of it is kept.
    TAnalysisRecord stored = ResetAnalysisRecord();
    stored.patient_id = QStringLiteral("20260105093000");
    std::array<std::vector<TPrescription>, ScheduleSetCount> sets;
    std::vector<TSamplingRecord> samplings;
    ASSERT_EQ(store->SaveAnalysisWithSchedule(stored, sets, 0, samplings), 0) << store->LastError().toStdString();
    TAnalysisRecord changed = stored;
    changed.comment = QString(400, QChar(u'所'));
    TPrescription filled;   // real numbers take room: the rows need new pages
    filled.touyo_start_time = filled.touyo_time = filled.touyo_dose = filled.touyo_drip_time = 46027.123;
    sets.fill(std::vector<TPrescription>(24, filled));
    disk.SetFull(true);
    EXPECT_EQ(store->SaveAnalysisWithSchedule(changed, sets, ScheduleSetCount - 1, samplings), -1);
    disk.SetFull(false);
    EXPECT_EQ(store->LastFailure().Kind, StoreFailureKind::DiskFull);
    EXPECT_TRUE(store->LastError().startsWith(QStringLiteral("Database1: "))) << "the commit failed";
    EXPECT_TRUE(FirstLine(store->LastFailureText()).startsWith(diskFull)) << store->LastFailureText().toStdString();
    EXPECT_EQ(Raw().Count("touyo"), 0);

    QSqlQuery own(QSqlDatabase::database(TDataModule1::ConnectionName));
    // A database that may not grow gets SQLite's answer for a full disk.
    ASSERT_TRUE(own.exec(QStringLiteral("PRAGMA page_count")) && own.next());
    ASSERT_TRUE(own.exec(QStringLiteral("PRAGMA max_page_count = %1").arg(own.value(0).toInt())));
    TAnalysisRecord analysis = ResetAnalysisRecord();
    analysis.comment = QString(400, QChar(u'所'));
    int result = 0;
    for (analysis.kaiseki_id = 0; analysis.kaiseki_id < 100 && result == 0; ++analysis.kaiseki_id)
        result = store->SaveAnalysis(analysis);
    ASSERT_EQ(result, -1);
    EXPECT_EQ(store->LastFailure().Kind, StoreFailureKind::DiskFull);
    EXPECT_TRUE(FirstLine(store->LastFailureText()).startsWith(diskFull)) << store->LastFailureText().toStdString();
}
