#include "Ucommon.h"

TPatientRecord CurrentPatient;
TAnalysisRecord CurrentAnalysis;
TScheduleSets ScheduleSets;
TCsvSettings CsvSettings;
