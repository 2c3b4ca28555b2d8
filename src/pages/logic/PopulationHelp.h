#pragma once
// What the help window's population pages tell of a built-in parameter set:
// for each row of the drug page's parameter table, where its mean and its
// CV % come from, in Japanese: the number the set fixes, a table by age read
// off the set itself, or the formula of the set or of its covariate model.
#include "DrugKey.h"

#include <QString>
#include <vector>

enum class PopulationValueOrigin {
    Fixed,     // one number for every patient
    ByAge,     // steps by age, listed
    Formula,   // a formula of the patient's values and answers
};

struct TPopulationHelpValue {
    PopulationValueOrigin Origin = PopulationValueOrigin::Fixed;
    QString Text;   // "0.522", "0～19歳 0.0919、20～39歳 0.0645、40歳以上 0.0448", a formula; CVs end in "%"
};

struct TPopulationHelpRow {
    QString Caption;   // as the parameter table heads the row, "CL(L/kg/hr)"
    TPopulationHelpValue Mean;
    TPopulationHelpValue Cv;
};

// The rows for a product (its `algo` the model variant) and the source at
// `sourceIndex` labelled `sourceLabel`; empty when the choice has no built-in
// set or the product no parameter table.
std::vector<TPopulationHelpRow> PopulationHelpRows(const TDrugKey& key, int sourceIndex, const QString& sourceLabel);

// What the formulas' words stand for.
QString PopulationFormulaLegend();
