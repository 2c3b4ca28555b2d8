// Build-time tool: creates the template case database from the schema file.
//   make_template_db <schema.sql> <output file>
// The output is written under a temporary name and renamed at the end, so a
// failed run never leaves a half-made template behind.
#include <QCoreApplication>
#include <QFile>
#include <QRegularExpression>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QStringList>

#include <cstdio>

namespace {

int Fail(const QString& text)
{
    std::fprintf(stderr, "make_template_db: %s\n", qPrintable(text));
    return 1;
}

// The statements of the schema: "--" comments removed, split at ";".
QStringList Statements(const QString& schema)
{
    QString text = schema;
    text.remove(QRegularExpression(QStringLiteral("--[^\n]*")));
    QStringList statements;
    for (const QString& part : text.split(QLatin1Char(';'))) {
        const QString statement = part.trimmed();
        if (!statement.isEmpty())
            statements.append(statement);
    }
    return statements;
}

int Build(const QString& schemaPath, const QString& outputPath)
{
    QFile schemaFile(schemaPath);
    if (!schemaFile.open(QIODevice::ReadOnly))
        return Fail(schemaPath + QStringLiteral(": ") + schemaFile.errorString());
    const QStringList statements = Statements(QString::fromUtf8(schemaFile.readAll()));
    if (statements.isEmpty())
        return Fail(schemaPath + QStringLiteral(": no statements"));

    const QString temporary = outputPath + QStringLiteral(".tmp");
    QFile::remove(temporary);
    QString error;
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("template"));
        db.setDatabaseName(temporary);
        if (!db.open()) {
            error = db.lastError().text();
        } else {
            QSqlQuery query(db);
            for (const QString& statement : statements) {
                if (!query.exec(statement)) {
                    error = statement.section(QLatin1Char('\n'), 0, 0) + QStringLiteral(": ") + query.lastError().text();
                    break;
                }
            }
            query.finish();
            db.close();
        }
    }
    QSqlDatabase::removeDatabase(QStringLiteral("template"));
    if (!error.isEmpty()) {
        QFile::remove(temporary);
        return Fail(error);
    }
    QFile::remove(outputPath);
    if (!QFile::rename(temporary, outputPath))
        return Fail(outputPath + QStringLiteral(": cannot be written"));
    return 0;
}

} // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    const QStringList args = app.arguments();
    if (args.size() != 3)
        return Fail(QStringLiteral("usage: make_template_db <schema.sql> <output file>"));
    return Build(args[1], args[2]);
}
