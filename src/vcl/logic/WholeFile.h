#pragma once
// Every file the program writes (the settings file, the export, the PDF, the
// first copy of the case database) goes through WriteWholeFile: the whole
// content is written to a temporary file in the target's folder, the write
// checked, the file synced to the disk and its size checked, and only then
// renamed over the target. Any failure removes the temporary file and leaves
// the target exactly as it was.
#include <QByteArray>
#include <QString>
#include <optional>

class QFile;

namespace vcl {

enum class WriteFailureKind {
    DiskFull,      // no space left on the disk
    NotWritable,   // the file or its folder is write-protected
    Failed,        // anything else: a folder in the way, a failing disk
};

struct TWriteFailure {
    WriteFailureKind Kind = WriteFailureKind::Failed;
    QString FileName;   // the target, in native separators
    QString Reason;     // the system's reason
};

// Whether an existing target is replaced, or kept and the write refused.
enum class ExistingTarget { Replace, Keep };

// Nothing when the target now holds `content`.
std::optional<TWriteFailure> WriteWholeFile(const QString& fileName, const QByteArray& content,
                                            ExistingTarget existing = ExistingTarget::Replace);

// The cause and what the user can do about it: one Japanese line.
QString WriteFailureAdvice(WriteFailureKind kind);
// The advice, and "<file>: <reason>" on the line below.
QString WriteFailureText(const TWriteFailure& failure);

// How the bytes reach the temporary file. Tests put in a disk that fails.
struct TDiskProblem {
    WriteFailureKind Kind = WriteFailureKind::Failed;
    QString Reason;
};

class DiskChannel {
public:
    virtual ~DiskChannel() = default;
    // Writes all of `bytes` at the file's position, or tells why not.
    virtual std::optional<TDiskProblem> Write(QFile& file, const QByteArray& bytes) const;
    // Hands everything written to the disk, or tells why not.
    virtual std::optional<TDiskProblem> Sync(QFile& file) const;
};

// Installs a channel (nullptr restores the real one); returns the previous
// one. The caller keeps ownership.
const DiskChannel* SetDiskChannel(const DiskChannel* channel);

} // namespace vcl
