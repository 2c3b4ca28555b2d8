#pragma once
// Constants shared by every part of the program.
#include "Colors.h"

// Special values.
inline constexpr double BirthDateUnknown = -10000.0;   // patient_birth when only the age is known
inline constexpr double OpenEndDate = 0.0;             // touyo_end_time of an open-ended prescription
inline constexpr double OpenEndExtraDays = 89.0;       // an open end counts as start + 89
inline constexpr double NeverAnalysed = 0.0;           // analysis_date before the first analysis
inline constexpr double NoInitialValue = 0.0;          // init_value when there is none

// Limits.
inline constexpr int ScheduleSetCount = 4;             // set 0 the real schedule, 1-3 changed regimens
inline constexpr int MaxPrescriptionsPerSet = 24;
inline constexpr int MaxSamplings = 8;
inline constexpr int MaxPrescriptionDays = 89;
inline constexpr int MinIntervalDays = 1;
inline constexpr int MaxIntervalDays = 30;
inline constexpr int MaxUndoSteps = 10;
inline constexpr int EngineMaxSamples = 100;
inline constexpr int EngineMaxDoseEvents = 10000;

// Background of the main window, which the search dialogs share.
inline constexpr vcl::TColor MainWindowColor = vcl::RGB(197, 224, 252);

// Curve colours of the graph and the report.
inline constexpr vcl::TColor SetColors[ScheduleSetCount] = {
    0x0000FF, // set 0 red
    0xFF0000, // set 1 blue
    0x00FF00, // set 2 lime
    0xFF00FF, // set 3 fuchsia
};
inline constexpr vcl::TColor PopulationCurveColor = 0x808080;
