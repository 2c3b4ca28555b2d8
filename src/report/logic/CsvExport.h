#pragma once
// The comma-separated export of an analysis: the patient, the patient's own
// schedule (set 0), the samplings, four population and individual parameters
// and the predicted concentrations at fixed minute steps after every
// administration of set 0. Written in CP932 with CR LF line ends, fields
// separated by ", ", widths counted in CP932 bytes.
#include "DateTime.h"
#include "Ustruct.h"

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <functional>
#include <vector>

struct TCsvInput {
    TPatientRecord Patient;
    TAnalysisRecord Analysis;
    std::vector<TPrescription> Prescriptions;     // set 0, in list order
    std::vector<TScheduleDay> Administrations;    // set 0, any order
    std::vector<TSamplingRecord> Samplings;
    vcl::TDateTime GraphFirstDay = 0;
    int GraphViewDays = 0;
    int CsvRange = 180;                           // minutes after each administration
    int CsvStep = 5;                              // positive
};

// The concentration at whole minutes from 00:00 of the graph's first day,
// from the population block or the estimate block, over set 0's doses.
using TConcentrationAt = std::function<double(int minutes, const TParamBlock& block)>;

QStringList CsvReportLines(const TCsvInput& input, const TConcentrationAt& concentration);

// The lines as the file holds them: CP932, each line ended by CR LF.
QByteArray CsvReportBytes(const QStringList& lines);

// Writes the export to fileName, creating missing folders, whole or not at
// all (WriteWholeFile): a failed export leaves no half file and an existing
// file as it was. False, with what failed, what to do and the reason in
// errorText, when the folder or the file could not be written.
bool WriteCsvReport(const TCsvInput& input, const TConcentrationAt& concentration, const QString& fileName,
                    QString* errorText = nullptr);
