#pragma once
// Every file the program writes (the settings file, the export, the PDF, the
// first copy of the case database) goes through WriteWholeFile: the whole
// content is written to a temporary file in the target's folder, the write
// checked, the file synced to the disk and its size checked, and only then
// renamed over the target, whose folder is then synced too. Any failure up
// to the rename removes the temporary file and leaves the target exactly as
// it was; a folder that cannot be synced after the rename is reported as a
// failure too, the target then holding the new content that may not yet be
// safe on the disk.
#include <QByteArray>
#include <QString>
#include <QtGlobal>
#include <optional>

class QFile;

namespace vcl {

enum class WriteFailureKind {
    DiskFull,      // no space left on the disk, or the user's quota used up
    NotWritable,   // the file or its folder is write-protected
    Failed,        // anything else: a folder in the way, a failing disk
};

struct TWriteFailure {
    WriteFailureKind Kind = WriteFailureKind::Failed;
    QString FileName;   // the target, in native separators
    QString Reason;     // the system's reason
};

// Whether an existing target is replaced, or kept and the write refused.
// Keep puts the new file in place only where no file of that name exists at
// that instant, so a file made meanwhile by someone else is never replaced.
enum class ExistingTarget { Replace, Keep };

// Nothing when the target now holds `content`. A link, or a chain of links,
// is followed to the file it ends at; that file is the one written, and it
// keeps its mode and, where the process may give them, its owner and group.
// Temporary files of this target left by a write that was killed are removed
// first.
std::optional<TWriteFailure> WriteWholeFile(const QString& fileName, const QByteArray& content,
                                            ExistingTarget existing = ExistingTarget::Replace);

// The cause and what the user can do about it: one Japanese line.
QString WriteFailureAdvice(WriteFailureKind kind);
// The advice, and "<file>: <reason>" on the line below.
QString WriteFailureText(const TWriteFailure& failure);

// One write of the system: the bytes it wrote (possibly fewer than asked),
// or none and the error number.
struct TDiskWrite {
    qint64 Written = 0;
    int Error = 0;
};

// How the writer's steps reach the disk, one system call each. Tests put in a
// disk that fills up or fails, or that lets a file appear at a given step.
// Every call but Write answers 0 or the system's error number.
class DiskChannel {
public:
    virtual ~DiskChannel() = default;
    // Writes up to `size` bytes at the file's position.
    virtual TDiskWrite Write(QFile& file, const char* data, qint64 size) const;
    // Hands everything written to the file to the disk.
    virtual int Sync(QFile& file) const;
    // Gives the file `from` the name `to` in the same folder; with Keep only
    // where no file of that name exists (EEXIST otherwise).
    virtual int Rename(const QString& from, const QString& to, ExistingTarget existing) const;
    // Hands the folder's names, the rename among them, to the disk.
    virtual int SyncFolder(const QString& folder) const;
};

// Installs a channel (nullptr restores the real one); returns the previous
// one. The caller keeps ownership.
const DiskChannel* SetDiskChannel(const DiskChannel* channel);

} // namespace vcl
