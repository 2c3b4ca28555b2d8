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

// What a population page says of one source: a line per parameter for its
// mean and for its between-patient variability, and notes under them.
struct TPopulationFacts {
    QStringList Means;
    QStringList Variability;
    QStringList Notes;
};

// What the drug pages show beyond the drug master. The default knows
// nothing: a page then says where the values are shown.
class TDrugHelpFacts {
public:
    virtual ~TDrugHelpFacts() = default;
    // The unit of the product's concentrations ("μg/mL"); empty when unknown.
    virtual QString ConcentrationUnit(const TDrugKey& product) const;
    // The population parameters of one source of the product (`syuttenId` its
    // position + 1). The key's `algo` is the model variant.
    virtual TPopulationFacts PopulationFacts(const TDrugKey& product, int syuttenId) const;
};

// The HTML of a drug page, information (2kd01) or population (2kd02); empty
// for an id that is no drug page.
QString DrugHelpText(int pageId, const TDrugHelpFacts& facts);
