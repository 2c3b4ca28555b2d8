#include "CaseColumns.h"

#include <cmath>

namespace {

using K = ColumnKind;

constexpr TColumn PatientTable[] = {
    {"patient_id_t", K::Text, 14}, {"patient_id", K::Text, 10}, {"patient_name", K::Text, 20},
    {"patient_name_kana", K::Text, 20}, {"patient_gender", K::Integer}, {"patient_age", K::Integer},
    {"patient_birth", K::Real}, {"patient_height", K::Real}, {"patient_weight", K::Real},
    {"sinryouka_id", K::Text, 20}, {"doctor_id", K::Text, 10}, {"patient_kubun", K::Integer},
    {"patient_disorder", K::Text, 20},
};

constexpr TColumn AnalysisTable[] = {
    {"patient_id", K::Text, 14}, {"kaiseki_id", K::Integer}, {"kubun_id", K::Integer},
    {"yakuzainame_id", K::Integer}, {"yakuhinname_id", K::Integer}, {"syutten_id", K::Integer},
    {"analysis_algo", K::Integer}, {"analysis_weight", K::Integer}, {"weight_value", K::Integer},
    {"absolute_error", K::Real}, {"relative_error", K::Real}, {"init_value", K::Real},
    {"analysis_date", K::Real}, {"analysis_level", K::Integer}, {"kaiseki_before_id", K::Integer},
    {"kaiseki_table1", K::Real}, {"kaiseki_table2", K::Real}, {"kaiseki_table3", K::Real},
    {"kaiseki_table4", K::Real}, {"kaiseki_table5", K::Real}, {"kaiseki_table6", K::Real},
    {"kaiseki_table7", K::Real}, {"kaiseki_table8", K::Real}, {"kaiseki_table9", K::Real},
    {"kaiseki_table10", K::Real},
    {"bosyudan_ka", K::Real}, {"bosyudan_ke", K::Real}, {"bosyudan_vd", K::Real}, {"bosyudan_v1", K::Real},
    {"bosyudan_v2", K::Real}, {"bosyudan_f", K::Real}, {"bosyudan_a", K::Real}, {"bosyudan_b", K::Real},
    {"bosyudan_k12", K::Real}, {"bosyudan_k21", K::Real}, {"bosyudan_vdf", K::Real}, {"bosyudan_cl", K::Real},
    {"bosyudan_clf", K::Real},
    {"bosyudan_ka_vari", K::Real}, {"bosyudan_ke_vari", K::Real}, {"bosyudan_vd_vari", K::Real},
    {"bosyudan_v1_vari", K::Real}, {"bosyudan_v2_vari", K::Real}, {"bosyudan_f_vari", K::Real},
    {"bosyudan_a_vari", K::Real}, {"bosyudan_b_vari", K::Real}, {"bosyudan_k12_vari", K::Real},
    {"bosyudan_k21_vari", K::Real}, {"bosyudan_vdf_vari", K::Real}, {"bosyudan_cl_vari", K::Real},
    {"bosyudan_clf_vari", K::Real},
    {"kaiseki_ka", K::Real}, {"kaiseki_ke", K::Real}, {"kaiseki_vd", K::Real}, {"kaiseki_v1", K::Real},
    {"kaiseki_v2", K::Real}, {"kaiseki_f", K::Real}, {"kaiseki_a", K::Real}, {"kaiseki_b", K::Real},
    {"kaiseki_k12", K::Real}, {"kaiseki_k21", K::Real}, {"kaiseki_vdf", K::Real}, {"kaiseki_cl", K::Real},
    {"kaiseki_clf", K::Real},
    {"kaiseki_ka_vari", K::Real}, {"kaiseki_ke_vari", K::Real}, {"kaiseki_vd_vari", K::Real},
    {"kaiseki_v1_vari", K::Real}, {"kaiseki_v2_vari", K::Real}, {"kaiseki_f_vari", K::Real},
    {"kaiseki_a_vari", K::Real}, {"kaiseki_b_vari", K::Real}, {"kaiseki_k12_vari", K::Real},
    {"kaiseki_k21_vari", K::Real}, {"kaiseki_vdf_vari", K::Real}, {"kaiseki_cl_vari", K::Real},
    {"kaiseki_clf_vari", K::Real},
    {"past_id", K::Integer}, {"ss", K::Real}, {"comment", K::Text, 800},
};

constexpr TColumn PrescriptionTable[] = {
    {"patient_id", K::Text, 14}, {"analysis_id", K::Integer}, {"result_id", K::Integer},
    {"touyo_id", K::Integer}, {"touyo_start_time", K::Real}, {"touyo_end_time", K::Real},
    {"touyo_interval", K::Integer}, {"touyo_time", K::Real}, {"touyo_dose", K::Real},
    {"touyo_drip_time", K::Real},
};

constexpr TColumn SamplingTable[] = {
    {"patient_id", K::Text, 14}, {"analysis_id", K::Integer}, {"saiketu_id", K::Integer},
    {"saiketu_time", K::Real}, {"saiketu_value", K::Real},
};

static_assert(std::size(PatientTable) == 13);
static_assert(std::size(AnalysisTable) == 80);
static_assert(std::size(PrescriptionTable) == 10);
static_assert(std::size(SamplingTable) == 5);

// A null string binds as SQL NULL; an empty field is stored as empty text.
QVariant TextValue(const QString& text)
{
    return text.isNull() ? QVariant(QString(QLatin1String(""))) : QVariant(text);
}

// Appends values in column order.
class RowWriter {
public:
    RowWriter& Text(const QString& v)
    {
        values_.append(TextValue(v));
        return *this;
    }
    RowWriter& Int(int v)
    {
        values_.append(QVariant(v));
        return *this;
    }
    RowWriter& Real(double v)
    {
        values_.append(QVariant(v));
        return *this;
    }
    QVariantList Take() { return std::move(values_); }

private:
    QVariantList values_;
};

// Reads the columns of the current row one after another.
class RowReader {
public:
    explicit RowReader(const QSqlQuery& row) : row_(row) {}
    QString Text() { return row_.value(column_++).toString(); }
    int Int() { return row_.value(column_++).toInt(); }
    double Real() { return row_.value(column_++).toDouble(); }

private:
    const QSqlQuery& row_;
    int column_ = 0;
};

void WriteBlock(RowWriter& w, const TParamBlock& block)
{
    for (int i = 0; i < TParamBlock::Count; ++i)
        w.Real(block[i]);
}

void ReadBlock(RowReader& r, TParamBlock& block)
{
    for (int i = 0; i < TParamBlock::Count; ++i)
        block[i] = r.Real();
}

} // namespace

