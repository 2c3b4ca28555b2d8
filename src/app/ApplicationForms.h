#pragma once
// Every window of the program, created once at start-up in a fixed order and
// kept until the program ends; each is reached through its form-instance
// global (frmMain, DataModule1, frmScale, ...).

// Creates the main window first, then the data module and every dialog.
// Throws what the main window's construction throws (a working database that
// cannot be made).
void CreateApplicationForms();

// The start-up's check of the working database: it must open, hold the case
// tables and take writes. A database that fails would make every later save
// fail, so the failure is shown (its file named) and false returned: the
// program then ends without showing the main window.
bool OpenCaseDatabaseAtStart();

// Destroys them in the reverse order.
void DestroyApplicationForms();
