// The data module's connection and the statement runner every operation uses.
#include "uDataBase.h"

#include "WorkingDatabase.h"

#include <QDir>
#include <QFileInfo>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlRecord>
#include <QUrl>

TDataModule1* DataModule1 = nullptr;

const QString TDataModule1::ConnectionName = QStringLiteral("tdm_ds");

namespace {

// The driver's text without its own suffix ("Unable to execute statement"),
// which would run on after SQLite's reason.
QString ErrorText(const QSqlError& error)
{
    QString text = error.databaseText().trimmed();
    if (text.isEmpty())
        text = error.driverText().trimmed();
    return text.isEmpty() ? QStringLiteral("不明なエラー") : text;
}

QString NativeWorkingPath()
{
    return QDir::toNativeSeparators(QFileInfo(WorkingDatabasePath()).absoluteFilePath());
}

// Opened as a URI with mode=rw, SQLite refuses a missing file instead of
// creating an empty one in its place.
QString ReadWriteUri(const QString& path)
{
    return QUrl::fromLocalFile(QFileInfo(path).absoluteFilePath()).toString(QUrl::FullyEncoded)
           + QStringLiteral("?mode=rw");
}

} // namespace

TDataModule1::TDataModule1()
{
    QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), ConnectionName);
}

TDataModule1::~TDataModule1()
{
    {
        QSqlDatabase db = QSqlDatabase::database(ConnectionName, false);
        if (db.isOpen())
            db.close();
    }
    QSqlDatabase::removeDatabase(ConnectionName);
}

bool TDataModule1::Fail(Component component, StoreFailureKind kind, const QString& text)
{
    const QString name = component == Component::Database ? QStringLiteral("Database1") : QStringLiteral("Query1");
    failure_ = {kind, QStringLiteral("%1: %2").arg(name, text), NativeWorkingPath()};
    return false;
}

bool TDataModule1::Fail(Component component, const QSqlError& error)
{
    return Fail(component, StoreFailureKindOf(error), ErrorText(error));
}

bool TDataModule1::BeginOperation()
{
    failure_ = TStoreFailure{};
    return Open();
}

int TDataModule1::OpenDatabase()
{
    return BeginOperation() && ProbeWrite() ? 0 : -1;
}

bool TDataModule1::Open()
{
    QSqlDatabase db = QSqlDatabase::database(ConnectionName, false);
    if (db.isOpen())
        return true;
    if (!db.isValid())
        return Fail(Component::Database, StoreFailureKind::CannotOpen, QStringLiteral("SQLite ドライバがありません"));
    const QString path = WorkingDatabasePath();
    if (!QFileInfo(path).isFile())
        return Fail(Component::Database, StoreFailureKind::CannotOpen,
                    QStringLiteral("データベースファイル %1 がありません").arg(QDir::toNativeSeparators(path)));
    db.setConnectOptions(QStringLiteral("QSQLITE_OPEN_URI;QSQLITE_BUSY_TIMEOUT=%1").arg(BusyTimeoutMs));
    db.setDatabaseName(ReadWriteUri(path));
    if (!db.open())
        return Fail(Component::Database, db.lastError());
    if (!CheckTables()) {
        db.close();
        return false;
    }
    return true;
}

// Whether the database can serve as the case store: the four tables with
// their columns in the records' order.
bool TDataModule1::CheckTables()
{
    const QSqlDatabase db = QSqlDatabase::database(ConnectionName, false);
    auto notOurs = [&](const QString& problem) {
        return Fail(Component::Database, StoreFailureKind::NotCaseDatabase, problem);
    };
    for (const CaseTable table : AllCaseTables) {
        const QString name = TableName(table);
        QSqlQuery query(db);
        if (!query.exec(QStringLiteral("PRAGMA table_info(%1)").arg(name)))
            return Fail(Component::Database, query.lastError());
        QStringList found;
        while (query.next())
            found.append(query.value(1).toString());
        if (found.isEmpty())
            return notOurs(QStringLiteral("テーブル %1 がありません").arg(name));
        const std::span<const TColumn> expected = TableColumns(table);
        for (size_t i = 0; i < expected.size(); ++i) {
            const QString want = QString::fromLatin1(expected[i].name);
            const QString have = i < static_cast<size_t>(found.size()) ? found[static_cast<qsizetype>(i)] : QString();
            if (have.compare(want, Qt::CaseInsensitive) != 0)
                return notOurs(QStringLiteral("テーブル %1 の %2 列目が %3 ではありません").arg(name).arg(i + 1).arg(want));
        }
        if (found.size() != static_cast<qsizetype>(expected.size()))
            return notOurs(QStringLiteral("テーブル %1 の列数が %2 ではありません").arg(name).arg(expected.size()));
    }
    return true;
}

