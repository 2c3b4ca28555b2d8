#include "DoseEvents.h"

#include "DoseEventRules.h"
#include "ScheduleMinutes.h"
#include "Udifine.h"

#include <algorithm>
#include <tuple>

namespace {

// Where an event goes in time order. At equal times the ends of infusions
// that lasted come first, then each administration's start followed by the
// end of a zero-length infusion; ties keep the day list's order.
struct TEventSlot {
    double Time = 0;
    int Group = 0;       // 0 the end of an infusion that lasted, 1 a start or a zero-length end
    int Position = 0;    // the administration's position in the day list
    int Part = 0;        // 0 start, 1 end

    friend bool operator<(const TEventSlot& a, const TEventSlot& b)
    {
        return std::tie(a.Time, a.Group, a.Position, a.Part) < std::tie(b.Time, b.Group, b.Position, b.Part);
    }
};

struct TSlottedEvent {
    TEventSlot Slot;
    TDoseEvent Event;
};

} // namespace

TDoseEventContext DoseEventContextOf(const TAnalysisRecord& analysis, const TGraphState& graph)
{
    return {DrugKeyOf(analysis), analysis.kaiseki_table10, graph.GraphFirstDay};
}

std::size_t DoseEventCountOf(const std::vector<TScheduleDay>& days, const TDrugKey& drug)
{
    return days.size() * (AdministrationOf(drug) == Administration::Infusion ? 2 : 1);
}

DoseEventsResult BuildDoseEvents(const std::vector<TScheduleDay>& days, const TDoseEventContext& context,
                                 std::vector<TDoseEvent>& events)
{
    events.clear();
    const bool infusion = AdministrationOf(context.Drug) == Administration::Infusion;
    const std::size_t eventCount = DoseEventCountOf(days, context.Drug);
    if (eventCount > static_cast<std::size_t>(EngineMaxDoseEvents))
        return DoseEventsResult::TooManyEvents;

    const double offset = TimeOffsetMinutes(context.TimeOffsetHours);
    const double amountFactor = EventAmountFactor(context.Drug);
    std::vector<TSlottedEvent> slotted;
    slotted.reserve(eventCount);
    const int dayCount = static_cast<int>(days.size());
    for (int i = 0; i < dayCount; ++i) {
        const TScheduleDay& day = days[i];
        const double time = WholeMinutesSince(day.DateTime, context.GraphFirstDay) + offset;
        const double duration = InfusionMinutes(day.DripHours);
        slotted.push_back({{time, 1, i, 0}, {time, day.Dose * amountFactor, duration}});
        if (infusion) {
            const double end = time + duration;
            slotted.push_back({{end, duration > 0 ? 0 : 1, i, 1}, {end, 0, 0}});
        }
    }
    // The order given is usually already right; sorting is for overlapping
    // infusions and unsorted day lists.
    const auto bySlot = [](const TSlottedEvent& a, const TSlottedEvent& b) { return a.Slot < b.Slot; };
    if (!std::is_sorted(slotted.begin(), slotted.end(), bySlot))
        std::stable_sort(slotted.begin(), slotted.end(), bySlot);

    events.reserve(eventCount);
    for (const TSlottedEvent& e : slotted)
        events.push_back(e.Event);
    return DoseEventsResult::Built;
}

std::optional<TInfusionOverlap> FindOverlappingInfusions(const std::vector<TScheduleDay>& days,
                                                         const TDrugKey& drug)
{
    if (AdministrationOf(drug) != Administration::Infusion || days.size() < 2)
        return std::nullopt;
    struct TSpan {
        double Start, End;
        int Position;
    };
    std::vector<TSpan> spans;
    spans.reserve(days.size());
    for (int i = 0; i < static_cast<int>(days.size()); ++i) {
        const double start = WholeMinutesSince(days[i].DateTime, 0);
        spans.push_back({start, start + InfusionMinutes(days[i].DripHours), i});
    }
    std::stable_sort(spans.begin(), spans.end(), [](const TSpan& a, const TSpan& b) { return a.Start < b.Start; });
    // Sweep in start order, keeping the infusion that runs longest so far.
    const TSpan* running = &spans.front();
    for (std::size_t k = 1; k < spans.size(); ++k) {
        const TSpan& next = spans[k];
        if (next.Start < running->End)
            return TInfusionOverlap{running->Position, next.Position};
        if (next.End > running->End)
            running = &next;
    }
    return std::nullopt;
}
