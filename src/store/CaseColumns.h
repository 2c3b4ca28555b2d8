#pragma once
// The four case tables column by column, and the records' values in column
// order. Rows are read by column position, never by name, so these lists are
// the contract between the records and the template database; opening the
// working database checks its tables against them.
#include "Ustruct.h"

#include <QSqlQuery>
#include <QString>
#include <QVariantList>
#include <span>

enum class ColumnKind { Text, Integer, Real };

struct TColumn {
    const char* name;
    ColumnKind kind;
    int textLength = 0;      // usable CP932 bytes of a text field
};

enum class CaseTable { Patient, Analysis, Prescription, Sampling };
inline constexpr CaseTable AllCaseTables[] = {CaseTable::Patient, CaseTable::Analysis, CaseTable::Prescription,
                                              CaseTable::Sampling};

QString TableName(CaseTable table);                 // "patient", "kaiseki", "touyo", "saiketu"
std::span<const TColumn> TableColumns(CaseTable table);
// The usable CP932 bytes of a text column; 0 for a column that is not text.
int TextColumnWidth(CaseTable table, const QString& column);

// The record's values in its table's column order: int fields as int, double
// fields as double (exact), text as a non-null string. The patient record's
// two swapped pairs (birth/age, weight/height) come out in table order.
QVariantList PatientValues(const TPatientRecord& record);
QVariantList AnalysisValues(const TAnalysisRecord& record);
QVariantList PrescriptionValues(const TPrescription& record);
QVariantList SamplingValues(const TSamplingRecord& record);

// "INSERT INTO <table> (<every column>) VALUES (?, ...)", the values in
// column order.
QString InsertStatement(CaseTable table);
// "UPDATE <table> SET <column>=?, ... WHERE <where>" over the columns from
// position `firstColumn` on.
QString UpdateStatement(CaseTable table, int firstColumn, const QString& where);

// Records from the current row of a query, column by column from position 0.
// Null reads as 0 or empty text; text longer than a field is cut on a
// character boundary.
TPatientRecord PatientFromRow(const QSqlQuery& row);
TAnalysisRecord AnalysisFromRow(const QSqlQuery& row);
TPrescription PrescriptionFromRow(const QSqlQuery& row);
TSamplingRecord SamplingFromRow(const QSqlQuery& row);

// The name of the first column whose value is a NaN or an infinity, or an
// empty text when every value is finite.
QString FirstNonFiniteColumn(CaseTable table, const QVariantList& values);
