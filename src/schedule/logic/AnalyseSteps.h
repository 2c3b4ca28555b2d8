#pragma once
// The checks and decisions of the Analyse command ("解析"), apart from the
// window: whether the listed schedule sets can be analysed, the dose events
// built before the fit, whether the samplings can reach the fit at all, and
// what the user is told. The command applies them in its order: check, ask,
// store, build, fit, store the estimates, show.
#include "DoseEvents.h"
#include "GraphState.h"
#include "Ucommon.h"

#include <QString>
#include <optional>

namespace analyse_texts {

inline const QString ScheduleErrorCaption = QStringLiteral("投与/採血スケジュールエラー");
inline const QString ConfirmCaption = QStringLiteral("投与/採血スケジュール確認");

inline const QString NoAdministrations = QStringLiteral("投与スケジュールが設定されていません。");
inline const QString ConfirmAnalyse =
    QStringLiteral("投与/採血スケジュールを登録して解析結果を表示します。\nよろしいですか？");
inline const QString ConfirmSimulationOnly =
    QStringLiteral("採血情報が設定されていません。\nシミュレーショングラフを表示します。\nよろしいですか？");
inline const QString FitFailedMessage = QStringLiteral(
    "測定値が母集団パラメーターと大きく乖離しているため患者パラメータの算出ができませんでした。\n"
    "投与量または実測値に誤りがありませんか？");
inline const QString PopulationPredictionOnly =
    QStringLiteral("採血時刻がすべて投与開始前のため、母集団パラメータによる予測を表示します。");
// The first line of a store failure, above the store's reason: the schedule
// (before the fit) and the estimates (after it).
inline const QString ScheduleNotStored = QStringLiteral("投与/採血スケジュールを登録できませんでした。");
inline const QString EstimatesNotStored = QStringLiteral("解析結果を保存できませんでした。");
// The hint line after estimates that could not be stored.
inline const QString ResultsNotStoredHint =
    QStringLiteral("　解析結果はデータベースに保存されていません。");

} // namespace analyse_texts

// What the user is told when the command stops.
struct TAnalyseMessage {
    QString Text;
    QString Caption;
};

// Every listed set (0 .. LastListedScheduleSet) must hold at least one
// administration; the first that holds none stops the command with
// "投与スケジュールが設定されていません。". Then CheckSetsComputable.
// Nothing when the command may go on.
std::optional<TAnalyseMessage> CheckSetsForAnalysis(const TScheduleSets& sets, const TDrugKey& drug);

// Every set in use (0 .. LastScheduleSetIndex) must be one the engine can
// compute: no infusion starting while another still runs, and at most
// EngineMaxDoseEvents dose events; the message names the first set that is
// not. Nothing when every one is.
std::optional<TAnalyseMessage> CheckSetsComputable(const TScheduleSets& sets, const TDrugKey& drug);

// Fixes the graph's span from set 0's prescriptions (today: the clock's date
// at 00:00), then sorts the administrations of every set in use by time and
// rebuilds its dose events. TooManyEvents only for a set CheckSetsForAnalysis
// would have refused.
DoseEventsResult BuildDoseEventsForAnalysis(TScheduleSets& sets, const TAnalysisRecord& analysis,
                                            vcl::TDateTime today, TGraphState& graph);

// True when there is at least one sampling and every one lies before the
// first dose event of set 0, so that no fit can use any of them (the rule of
// the fit's sampling selection). The command then says that the population
// values are shown; it is decided here from the samplings because some models
// still run a fit without observations and report it as converged.
bool AllSamplingsBeforeFirstDose(const TScheduleSets& sets, vcl::TDateTime graphFirstDay);
