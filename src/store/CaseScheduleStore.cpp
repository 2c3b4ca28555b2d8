// Tables `touyo` and `saiketu`: the prescriptions of the four schedule sets
// and the samplings of an analysis.
#include "uDataBase.h"

#include <charconv>
#include <cmath>

namespace {

// The measured value keeps six decimals: the nearest double to its value
// printed with six decimals, as the unit's precision goes no further.
double RoundToSixDecimals(double value)
{
    if (!std::isfinite(value))
        return value;
    char text[400];
    const std::to_chars_result printed = std::to_chars(text, text + sizeof text, value, std::chars_format::fixed, 6);
    double rounded = value;
    std::from_chars(text, printed.ptr, rounded);
    return rounded;
}

} // namespace

bool TDataModule1::InsertPrescriptionRow(const TPrescription& prescription)
{
    if (prescription.analysis_id < 0)
        return Fail(Component::Query, StoreFailureKind::Failed,
                    QStringLiteral("解析番号 %1 の投与は保存できません").arg(prescription.analysis_id));
    return InsertRow(CaseTable::Prescription, PrescriptionValues(prescription));
}

bool TDataModule1::InsertSamplingRow(const TSamplingRecord& sampling)
{
    if (sampling.analysis_id < 0)
        return Fail(Component::Query, StoreFailureKind::Failed,
                    QStringLiteral("解析番号 %1 の採血は保存できません").arg(sampling.analysis_id));
    TSamplingRecord stored = sampling;
    stored.saiketu_value = RoundToSixDecimals(sampling.saiketu_value);
    return InsertRow(CaseTable::Sampling, SamplingValues(stored));
}

int TDataModule1::InsertPrescription(const TPrescription& prescription)
{
    if (!BeginOperation())
        return -1;
    return InsertPrescriptionRow(prescription) ? 0 : -1;
}

int TDataModule1::DeletePrescriptions(const QString& patientKey, int analysisId, int scheduleSet)
{
    if (!BeginOperation())
        return -1;
    return Exec(QStringLiteral("DELETE FROM touyo WHERE patient_id = ? AND analysis_id = ? AND result_id = ?"),
                {patientKey, analysisId, scheduleSet})
               ? 0
               : -1;
}

int TDataModule1::LoadPrescriptions(const QString& patientKey, int analysisId, int scheduleSet,
                                    std::vector<TPrescription>& list)
{
    list.clear();
    if (!BeginOperation())
        return -1;
    QSqlQuery query = NewQuery();
    if (!RunSelect(query,
                   QStringLiteral("SELECT * FROM touyo WHERE patient_id = ? AND analysis_id = ? AND result_id = ?"
                                  " ORDER BY touyo_id"),
                   {patientKey, analysisId, scheduleSet},
                   static_cast<int>(TableColumns(CaseTable::Prescription).size())))
        return -1;
    while (query.next())
        list.push_back(PrescriptionFromRow(query));
    if (!FinishSelect(query))
        return -1;
    return static_cast<int>(list.size());
}

int TDataModule1::InsertSampling(const TSamplingRecord& sampling)
{
    if (!BeginOperation())
        return -1;
    return InsertSamplingRow(sampling) ? 0 : -1;
}

int TDataModule1::DeleteSamplings(const QString& patientKey, int analysisId)
{
    if (!BeginOperation())
        return -1;
    return Exec(QStringLiteral("DELETE FROM saiketu WHERE patient_id = ? AND analysis_id = ?"), {patientKey, analysisId})
               ? 0
               : -1;
}

int TDataModule1::LoadSamplings(const QString& patientKey, int analysisId, std::vector<TSamplingRecord>& list)
{
    list.clear();
    if (!BeginOperation())
        return -1;
    QSqlQuery query = NewQuery();
    if (!RunSelect(query,
                   QStringLiteral("SELECT * FROM saiketu WHERE patient_id = ? AND analysis_id = ? ORDER BY saiketu_id"),
                   {patientKey, analysisId}, static_cast<int>(TableColumns(CaseTable::Sampling).size())))
        return -1;
    while (query.next())
        list.push_back(SamplingFromRow(query));
    if (!FinishSelect(query))
        return -1;
    return static_cast<int>(list.size());
}

int TDataModule1::SaveAnalysisWithSchedule(const TAnalysisRecord& analysis,
                                           std::array<std::vector<TPrescription>, ScheduleSetCount>& prescriptionLists,
                                           int lastSetIndex, std::vector<TSamplingRecord>& samplings)
{
    if (!BeginOperation())
        return -1;
    if (lastSetIndex < 0 || lastSetIndex >= ScheduleSetCount) {
        Fail(Component::Query, StoreFailureKind::Failed,
             QStringLiteral("スケジュール番号 %1 は範囲外です").arg(lastSetIndex));
        return -1;
    }
    const QString key = analysis.patient_id.text();
    const int analysisId = analysis.kaiseki_id;
    for (int set = 0; set <= lastSetIndex; ++set) {
        std::vector<TPrescription>& prescriptions = prescriptionLists[static_cast<size_t>(set)];
        for (size_t j = 0; j < prescriptions.size(); ++j) {
            prescriptions[j].patient_id = key;
            prescriptions[j].analysis_id = analysisId;
            prescriptions[j].result_id = set;
            prescriptions[j].touyo_id = static_cast<int>(j);
        }
    }
    for (size_t j = 0; j < samplings.size(); ++j) {
        samplings[j].patient_id = key;
        samplings[j].analysis_id = analysisId;
        samplings[j].saiketu_id = static_cast<int>(j);
    }

    auto insertPrescriptions = [&] {
        for (int set = 0; set <= lastSetIndex; ++set)
            for (const TPrescription& prescription : prescriptionLists[static_cast<size_t>(set)])
                if (!InsertPrescriptionRow(prescription))
                    return false;
        return true;
    };
    auto insertSamplings = [&] {
        for (const TSamplingRecord& sampling : samplings)
            if (!InsertSamplingRow(sampling))
                return false;
        return true;
    };

    if (!RunTransactionStatement(QStringLiteral("BEGIN")))
        return -1;
    // Every set of the analysis goes, so a set emptied since the last save
    // does not come back on the next load.
    const bool written =
        WriteAnalysis(analysis)
        && Exec(QStringLiteral("DELETE FROM touyo WHERE patient_id = ? AND analysis_id = ?"), {key, analysisId})
        && insertPrescriptions()
        && Exec(QStringLiteral("DELETE FROM saiketu WHERE patient_id = ? AND analysis_id = ?"), {key, analysisId})
        && insertSamplings();
    if (written && RunTransactionStatement(QStringLiteral("COMMIT")))
        return 0;
    // The failure kept is the statement's or the commit's, not the rollback's.
    NewQuery().exec(QStringLiteral("ROLLBACK"));
    return -1;
}
