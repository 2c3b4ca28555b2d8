#pragma once
// Administrations turned into the events the engine reads: times in whole
// minutes from 00:00 of the graph's first day, amounts in engine units, and
// for the infusion models an end event {start + duration, 0, 0} after every
// administration.
#include "DrugKey.h"
#include "GraphState.h"

#include <cstddef>
#include <optional>
#include <vector>

// What building the events reads besides the administrations.
struct TDoseEventContext {
    TDrugKey Drug;
    double TimeOffsetHours = 0;           // `kaiseki_table10`: hours added to every administration
    vcl::TDateTime GraphFirstDay = 0;     // event times count minutes from its midnight
};

TDoseEventContext DoseEventContextOf(const TAnalysisRecord& analysis, const TGraphState& graph);

// How many events BuildDoseEvents makes of days: one per administration,
// two for an infusion drug.
std::size_t DoseEventCountOf(const std::vector<TScheduleDay>& days, const TDrugKey& drug);

enum class DoseEventsResult {
    Built,
    TooManyEvents,   // the set needs more than EngineMaxDoseEvents events; the list is left empty
};

// Clears events and fills it from days: for each administration the event
// {minutes since GraphFirstDay + offset, dose x the drug's amount factor,
// the infusion hours in whole minutes (InfusionMinutes)}, and for an infusion
// drug its end event {start + those minutes, 0, 0}. The engine needs the
// events in time order, so they are emitted in time order, stably: at equal
// times an earlier administration's end comes before a later start, and an
// administration's own end never before its start. For a day list sorted by
// CompareByTime whose infusions do not overlap this is the order
// administration by administration, each end right after its start.
DoseEventsResult BuildDoseEvents(const std::vector<TScheduleDay>& days, const TDoseEventContext& context,
                                 std::vector<TDoseEvent>& events);

// Two infusions of which the later starts before the earlier ends: positions
// in the day list.
struct TInfusionOverlap {
    int Earlier = 0;
    int Later = 0;
};

// The engine's infusion models run one infusion at a time (each event sets
// the rate), so an infusion that starts while another still runs cannot be
// computed. Finds such a pair among days (in any order) for an infusion drug,
// comparing whole-minute times as the events have them; an infusion may start
// at the minute the previous one ends. Nothing for other drugs.
std::optional<TInfusionOverlap> FindOverlappingInfusions(const std::vector<TScheduleDay>& days,
                                                         const TDrugKey& drug);
