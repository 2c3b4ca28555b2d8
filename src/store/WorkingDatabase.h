#pragma once
// Where the case database lives, and how it comes to exist: the working file
// "MDB/TDM.mdb" beside the executable is copied from the template
// "DataSource.dat" on the first start and never overwritten afterwards.
#include <QString>

QString TemplateDatabasePath();   // <base>/DataSource.dat
QString WorkingDatabasePath();    // <base>/MDB/TDM.mdb

// When the working file is missing: creates its folder and copies the
// template to it (writable for the user), whole or not at all. An existing
// working file, also one that another start puts there while the copy is
// made, is left alone and used. True when the working file exists afterwards;
// false otherwise, with a Japanese line saying what failed and what to do and
// the technical reason below it in `errorText` when given.
bool EnsureWorkingDatabase(QString* errorText = nullptr);
