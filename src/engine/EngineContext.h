#pragma once
// What the estimation, the concentration prediction and the series read of
// the case: the records, the schedule sets, the graph's days, the five model
// objects and the dose-event list the simulation runs over. The main window
// builds one per call from its own state; tests build their own.
#include "DateTime.h"
#include "Ucommon.h"
#include "Ustruct.h"

#include <vector>

class T1ComKeikoGN;
class T1ComTentekiGN;
class T2ComTentekiGN;
class TMM1ComKeikoGN;
class TMM1ComTentekiGN;

// The five model objects; the main window owns them for the whole run.
struct TEngineModels {
    T1ComKeikoGN& Model1ComKeiko;
    T1ComTentekiGN& Model1ComTenteki;
    T2ComTentekiGN& Model2ComTenteki;
    TMM1ComKeikoGN& ModelMM1ComKeiko;
    TMM1ComTentekiGN& ModelMM1ComTenteki;
};

// The graph's days the engine reads: dose-event times count minutes from
// 00:00 of GraphFirstDay; the daily values exist for [GraphViewStart,
// GraphViewEnd).
struct TEngineGraphDays {
    vcl::TDateTime GraphFirstDay = 0;
    vcl::TDateTime GraphViewStart = 0;
    vcl::TDateTime GraphViewEnd = 0;
};

// Scratch arrays of the simulation, grown to the largest call seen and then
// reused, so that sampling a curve allocates nothing per point. Owned by the
// caller beside the context (the main window keeps one for the whole run).
struct TSimulationBuffers {
    std::vector<double> Inputs;
    std::vector<double> Bounds;
};

struct TEngineContext {
    TEngineContext(const TPatientRecord& patient, TAnalysisRecord& analysis, const TScheduleSets& sets,
                   int lastSetIndex, const TEngineGraphDays& graph, const TEngineModels& models,
                   TSimulationBuffers& buffers)
        : Patient(patient), Analysis(analysis), Sets(sets), LastSetIndex(lastSetIndex), Graph(graph),
          Models(models), Buffers(buffers), ActiveDoseEvents(&sets.ActiveDoseEvents())
    {
    }

    // The same case with the simulation pointed at schedule set `set`. The
    // routines that run over several sets work on such copies, so the
    // context they were given is never switched and never needs restoring.
    TEngineContext OnSet(int set) const
    {
        TEngineContext copy(*this);
        copy.ActiveDoseEvents = &Sets.DoseEventLists[set];
        return copy;
    }

    double BodyWeight() const { return Patient.patient_weight; }

    const TPatientRecord& Patient;
    TAnalysisRecord& Analysis;          // the estimation writes the estimate block and `ss`
    const TScheduleSets& Sets;          // dose events, day lists, samplings, current set
    int LastSetIndex = 0;               // the sets in use are 0 .. LastSetIndex
    TEngineGraphDays Graph;
    TEngineModels Models;
    TSimulationBuffers& Buffers;
    // The dose events the simulation reads: the current set's list unless a
    // copy was made with OnSet.
    const std::vector<TDoseEvent>* ActiveDoseEvents;
};
