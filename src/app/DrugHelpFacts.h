#pragma once
// What the help window's drug pages show from the rest of the program: the
// unit measured values are entered in, as the schedule page shows it, and
// the built-in parameter set each source gives: each mean as a number, a
// table by age or its formula, and each CV.
#include "DrugHelpText.h"

class TProgramDrugHelpFacts : public TDrugHelpFacts {
public:
    QString ConcentrationUnit(const TDrugKey& product) const override;
    TPopulationFacts PopulationFacts(const TDrugKey& product, int syuttenId) const override;
};
