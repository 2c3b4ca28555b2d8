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

QString ErrorText(const QSqlError& error)
{
    const QString text = error.text().trimmed();
    return text.isEmpty() ? QStringLiteral("不明なエラー") : text;
}

// Opened as a URI with mode=rw, SQLite refuses a missing file instead of
// creating an empty one in its place.
QString ReadWriteUri(const QString& path)
{
    return QUrl::fromLocalFile(QFileInfo(path).absoluteFilePath()).toString(QUrl::FullyEncoded)
           + QStringLiteral("?mode=rw");
}

// Why the database cannot serve as the case store, or an empty text.
QString SchemaProblem(const QSqlDatabase& db)
{
    for (const CaseTable table : AllCaseTables) {
        const QString name = TableName(table);
        QSqlQuery query(db);
        if (!query.exec(QStringLiteral("PRAGMA table_info(%1)").arg(name)))
            return ErrorText(query.lastError());
        QStringList found;
        while (query.next())
            found.append(query.value(1).toString());
        if (found.isEmpty())
            return QStringLiteral("テーブル %1 がありません").arg(name);
        const std::span<const TColumn> expected = TableColumns(table);
        for (size_t i = 0; i < expected.size(); ++i) {
            const QString want = QString::fromLatin1(expected[i].name);
            const QString have = i < static_cast<size_t>(found.size()) ? found[static_cast<qsizetype>(i)] : QString();
            if (have.compare(want, Qt::CaseInsensitive) != 0)
                return QStringLiteral("テーブル %1 の %2 列目が %3 ではありません").arg(name).arg(i + 1).arg(want);
        }
        if (found.size() != static_cast<qsizetype>(expected.size()))
            return QStringLiteral("テーブル %1 の列数が %2 ではありません").arg(name).arg(expected.size());
    }
    return QString();
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

bool TDataModule1::Fail(Component component, const QString& text)
{
    const QString name = component == Component::Database ? QStringLiteral("Database1") : QStringLiteral("Query1");
    lastError_ = QStringLiteral("%1: %2").arg(name, text);
    return false;
}

bool TDataModule1::BeginOperation()
{
    lastError_.clear();
    return Open();
}

bool TDataModule1::Open()
{
    QSqlDatabase db = QSqlDatabase::database(ConnectionName, false);
    if (db.isOpen())
        return true;
    if (!db.isValid())
        return Fail(Component::Database, QStringLiteral("SQLite ドライバがありません"));
    const QString path = WorkingDatabasePath();
    if (!QFileInfo(path).isFile())
        return Fail(Component::Database,
                    QStringLiteral("データベースファイル %1 がありません").arg(QDir::toNativeSeparators(path)));
    db.setConnectOptions(QStringLiteral("QSQLITE_OPEN_URI"));
    db.setDatabaseName(ReadWriteUri(path));
    if (!db.open())
        return Fail(Component::Database, ErrorText(db.lastError()));
    const QString problem = SchemaProblem(db);
    if (!problem.isEmpty()) {
        db.close();
        return Fail(Component::Database, QStringLiteral("%1 (%2)").arg(problem, QDir::toNativeSeparators(path)));
    }
    return true;
}

QSqlQuery TDataModule1::NewQuery() const
{
    return QSqlQuery(QSqlDatabase::database(ConnectionName, false));
}

bool TDataModule1::Exec(const QString& sql, const QVariantList& values)
{
    QSqlQuery query = NewQuery();
    if (!query.prepare(sql))
        return Fail(Component::Query, ErrorText(query.lastError()));
    for (const QVariant& value : values)
        query.addBindValue(value);
    if (!query.exec())
        return Fail(Component::Query, ErrorText(query.lastError()));
    return true;
}

bool TDataModule1::RunSelect(QSqlQuery& query, const QString& sql, const QVariantList& values, int minimumColumns)
{
    query.setForwardOnly(true);
    if (!query.prepare(sql))
        return Fail(Component::Query, ErrorText(query.lastError()));
    for (const QVariant& value : values)
        query.addBindValue(value);
    if (!query.exec())
        return Fail(Component::Query, ErrorText(query.lastError()));
    // Rows are read by position: a statement with too few columns is refused
    // rather than read into the wrong fields.
    if (query.record().count() < minimumColumns)
        return Fail(Component::Query, QStringLiteral("結果の列が %1 列に足りません").arg(minimumColumns));
    return true;
}

bool TDataModule1::FinishSelect(QSqlQuery& query)
{
    // next() returns false both at the end and on an error.
    const QSqlError error = query.lastError();
    query.finish();
    if (error.isValid())
        return Fail(Component::Query, ErrorText(error));
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
    return Fail(Component::Query,
                QStringLiteral("%1.%2 に数値でない値 (NaN/無限大) は保存できません").arg(TableName(table), badColumn));
}

bool TDataModule1::InsertRow(CaseTable table, const QVariantList& values)
{
    return CheckFinite(table, values) && Exec(InsertStatement(table), values);
}

int TDataModule1::WriteRangeLimits(int kubun, int drug, int product, double upper, double lower)
{
    lastError_.clear();
    return ::WriteRangeLimits(kubun, drug, product, upper, lower, &lastError_) ? 0 : -1;
}
