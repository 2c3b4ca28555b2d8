#pragma once
// The drug page's parameter table: one row per pharmacokinetic parameter of
// the product's model, with its caption and unit, its mean and its CV %.
// The layout follows the drug key; the values come from the chosen source.
// The same layout says which fields the table gives back on confirm.
#include "DrugKey.h"
#include "DrugSelection.h"
#include "PopulationSets.h"

#include <QString>
#include <array>
#include <optional>
#include <span>
#include <vector>

enum class ParamLayout {
    OneCompOralWholeBody,     // L1
    OneCompInfusionWholeBody, // L2
    OneCompOralPerKg,         // L3
    OneCompOralPerKgB,        // L4, the rows of L3
    OneCompOralKe,            // L5
    TwoCompCl,                // L6
    TwoCompKe,                // L7
    OneCompInfusionPerKg,     // L8
    MichaelisMentenOral,      // L9
    MichaelisMentenInfusion,  // L10
};
// "L1" ... "L10".
QString ParamLayoutName(ParamLayout layout);

// One row of a layout: its caption and the parameter (TParamBlock index)
// whose mean and CV % it shows.
struct TParamRowSpec {
    const char16_t* Caption;
    int Param;
};
std::span<const TParamRowSpec> ParamLayoutRows(ParamLayout layout);

// The layout of a key (its `algo` being the vancomycin model); nothing for
// a key without one.
std::optional<ParamLayout> ParamLayoutFor(const TDrugKey& key);
std::span<const TDrugRule<ParamLayout>> ParamLayoutRules();

// The table's value rows (grid rows 1 .. 6) as shown.
inline constexpr int ParamTableRowCount = 6;
struct TParamTableRow {
    QString Caption;
    double Mean = 0;
    double Cv = 0;
};
using TParamTable = std::array<TParamTableRow, ParamTableRowCount>;

// The rows of the key's layout over the given values; rows the layout does
// not use (every row for a key without a layout) are empty with zeros.
TParamTable ParamTableFor(const TDrugKey& key, const TPopulationBlock& values);

// The values a source shows: the page's population block (population set
// and typed values) or, for a past analysis, its individual estimates beside
// its population CV %. Nothing while the source's list has no selection.
std::optional<TPopulationBlock> ShownParams(ParamSource source, int sourceIndex, int pastIndex,
                                            const TPopulationBlock& current,
                                            const std::vector<TAnalysisRecord>& pastAnalyses);
