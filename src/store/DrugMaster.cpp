// Lookups on the drug master. Every lookup is a linear scan in table order and
// the first matching row wins; a key without a row is not an error.
#include "DrugMaster.h"

namespace {

bool HasKey(const TProductEntry& row, int kubun, int drug, int product)
{
    return row.kubun == kubun && row.drug == drug && row.product == product;
}

const TProductEntry* FirstProduct(int kubun, int drug, int product)
{
    for (const TProductEntry& row : ProductTable())
        if (HasKey(row, kubun, drug, product))
            return &row;
    return nullptr;
}

} // namespace

int FillCategoryList(QStringList& list)
{
    list.clear();
    for (const TDrugCategoryEntry& row : DrugCategoryTable())
        list.append(QString::fromUtf8(row.name));
    return list.size();
}

int FillDrugList(QStringList& list, int kubun)
{
    list.clear();
    for (const TDrugEntry& row : DrugTable())
        if (row.kubun_id == kubun)
            list.append(QString::fromUtf8(row.name));
    return list.size();
}

int FillProductList(QStringList& list, int kubun, int drug)
{
    list.clear();
    for (const TProductEntry& row : ProductTable())
        if (row.kubun == kubun && row.drug == drug && row.variant == 1)
            list.append(QString::fromUtf8(row.name));
    return list.size();
}

int FillModelList(QStringList& list, int kubun, int drug, int product)
{
    for (const TProductEntry& row : ProductTable())
        if (HasKey(row, kubun, drug, product))
            list.append(QString::fromUtf8(row.modelName));
    return list.size();
}

int FillSourceList(QStringList& list, int kubun, int drug, int product, int variant)
{
    list.clear();
    for (const TSourceEntry& row : SourceTable())
        if (row.kubun == kubun && row.drug == drug && row.product == product && row.variant == variant)
            list.append(QString::fromUtf8(row.label));
    return list.size();
}

int ProductDoseForm(int kubun, int drug, int product)
{
    const TProductEntry* row = FirstProduct(kubun, drug, product);
    if (!row)
        return DoseFormNone;
    for (int form = 0; form < DoseFormCount; ++form)
        if (row->doseForms[form] == 1)
            return form;
    return DoseFormNone;
}

QString ProductModelName(int kubun, int drug, int product)
{
    const TProductEntry* row = FirstProduct(kubun, drug, product);
    return row ? QString::fromUtf8(row->modelName) : QString();
}
