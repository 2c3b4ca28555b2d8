#pragma once
// Where the program keeps its files: everything lives beside the executable
// (the working database, its template, the settings file), except the
// settings of a program whose folder cannot be written to. Tests point the
// base folder at a temporary one.
#include "WholeFile.h"

#include <QString>

namespace vcl {

QString AppBaseDir();                        // the executable's folder, no trailing slash
void SetAppBaseDir(const QString& folder);   // an empty text restores the executable's folder

// The settings file to read: the executable's name with ".ini", beside it.
// When that folder cannot be written to, the file of the same name in the
// per-user configuration folder once it exists; until then the file beside
// the executable is still read.
QString SettingsFilePath();

// The settings file to write: the one beside the executable while its folder
// can be written to, else the per-user file, which a first write starts as a
// copy of the file beside the executable. Empty, with the reason in
// `failure` when given, when the per-user file cannot be started.
QString SettingsFileForWriting(TWriteFailure* failure = nullptr);

QString VersionText();   // "3.6.1.1", from the build

} // namespace vcl
