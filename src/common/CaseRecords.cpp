#include "CaseRecords.h"

void ClearPatientRecord(TPatientRecord& patient, PatientKey key)
{
    const TFixedText<15> keptKey = patient.patient_id_t;
    patient = ResetPatientRecord();
    if (key == PatientKey::Keep)
        patient.patient_id_t = keptKey;
}

void ClearDrugRecord(TAnalysisRecord& analysis, DrugValues values)
{
    const TParamBlock means = analysis.bosyudan;
    const TParamBlock estimates = analysis.kaiseki;
    analysis = ResetAnalysisRecord();
    if (values != DrugValues::ClearAll)
        analysis.bosyudan = means;
    if (values == DrugValues::KeepParameters)
        analysis.kaiseki = estimates;
}
