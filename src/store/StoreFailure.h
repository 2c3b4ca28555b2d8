#pragma once
// Why an operation of the data module failed, and the one text a window shows
// for it: a Japanese first line that says what failed and what the user can
// do, and the technical reason ("Query1: database is locked") on the line
// below. Every window that reports a store failure shows StoreFailureText.
#include "WholeFile.h"

#include <QString>

class QSqlError;

enum class StoreFailureKind {
    None,
    CannotOpen,          // the database file is missing or cannot be opened
    NotCaseDatabase,     // not a database, damaged, or without the case tables
    InUse,               // another program holds a lock longer than the busy timeout
    ReadOnly,            // the file (or its folder) is write-protected
    DiskFull,            // no space left on the disk for the file
    IoError,             // the disk failed to read or write the file
    SettingsNotWritten,  // the settings file could not be written for another reason
    Failed,              // any other failure of a statement
};

struct TStoreFailure {
    StoreFailureKind Kind = StoreFailureKind::None;
    QString Reason;      // "Database1: file is not a database": component and driver text
    QString FileName;    // the database or settings file, in native separators
};

// The kind of a failure SQLite reported through the driver.
StoreFailureKind StoreFailureKindOf(const QSqlError& error);
// The kind of a failed write of the settings file.
StoreFailureKind SettingsFailureKind(vcl::WriteFailureKind kind);

// The two lines shown to the user; empty for StoreFailureKind::None.
QString StoreFailureText(const TStoreFailure& failure);
