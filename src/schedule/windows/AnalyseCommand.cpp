#include "AnalyseCommand.h"

#include "AnalyseSteps.h"
#include "Clock.h"
#include "EstimationDispatch.h"
#include "MainWindowHub.h"
#include "MessageBox.h"
#include "ResultPage.h"
#include "ScheduleSetOps.h"
#include "ScheduleUndo.h"
#include "Ucommon.h"
#include "uDataBase.h"

#include <QLabel>

void RunAnalyseCommand(TMainWindowHub& hub, TDataModule1& store, TResultPage& results,
                       const TEstimation& estimate)
{
    using namespace analyse_texts;
    TScheduleSets& sets = ScheduleSets;
    TAnalysisRecord& analysis = CurrentAnalysis;

    if (const std::optional<TAnalyseMessage> refusal = CheckSetsForAnalysis(sets, DrugKeyOf(analysis))) {
        vcl::ShowError(refusal->Text, refusal->Caption);
        return;
    }
    if (!vcl::AskOkCancel(ConfirmAnalyse, ConfirmCaption))
        return;
    if (sets.Samplings.empty() && !vcl::AskOkCancel(ConfirmSimulationOnly, ConfirmCaption))
        return;

    // The analysis row, every used set's prescriptions and the samplings, all
    // or nothing. The undo history goes only once they are stored, so after a
    // failure the user can still step back.
    if (store.SaveAnalysisWithSchedule(analysis, sets.PrescriptionLists, LastScheduleSetIndex(sets), sets.Samplings)
        < 0) {
        vcl::ShowError(ScheduleNotStored + QLatin1Char('\n') + store.LastFailureText(), ScheduleErrorCaption);
        return;
    }
    ClearScheduleUndo(sets);

    TGraphState& graph = hub.Graph();
    const DoseEventsResult built = BuildDoseEventsForAnalysis(sets, analysis, vcl::Date(), graph);
    // New events and span: a result page shown without a converged fit
    // computes its curves from them too.
    results.InvalidateCurves();
    if (built == DoseEventsResult::TooManyEvents) {
        // The check above refuses such a set; this only keeps a fit away
        // from a set whose later doses are missing.
        vcl::ShowError(QStringLiteral("投与スケジュールの投与回数が多すぎます。"), ScheduleErrorCaption);
        return;
    }

    // A failed fit writes the population values back; the estimates shown
    // and saved later (settings, albumin, print) stay those of the last
    // analysis instead.
    const TParamBlock estimatesBefore = analysis.kaiseki;
    const double ssBefore = analysis.ss;
    if (estimate() < 0) {
        analysis.kaiseki = estimatesBefore;
        analysis.ss = ssBefore;
        // The answer is not used.
        vcl::MessageBox(FitFailedMessage, ConfirmCaption, vcl::MB_OKCANCEL | vcl::MB_ICONEXCLAMATION);
        return;
    }
    if (AllSamplingsBeforeFirstDose(sets, graph.GraphFirstDay))
        vcl::ShowInformation(PopulationPredictionOnly);

    analysis.analysis_date = vcl::Date();
    const bool stored = store.SaveAnalysis(analysis) >= 0;
    const QString storeError = store.LastFailureText();
    results.ShowResults();
    if (!stored) {
        hub.Header().Panel17->setText(ResultsNotStoredHint);
        vcl::ShowError(EstimatesNotStored + QLatin1Char('\n') + storeError, ScheduleErrorCaption);
    }
}
