#pragma once
// Every choice the drug page can make: each product row of the drug master
// (each model of vancomycin) with each of its sources.
#include "DrugKey.h"
#include "DrugMaster.h"
#include "DrugSelection.h"
#include "ParamTable.h"

#include <QString>
#include <QStringList>
#include <algorithm>
#include <cmath>
#include <vector>

namespace drugpagetest {

struct TChoice {
    TDrugKey Key;
    int SourceIndex;
    QString SourceLabel;
};

inline TDrugKey PageKey(const TProductEntry& product)
{
    TDrugKey key{product.kubun, product.drug, product.product, 0};
    if (HasModelChoice(key))
        key.algo = product.variant;
    return key;
}

inline QStringList SourcesOf(const TDrugKey& key)
{
    QStringList labels;
    FillSourceList(labels, key.kubun, key.yakuzai, key.yakuhin, SourceListVariant(key));
    return labels;
}

inline std::vector<TChoice> AllChoices()
{
    std::vector<TChoice> choices;
    for (const TProductEntry& product : ProductTable()) {
        const TDrugKey key = PageKey(product);
        const QStringList labels = SourcesOf(key);
        for (int i = 0; i < labels.size(); ++i)
            choices.push_back({key, i, labels[i]});
    }
    return choices;
}

inline QString KeyText(const TDrugKey& key)
{
    return QStringLiteral("%1/%2/%3").arg(key.kubun).arg(key.yakuzai).arg(key.yakuhin);
}

// The table as the grid holds it: numbers clamped to 0..1000, four decimals.
inline TParamTable AsGrid(TParamTable table)
{
    for (TParamTableRow& row : table) {
        row.Mean = std::clamp(std::round(row.Mean * 1e4) / 1e4, 0.0, 1000.0);
        row.Cv = std::clamp(std::round(row.Cv * 1e4) / 1e4, 0.0, 1000.0);
    }
    return table;
}

} // namespace drugpagetest
