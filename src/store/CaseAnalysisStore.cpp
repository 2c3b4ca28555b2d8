// Table `kaiseki`: one row per analysis, found by (`patient_id`, `kaiseki_id`).
#include "uDataBase.h"

namespace {

const QString RowCountSql =
    QStringLiteral("SELECT COUNT(*) AS CNT FROM kaiseki WHERE patient_id = ? AND kaiseki_id = ?");

} // namespace

int TDataModule1::CountAnalyses(const QString& patientKey)
{
    if (!BeginOperation())
        return -1;
    return Count(QStringLiteral("SELECT COUNT(*) AS CNT FROM kaiseki WHERE patient_id = ?"), {patientKey});
}

int TDataModule1::CountAnalysisRow(const TAnalysisRecord& analysis)
{
    if (!BeginOperation())
        return -1;
    return Count(RowCountSql, {analysis.patient_id.text(), analysis.kaiseki_id});
}

int TDataModule1::SaveAnalysis(const TAnalysisRecord& analysis)
{
    if (!BeginOperation())
        return -1;
    return WriteAnalysis(analysis) ? 0 : -1;
}

bool TDataModule1::WriteAnalysis(const TAnalysisRecord& analysis)
{
    // -1 is what a failed count hands the drug page as the new number.
    if (analysis.kaiseki_id < 0)
        return Fail(Component::Query, StoreFailureKind::Failed,
                    QStringLiteral("解析番号 %1 の解析は保存できません").arg(analysis.kaiseki_id));
    QVariantList values = AnalysisValues(analysis);
    if (!CheckFinite(CaseTable::Analysis, values))
        return false;
    const int count = Count(RowCountSql, {analysis.patient_id.text(), analysis.kaiseki_id});
    if (count < 0)
        return false;
    if (count == 0)
        return Exec(InsertStatement(CaseTable::Analysis), values);
    values.append(analysis.patient_id.text());
    values.append(analysis.kaiseki_id);
    return Exec(UpdateStatement(CaseTable::Analysis, 0, QStringLiteral("patient_id = ? AND kaiseki_id = ?")), values);
}

int TDataModule1::LoadAnalysis(const QString& patientKey, int kaisekiId, TAnalysisRecord& analysis)
{
    analysis = TAnalysisRecord{};
    if (!BeginOperation())
        return -1;
    QSqlQuery query = NewQuery();
    if (!RunSelect(query, QStringLiteral("SELECT * FROM kaiseki WHERE patient_id = ? AND kaiseki_id = ?"),
                   {patientKey, kaisekiId}, static_cast<int>(TableColumns(CaseTable::Analysis).size())))
        return -1;
    if (query.next())
        analysis = AnalysisFromRow(query);
    return FinishSelect(query) ? 0 : -1;
}

int TDataModule1::ListAnalyses(std::vector<TAnalysisRecord>& list, const QString& patientKey, int kubun, int drug,
                               int product, int variant)
{
    list.clear();
    if (!BeginOperation())
        return -1;
    // Variant 0 is every product but 5/1/1, whose rows carry 0 (or 3).
    QString sql = QStringLiteral("SELECT * FROM kaiseki WHERE patient_id = ? AND kubun_id = ? AND yakuzainame_id = ?"
                                 " AND yakuhinname_id = ? AND ");
    QVariantList values{patientKey, kubun, drug, product};
    if (variant != 0) {
        sql += QStringLiteral("analysis_algo = ?");
        values.append(variant);
    } else {
        sql += QStringLiteral("(analysis_algo = ? OR analysis_algo = ?)");
        values.append(0);
        values.append(3);
    }
    // Never-analysed rows stay out; equal dates keep a stable order.
    sql += QStringLiteral(" AND analysis_date <> 0 ORDER BY analysis_date, kaiseki_id");

    QSqlQuery query = NewQuery();
    if (!RunSelect(query, sql, values, static_cast<int>(TableColumns(CaseTable::Analysis).size())))
        return -1;
    while (query.next())
        list.push_back(AnalysisFromRow(query));
    if (!FinishSelect(query))
        return -1;
    return static_cast<int>(list.size());
}
