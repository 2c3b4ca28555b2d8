// Table `patient`: one row per patient, found by the internal key `patient_id_t`.
#include "uDataBase.h"

#include "uDataProc.h"

namespace {

// A patient with a birth date is as old as the date says, whatever was stored.
void ApplyAgeRule(TPatientRecord& patient)
{
    if (patient.patient_birth != BirthDateUnknown)
        patient.patient_age = AgeFromBirthDate(patient.patient_birth);
}

} // namespace

int TDataModule1::CountPatient(const QString& patientKey)
{
    if (!BeginOperation())
        return -1;
    return Count(QStringLiteral("SELECT COUNT(*) AS CNT FROM patient WHERE patient_id_t = ?"), {patientKey});
}

int TDataModule1::SavePatient(const TPatientRecord& patient)
{
    const int count = CountPatient(patient.patient_id_t);
    if (count < 0)
        return -1;
    QVariantList values = PatientValues(patient);
    if (!CheckFinite(CaseTable::Patient, values))
        return -1;
    if (count == 0)
        return Exec(InsertStatement(CaseTable::Patient), values) ? 0 : -1;
    // Every column but the key, then the key for the WHERE.
    values.append(values.takeFirst());
    return Exec(UpdateStatement(CaseTable::Patient, 1, QStringLiteral("patient_id_t = ?")), values) ? 0 : -1;
}

int TDataModule1::LoadPatient(const QString& patientKey, TPatientRecord& patient)
{
    patient = TPatientRecord{};
    if (!BeginOperation())
        return -1;
    QSqlQuery query = NewQuery();
    if (!RunSelect(query, QStringLiteral("SELECT * FROM patient WHERE patient_id_t = ?"), {patientKey},
                   static_cast<int>(TableColumns(CaseTable::Patient).size())))
        return -1;
    // Only a stored row gets the age rule: the zeroed record of an unknown
    // key keeps age 0 rather than an age from birth date 0.
    if (query.next()) {
        patient = PatientFromRow(query);
        ApplyAgeRule(patient);
    }
    return FinishSelect(query) ? 0 : -1;
}

int TDataModule1::SearchPatients(const QString& sql, const QVariantList& values, std::vector<TPatientRecord>& list)
{
    list.clear();
    if (!BeginOperation())
        return -1;
    QSqlQuery query = NewQuery();
    if (!RunSelect(query, sql, values, static_cast<int>(TableColumns(CaseTable::Patient).size())))
        return -1;
    while (query.next()) {
        list.push_back(PatientFromRow(query));
        ApplyAgeRule(list.back());
    }
    if (!FinishSelect(query))
        return -1;
    return static_cast<int>(list.size());
}
