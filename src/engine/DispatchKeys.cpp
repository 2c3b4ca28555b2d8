#include "DispatchKeys.h"

#include <span>

namespace {

// One row: category, drug, a range of products, and for the one product with
// two models the model it needs (0: any).
struct KeyRange {
    int kubun;
    int drug;
    int firstProduct;
    int lastProduct;
    int algo;
};

bool Matches(const KeyRange& row, const TAnalysisRecord& a)
{
    return a.kubun_id == row.kubun && a.yakuzainame_id == row.drug && a.yakuhinname_id >= row.firstProduct &&
           a.yakuhinname_id <= row.lastProduct && (row.algo == 0 || a.analysis_algo == row.algo);
}

template <class Route>
struct Row {
    KeyRange key;
    Route route;
};

template <class Route>
Route FirstMatch(std::span<const Row<Route>> table, const TAnalysisRecord& analysis, Route none)
{
    for (const Row<Route>& row : table) {
        if (Matches(row.key, analysis))
            return row.route;
    }
    return none;
}

using E = EstimationRoute;
const Row<E> EstimationTable[] = {
    {{1, 1, 1, 3, 0}, E::OralClAbs},     {{3, 7, 1, 1, 0}, E::OralClAbs},     {{3, 8, 1, 1, 0}, E::OralClAbs},
    {{1, 1, 4, 4, 0}, E::InfusionClAbs}, {{2, 1, 1, 3, 0}, E::OralCl},        {{3, 2, 1, 5, 0}, E::OralCl},
    {{3, 6, 1, 2, 0}, E::OralCl},        {{7, 1, 1, 1, 0}, E::OralCl},        {{2, 1, 4, 4, 0}, E::OralClF},
    {{2, 2, 1, 1, 0}, E::InfusionCl},    {{3, 2, 6, 6, 0}, E::InfusionCl},    {{5, 1, 1, 1, 1}, E::InfusionCl},
    {{3, 1, 1, 1, 0}, E::MMOral},        {{3, 1, 100, 100, 0}, E::MMOral},    {{3, 1, 2, 3, 0}, E::MMInfusion},
    {{3, 4, 1, 2, 0}, E::OralKe},        {{3, 5, 1, 5, 0}, E::OralKe},        {{6, 1, 1, 1, 0}, E::OralKe},
    {{4, 1, 1, 1, 0}, E::TwoCompCl},     {{5, 1, 1, 1, 2}, E::TwoCompCl},     {{5, 2, 1, 1, 0}, E::TwoCompCl},
    {{8, 1, 1, 1, 0}, E::TwoCompCl},     {{9, 1, 1, 1, 0}, E::TwoCompKe},
};

using S = SimulationRoute;
const Row<S> SimulationTable[] = {
    {{1, 1, 1, 3, 0}, S::OralB},       {{3, 7, 1, 1, 0}, S::OralB},         {{3, 8, 1, 1, 0}, S::OralB},
    {{1, 1, 4, 4, 0}, S::InfusionA},   {{2, 1, 1, 4, 0}, S::OralA},         {{3, 2, 1, 5, 0}, S::OralA},
    {{3, 4, 1, 2, 0}, S::OralA},       {{3, 5, 1, 5, 0}, S::OralA},         {{3, 6, 1, 2, 0}, S::OralA},
    {{7, 1, 1, 1, 0}, S::OralA},       {{6, 1, 1, 1, 0}, S::OralC},         {{2, 2, 1, 1, 0}, S::InfusionB},
    {{3, 2, 6, 6, 0}, S::InfusionB},   {{5, 1, 1, 1, 1}, S::InfusionB},     {{3, 1, 1, 1, 0}, S::MMOral},
    {{3, 1, 100, 100, 0}, S::MMOral},  {{3, 1, 2, 3, 0}, S::MMInfusion},    {{4, 1, 1, 1, 0}, S::TwoComp},
    {{5, 1, 1, 1, 2}, S::TwoComp},     {{5, 2, 1, 1, 0}, S::TwoComp},       {{8, 1, 1, 1, 0}, S::TwoComp},
    {{9, 1, 1, 1, 0}, S::TwoCompB},
};

constexpr TInitialAmountRule VdAbsolute{InitialVolume::Vd, WeightFactor::Without};
constexpr TInitialAmountRule VdPerKg{InitialVolume::Vd, WeightFactor::TimesBodyWeight};
constexpr TInitialAmountRule V1Absolute{InitialVolume::V1, WeightFactor::Without};
constexpr TInitialAmountRule V1PerKg{InitialVolume::V1, WeightFactor::TimesBodyWeight};
constexpr TInitialAmountRule NoRule{};

const Row<TInitialAmountRule> InitialAmountTable[] = {
    {{1, 1, 1, 4, 0}, VdAbsolute}, {{3, 7, 1, 1, 0}, VdAbsolute},   {{3, 8, 1, 1, 0}, VdAbsolute},
    {{2, 1, 1, 4, 0}, VdPerKg},    {{2, 2, 1, 1, 0}, VdPerKg},      {{3, 1, 1, 3, 0}, VdPerKg},
    {{3, 1, 100, 100, 0}, VdPerKg}, {{3, 2, 1, 6, 0}, VdPerKg},     {{3, 4, 1, 2, 0}, VdPerKg},
    {{3, 5, 1, 5, 0}, VdPerKg},    {{3, 6, 1, 2, 0}, VdPerKg},      {{5, 1, 1, 1, 1}, VdPerKg},
    {{6, 1, 1, 1, 0}, VdPerKg},    {{7, 1, 1, 1, 0}, VdPerKg},      {{4, 1, 1, 1, 0}, V1Absolute},
    {{5, 1, 1, 1, 2}, V1Absolute}, {{5, 2, 1, 1, 0}, V1Absolute},   {{8, 1, 1, 1, 0}, V1Absolute},
    {{9, 1, 1, 1, 0}, V1PerKg},
};

} // namespace

