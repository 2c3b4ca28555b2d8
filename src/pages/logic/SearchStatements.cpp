#include "SearchStatements.h"

#include "CaseColumns.h"
#include "CaseSearch.h"
#include "Cp932.h"

#include <algorithm>
#include <array>

namespace {

// The patient table's columns of the five fields, in the fixed field order.
const std::array<QString, 5> PatientColumns = {QStringLiteral("patient_id"), QStringLiteral("patient_name"),
                                               QStringLiteral("patient_name_kana"), QStringLiteral("sinryouka_id"),
                                               QStringLiteral("doctor_id")};

// The filled fields' conditions and values, in the fixed field order, each
// column named with `prefix`. A stored field holds what its edit took, so
// typed text is searched as the field takes it: a name typed in full still
// finds the name that was stored cut, a pasted tab or a wave dash typed in
// its JIS form the name stored without the one and with the twin.
void AddConditions(const TSearchFields& fields, const QString& prefix, QStringList& conditions,
                   QVariantList& values)
{
    const std::array<const QString*, 5> texts = {&fields.PatientNumber, &fields.Name, &fields.Kana,
                                                 &fields.Department, &fields.Doctor};
    for (std::size_t i = 0; i < texts.size(); ++i) {
        const QString taken = SearchFieldText(static_cast<SearchField>(i), *texts[i]);
        if (taken.isEmpty())
            continue;
        conditions << LikePrefixCondition(prefix + PatientColumns[i]);
        values << LikePrefixPattern(taken);
    }
}

} // namespace

int SearchFieldBytes(SearchField field)
{
    return TextColumnWidth(CaseTable::Patient, PatientColumns[static_cast<std::size_t>(field)]);
}

QString SearchFieldText(SearchField field, const QString& typed)
{
    return vcl::FitCp932Edit(QString(), typed, SearchFieldBytes(field), vcl::ControlCharacters::Refused).Text;
}

bool TSearchFields::IsEmpty() const
{
    return PatientNumber.isEmpty() && Name.isEmpty() && Kana.isEmpty() && Department.isEmpty() && Doctor.isEmpty();
}

std::optional<TSearchStatement> BuildPatientSearchSql(const TSearchFields& fields)
{
    QStringList conditions;
    TSearchStatement statement;
    AddConditions(fields, QString(), conditions, statement.Values);
    if (conditions.isEmpty())
        return std::nullopt;
    statement.Sql = QStringLiteral("SELECT * FROM patient WHERE ") + conditions.join(QStringLiteral(" AND "));
    return statement;
}

TSearchStatement BuildCaseSearchSql(const TSearchFields& fields)
{
    QStringList conditions;
    TSearchStatement statement;
    AddConditions(fields, QStringLiteral("patient."), conditions, statement.Values);
    statement.Sql = QStringLiteral(
        "SELECT kaiseki.patient_id, kaiseki.kaiseki_id, patient.patient_id, patient.patient_name,"
        " patient.sinryouka_id, patient.doctor_id, kaiseki.kubun_id, kaiseki.yakuzainame_id, kaiseki.analysis_date"
        " FROM patient, kaiseki WHERE kaiseki.patient_id = patient.patient_id_t AND kaiseki.analysis_date > 0");
    for (const QString& condition : conditions)
        statement.Sql += QStringLiteral(" AND ") + condition;
    statement.Sql += QStringLiteral(" ORDER BY kaiseki.analysis_date DESC, kaiseki.kaiseki_id DESC");
    return statement;
}

int SearchGridRowCount(int hitCount)
{
    return std::max(11, hitCount + 1);
}
