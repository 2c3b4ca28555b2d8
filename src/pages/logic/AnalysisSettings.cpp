#include "AnalysisSettings.h"

#include <algorithm>

namespace {

enum Param { Ke = 1, Vd = 2, Cl = 11 };

bool Shows(std::span<const TParamRowSpec> rows, int param)
{
    return std::any_of(rows.begin(), rows.end(), [param](const TParamRowSpec& row) { return row.Param == param; });
}

int SyuttenIdOf(const TDrugSelection& selection)
{
    switch (selection.Source) {
    case ParamSource::Population:
        return selection.SourceIndex + 1;
    case ParamSource::PastAnalysis:
        return -1;
    case ParamSource::Manual:
        return -2;
    }
    return -2;
}

} // namespace

TPopulationBlock BlockToStore(const TDrugKey& key, ParamSource source, const TParamBlock& means,
                              const TParamTable& table)
{
    TPopulationBlock block{means, TParamBlock{}};
    const std::optional<ParamLayout> layout = ParamLayoutFor(key);
    if (!layout)
        return block;
    const std::span<const TParamRowSpec> rows = ParamLayoutRows(*layout);
    for (std::size_t row = 0; row < rows.size(); ++row) {
        block.Mean[rows[row].Param] = table[row].Mean;
        block.Cv[rows[row].Param] = table[row].Cv;
    }
    // The two-compartment layouts show V1 and CL: those sets fit and simulate from CL.
    if (source != ParamSource::Population && Shows(rows, Cl) && Shows(rows, Vd) && !Shows(rows, Ke))
        block.Mean.ke = RateFromClearance(block.Mean.cl, block.Mean.vd);
    return block;
}

DrugValues DrugValuesKeptByConfirm(const TAnalysisRecord& stored, const TDrugPageEntry& entry)
{
    const TDrugSelection& s = entry.Selection;
    const bool sameSource = stored.syutten_id == SyuttenIdOf(s)
        && (s.Source != ParamSource::PastAnalysis || stored.past_id == entry.PastKaisekiId);
    return DrugKeyOf(stored) == SelectedDrugKey(s) && sameSource ? DrugValues::KeepParameters
                                                                 : DrugValues::KeepPopulationMeans;
}

void StoreAnalysisSettings(TAnalysisRecord& record, const TDrugPageEntry& entry, const QString& patientKey,
                           int kaisekiId)
{
    const TDrugSelection& s = entry.Selection;
    const TDrugKey key = SelectedDrugKey(s);
    record.patient_id = patientKey;
    record.kaiseki_id = kaisekiId;
    record.kubun_id = key.kubun;
    record.yakuzainame_id = key.yakuzai;
    record.yakuhinname_id = key.yakuhin;
    record.syutten_id = SyuttenIdOf(s);
    if (s.Source == ParamSource::PastAnalysis)
        record.past_id = entry.PastKaisekiId;
    record.analysis_algo = key.algo;
    record.analysis_weight = 2;
    record.weight_value = 1;
    record.absolute_error = 0;
    record.relative_error = 0;
    record.init_value = 0;
    record.analysis_date = 0;
    record.kaiseki_before_id = 0;
    LoadPatientDrugValues(record, entry);
    LoadPopulationParams(record, entry);
}

void LoadPatientDrugValues(TAnalysisRecord& record, const TDrugPageEntry& entry)
{
    const TDrugSelection& s = entry.Selection;
    if (const std::optional<TPanelChoice> panel = CovariatePanelFor(SelectedDrugKey(s), s.SourceIndex))
        StoreAnswers(*panel, entry.Answers, record);
}

void LoadPopulationParams(TAnalysisRecord& record, const TDrugPageEntry& entry)
{
    const TDrugSelection& s = entry.Selection;
    const TPopulationBlock block = BlockToStore(SelectedDrugKey(s), s.Source, record.bosyudan, entry.Table);
    record.bosyudan = block.Mean;
    record.bosyudan_vari = block.Cv;
}
