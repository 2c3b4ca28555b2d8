#include "CaseColumns.h"
#include "StoreFixture.h"
#include "WholeFile.h"

#include <QDir>
#include <QFileInfo>
#include <QRegularExpression>
#include <cerrno>
#include <utility>

namespace {

QString DeclaredType(const TColumn& column)
{
    switch (column.kind) {
    case ColumnKind::Integer: return QStringLiteral("INTEGER");
    case ColumnKind::Real: return QStringLiteral("DOUBLE PRECISION");
    case ColumnKind::Text: return QStringLiteral("VARCHAR(%1)").arg(column.textLength);
    }
    return QString();
}

QByteArray ReadAll(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// Another start puts its working database in place while this one copies the template.
class AnotherStartMeanwhile : public vcl::DiskChannel {
public:
    explicit AnotherStartMeanwhile(QByteArray database)
        : database_(std::move(database)), previous_(vcl::SetDiskChannel(this)) {}
    ~AnotherStartMeanwhile() override { vcl::SetDiskChannel(previous_); }
    int Rename(const QString& from, const QString& to, vcl::ExistingTarget existing) const override
    {
        QFile other(to);
        if (!other.open(QIODevice::WriteOnly | QIODevice::NewOnly) || other.write(database_) != database_.size())
            return EIO;
        other.close();
        return DiskChannel::Rename(from, to, existing);
    }

private:
    QByteArray database_;
    const vcl::DiskChannel* previous_;
};

} // namespace

// The store reads rows by position: the generated template must hold the
// columns in exactly the records' order, with the records' types.
TEST(TemplateDatabase, HoldsTheFourTablesColumnByColumn)
{
    testing_seams::TempBaseDir base;
    const QString copy = base.FilePath(QStringLiteral("inspect.dat"));
    ASSERT_TRUE(QFile::copy(GeneratedTemplatePath, copy)) << "the build generates the template";
    RawDatabase raw(copy);

    const QStringList expectedTables{"kaiseki", "patient", "saiketu", "touyo"};
    QStringList tables;
    QSqlQuery list(QSqlDatabase::database(QStringLiteral("raw")));
    list.exec(QStringLiteral("SELECT name FROM sqlite_master WHERE type = 'table' ORDER BY name"));
    while (list.next())
        tables.append(list.value(0).toString());
    EXPECT_EQ(tables, expectedTables);

    for (const CaseTable table : AllCaseTables) {
        const QString name = TableName(table);
        QSqlQuery info(QSqlDatabase::database(QStringLiteral("raw")));
        ASSERT_TRUE(info.exec(QStringLiteral("PRAGMA table_info(%1)").arg(name)));
        size_t i = 0;
        const auto columns = TableColumns(table);
        while (info.next()) {
            ASSERT_LT(i, columns.size()) << name.toStdString();
            EXPECT_EQ(info.value(1).toString(), QString::fromLatin1(columns[i].name)) << name.toStdString() << " " << i;
            EXPECT_EQ(info.value(2).toString(), DeclaredType(columns[i])) << columns[i].name;
            ++i;
        }
        EXPECT_EQ(i, columns.size()) << name.toStdString();
    }
    EXPECT_EQ(TableColumns(CaseTable::Analysis)[25].name, QStringLiteral("bosyudan_ka"));
    EXPECT_EQ(TableColumns(CaseTable::Analysis)[38].name, QStringLiteral("bosyudan_ka_vari"));
    EXPECT_EQ(TableColumns(CaseTable::Analysis)[64].name, QStringLiteral("kaiseki_ka_vari"));

    // The identifying columns are unique.
    EXPECT_TRUE(raw.Exec("INSERT INTO touyo (patient_id, analysis_id, result_id, touyo_id) VALUES ('p', 0, 1, 0)"));
    EXPECT_TRUE(raw.Exec("INSERT INTO touyo (patient_id, analysis_id, result_id, touyo_id) VALUES ('p', 0, 2, 0)"));
    EXPECT_FALSE(raw.Exec("INSERT INTO touyo (patient_id, analysis_id, result_id, touyo_id) VALUES ('p', 0, 1, 0)"));
    EXPECT_TRUE(raw.Exec("INSERT INTO patient (patient_id_t) VALUES ('20260101120000')"));
    EXPECT_FALSE(raw.Exec("INSERT INTO patient (patient_id_t) VALUES ('20260101120000')"));
    EXPECT_TRUE(raw.Exec("INSERT INTO kaiseki (patient_id, kaiseki_id) VALUES ('p', 0)"));
    EXPECT_FALSE(raw.Exec("INSERT INTO kaiseki (patient_id, kaiseki_id) VALUES ('p', 0)"));
    EXPECT_TRUE(raw.Exec("INSERT INTO saiketu (patient_id, analysis_id, saiketu_id) VALUES ('p', 0, 0)"));
    EXPECT_FALSE(raw.Exec("INSERT INTO saiketu (patient_id, analysis_id, saiketu_id) VALUES ('p', 0, 0)"));
}

TEST(WorkingDatabase, FirstStartCopiesTheTemplateAndLaterStartsKeepTheFile)
{
    testing_seams::TempBaseDir base;
    ASSERT_TRUE(QFile::copy(GeneratedTemplatePath, TemplateDatabasePath()));
    // An installed template may be read-only; the working copy must be writable.
    QFile::setPermissions(TemplateDatabasePath(), QFileDevice::ReadOwner | QFileDevice::ReadUser);

    QString error = QStringLiteral("stale");
    ASSERT_TRUE(EnsureWorkingDatabase(&error));
    EXPECT_TRUE(error.isEmpty());
    EXPECT_EQ(WorkingDatabasePath(), base.Path() + QStringLiteral("/MDB/TDM.mdb"));
    EXPECT_EQ(ReadAll(WorkingDatabasePath()), ReadAll(TemplateDatabasePath()));
    EXPECT_TRUE(QFileInfo(WorkingDatabasePath()).isWritable());

    {
        TDataModule1 store;
        TPatientRecord patient;
        patient.patient_id_t = QStringLiteral("20260101120000");
        EXPECT_EQ(store.SavePatient(patient), 0) << store.LastError().toStdString();
    }
    const QByteArray used = ReadAll(WorkingDatabasePath());
    ASSERT_NE(used, ReadAll(TemplateDatabasePath()));
    // A second start leaves the working file alone, even when it differs.
    EXPECT_TRUE(EnsureWorkingDatabase(&error));
    EXPECT_EQ(ReadAll(WorkingDatabasePath()), used);

    // One that appears while the template is copied is kept and used.
    ASSERT_TRUE(QFile::remove(WorkingDatabasePath()));
    {
        AnotherStartMeanwhile other(used);
        EXPECT_TRUE(EnsureWorkingDatabase(&error));
    }
    EXPECT_TRUE(error.isEmpty()) << error.toStdString();
    EXPECT_EQ(ReadAll(WorkingDatabasePath()), used);
    EXPECT_EQ(QDir(QFileInfo(WorkingDatabasePath()).path()).entryList(QDir::Files), QStringList{"TDM.mdb"});
}

TEST(WorkingDatabase, ReportsAMissingTemplateOrAnUncreatableFolder)
{
    testing_seams::TempBaseDir base;
    QString error;
    EXPECT_FALSE(EnsureWorkingDatabase(&error));
    EXPECT_TRUE(error.contains(QStringLiteral("DataSource.dat")));
    EXPECT_FALSE(QFileInfo::exists(base.FilePath(QStringLiteral("MDB"))));

    ASSERT_TRUE(QFile::copy(GeneratedTemplatePath, TemplateDatabasePath()));
    // A file named like the folder blocks it.
    QFile blocker(base.FilePath(QStringLiteral("MDB")));
    ASSERT_TRUE(blocker.open(QIODevice::WriteOnly));
    blocker.close();
    EXPECT_FALSE(EnsureWorkingDatabase(&error));
    EXPECT_FALSE(error.isEmpty());
}

// Opening must not create an empty database in place of a missing one.
TEST(WorkingDatabase, MissingFileIsAnErrorAndIsNotCreated)
{
    testing_seams::TempBaseDir base;
    TDataModule1 store;
    TPatientRecord patient;
    patient.patient_id_t = QStringLiteral("20260101120000");
    EXPECT_EQ(store.SavePatient(patient), -1);
    EXPECT_TRUE(store.LastError().startsWith(QStringLiteral("Database1: ")));
    EXPECT_TRUE(store.LastError().contains(QStringLiteral("TDM.mdb"))) << store.LastError().toStdString();
    EXPECT_EQ(store.CountPatient(QStringLiteral("x")), -1);
    EXPECT_FALSE(QFileInfo::exists(WorkingDatabasePath()));

    // Once the file is there, the next operation opens it.
    ASSERT_TRUE(QFile::copy(GeneratedTemplatePath, TemplateDatabasePath()));
    ASSERT_TRUE(EnsureWorkingDatabase());
    EXPECT_EQ(store.CountPatient(QStringLiteral("x")), 0);
    EXPECT_TRUE(store.LastError().isEmpty());
}

TEST(WorkingDatabase, FileWithoutTheCaseTablesIsRefusedWithAReason)
{
    testing_seams::TempBaseDir base;
    ASSERT_TRUE(QDir().mkpath(base.FilePath(QStringLiteral("MDB"))));
    {
        // The right tables, but kaiseki lacks its last column.
        RawDatabase raw(WorkingDatabasePath());
        QFile schema(QStringLiteral(QUORVEL_SOURCE_DIR "/src/store/schema.sql"));
        ASSERT_TRUE(schema.open(QIODevice::ReadOnly));
        QString text = QString::fromUtf8(schema.readAll());
        text.replace(QStringLiteral(",\n    comment VARCHAR(800)"), QString());
        text.remove(QRegularExpression(QStringLiteral("--[^\n]*")));
        for (const QString& statement : text.split(QLatin1Char(';'))) {
            if (!statement.trimmed().isEmpty()) {
                ASSERT_TRUE(raw.Exec(statement)) << statement.toStdString();
            }
        }
    }
    TDataModule1 store;
    EXPECT_EQ(store.CountAnalyses(QStringLiteral("x")), -1);
    EXPECT_TRUE(store.LastError().contains(QStringLiteral("kaiseki"))) << store.LastError().toStdString();
    EXPECT_TRUE(store.LastError().contains(QStringLiteral("comment"))) << store.LastError().toStdString();

    // Not a database at all.
    QFile::remove(WorkingDatabasePath());
    QFile junk(WorkingDatabasePath());
    ASSERT_TRUE(junk.open(QIODevice::WriteOnly));
    junk.write(QByteArray(4096, 'x'));
    junk.close();
    EXPECT_EQ(store.CountAnalyses(QStringLiteral("x")), -1);
    EXPECT_TRUE(store.LastError().startsWith(QStringLiteral("Database1: "))) << store.LastError().toStdString();
}

// The database is opened as a URI; folder names must not be read as URI syntax.
TEST(WorkingDatabase, FolderNameWithUriCharactersOpens)
{
    testing_seams::TempBaseDir base;
    const QString folder = base.FilePath(QStringLiteral("Program Files #1 %20 ?x=y"));
    ASSERT_TRUE(QDir().mkpath(folder));
    vcl::SetAppBaseDir(folder);
    ASSERT_TRUE(QFile::copy(GeneratedTemplatePath, TemplateDatabasePath()));
    ASSERT_TRUE(EnsureWorkingDatabase());
    TDataModule1 store;
    TPatientRecord patient;
    patient.patient_id_t = QStringLiteral("20260101120000");
    EXPECT_EQ(store.SavePatient(patient), 0) << store.LastError().toStdString();
    EXPECT_EQ(RawDatabase(WorkingDatabasePath()).Count(QStringLiteral("patient")), 1);
}
