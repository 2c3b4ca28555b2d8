#pragma once
// Where the program keeps its files: everything lives beside the executable
// (the working database, its template, the settings file), except the
// settings once a write found the program's folder unable to take a file:
// from then on they live in the per-user file. Tests point the base folder
// at a temporary one.
#include "WholeFile.h"

#include <QString>

namespace vcl {

QString AppBaseDir();                        // the executable's folder, no trailing slash
void SetAppBaseDir(const QString& folder);   // an empty text restores the executable's folder

// The settings file to read: the file of the executable's name with ".ini"
// in the per-user configuration folder once it exists, else the file of that
// name beside the executable.
QString SettingsFilePath();

// The settings file to write: the per-user file once it exists; else the
// file beside the executable while its folder can take a file; else the
// per-user file, which this first write starts as a copy of the file beside
// the executable. Empty, with the reason in `failure` when given, when the
// per-user file cannot be started.
QString SettingsFileForWriting(TWriteFailure* failure = nullptr);

QString VersionText();   // "3.6.1.1", from the build

} // namespace vcl