QString TableName(CaseTable table)
{
    switch (table) {
    case CaseTable::Patient: return QStringLiteral("patient");
    case CaseTable::Analysis: return QStringLiteral("kaiseki");
    case CaseTable::Prescription: return QStringLiteral("touyo");
    case CaseTable::Sampling: return QStringLiteral("saiketu");
    }
    return QString();
}

std::span<const TColumn> TableColumns(CaseTable table)
{
    switch (table) {
    case CaseTable::Patient: return PatientTable;
    case CaseTable::Analysis: return AnalysisTable;
    case CaseTable::Prescription: return PrescriptionTable;
    case CaseTable::Sampling: return SamplingTable;
    }
    return {};
}

int TextColumnWidth(CaseTable table, const QString& column)
{
    for (const TColumn& each : TableColumns(table))
        if (column == QLatin1String(each.name))
            return each.kind == ColumnKind::Text ? each.textLength : 0;
    return 0;
}

QString InsertStatement(CaseTable table)
{
    QStringList names;
    QStringList marks;
    for (const TColumn& column : TableColumns(table)) {
        names.append(QString::fromLatin1(column.name));
        marks.append(QStringLiteral("?"));
    }
    return QStringLiteral("INSERT INTO %1 (%2) VALUES (%3)")
        .arg(TableName(table), names.join(QStringLiteral(", ")), marks.join(QStringLiteral(", ")));
}

QString UpdateStatement(CaseTable table, int firstColumn, const QString& where)
{
    QStringList assignments;
    const std::span<const TColumn> columns = TableColumns(table);
    for (size_t i = static_cast<size_t>(firstColumn); i < columns.size(); ++i)
        assignments.append(QString::fromLatin1(columns[i].name) + QStringLiteral("=?"));
    return QStringLiteral("UPDATE %1 SET %2 WHERE %3").arg(TableName(table), assignments.join(QStringLiteral(", ")), where);
}

QVariantList PatientValues(const TPatientRecord& p)
{
    RowWriter w;
    w.Text(p.patient_id_t).Text(p.patient_id).Text(p.patient_name).Text(p.patient_name_kana);
    w.Int(p.patient_gender).Int(p.patient_age).Real(p.patient_birth);
    w.Real(p.patient_height).Real(p.patient_weight);
    w.Text(p.sinryouka_id).Text(p.doctor_id).Int(p.patient_kubun).Text(p.patient_disorder);
    return w.Take();
}

