#include "AnalyseSteps.h"

#include "ConcentrationUnits.h"
#include "EstimationDispatch.h"
#include "GraphSpan.h"
#include "ScheduleSetOps.h"

std::optional<TAnalyseMessage> CheckSetsForAnalysis(const TScheduleSets& sets, const TDrugKey& drug)
{
    using namespace analyse_texts;
    for (int set = 0; set <= LastListedScheduleSet(sets); ++set) {
        if (sets.ScheduleDayLists[set].empty())
            return TAnalyseMessage{NoAdministrations, ScheduleErrorCaption};
    }
    return CheckSetsComputable(sets, drug);
}

std::optional<TAnalyseMessage> CheckSetsComputable(const TScheduleSets& sets, const TDrugKey& drug)
{
    using namespace analyse_texts;
    for (int set = 0; set <= LastScheduleSetIndex(sets); ++set) {
        const std::vector<TScheduleDay>& days = sets.ScheduleDayLists[set];
        const QString name = ScheduleSetName(set);
        if (FindOverlappingInfusions(days, drug))
            return TAnalyseMessage{
                QStringLiteral("「%1」の投与スケジュールで、前の点滴が終わる前に次の点滴が始まっています。\n"
                               "投与時刻または点滴時間を見直してください。")
                    .arg(name),
                ScheduleErrorCaption};
        if (DoseEventCountOf(days, drug) > static_cast<std::size_t>(EngineMaxDoseEvents))
            return TAnalyseMessage{
                QStringLiteral("「%1」の投与スケジュールは投与回数が多すぎるため解析できません。\n"
                               "投与回数は点滴の終了を含めて%2回までです。")
                    .arg(name)
                    .arg(EngineMaxDoseEvents),
                ScheduleErrorCaption};
    }
    return std::nullopt;
}

DoseEventsResult BuildDoseEventsForAnalysis(TScheduleSets& sets, const TAnalysisRecord& analysis,
                                            vcl::TDateTime today, TGraphState& graph)
{
    ComputeGraphSpan(sets.PrescriptionLists[0], DrugKeyOf(analysis), today, graph);
    return RebuildDoseEvents(sets, DoseEventContextOf(analysis, graph), LastScheduleSetIndex(sets));
}

bool AllSamplingsBeforeFirstDose(const TScheduleSets& sets, vcl::TDateTime graphFirstDay)
{
    if (sets.Samplings.empty())
        return false;
    const TFitSamples usable =
        SelectFitSamples(sets.Samplings, sets.DoseEventLists[0], graphFirstDay, ConcentrationUnit::Engine);
    return usable.Times.empty();
}
