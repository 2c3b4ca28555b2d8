#pragma once
// What the help window's drug pages show from the rest of the program: the
// unit measured values are entered in, as the schedule page shows it. The
// population values join when the drug page's parameter sets are at hand.
#include "DrugHelpText.h"

class TProgramDrugHelpFacts : public TDrugHelpFacts {
public:
    QString ConcentrationUnit(const TDrugKey& product) const override;
};