// SQLite opens a write-protected file read-only without a word, and a
// write-protected folder only shows when the first change needs its journal:
// rewriting the header's user version inside a transaction that is rolled
// back finds both before any save is lost.
bool TDataModule1::ProbeWrite()
{
    QSqlQuery query(QSqlDatabase::database(ConnectionName, false));
    if (!query.exec(QStringLiteral("PRAGMA user_version")) || !query.next())
        return Fail(Component::Database, query.lastError());
    const int version = query.value(0).toInt();
    query.finish();
    if (!RunTransactionStatement(QStringLiteral("BEGIN IMMEDIATE")))
        return false;
    const bool written = query.exec(QStringLiteral("PRAGMA user_version = %1").arg(version));
    const QSqlError error = query.lastError();
    query.exec(QStringLiteral("ROLLBACK"));
    if (written)
        return true;
    // A journal that cannot be made is a folder that cannot be written to,
    // unless the disk told why.
    StoreFailureKind kind = StoreFailureKindOf(error);
    if (kind != StoreFailureKind::InUse && kind != StoreFailureKind::DiskFull && kind != StoreFailureKind::IoError)
        kind = StoreFailureKind::ReadOnly;
    return Fail(Component::Database, kind, ErrorText(error));
}

QSqlQuery TDataModule1::NewQuery() const
{
    return QSqlQuery(QSqlDatabase::database(ConnectionName, false));
}

// Qt's transaction calls report a failure without SQLite's result code,
// which tells its kind (a commit on a full disk is told as a full disk):
// BEGIN and COMMIT run as statements, whose errors carry the code.
bool TDataModule1::RunTransactionStatement(const QString& sql)
{
    QSqlQuery query = NewQuery();
    if (!query.exec(sql))
        return Fail(Component::Database, query.lastError());
    return true;
}

bool TDataModule1::Exec(const QString& sql, const QVariantList& values)
{
    QSqlQuery query = NewQuery();
    if (!query.prepare(sql))
        return Fail(Component::Query, query.lastError());
    for (const QVariant& value : values)
        query.addBindValue(value);
    if (!query.exec())
        return Fail(Component::Query, query.lastError());
    return true;
}

bool TDataModule1::RunSelect(QSqlQuery& query, const QString& sql, const QVariantList& values, int minimumColumns)
{
    query.setForwardOnly(true);
    if (!query.prepare(sql))
        return Fail(Component::Query, query.lastError());
    for (const QVariant& value : values)
        query.addBindValue(value);
    if (!query.exec())
        return Fail(Component::Query, query.lastError());
    // Rows are read by position: a statement with too few columns is refused
    // rather than read into the wrong fields.
    if (query.record().count() < minimumColumns)
        return Fail(Component::Query, StoreFailureKind::Failed,
                    QStringLiteral("結果の列が %1 列に足りません").arg(minimumColumns));
    return true;
}

bool TDataModule1::FinishSelect(QSqlQuery& query)
{
    // next() returns false both at the end and on an error.
    const QSqlError error = query.lastError();
    query.finish();
    if (error.isValid())
        return Fail(Component::Query, error);
    return true;
}

int TDataModule1::Count(const QString& sql, const QVariantList& values)
{
    QSqlQuery query = NewQuery();
    if (!RunSelect(query, sql, values, 1))
        return -1;
    const int count = query.next() ? query.value(0).toInt() : 0;
    if (!FinishSelect(query))
        return -1;
    return count;
}

bool TDataModule1::CheckFinite(CaseTable table, const QVariantList& values)
{
    // SQLite would store a NaN as NULL and an infinity as text.
    const QString badColumn = FirstNonFiniteColumn(table, values);
    if (badColumn.isEmpty())
        return true;
    return Fail(Component::Query, StoreFailureKind::Failed,
                QStringLiteral("%1.%2 に数値でない値 (NaN/無限大) は保存できません").arg(TableName(table), badColumn));
}

bool TDataModule1::InsertRow(CaseTable table, const QVariantList& values)
{
    return CheckFinite(table, values) && Exec(InsertStatement(table), values);
}

int TDataModule1::WriteRangeLimits(int kubun, int drug, int product, double upper, double lower)
{
    failure_ = TStoreFailure{};
    vcl::TWriteFailure failure;
    if (::WriteRangeLimits(kubun, drug, product, upper, lower, &failure))
        return 0;
    failure_ = {SettingsFailureKind(failure.Kind), QStringLiteral("%1: %2").arg(failure.FileName, failure.Reason),
                failure.FileName};
    return -1;
}
