#include "SearchStatements.h"

#include "CaseSearch.h"

#include <algorithm>
#include <array>

namespace {

// The filled fields' conditions and values, in the fixed field order.
void AddConditions(const TSearchFields& fields, const std::array<QString, 5>& columns, QStringList& conditions,
                   QVariantList& values)
{
    const std::array<const QString*, 5> texts = {&fields.PatientNumber, &fields.Name, &fields.Kana,
                                                 &fields.Department, &fields.Doctor};
    for (std::size_t i = 0; i < texts.size(); ++i) {
        if (texts[i]->isEmpty())
            continue;
        conditions << LikePrefixCondition(columns[i]);
        values << LikePrefixPattern(*texts[i]);
    }
}

} // namespace

bool TSearchFields::IsEmpty() const
{
    return PatientNumber.isEmpty() && Name.isEmpty() && Kana.isEmpty() && Department.isEmpty() && Doctor.isEmpty();
}

std::optional<TSearchStatement> BuildPatientSearchSql(const TSearchFields& fields)
{
    static const std::array<QString, 5> columns = {
        QStringLiteral("patient_id"), QStringLiteral("patient_name"), QStringLiteral("patient_name_kana"),
        QStringLiteral("sinryouka_id"), QStringLiteral("doctor_id")};
    QStringList conditions;
    TSearchStatement statement;
    AddConditions(fields, columns, conditions, statement.Values);
    if (conditions.isEmpty())
        return std::nullopt;
    statement.Sql = QStringLiteral("SELECT * FROM patient WHERE ") + conditions.join(QStringLiteral(" AND "));
    return statement;
}

TSearchStatement BuildCaseSearchSql(const TSearchFields& fields)
{
    static const std::array<QString, 5> columns = {
        QStringLiteral("patient.patient_id"), QStringLiteral("patient.patient_name"),
        QStringLiteral("patient.patient_name_kana"), QStringLiteral("patient.sinryouka_id"),
        QStringLiteral("patient.doctor_id")};
    QStringList conditions;
    TSearchStatement statement;
    AddConditions(fields, columns, conditions, statement.Values);
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
