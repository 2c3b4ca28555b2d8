#include "AppPaths.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>
#include <QTemporaryFile>

#ifndef QUORVEL_VERSION_TEXT
#error "the build defines QUORVEL_VERSION_TEXT"
#endif

namespace vcl {
namespace {

QString& BaseOverride()
{
    static QString folder;
    return folder;
}

QString ExecutableName()
{
    const QString path = QCoreApplication::applicationFilePath();
    return path.isEmpty() ? QStringLiteral("Quorvel") : QFileInfo(path).fileName();
}

} // namespace

QString AppBaseDir()
{
    if (!BaseOverride().isEmpty())
        return BaseOverride();
    return QCoreApplication::applicationDirPath();
}

void SetAppBaseDir(const QString& folder)
{
    BaseOverride() = QDir::cleanPath(folder);
    if (folder.isEmpty())
        BaseOverride().clear();
}

namespace {

QString SettingsFileName()
{
    return ExecutableName() + QStringLiteral(".ini");
}

QString SettingsBesideProgram()
{
    return AppBaseDir() + QLatin1Char('/') + SettingsFileName();
}

QString PerUserSettings()
{
    return QStandardPaths::writableLocation(QStandardPaths::AppConfigLocation) + QLatin1Char('/') + SettingsFileName();
}

// Whether a file can be created in the folder. The permission bits alone do
// not tell (an administrator passes every access check, a read-only medium or
// share does not show in them), so a temporary file is created and removed.
bool CanWriteInto(const QString& folder)
{
    if (!QFileInfo(folder).isDir())
        return false;
    QTemporaryFile probe(folder + QStringLiteral("/.write-probe-XXXXXX"));
    return probe.open();
}

} // namespace

// Once the per-user file exists it is the settings file, whatever the
// program's folder allows later: the settings confirmed into it since are
// in no other file.
QString SettingsFilePath()
{
    const QString perUser = PerUserSettings();
    return QFileInfo::exists(perUser) ? perUser : SettingsBesideProgram();
}

QString SettingsFileForWriting(TWriteFailure* failure)
{
    const QString perUser = PerUserSettings();
    if (QFileInfo::exists(perUser))
        return perUser;
    if (CanWriteInto(AppBaseDir()))
        return SettingsBesideProgram();
    auto fail = [failure](const TWriteFailure& why) {
        if (failure)
            *failure = why;
        return QString();
    };
    const QString folder = QFileInfo(perUser).absolutePath();
    if (!QDir().mkpath(folder))
        return fail({WriteFailureKind::NotWritable, QDir::toNativeSeparators(folder),
                     QStringLiteral("フォルダーを作成できません")});
    // The settings made beside the program so far carry on in the new file.
    const QString beside = SettingsBesideProgram();
    if (QFileInfo::exists(beside)) {
        QFile source(beside);
        if (!source.open(QIODevice::ReadOnly))
            return fail({WriteFailureKind::Failed, QDir::toNativeSeparators(beside), source.errorString()});
        if (const std::optional<TWriteFailure> failed = WriteWholeFile(perUser, source.readAll(), ExistingTarget::Keep))
            return fail(*failed);
    }
    return perUser;
}

QString VersionText()
{
    return QStringLiteral(QUORVEL_VERSION_TEXT);
}

} // namespace vcl
