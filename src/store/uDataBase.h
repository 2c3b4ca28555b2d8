#pragma once
// The data module: the program's one door to the built-in drug master and the
// therapeutic range in the settings file.
//
// The store never shows a message box. An operation that fails returns -1 and
// leaves a readable reason in LastError(); the windows show it.
#include "DrugMaster.h"

#include <QString>
#include <QStringList>

class TDataModule1 {
public:
    TDataModule1() = default;
    TDataModule1(const TDataModule1&) = delete;
    TDataModule1& operator=(const TDataModule1&) = delete;

    // Why the last failing operation failed; empty after a success.
    const QString& LastError() const { return lastError_; }

    // Drug master (no database involved); see DrugMaster.h.
    int FillCategoryList(QStringList& list) const { return ::FillCategoryList(list); }
    int FillDrugList(QStringList& list, int kubun) const { return ::FillDrugList(list, kubun); }
    int FillProductList(QStringList& list, int kubun, int drug) const { return ::FillProductList(list, kubun, drug); }
    int FillModelList(QStringList& list, int kubun, int drug, int product) const
    {
        return ::FillModelList(list, kubun, drug, product);
    }
    int FillSourceList(QStringList& list, int kubun, int drug, int product, int variant) const
    {
        return ::FillSourceList(list, kubun, drug, product, variant);
    }
    int ProductDoseForm(int kubun, int drug, int product) const { return ::ProductDoseForm(kubun, drug, product); }
    QString ProductModelName(int kubun, int drug, int product) const
    {
        return ::ProductModelName(kubun, drug, product);
    }
    void ReadRangeLimits(int kubun, int drug, int product, double& upper, double& lower) const
    {
        ::ReadRangeLimits(kubun, drug, product, upper, lower);
    }
    // 0, or -1 with the reason in LastError() when the settings file could not be written.
    int WriteRangeLimits(int kubun, int drug, int product, double upper, double lower);

private:
    QString lastError_;
};
