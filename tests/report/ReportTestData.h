#pragma once
// A case for the report: a patient, an analysis of the given drug, set 0
// with one prescription and two samplings.
#include "DateTime.h"
#include "DrugKey.h"
#include "ReportContent.h"
#include "ScheduleTestData.h"

#include <QProcess>

namespace report_test {

inline const double Day = vcl::EncodeDate(2024, 4, 1);

// A daily prescription.
inline TPrescription Prescription(double start, double end, double timeOfDay, double dose)
{
    return schedule_test::Prescription(start, end, 1, timeOfDay, dose);
}

inline TReportInput CaseInput(const TDrugKey& drug)
{
    TReportInput input;
    input.Today = vcl::EncodeDate(2024, 4, 20);
    input.Patient = ResetPatientRecord();
    input.Patient.patient_id = QStringLiteral("P-001");
    input.Patient.patient_name = QStringLiteral("山田太郎");
    input.Patient.patient_gender = 1;
    input.Patient.patient_birth = vcl::EncodeDate(1950, 5, 6);
    input.Patient.patient_age = 73;
    input.Patient.patient_height = 160.25;
    input.Patient.patient_weight = 52;
    input.Patient.sinryouka_id = QStringLiteral("内科");
    input.Patient.doctor_id = QStringLiteral("佐藤");
    input.Patient.patient_kubun = 1;
    input.Analysis = ResetAnalysisRecord();
    input.Analysis.kubun_id = drug.kubun;
    input.Analysis.yakuzainame_id = drug.yakuzai;
    input.Analysis.yakuhinname_id = drug.yakuhin;
    input.Analysis.analysis_algo = drug.algo;
    input.Analysis.syutten_id = 1;
    input.Analysis.analysis_date = vcl::EncodeDate(2024, 4, 18);
    input.KubunText = QStringLiteral("区分");
    input.IppanText = QStringLiteral("一般名");
    input.SyouhinText = QStringLiteral("商品名");
    input.Prescriptions[0] = {Prescription(Day, Day + 9, vcl::EncodeTime(8, 5, 0, 0), 100)};
    TSamplingRecord s;
    s.saiketu_time = Day + 3 + vcl::EncodeTime(7, 30, 0, 0);
    s.saiketu_value = 12.345;
    input.Samplings = {s, s};
    input.Comment = QStringLiteral("経過良好");
    return input;
}

// Sets 1 .. last in use, each a copy of set 0.
inline void UseSets(TReportInput& input, int last)
{
    for (int set = 1; set <= last; ++set)
        input.Prescriptions[static_cast<std::size_t>(set)] = input.Prescriptions[0];
    input.LastSetIndex = last;
}

inline QString Text(const TReportBand& band, const QString& name)
{
    const TReportControl* control = band.Find(name);
    return control ? control->Text : QStringLiteral("<none>");
}

inline bool Printed(const TReportBand& band, const QString& name)
{
    const TReportControl* control = band.Find(name);
    return control && control->Enabled;
}

// What a command-line tool writes to its standard output.
inline QString RunTool(const QString& program, const QStringList& arguments)
{
    QProcess process;
    process.start(program, arguments);
    process.waitForFinished(30000);
    return QString::fromUtf8(process.readAllStandardOutput());
}

} // namespace report_test
