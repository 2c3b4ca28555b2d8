#pragma once
// What the drug page's confirm writes into the analysis record: its identity,
// the drug key and parameter source, the fixed analysis settings, the
// covariate answers and the population block as the parameter table shows it.
#include "CaseRecords.h"
#include "CovariatePanels.h"
#include "DrugSelection.h"
#include "ParamTable.h"

#include <QString>

// The page as the confirm reads it.
struct TDrugPageEntry {
    TDrugSelection Selection;
    TCovariateAnswers Answers;
    TParamTable Table;             // the parameter rows as their cells hold them
    int PastKaisekiId = -1;        // `kaiseki_id` of the chosen past analysis, -1 when none
};

// The population block the record will hold: the record's means (their CV %
// start from 0, as the record is cleared before it is stored) with the
// layout's rows taken from the table. With a past analysis or typed values,
// a layout that shows CL and V but not ke gets ke = CL / V from the values
// shown, so the curve follows the prior the user sees.
TPopulationBlock BlockToStore(const TDrugKey& key, ParamSource source, const TParamBlock& means,
                              const TParamTable& table);

// How the drug confirm clears the record it starts from, the stored analysis
// with the page's population means (ClearDrugRecord): the estimates stay only
// when the entry keeps the stored product, model and parameter source (with a
// past analysis as source, the same one); otherwise they are cleared as on a
// new case, so no estimate of another choice is shown, printed or exported as
// this patient's.
DrugValues DrugValuesKeptByConfirm(const TAnalysisRecord& stored, const TDrugPageEntry& entry);

// Fills a cleared record (ClearDrugRecord as DrugValuesKeptByConfirm says) from the page:
// identity, drug key, source and fixed settings, then LoadPatientDrugValues and
// LoadPopulationParams.
void StoreAnalysisSettings(TAnalysisRecord& record, const TDrugPageEntry& entry, const QString& patientKey,
                           int kaisekiId);

// The covariate answers of the drug's panel into their `kaiseki_table` fields;
// a drug without a panel writes nothing.
void LoadPatientDrugValues(TAnalysisRecord& record, const TDrugPageEntry& entry);
// The population block as the parameter table shows it (BlockToStore).
void LoadPopulationParams(TAnalysisRecord& record, const TDrugPageEntry& entry);
