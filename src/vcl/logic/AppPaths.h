#pragma once
// Where the program keeps its files: everything lives beside the executable
// (the working database, its template, the settings file). Tests point the
// base folder at a temporary one.
#include <QString>

namespace vcl {

QString AppBaseDir();                        // the executable's folder, no trailing slash
void SetAppBaseDir(const QString& folder);   // an empty text restores the executable's folder

// The executable's name with ".ini", beside it; when that folder cannot be
// written to, the same name in the per-user configuration folder.
QString SettingsFilePath();

QString VersionText();   // "3.6.1.1", from the build

} // namespace vcl