EstimationRoute EstimationRouteOf(const TAnalysisRecord& analysis)
{
    return FirstMatch<E>(EstimationTable, analysis, E::None);
}

SimulationRoute SimulationRouteOf(const TAnalysisRecord& analysis)
{
    return FirstMatch<S>(SimulationTable, analysis, S::None);
}

TInitialAmountRule InitialAmountRuleOf(const TAnalysisRecord& analysis)
{
    return FirstMatch<TInitialAmountRule>(InitialAmountTable, analysis, NoRule);
}

bool IsLithium(const TAnalysisRecord& analysis)
{
    return analysis.kubun_id == 6 && analysis.yakuzainame_id == 1;
}

bool IsMethotrexate(const TAnalysisRecord& analysis)
{
    return analysis.kubun_id == 9 && analysis.yakuzainame_id == 1;
}

ConcentrationUnit ConcentrationUnitOf(const TAnalysisRecord& analysis)
{
    if (IsLithium(analysis))
        return ConcentrationUnit::LithiumMEqPerL;
    if (IsMethotrexate(analysis))
        return ConcentrationUnit::MethotrexateMicromolar;
    return ConcentrationUnit::Engine;
}

TCurveCase CurveCaseOf(const TAnalysisRecord& analysis)
{
    TCurveCase curves;
    const SimulationRoute route = SimulationRouteOf(analysis);
    if (route == SimulationRoute::TwoComp || route == SimulationRoute::TwoCompB)
        curves.Second = SecondCurve::Peripheral;
    else if (analysis.kubun_id == 3 && analysis.yakuzainame_id == 1)
        curves.Second = SecondCurve::AlbuminCorrected;
    if (IsMethotrexate(analysis))
        curves.Axis = ConcentrationAxis::Logarithmic;
    return curves;
}
