#pragma once
// The statements of the patient and case searches, built from the typed
// search fields, and the row count of their result grids. Pure: no window,
// no database.
//
// Every field filled in adds a prefix match on its column with the text the
// field takes (SearchFieldText); typed text is bound as a value, never
// written into the statement, and "%", "_" and "\" in it match themselves
// (see LikePrefixPattern).
#include <QString>
#include <QVariantList>
#include <optional>

// The five search fields of both dialogs, in the order their conditions go.
enum class SearchField { PatientNumber, Name, Kana, Department, Doctor };

// The CP932 bytes a search field takes: the width of the column it searches.
int SearchFieldBytes(SearchField field);

// The text a search field takes of what was typed or pasted, by the rule of
// the patient page's field it searches: the JIS forms as their CP932 twins,
// without characters CP932 cannot hold and control characters, cut at the
// column's width.
QString SearchFieldText(SearchField field, const QString& typed);

// The texts of the five search fields as the edits hold them.
struct TSearchFields {
    QString PatientNumber; // Edit1
    QString Name;          // Edit2
    QString Kana;          // Edit3
    QString Department;    // Edit5
    QString Doctor;        // Edit6

    bool IsEmpty() const;
};

// A statement with "?" placeholders and the values to bind, in order.
struct TSearchStatement {
    QString Sql;
    QVariantList Values;
};

// "SELECT * FROM patient WHERE" followed by the conditions of the filled
// fields joined by " AND ". Nothing when every field is empty: the patient
// search does not search then.
std::optional<TSearchStatement> BuildPatientSearchSql(const TSearchFields& fields);

// The analysed cases (analysis date > 0) joined with their patients, newest
// analysis first (equal dates: the later analysis of a patient first), each
// filled field adding " AND " its condition. With every field empty it lists
// every analysed case.
TSearchStatement BuildCaseSearchSql(const TSearchFields& fields);

// Rows of a result grid: the header and one row per hit, never fewer than
// ten data rows.
int SearchGridRowCount(int hitCount);
