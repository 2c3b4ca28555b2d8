#pragma once
// The drug pages of the help window, built from the program's own data: the
// products a page covers, their dose forms, models, default therapeutic
// ranges and parameter sources from the drug master, and what the parts of
// the program that own them tell through TDrugHelpFacts (the unit measured
// values are entered in, the population means and CVs with their covariate
// formulas). They carry no clinical notes or literature.
#include "DrugKey.h"

#include <QString>
#include <QStringList>

// What the drug pages show beyond the drug master. The default knows
// nothing: a page then says where the values are shown.
class TDrugHelpFacts {
public:
    virtual ~TDrugHelpFacts() = default;
    // The unit of the product's concentrations ("μg/mL"); empty when unknown.
    virtual QString ConcentrationUnit(const TDrugKey& product) const;
    // The population parameters of one source of the product (`syuttenId` its
    // position + 1), one line each: mean and CV %, formulas of the covariate
    // models. The key's `algo` is the model variant.
    virtual QStringList PopulationLines(const TDrugKey& product, int syuttenId) const;
};

// The HTML of a drug page, information (2kd01) or population (2kd02); empty
// for an id that is no drug page.
QString DrugHelpText(int pageId, const TDrugHelpFacts& facts);
