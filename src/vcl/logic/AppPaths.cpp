#include "AppPaths.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

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

QString SettingsFilePath()
{
    const QString name = ExecutableName() + QStringLiteral(".ini");
    const QString base = AppBaseDir();
    const QFileInfo folder(base);
    if (folder.isDir() && folder.isWritable())
        return base + QLatin1Char('/') + name;
    const QString config = QStandardPaths::writableLocation(QStandardPaths::AppConfigLocation);
    QDir().mkpath(config);
    return config + QLatin1Char('/') + name;
}

QString VersionText()
{
    return QStringLiteral(QUORVEL_VERSION_TEXT);
}

} // namespace vcl
