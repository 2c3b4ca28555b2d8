#pragma once
// Where the case database lives, and how it comes to exist: the working file
// "MDB/TDM.mdb" beside the executable is copied from the template
// "DataSource.dat" on the first start and never overwritten afterwards.
#include <QString>

QString TemplateDatabasePath();   // <base>/DataSource.dat
QString WorkingDatabasePath();    // <base>/MDB/TDM.mdb

// When the working file is missing: creates its folder and copies the
// template to it (writable for the user). An existing working file is left
// alone. True when the working file exists afterwards; false, with the reason
// in `errorText` when given, otherwise.
bool EnsureWorkingDatabase(QString* errorText = nullptr);
