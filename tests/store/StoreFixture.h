#pragma once
// A working database copied from the generated template into a temporary
// base folder, the data module on it, and a second connection to look at the
// stored rows directly.
#include "TestSeams.h"
#include "WorkingDatabase.h"
#include "uDataBase.h"

#include <QFile>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QVariant>
#include <gtest/gtest.h>

#include <memory>
#include <ostream>

#ifndef QUORVEL_TEMPLATE_DB
#error "the build defines QUORVEL_TEMPLATE_DB"
#endif

// Readable failure messages.
inline void PrintTo(const QString& text, std::ostream* os)
{
    *os << '"' << text.toStdString() << '"';
}
template <int Width>
void PrintTo(const TFixedText<Width>& text, std::ostream* os)
{
    PrintTo(text.text(), os);
}

inline const QString GeneratedTemplatePath = QStringLiteral(QUORVEL_TEMPLATE_DB);

// Runs statements on a database file beside the data module's connection.
class RawDatabase {
public:
    explicit RawDatabase(const QString& path, const QString& name = QStringLiteral("raw"))
        : name_(name)
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), name_);
        db.setDatabaseName(path);
        db.open();
    }
    ~RawDatabase()
    {
        {
            QSqlDatabase db = QSqlDatabase::database(name_, false);
            db.close();
        }
        QSqlDatabase::removeDatabase(name_);
    }
    bool Exec(const QString& sql, const QVariantList& values = {})
    {
        QSqlQuery query(QSqlDatabase::database(name_, false));
        query.prepare(sql);
        for (const QVariant& v : values)
            query.addBindValue(v);
        return query.exec();
    }
    // The first column of the first row, invalid when there is none.
    QVariant Value(const QString& sql, const QVariantList& values = {})
    {
        QSqlQuery query(QSqlDatabase::database(name_, false));
        query.prepare(sql);
        for (const QVariant& v : values)
            query.addBindValue(v);
        if (!query.exec() || !query.next())
            return QVariant();
        return query.value(0);
    }
    int Count(const QString& table) { return Value(QStringLiteral("SELECT COUNT(*) FROM ") + table).toInt(); }

private:
    QString name_;
};

class StoreTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(QFile::copy(GeneratedTemplatePath, TemplateDatabasePath()));
        QString error;
        ASSERT_TRUE(EnsureWorkingDatabase(&error)) << error.toStdString();
        store = std::make_unique<TDataModule1>();
    }
    void TearDown() override { store.reset(); }

    RawDatabase Raw() { return RawDatabase(WorkingDatabasePath()); }

    testing_seams::TempBaseDir base;
    std::unique_ptr<TDataModule1> store;
};
