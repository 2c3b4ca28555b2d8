// What the user reads when the working database fails: a Japanese line by
// the kind of failure, naming the file, and the driver's reason below it.
#include "StoreFixture.h"

#include <QDir>
#include <QFileInfo>
#include <functional>

namespace {

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
    ASSERT_EQ(store->OpenDatabase(), 0) << store->LastError().toStdString();
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
    EXPECT_TRUE(FirstLine(store->LastFailureText())
                    .startsWith(QStringLiteral("ディスクの空き容量が足りないため、%1 に書き込めません。")
                                    .arg(QDir::toNativeSeparators(WorkingDatabasePath()))))
        << store->LastFailureText().toStdString();
}
