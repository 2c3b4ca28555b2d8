#include "WholeFile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRandomGenerator>
#include <QRegularExpression>
#include <cerrno>
#include <climits>
#include <cstdio>
#include <fcntl.h>
#include <system_error>
#include <utility>

#ifdef Q_OS_WIN
#include <io.h>
#include <sys/stat.h>
#ifndef NOMINMAX
#define NOMINMAX
#endif
#include <windows.h>
#else
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace vcl {
namespace {

const DiskChannel realChannel;
const DiskChannel* currentChannel = &realChannel;

// Links followed before a chain counts as going round in a circle.
constexpr int MaxLinkHops = 40;
// A temporary file is named "<target's name>.tmp-" and eight hex digits;
// files left by a write that was killed are recognised by that name.
const QLatin1String TemporaryMark(".tmp-");
constexpr int RandomDigits = 8;

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

QString ReasonOfErrno(int error)
{
    return QString::fromStdString(std::generic_category().message(error));
}

#ifdef Q_OS_WIN
std::wstring NativeName(const QString& path)
{
    return QDir::toNativeSeparators(path).toStdWString();
}
#else
QByteArray NativeName(const QString& path)
{
    return QFile::encodeName(path);
}
#endif

// The file a chain of links ends at; nothing when the chain goes round.
std::optional<QString> FinalFileOf(const QString& fileName)
{
    QFileInfo info(fileName);
    for (int hops = 0; info.isSymLink(); ++hops) {
        if (hops == MaxLinkHops)
            return std::nullopt;
        info = QFileInfo(info.symLinkTarget());
    }
    return info.absoluteFilePath();
}

// The longest file name the folder takes, in bytes.
qsizetype MaxNameBytes(const QString& folder)
{
#ifdef Q_OS_WIN
    Q_UNUSED(folder);
    return 255;
#else
    const long max = ::pathconf(NativeName(folder).constData(), _PC_NAME_MAX);
    return max > 0 ? qsizetype(max) : 255;
#endif
}

// What every temporary name of the target begins with: the target's name, cut
// so that the whole temporary name fits the folder, and the mark.
QString TemporaryStemOf(const QString& targetPath)
{
    const QFileInfo target(targetPath);
    const qsizetype room = MaxNameBytes(target.absolutePath()) - TemporaryMark.size() - RandomDigits;
    QString name = target.fileName();
    while (!name.isEmpty() && QFile::encodeName(name).size() > room)
        name.chop(name.back().isLowSurrogate() ? 2 : 1);
    return target.absolutePath() + QLatin1Char('/') + name + TemporaryMark;
}

QString RandomTemporaryName(const QString& stem)
{
    return stem + QStringLiteral("%1").arg(QRandomGenerator::global()->generate(), RandomDigits, 16, QLatin1Char('0'));
}

// Removes the temporary files of this target that a killed write left: only
// plain files with the name the writer gives them, and none that a write
// still going on holds locked.
void RemoveLeftoversOf(const QString& targetPath)
{
    const QFileInfo stem(TemporaryStemOf(targetPath));
    const QRegularExpression ours(QRegularExpression::anchoredPattern(
        QRegularExpression::escape(stem.fileName()) + QStringLiteral("[0-9a-f]{%1}").arg(RandomDigits)));
    const QFileInfoList files = stem.absoluteDir().entryInfoList(QDir::Files | QDir::Hidden | QDir::NoSymLinks);
    for (const QFileInfo& file : files) {
        if (file.isSymLink() || !file.isFile() || !ours.match(file.fileName()).hasMatch())
            continue;
#ifdef Q_OS_WIN
        QFile::remove(file.absoluteFilePath()); // a file still being written cannot be removed
#else
        const int fd = ::open(NativeName(file.absoluteFilePath()).constData(), O_RDONLY | O_NOFOLLOW | O_CLOEXEC);
        if (fd < 0)
            continue;
        if (::flock(fd, LOCK_EX | LOCK_NB) == 0)
            QFile::remove(file.absoluteFilePath());
        ::close(fd);
#endif
    }
}

// Opens a new temporary file of the target for writing, locked while it is
// written: the descriptor, or -1 and the error number.
std::pair<int, int> CreateTemporaryFile(const QString& path)
{
#ifdef Q_OS_WIN
    const int fd = ::_wopen(NativeName(path).c_str(), _O_WRONLY | _O_CREAT | _O_EXCL | _O_BINARY, _S_IREAD | _S_IWRITE);
    return {fd, fd < 0 ? errno : 0};
#else
    const int fd = ::open(NativeName(path).constData(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
    if (fd < 0)
        return {-1, errno};
    ::flock(fd, LOCK_EX | LOCK_NB);
    return {fd, 0};
#endif
}

// The new file takes the mode of the one it replaces and, where the process
// may give them, its owner and group (the owner as root only, the group where
// it is one of the process's); otherwise it stays the process's own.
void TakeOwnerAndModeOf(const QString& targetPath, const QString& temporaryPath, QFile& file)
{
#ifdef Q_OS_WIN
    Q_UNUSED(file);
    QFile::setPermissions(temporaryPath, QFileInfo(targetPath).permissions());
#else
    Q_UNUSED(temporaryPath);
    struct stat old {};
    if (::stat(NativeName(targetPath).constData(), &old) != 0)
        return;
    if (::fchown(file.handle(), old.st_uid, old.st_gid) != 0 && ::fchown(file.handle(), uid_t(-1), old.st_gid) != 0) {
        // Neither can be given: the file is the process's own, as every file it makes.
    }
    ::fchmod(file.handle(), old.st_mode & 0777);
#endif
}

// Writes all of `bytes` through the channel: 0, or the error number. The
// system may write fewer bytes than asked without a reason; the next write of
// the rest gives the reason.
int WriteAll(QFile& file, const QByteArray& bytes)
{
    qint64 written = 0;
    while (written < bytes.size()) {
        const TDiskWrite step = currentChannel->Write(file, bytes.constData() + written, bytes.size() - written);
        if (step.Written <= 0)
            return step.Error != 0 ? step.Error : EIO;
        written += step.Written;
    }
    return 0;
}

} // namespace

TDiskWrite DiskChannel::Write(QFile& file, const char* data, qint64 size) const
{
    for (;;) {
#ifdef Q_OS_WIN
        const qint64 written = ::_write(file.handle(), data, unsigned(qMin<qint64>(size, INT_MAX)));
#else
        const qint64 written = ::write(file.handle(), data, size_t(size));
#endif
        if (written >= 0)
            return {written, 0};
        if (errno != EINTR)
            return {0, errno};
    }
}

int DiskChannel::Sync(QFile& file) const
{
#ifdef Q_OS_WIN
    return ::_commit(file.handle()) == 0 ? 0 : errno;
#else
    return ::fsync(file.handle()) == 0 ? 0 : errno;
#endif
}

int DiskChannel::Rename(const QString& from, const QString& to, ExistingTarget existing) const
{
#ifdef Q_OS_WIN
    const DWORD replace = existing == ExistingTarget::Replace ? MOVEFILE_REPLACE_EXISTING : 0;
    if (::MoveFileExW(NativeName(from).c_str(), NativeName(to).c_str(), replace | MOVEFILE_WRITE_THROUGH))
        return 0;
    switch (::GetLastError()) {
    case ERROR_ALREADY_EXISTS:
    case ERROR_FILE_EXISTS:
        return EEXIST;
    case ERROR_ACCESS_DENIED:
        return EACCES;
    case ERROR_DISK_FULL:
        return ENOSPC;
    default:
        return EIO;
    }
#else
    const QByteArray source = NativeName(from);
    const QByteArray target = NativeName(to);
    if (existing == ExistingTarget::Replace)
        return std::rename(source.constData(), target.constData()) == 0 ? 0 : errno;
#ifdef RENAME_NOREPLACE
    if (::renameat2(AT_FDCWD, source.constData(), AT_FDCWD, target.constData(), RENAME_NOREPLACE) == 0)
        return 0;
    if (errno != EINVAL && errno != ENOSYS && errno != EOPNOTSUPP)
        return errno;
#endif
    // Where the file system cannot rename without replacing, a second name
    // for the file is made, which is refused where the name is taken.
    if (::link(source.constData(), target.constData()) != 0)
        return errno;
    ::unlink(source.constData());
    return 0;
#endif
}

int DiskChannel::SyncFolder(const QString& folder) const
{
#ifdef Q_OS_WIN
    Q_UNUSED(folder);
    return 0; // a rename with MOVEFILE_WRITE_THROUGH is on the disk when it returns
#else
    // A folder that cannot be opened for reading, or a file system that does
    // not sync folders, leaves the rename to the system.
    const int fd = ::open(NativeName(folder).constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0)
        return 0;
    const int error = ::fsync(fd) == 0 ? 0 : errno;
    ::close(fd);
    return error == EINVAL || error == EOPNOTSUPP ? 0 : error;
#endif
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
    const std::optional<QString> finalFile = FinalFileOf(fileName);
    const QString targetPath = finalFile.value_or(QFileInfo(fileName).absoluteFilePath());
    auto fail = [&targetPath](WriteFailureKind kind, const QString& reason) {
        return TWriteFailure{kind, QDir::toNativeSeparators(targetPath), reason};
    };
    if (!finalFile)
        return fail(WriteFailureKind::Failed, ReasonOfErrno(ELOOP));
    const QFileInfo target(targetPath);
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
    RemoveLeftoversOf(targetPath);

    const QString stem = TemporaryStemOf(targetPath);
    QString temporaryPath;
    std::pair<int, int> created{-1, EEXIST};
    for (int tries = 0; created.first < 0 && created.second == EEXIST && tries < 10; ++tries) {
        temporaryPath = RandomTemporaryName(stem);
        created = CreateTemporaryFile(temporaryPath);
    }
    if (created.first < 0)
        return fail(KindOfErrno(created.second), ReasonOfErrno(created.second));
    QFile temporary(temporaryPath);
    if (!temporary.open(created.first, QIODevice::WriteOnly | QIODevice::Unbuffered, QFileDevice::AutoCloseHandle)) {
#ifdef Q_OS_WIN
        ::_close(created.first);
#else
        ::close(created.first);
#endif
        QFile::remove(temporaryPath);
        return fail(WriteFailureKind::Failed, temporary.errorString());
    }
    // From here on a failure takes the temporary file away again.
    auto discard = [&temporary, &temporaryPath, &fail](WriteFailureKind kind, const QString& reason) {
        temporary.close();
        QFile::remove(temporaryPath);
        return fail(kind, reason);
    };
    if (const int error = WriteAll(temporary, content))
        return discard(KindOfErrno(error), ReasonOfErrno(error));
    if (const int error = currentChannel->Sync(temporary))
        return discard(KindOfErrno(error), ReasonOfErrno(error));
    if (temporary.size() != content.size())
        return discard(WriteFailureKind::Failed, QStringLiteral("書き込んだ大きさ %1 バイトが %2 バイトと合いません")
                                                     .arg(temporary.size())
                                                     .arg(content.size()));
    if (target.exists())
        TakeOwnerAndModeOf(targetPath, temporaryPath, temporary);

    // The lock stays until the file has the target's name, so another
    // write's removal of leftovers leaves it; Windows renames closed files only.
#ifdef Q_OS_WIN
    temporary.close();
#endif
    if (const int error = currentChannel->Rename(temporaryPath, targetPath, existing))
        return discard(KindOfErrno(error), ReasonOfErrno(error));
    temporary.close();
    if (const int error = currentChannel->SyncFolder(target.absolutePath()))
        return fail(KindOfErrno(error), ReasonOfErrno(error));
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