TPatientRecord PatientFromRow(const QSqlQuery& row)
{
    RowReader r(row);
    TPatientRecord p;
    p.patient_id_t = r.Text();
    p.patient_id = r.Text();
    p.patient_name = r.Text();
    p.patient_name_kana = r.Text();
    p.patient_gender = r.Int();
    p.patient_age = r.Int();
    p.patient_birth = r.Real();
    p.patient_height = r.Real();
    p.patient_weight = r.Real();
    p.sinryouka_id = r.Text();
    p.doctor_id = r.Text();
    p.patient_kubun = r.Int();
    p.patient_disorder = r.Text();
    return p;
}

QVariantList AnalysisValues(const TAnalysisRecord& a)
{
    RowWriter w;
    w.Text(a.patient_id).Int(a.kaiseki_id).Int(a.kubun_id).Int(a.yakuzainame_id).Int(a.yakuhinname_id);
    w.Int(a.syutten_id).Int(a.analysis_algo).Int(a.analysis_weight).Int(a.weight_value);
    w.Real(a.absolute_error).Real(a.relative_error).Real(a.init_value).Real(a.analysis_date);
    w.Int(a.analysis_level).Int(a.kaiseki_before_id);
    for (int n = 1; n <= TAnalysisRecord::CovariateCount; ++n)
        w.Real(a.KaisekiTable(n));
    WriteBlock(w, a.bosyudan);
    WriteBlock(w, a.bosyudan_vari);
    WriteBlock(w, a.kaiseki);
    WriteBlock(w, a.kaiseki_vari);
    w.Int(a.past_id).Real(a.ss).Text(a.comment);
    return w.Take();
}

TAnalysisRecord AnalysisFromRow(const QSqlQuery& row)
{
    RowReader r(row);
    TAnalysisRecord a;
    a.patient_id = r.Text();
    a.kaiseki_id = r.Int();
    a.kubun_id = r.Int();
    a.yakuzainame_id = r.Int();
    a.yakuhinname_id = r.Int();
    a.syutten_id = r.Int();
    a.analysis_algo = r.Int();
    a.analysis_weight = r.Int();
    a.weight_value = r.Int();
    a.absolute_error = r.Real();
    a.relative_error = r.Real();
    a.init_value = r.Real();
    a.analysis_date = r.Real();
    a.analysis_level = r.Int();
    a.kaiseki_before_id = r.Int();
    for (int n = 1; n <= TAnalysisRecord::CovariateCount; ++n)
        a.KaisekiTable(n) = r.Real();
    ReadBlock(r, a.bosyudan);
    ReadBlock(r, a.bosyudan_vari);
    ReadBlock(r, a.kaiseki);
    ReadBlock(r, a.kaiseki_vari);
    a.past_id = r.Int();
    a.ss = r.Real();
    a.comment = r.Text();
    return a;
}

QVariantList PrescriptionValues(const TPrescription& t)
{
    RowWriter w;
    w.Text(t.patient_id).Int(t.analysis_id).Int(t.result_id).Int(t.touyo_id);
    w.Real(t.touyo_start_time).Real(t.touyo_end_time).Int(t.touyo_interval);
    w.Real(t.touyo_time).Real(t.touyo_dose).Real(t.touyo_drip_time);
    return w.Take();
}

TPrescription PrescriptionFromRow(const QSqlQuery& row)
{
    RowReader r(row);
    TPrescription t;
    t.patient_id = r.Text();
    t.analysis_id = r.Int();
    t.result_id = r.Int();
    t.touyo_id = r.Int();
    t.touyo_start_time = r.Real();
    t.touyo_end_time = r.Real();
    t.touyo_interval = r.Int();
    t.touyo_time = r.Real();
    t.touyo_dose = r.Real();
    t.touyo_drip_time = r.Real();
    return t;
}

QVariantList SamplingValues(const TSamplingRecord& s)
{
    RowWriter w;
    w.Text(s.patient_id).Int(s.analysis_id).Int(s.saiketu_id).Real(s.saiketu_time).Real(s.saiketu_value);
    return w.Take();
}

TSamplingRecord SamplingFromRow(const QSqlQuery& row)
{
    RowReader r(row);
    TSamplingRecord s;
    s.patient_id = r.Text();
    s.analysis_id = r.Int();
    s.saiketu_id = r.Int();
    s.saiketu_time = r.Real();
    s.saiketu_value = r.Real();
    return s;
}

QString FirstNonFiniteColumn(CaseTable table, const QVariantList& values)
{
    const std::span<const TColumn> columns = TableColumns(table);
    for (qsizetype i = 0; i < values.size() && i < static_cast<qsizetype>(columns.size()); ++i)
        if (columns[i].kind == ColumnKind::Real && !std::isfinite(values[i].toDouble()))
            return QString::fromLatin1(columns[i].name);
    return QString();
}
