#include "WorkingDatabase.h"

#include "AppPaths.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

QString TemplateDatabasePath()
{
    return vcl::AppBaseDir() + QStringLiteral("/DataSource.dat");
}

QString WorkingDatabasePath()
{
    return vcl::AppBaseDir() + QStringLiteral("/MDB/TDM.mdb");
}

bool EnsureWorkingDatabase(QString* errorText)
{
    auto fail = [errorText](const QString& text) {
        if (errorText)
            *errorText = text;
        return false;
    };
    if (errorText)
        errorText->clear();

    const QString working = WorkingDatabasePath();
    if (QFileInfo::exists(working))
        return true;
    const QString source = TemplateDatabasePath();
    if (!QFileInfo(source).isFile())
        return fail(QStringLiteral("%1: %2").arg(QDir::toNativeSeparators(source),
                                                 QStringLiteral("テンプレートのデータベースがありません")));
    const QString folder = QFileInfo(working).absolutePath();
    if (!QDir().mkpath(folder))
        return fail(QStringLiteral("%1: %2").arg(QDir::toNativeSeparators(folder),
                                                 QStringLiteral("フォルダを作成できません")));
    // QFile::copy refuses an existing target, so a file that appeared in the
    // meantime is never overwritten.
    QFile templateFile(source);
    if (!templateFile.copy(working))
        return fail(QStringLiteral("%1: %2").arg(QDir::toNativeSeparators(working), templateFile.errorString()));
    // An installed template may be read-only; the working copy must not be.
    QFile::setPermissions(working, QFile::permissions(working) | QFileDevice::ReadOwner | QFileDevice::WriteOwner
                                       | QFileDevice::ReadUser | QFileDevice::WriteUser);
    return true;
}
