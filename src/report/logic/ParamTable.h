#pragma once
// The table of pharmacokinetic parameters of the drug's model: for each
// parameter its label, the population value and its inter-individual
// variability, the patient's estimate and its variability. The parameter
// display shows it and the printed report copies it, so both always agree.
#include "Ustruct.h"

#include <QString>
#include <array>

inline constexpr int ParamTableColumns = 5;     // label, population, variability, estimate, variability
inline constexpr int ParamTableRows = 7;        // row 0 holds the headers, rows 1 to 6 the parameters

struct TParamTable {
    // Cells[row][column]; row 0 stays empty (the headers are the grid's own).
    std::array<std::array<QString, ParamTableColumns>, ParamTableRows> Cells;
    QString Ss;                                  // the fit's final objective value, "0.0000"
};

// The table for the analysis's drug and model; a drug without a layout
// (primidone, vancomycin with no model chosen) gives an empty table with the
// objective value only.
TParamTable BuildParamTable(const TAnalysisRecord& analysis);

// The nine row layouts. Each writes its rows from row 1 down.
void FillParamsOralPerKg(TParamTable& table, const TAnalysisRecord& analysis);
void FillParamsOralAbsolute(TParamTable& table, const TAnalysisRecord& analysis);
void FillParamsOralKe(TParamTable& table, const TAnalysisRecord& analysis);
void FillParamsInfusionAbsolute(TParamTable& table, const TAnalysisRecord& analysis);
void FillParamsTwoCompartment(TParamTable& table, const TAnalysisRecord& analysis);
void FillParamsTwoCompartmentKe(TParamTable& table, const TAnalysisRecord& analysis);
void FillParamsInfusionPerKg(TParamTable& table, const TAnalysisRecord& analysis);
void FillParamsMichaelisMentenOral(TParamTable& table, const TAnalysisRecord& analysis);
void FillParamsMichaelisMentenInfusion(TParamTable& table, const TAnalysisRecord& analysis);
