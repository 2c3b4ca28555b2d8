#pragma once
// Settings files with the semantics of Windows profile files: section and key
// names compare without case, values are the raw text after "=" (trimmed,
// one pair of surrounding quotes removed), the first occurrence wins, and a
// write changes only its own line: comments, order and every other line of a
// hand-edited file stay as they were. Each write goes through a temporary
// file and a rename (WriteWholeFile), and reports failure to the caller.
#include "WholeFile.h"

#include <QString>
#include <QStringList>
#include <utility>
#include <vector>

namespace vcl {

class TIniFile {
public:
    explicit TIniFile(QString fileName);

    const QString& FileName() const { return fileName_; }

    QString ReadString(const QString& section, const QString& key, const QString& fallback) const;
    int ReadInteger(const QString& section, const QString& key, int fallback) const;
    double ReadFloat(const QString& section, const QString& key, double fallback) const;
    bool SectionExists(const QString& section) const;
    bool ValueExists(const QString& section, const QString& key) const;

    // Each returns false, with LastFailure() telling why, when the file could
    // not be written; the file is then as it was before.
    bool WriteString(const QString& section, const QString& key, const QString& value);
    bool WriteInteger(const QString& section, const QString& key, int value);
    bool WriteFloat(const QString& section, const QString& key, double value);
    // Several keys of one section in one write: all of them or none.
    using TKeyValues = std::vector<std::pair<QString, QString>>;
    bool WriteStrings(const QString& section, const TKeyValues& values);

    // "<file>: <reason>" of the last failed write; empty after a good one.
    QString LastError() const;
    const std::optional<TWriteFailure>& LastFailure() const { return lastFailure_; }

private:
    struct Lines {
        QStringList lines;
        bool crlf = true;
        bool cp932 = false;
        bool unreadable = false;   // the file is there but could not be read
    };
    Lines Load() const;
    bool Store(const Lines& content);
    // Index of the section header line, or -1.
    static int FindSection(const QStringList& lines, const QString& section);
    // Index of the key's line inside the section starting after `header`, or -1;
    // `end` receives the index after the section's last non-blank line.
    static int FindKey(const QStringList& lines, int header, const QString& key, int* end);

    QString fileName_;
    std::optional<TWriteFailure> lastFailure_;
};

} // namespace vcl
