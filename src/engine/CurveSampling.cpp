#include "CurveSampling.h"

#include "ConcentrationDispatch.h"
#include "CurveLanes.h"
#include "CurveModel.h"

#include <algorithm>
#include <array>
#include <climits>
#include <optional>

namespace {

// One curve's own state, as a caller of ConcentrationAt keeps it.
struct CurveState {
    double second = 0.0;
    double central = 0.0;
    int passed = 0;
};

bool ValidRequest(const TCurveRequest& r, int count)
{
    const auto room = static_cast<std::size_t>(count);
    return r.DoseEvents && r.Block && r.Values.size() >= room &&
           (r.SecondValues.empty() || r.SecondValues.size() >= room);
}

// The concentration SimulateCurve returns for the states at the last bound.
double ConcentrationOf(const TCurveModel& m, const double* y, int peripheral)
{
    const double* p = m.Theta;
    if (m.Kind == CurveModelKind::TwoCompInfusion && peripheral != 0)
        return y[1] / (p[0] * m.BodyWeight * p[2] / p[3]);
    return y[0] / (p[0] * m.BodyWeight);
}

// Up to kMaxCurveLanes curves of one model, point by point.
template <class Model>
void SampleLanes(const TEngineContext& context, int firstMinute, int stepMinutes, int count,
                 std::span<const TCurveRequest> requests, std::span<const TCurveModel> models)
{
    constexpr int S = Model::kStates;
    const int laneCount = static_cast<int>(requests.size());
    std::array<CurveState, pk::kMaxCurveLanes> states{};
    std::array<TSimulationBuffers, pk::kMaxCurveLanes> buffers;
    std::array<typename Model::Rates, pk::kMaxCurveLanes> rates{};
    for (int l = 0; l < laneCount; ++l) {
        SelectSimulationParams(context, &states[l].central, &states[l].second, requests[l].InitialFlag);
        rates[l] = Model::Prepare(models[l].Theta, models[l].BodyWeight, models[l].Bioavail);
    }
    const bool oral = Model::kRoute == pk::DoseRoute::Oral;
    pk::CurveLane<Model> lanes[pk::kMaxCurveLanes];
    int laneOf[pk::kMaxCurveLanes];
    for (int j = 0; j < count; ++j) {
        const int t = firstMinute + j * stepMinutes;
        int running = 0;
        for (int l = 0; l < laneCount; ++l) {
            CurveState& state = states[l];
            const int n = FillCurveIntervals(*requests[l].DoseEvents, state.passed, t, oral, buffers[l]);
            if (n > pk::kMaxCurveIntervals) {
                // Beyond the model's capacity SimulateCurve gives 0.
                requests[l].Values[j] = 0.0;
                if (!requests[l].SecondValues.empty())
                    requests[l].SecondValues[j] = 0.0;
                continue;
            }
            pk::CurveLane<Model>& lane = lanes[running];
            lane.rates = rates[l];
            lane.y[0] = state.central;
            if constexpr (S > 1)
                lane.y[1] = state.second;
            lane.inputs = buffers[l].Inputs.data();
            lane.bounds = buffers[l].Bounds.data();
            lane.n = n;
            lane.doseCounter = &state.passed;
            lane.resume[0] = &state.central;
            if constexpr (S > 1)
                lane.resume[1] = &state.second;
            laneOf[running++] = l;
        }
        pk::SimulateLanes(lanes, running);
        for (int r = 0; r < running; ++r) {
            const int l = laneOf[r];
            const TCurveModel& m = models[l];
            requests[l].Values[j] = ToDisplayConcentration(ConcentrationOf(m, lanes[r].y, 0), m.Unit);
            if (!requests[l].SecondValues.empty())
                requests[l].SecondValues[j] = ToDisplayConcentration(ConcentrationOf(m, lanes[r].y, 1), m.Unit);
        }
    }
}

void SampleGroup(const TEngineContext& context, int firstMinute, int stepMinutes, int count,
                 std::span<const TCurveRequest> requests, std::span<const TCurveModel> models)
{
    switch (models.front().Kind) {
    case CurveModelKind::OneCompOral:
        return SampleLanes<pk::OneCompOral>(context, firstMinute, stepMinutes, count, requests, models);
    case CurveModelKind::OneCompInfusion:
        return SampleLanes<pk::OneCompInfusion>(context, firstMinute, stepMinutes, count, requests, models);
    case CurveModelKind::TwoCompInfusion:
        return SampleLanes<pk::TwoCompInfusion>(context, firstMinute, stepMinutes, count, requests, models);
    case CurveModelKind::MMOral:
        return SampleLanes<pk::MMOral>(context, firstMinute, stepMinutes, count, requests, models);
    case CurveModelKind::MMInfusion:
        return SampleLanes<pk::MMInfusion>(context, firstMinute, stepMinutes, count, requests, models);
    }
}

} // namespace

bool SampleConcentrationCurves(const TEngineContext& context, int firstMinute, int stepMinutes, int count,
                               std::span<const TCurveRequest> requests)
{
    if (count < 0)
        return false;
    const long long last = static_cast<long long>(firstMinute) + static_cast<long long>(count > 0 ? count - 1 : 0) *
                                                                     static_cast<long long>(stepMinutes);
    if (last < INT_MIN || last > INT_MAX)
        return false;
    for (const TCurveRequest& r : requests) {
        if (!ValidRequest(r, count))
            return false;
    }
    if (count == 0 || requests.empty())
        return true;

    // The model depends on the drug alone; the compartment is chosen per value.
    const std::optional<TCurveModel> probe = CurveModelOf(context, 0, *requests.front().Block);
    if (!probe) {
        for (const TCurveRequest& r : requests) {
            std::fill_n(r.Values.begin(), count, 0.0);
            if (!r.SecondValues.empty())
                std::fill_n(r.SecondValues.begin(), count, 0.0);
        }
        return true;
    }
    std::vector<TCurveModel> models;
    models.reserve(requests.size());
    for (const TCurveRequest& r : requests)
        models.push_back(*CurveModelOf(context, 0, *r.Block));

    for (std::size_t from = 0; from < requests.size(); from += pk::kMaxCurveLanes) {
        const std::size_t size = std::min<std::size_t>(pk::kMaxCurveLanes, requests.size() - from);
        SampleGroup(context, firstMinute, stepMinutes, count, requests.subspan(from, size),
                    std::span<const TCurveModel>(models).subspan(from, size));
    }
    return true;
}
