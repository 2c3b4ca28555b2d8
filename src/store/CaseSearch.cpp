// The case search and the LIKE patterns of both searches. Statements come
// from the search dialogs with "?" placeholders; typed values are bound.
#include "CaseSearch.h"

#include "uDataBase.h"

QString LikePrefixPattern(const QString& typed)
{
    QString pattern;
    pattern.reserve(typed.size() + 2);
    for (const QChar c : typed) {
        if (c == QLatin1Char('\\') || c == QLatin1Char('%') || c == QLatin1Char('_'))
            pattern += QLatin1Char('\\');
        pattern += c;
    }
    pattern += QLatin1Char('%');
    return pattern;
}

QString LikePrefixCondition(const QString& column)
{
    return column + QStringLiteral(" LIKE ? ESCAPE '\\'");
}

int TDataModule1::SearchCases(const QString& sql, const QVariantList& values, std::vector<TCaseSearchRow>& list)
{
    list.clear();
    if (!BeginOperation())
        return -1;
    QSqlQuery query = NewQuery();
    if (!RunSelect(query, sql, values, CaseSearchColumnCount))
        return -1;
    while (query.next()) {
        TCaseSearchRow row;
        row.patient_id = query.value(0).toString();
        row.kaiseki_id = query.value(1).toInt();
        row.patient_number = query.value(2).toString();
        row.patient_name = query.value(3).toString();
        row.sinryouka_id = query.value(4).toString();
        row.doctor_id = query.value(5).toString();
        row.kubun_id = query.value(6).toInt();
        row.yakuzainame_id = query.value(7).toInt();
        row.analysis_date = query.value(8).toDouble();
        list.push_back(std::move(row));
    }
    if (!FinishSelect(query))
        return -1;
    return static_cast<int>(list.size());
}
