#include "CaseLoading.h"

#include "DoseEvents.h"
#include "GraphSpan.h"
#include "ScheduleExpansion.h"
#include "ScheduleSort.h"
#include "uDataBase.h"

CaseLoadResult LoadCase(TDataModule1& store, const QString& patientKey, int kaisekiId, vcl::TDateTime today,
                        const TGraphState& graph, TLoadedCase& loaded, QString* errorText)
{
    auto failed = [&](CaseLoadResult result, const QString& text) {
        if (errorText)
            *errorText = text;
        return result;
    };

    loaded = TLoadedCase{};
    loaded.Graph = graph;
    if (store.LoadPatient(patientKey, loaded.Patient) < 0
        || store.LoadAnalysis(patientKey, kaisekiId, loaded.Analysis) < 0)
        return failed(CaseLoadResult::DatabaseFailed, store.LastFailureText());

    const TDrugKey drug = DrugKeyOf(loaded.Analysis);
    TScheduleSets& sets = loaded.Sets;
    for (int set = 0; set < ScheduleSetCount; ++set) {
        if (store.LoadPrescriptions(patientKey, kaisekiId, set, sets.PrescriptionLists[set]) < 0)
            return failed(CaseLoadResult::DatabaseFailed, store.LastFailureText());
        // The span comes from the real schedule and fixes the clock of every
        // set's dose events, so set 0 goes first.
        if (set == 0)
            ComputeGraphSpan(sets.PrescriptionLists[0], drug, today, loaded.Graph);
        ExpandPrescriptions(sets.PrescriptionLists[set], drug, sets.ScheduleDayLists[set]);
        SortByTime(sets.ScheduleDayLists[set]);
        const TDoseEventContext context = DoseEventContextOf(loaded.Analysis, loaded.Graph);
        if (BuildDoseEvents(sets.ScheduleDayLists[set], context, sets.DoseEventLists[set])
            == DoseEventsResult::TooManyEvents)
            return failed(CaseLoadResult::TooManyDoseEvents,
                          QStringLiteral("投与スケジュールの投与回数が多すぎます。"));
    }
    if (store.LoadSamplings(patientKey, kaisekiId, sets.Samplings) < 0)
        return failed(CaseLoadResult::DatabaseFailed, store.LastFailureText());
    sets.CurSetIndex = 0;
    loaded.NotComputable = CheckSetsComputable(sets, drug);
    return CaseLoadResult::Loaded;
}
