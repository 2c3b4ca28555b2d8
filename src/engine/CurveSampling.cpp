#include "CurveSampling.h"

#include "ConcentrationDispatch.h"
#include "CurveLanes.h"
#include "CurveModel.h"
#include "ParallelRuns.h"
#include "WideLanes.h"

#include <algorithm>
#include <array>
#include <climits>
#include <optional>

namespace {

// Points handed to a thread at a time.
constexpr int ChunkPoints = 64;

// Where a point starts, as the carried state of a curve sampled point by
// point would have it.
struct PointStart {
    enum Kind : int {
        IntervalFrom,    // from the state at Event, the interval from that event to the point
        StateAt,         // the state at Event as it is (no event reached since)
        BeyondCapacity,  // more intervals than the model takes: 0
    };
    Kind How = StateAt;
    int Event = 0;
};

// Where the resume pointers of a one-interval lane point: with one interval
// nothing is written back, but each pointer needs somewhere to point.
struct UnusedResume {
    double states[2] = {};
    int counter = 0;
};

// One curve: the inputs and bounds of its dose events, the states at each
// event (the state before that event's dose, as the carried state holds it
// when it resumes there), and where each point starts.
struct CurvePlan {
    const TCurveRequest* Request = nullptr;
    const TCurveModel* Model = nullptr;
    TSimulationBuffers Intervals;              // per event its input and its time in hours
    std::vector<std::array<double, 2>> States; // per event the states at it
    std::vector<PointStart> Starts;            // per point
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

void StoreValue(const CurvePlan& plan, int j, const double* y)
{
    const TCurveModel& m = *plan.Model;
    plan.Request->Values[j] = ToDisplayConcentration(ConcentrationOf(m, y, 0), m.Unit);
    if (!plan.Request->SecondValues.empty())
        plan.Request->SecondValues[j] = ToDisplayConcentration(ConcentrationOf(m, y, 1), m.Unit);
}

void StoreZero(const CurvePlan& plan, int j)
{
    // Beyond the model's capacity SimulateCurve gives 0.
    plan.Request->Values[j] = 0.0;
    if (!plan.Request->SecondValues.empty())
        plan.Request->SecondValues[j] = 0.0;
}

template <class Model>
typename Model::Rates RatesOf(const TCurveModel& m)
{
    return Model::Prepare(m.Theta, m.BodyWeight, m.Bioavail);
}

// A lane of one interval: from the states y, the input at `input` over
// [bounds[0], bounds[1]].
template <class Model>
void SetUpInterval(pk::CurveLane<Model>& lane, const typename Model::Rates& rates, const std::array<double, 2>& y,
                   const double* input, const double* bounds, UnusedResume& unused)
{
    lane.rates = rates;
    for (int k = 0; k < Model::kStates; ++k) {
        lane.y[k] = y[k];
        lane.resume[k] = &unused.states[k];
    }
    lane.inputs = input;
    lane.bounds = bounds;
    lane.n = 1;
    lane.doseCounter = &unused.counter;
}

// The curve's event states and where each point starts. The events are
// walked as SimulateCurve walks them for a curve sampled point by point:
// each point counts the events from the carried dose position up to its
// minute; a point with more intervals than the model takes gives 0 and
// leaves the position where it was. Every interval between two events is
// integrated once, with exactly the operations the carried state would get.
template <class Model>
void PlanCurve(const TEngineContext& context, int firstMinute, int stepMinutes, int count, CurvePlan& plan)
{
    const std::vector<TDoseEvent>& events = *plan.Request->DoseEvents;
    const bool oral = Model::kRoute == pk::DoseRoute::Oral;
    // Every event a minute can reach, as the model's inputs and bounds.
    FillCurveIntervals(events, 0, INT_MAX, oral, plan.Intervals);

    std::array<double, 2> start{};
    double central = 0.0;
    double second = 0.0;
    SelectSimulationParams(context, &central, &second, plan.Request->InitialFlag);
    start[0] = central;
    start[1] = second;

    plan.Starts.assign(static_cast<std::size_t>(count), PointStart{});
    const std::size_t eventCount = events.size();
    int passed = 0;
    int furthest = 0;   // the highest event a point starts from
    for (int j = 0; j < count; ++j) {
        const int t = firstMinute + j * stepMinutes;
        std::size_t n = 0;
        while (static_cast<std::size_t>(passed) + n < eventCount && !(events[passed + n].Time > t) &&
               n <= static_cast<std::size_t>(pk::kMaxCurveIntervals))
            ++n;
        if (n > static_cast<std::size_t>(pk::kMaxCurveIntervals)) {
            plan.Starts[j] = {PointStart::BeyondCapacity, passed};
            continue;
        }
        if (n == 0) {
            plan.Starts[j] = {PointStart::StateAt, passed};
            furthest = std::max(furthest, passed);
            continue;
        }
        // The carried position moves to the last event reached.
        passed = passed + static_cast<int>(n) - 1;
        plan.Starts[j] = {PointStart::IntervalFrom, passed};
        furthest = std::max(furthest, passed);
    }

    // The states at events 0 .. furthest, interval by interval.
    const int last = furthest;
    plan.States.assign(static_cast<std::size_t>(last) + 1, start);
    const typename Model::Rates rates = RatesOf<Model>(*plan.Model);
    UnusedResume unused;
    for (int p = 0; p < last; ++p) {
        pk::CurveLane<Model> lane;
        SetUpInterval(lane, rates, plan.States[p], &plan.Intervals.Inputs[p], &plan.Intervals.Bounds[p], unused);
        pk::SimulateLanes(&lane, 1);
        for (int k = 0; k < Model::kStates; ++k)
            plan.States[p + 1][k] = lane.y[k];
    }
}

// Points [from, to) of a planned curve, consecutive points side by side.
template <class Model>
void SamplePoints(int firstMinute, int stepMinutes, const CurvePlan& plan, int from, int to)
{
    const typename Model::Rates rates = RatesOf<Model>(*plan.Model);
    pk::CurveLane<Model> lanes[pk::kMaxWideLanes];
    int pointOf[pk::kMaxWideLanes];
    double bounds[pk::kMaxWideLanes][2];
    UnusedResume unused[pk::kMaxWideLanes];
    int running = 0;
    auto run = [&] {
        pk::SimulateOneIntervalLanes(lanes, running);
        for (int r = 0; r < running; ++r)
            StoreValue(plan, pointOf[r], lanes[r].y);
        running = 0;
    };
    for (int j = from; j < to; ++j) {
        const PointStart start = plan.Starts[j];
        switch (start.How) {
        case PointStart::BeyondCapacity:
            StoreZero(plan, j);
            continue;
        case PointStart::StateAt:
            StoreValue(plan, j, plan.States[start.Event].data());
            continue;
        case PointStart::IntervalFrom:
            break;
        }
        const int t = firstMinute + j * stepMinutes;
        bounds[running][0] = plan.Intervals.Bounds[start.Event];
        bounds[running][1] = pk::MinutesToHours(t);
        SetUpInterval(lanes[running], rates, plan.States[start.Event], &plan.Intervals.Inputs[start.Event],
                      bounds[running], unused[running]);
        pointOf[running++] = j;
        if (running == pk::kMaxWideLanes)
            run();
    }
    run();
}

template <class Visit>
void WithModel(CurveModelKind kind, Visit&& visit)
{
    switch (kind) {
    case CurveModelKind::OneCompOral: return visit.template operator()<pk::OneCompOral>();
    case CurveModelKind::OneCompInfusion: return visit.template operator()<pk::OneCompInfusion>();
    case CurveModelKind::TwoCompInfusion: return visit.template operator()<pk::TwoCompInfusion>();
    case CurveModelKind::MMOral: return visit.template operator()<pk::MMOral>();
    case CurveModelKind::MMInfusion: return visit.template operator()<pk::MMInfusion>();
    }
}

} // namespace

bool SampleConcentrationCurves(const TEngineContext& context, int firstMinute, int stepMinutes, int count,
                               std::span<const TCurveRequest> requests, int threads)
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
    std::vector<CurvePlan> plans(requests.size());
    for (std::size_t i = 0; i < requests.size(); ++i) {
        plans[i].Request = &requests[i];
        plans[i].Model = &models[i];
    }

    const int threadCount = ResolveThreadCount(threads);
    const int curves = static_cast<int>(plans.size());
    const int chunksPerCurve = (count + ChunkPoints - 1) / ChunkPoints;
    WithModel(probe->Kind, [&]<class Model>() {
        RunInParallel(curves, threadCount, [&](int c) {
            PlanCurve<Model>(context, firstMinute, stepMinutes, count, plans[c]);
        });
        RunInParallel(curves * chunksPerCurve, threadCount, [&](int task) {
            const int from = (task % chunksPerCurve) * ChunkPoints;
            SamplePoints<Model>(firstMinute, stepMinutes, plans[task / chunksPerCurve], from,
                                std::min(count, from + ChunkPoints));
        });
    });
    return true;
}
