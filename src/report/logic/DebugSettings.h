#pragma once
// The export's settings, section "DEBUG" of the settings file, read once at
// start-up.
#include "Ucommon.h"

// The three keys of `settingsFile` with their defaults: "CSV_Path" the
// program's folder with a trailing "/", "CSV_RANGE" 180, "CSV_STEP" 5. A step
// of 0 or less (the result section needs a positive one) counts as 5.
TCsvSettings ReadDebugSettings(const QString& settingsFile, const QString& programFolder);

// Reads the settings file beside the program into the process-wide CsvSettings.
void LoadDebugSettings();
