#include "WorkingDatabase.h"

#include "AppPaths.h"
#include "WholeFile.h"

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
    // A Japanese line saying what failed and what to do, the technical reason below.
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
    auto unreadableTemplate = [&fail, &source](const QString& reason) {
        return fail(QStringLiteral("データベースのひな形 %1 を読めません。プログラムを入れ直してください。\n%1: %2")
                        .arg(QDir::toNativeSeparators(source), reason));
    };
    QFile templateFile(source);
    if (!QFileInfo(source).isFile())
        return unreadableTemplate(QStringLiteral("ファイルがありません"));
    if (!templateFile.open(QIODevice::ReadOnly))
        return unreadableTemplate(templateFile.errorString());
    const QByteArray content = templateFile.readAll();
    if (templateFile.error() != QFileDevice::NoError)
        return unreadableTemplate(templateFile.errorString());
    const QString folder = QFileInfo(working).absolutePath();
    if (!QDir().mkpath(folder))
        return fail(QStringLiteral("データベースのフォルダー %1 を作成できません。%2\n%1: フォルダーを作成できません")
                        .arg(QDir::toNativeSeparators(folder),
                             vcl::WriteFailureAdvice(vcl::WriteFailureKind::Failed)));
    // The copy takes the name only where no file has it at that instant: a
    // working file that another start put there in the meantime is never
    // replaced, and is the one this start uses.
    if (const std::optional<vcl::TWriteFailure> failure =
            vcl::WriteWholeFile(working, content, vcl::ExistingTarget::Keep)) {
        if (QFileInfo::exists(working))
            return true;
        return fail(QStringLiteral("データベース %1 を作成できません。%2")
                        .arg(failure->FileName, vcl::WriteFailureText(*failure)));
    }
    return true;
}
