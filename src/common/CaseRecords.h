#pragma once
// Clearing the current patient and analysis records, as the patient and drug
// pages do before they store a page again.
#include "Ustruct.h"

enum class PatientKey { Clear, Keep };
enum class DrugValues { ClearAll, KeepPopulationMeans, KeepParameters };

// The whole record zeroed, the birth date "unknown" (-10000.0); with
// PatientKey::Keep the internal key `patient_id_t` survives.
void ClearPatientRecord(TPatientRecord& patient, PatientKey key);

// The whole record zeroed and `analysis_weight` 2; with
// DrugValues::KeepPopulationMeans the population means (`bosyudan`) survive,
// with DrugValues::KeepParameters the individual estimates (`kaiseki`) too.
void ClearDrugRecord(TAnalysisRecord& analysis, DrugValues values);

// A patient is current when its internal key is set, an analysis when its
// patient key is set.
inline bool IsPatientCurrent(const TPatientRecord& patient) { return !patient.patient_id_t.isEmpty(); }
inline bool IsAnalysisCurrent(const TAnalysisRecord& analysis) { return !analysis.patient_id.isEmpty(); }
