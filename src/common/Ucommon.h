#pragma once
// The process-wide state of the case being worked on. Window code reads and
// writes it directly; logic takes what it needs as arguments, so tests build
// their own.
#include "Udifine.h"
#include "Ustruct.h"

#include <QString>
#include <array>
#include <deque>
#include <vector>

// The four schedule sets of the current analysis and what is derived from
// them. Every list owns its records; the current set's lists are reached
// through the accessors, so they always follow `CurSetIndex`.
struct TScheduleSets {
    std::array<std::vector<TPrescription>, ScheduleSetCount> PrescriptionLists;
    std::array<std::vector<TScheduleDay>, ScheduleSetCount> ScheduleDayLists;
    std::array<std::vector<TDoseEvent>, ScheduleSetCount> DoseEventLists;
    std::vector<TSamplingRecord> Samplings;    // shared by all four sets
    std::deque<TScheduleSnapshot> UndoList;    // oldest first, at most MaxUndoSteps
    int CurSetIndex = 0;

    std::vector<TPrescription>& CurPrescriptions() { return PrescriptionLists[CurSetIndex]; }
    const std::vector<TPrescription>& CurPrescriptions() const { return PrescriptionLists[CurSetIndex]; }
    std::vector<TScheduleDay>& CurScheduleDays() { return ScheduleDayLists[CurSetIndex]; }
    const std::vector<TScheduleDay>& CurScheduleDays() const { return ScheduleDayLists[CurSetIndex]; }
    // The dose events the engine reads for the current set. An engine call
    // that needs another set is handed that set's list explicitly.
    std::vector<TDoseEvent>& ActiveDoseEvents() { return DoseEventLists[CurSetIndex]; }
    const std::vector<TDoseEvent>& ActiveDoseEvents() const { return DoseEventLists[CurSetIndex]; }
};

// The settings of the comma-separated export, read from the "DEBUG" section.
struct TCsvSettings {
    QString CsvPath;        // empty until the settings are read
    int CsvRange = 180;
    int CsvStep = 5;
};

extern TPatientRecord CurrentPatient;
extern TAnalysisRecord CurrentAnalysis;
extern TScheduleSets ScheduleSets;
extern TCsvSettings CsvSettings;
