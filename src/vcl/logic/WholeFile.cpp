#include "WholeFile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRandomGenerator>
#include <cerrno>
#include <filesystem>
#include <system_error>

#ifdef Q_OS_WIN
#include <io.h>
#else
#include <unistd.h>
#endif

namespace vcl {
namespace {

const DiskChannel realChannel;
const DiskChannel* currentChannel = &realChannel;

std::filesystem::path NativePath(const QString& path)
{
#ifdef Q_OS_WIN
    return std::filesystem::path(path.toStdWString());
#else
    return std::filesystem::path(QFile::encodeName(path).toStdString());
#endif
}

WriteFailureKind KindOfErrno(int error)
{
    switch (error) {
    case ENOSPC:
#ifdef EDQUOT
    case EDQUOT:
#endif
        return WriteFailureKind::DiskFull;
    case EACCES:
    case EPERM:
    case EROFS:
        return WriteFailureKind::NotWritable;
    default:
        return WriteFailureKind::Failed;
    }
}

// A name beside the target that nothing else uses.
QString TemporaryNameFor(const QString& target)
{
    return target + QStringLiteral(".tmp-%1").arg(QRandomGenerator::global()->generate(), 8, 16, QLatin1Char('0'));
}

// The problem Qt reported on the file; it reports a full disk as a resource error.
TDiskProblem ProblemOf(const QFile& file)
{
    return {file.error() == QFileDevice::ResourceError ? WriteFailureKind::DiskFull : WriteFailureKind::Failed,
            file.errorString()};
}

} // namespace

std::optional<TDiskProblem> DiskChannel::Write(QFile& file, const QByteArray& bytes) const
{
    // Qt takes a write that stopped part way for a success of fewer bytes
    // and names no reason; the next write of the rest fails with the reason.
    qint64 written = 0;
    while (written < bytes.size()) {
        const qint64 now = file.write(bytes.constData() + written, bytes.size() - written);
        if (now <= 0)
            return ProblemOf(file);
        written += now;
    }
    return std::nullopt;
}

std::optional<TDiskProblem> DiskChannel::Sync(QFile& file) const
{
    if (!file.flush())
        return ProblemOf(file);
#ifdef Q_OS_WIN
    const int synced = _commit(file.handle());
#else
    const int synced = ::fsync(file.handle());
#endif
    if (synced == 0)
        return std::nullopt;
    const int error = errno;
    return TDiskProblem{KindOfErrno(error), QString::fromStdString(std::generic_category().message(error))};
}

const DiskChannel* SetDiskChannel(const DiskChannel* channel)
{
    const DiskChannel* previous = currentChannel;
    currentChannel = channel ? channel : &realChannel;
    return previous == &realChannel ? nullptr : previous;
}

std::optional<TWriteFailure> WriteWholeFile(const QString& fileName, const QByteArray& content,
                                            ExistingTarget existing)
{
    // A link is followed: the file it names is the one replaced.
    const QFileInfo link(fileName);
    const QFileInfo target(link.isSymLink() ? link.symLinkTarget() : link.absoluteFilePath());
    const QString targetPath = target.absoluteFilePath();
    auto fail = [&targetPath](WriteFailureKind kind, const QString& reason) {
        return TWriteFailure{kind, QDir::toNativeSeparators(targetPath), reason};
    };
    if (target.isDir())
        return fail(WriteFailureKind::Failed, QStringLiteral("同じ名前のフォルダーがあります"));
    if (existing == ExistingTarget::Keep && target.exists())
        return fail(WriteFailureKind::Failed, QStringLiteral("ファイルが既にあります"));
    if (target.exists()) {
        // A write-protected file stays as it is, though its folder would let
        // the rename replace it. Opened to append, it is not changed.
        QFile probe(targetPath);
        if (!probe.open(QIODevice::WriteOnly | QIODevice::Append))
            return fail(WriteFailureKind::NotWritable, probe.errorString());
    }

    QFile temporary(TemporaryNameFor(targetPath));
    if (!temporary.open(QIODevice::WriteOnly | QIODevice::NewOnly | QIODevice::Unbuffered)) {
        const bool folderWritable = QFileInfo(target.absolutePath()).isWritable();
        return fail(folderWritable ? WriteFailureKind::Failed : WriteFailureKind::NotWritable,
                    temporary.errorString());
    }
    // From here on a failure takes the temporary file away again.
    auto discard = [&temporary, &fail](const TDiskProblem& problem) {
        temporary.close();
        temporary.remove();
        return fail(problem.Kind, problem.Reason);
    };
    if (auto problem = currentChannel->Write(temporary, content))
        return discard(*problem);
    if (auto problem = currentChannel->Sync(temporary))
        return discard(*problem);
    if (temporary.size() != content.size())
        return discard({WriteFailureKind::Failed, QStringLiteral("書き込んだ大きさ %1 バイトが %2 バイトと合いません")
                                                      .arg(temporary.size())
                                                      .arg(content.size())});
    if (target.exists())
        temporary.setPermissions(target.permissions());
    temporary.close();
    if (temporary.error() != QFileDevice::NoError)
        return discard({WriteFailureKind::Failed, temporary.errorString()});

    std::error_code error;
    std::filesystem::rename(NativePath(temporary.fileName()), NativePath(targetPath), error);
    if (error) {
        QFile::remove(temporary.fileName());
        return fail(KindOfErrno(error.value()), QString::fromStdString(error.message()));
    }
    return std::nullopt;
}

QString WriteFailureAdvice(WriteFailureKind kind)
{
    switch (kind) {
    case WriteFailureKind::DiskFull:
        return QStringLiteral("ディスクの空き容量が足りません。不要なファイルを削除して空きを作ってください。");
    case WriteFailureKind::NotWritable:
        return QStringLiteral("ファイルまたはフォルダーが書き込み禁止です。書き込み禁止を解除してください。");
    case WriteFailureKind::Failed:
        break;
    }
    return QStringLiteral("書き込みに失敗しました。保存先のフォルダーとディスクを確認してください。");
}

QString WriteFailureText(const TWriteFailure& failure)
{
    return WriteFailureAdvice(failure.Kind) + QLatin1Char('\n')
           + QStringLiteral("%1: %2").arg(failure.FileName, failure.Reason);
}

} // namespace vcl
