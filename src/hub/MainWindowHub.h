#pragma once
// What the pages, the result dialogs and the report ask of the main window,
// without knowing it: the workflow (highest step reached, the active page,
// clearing and re-showing the case from a step), the graph state with the
// last computed curves, the engine on the case on screen, and the header.
// The main window implements it; pages and dialogs get it at construction.
#include "CaseRecords.h"
#include "CurvePoints.h"
#include "EngineContext.h"
#include "GraphState.h"

#include <QStringList>

class QLabel;

// The header of the main window: patient name, generic drug name, product
// name, parameter source, and the hint line.
struct TMainHeader {
    QLabel* Panel3 = nullptr;
    QLabel* Panel4 = nullptr;
    QLabel* Panel7 = nullptr;
    QLabel* Panel28 = nullptr;
    QLabel* Panel17 = nullptr;
};

class TMainWindowHub {
public:
    // --- the workflow ---
    virtual int HighestStep() const = 0;
    virtual void SetHighestStep(int step) = 0;
    // Enables the step buttons up to maxStep and shows page with its marker.
    virtual void SetWorkflowStep(int maxStep, int page) = 0;
    // Clears the case from a step on: 0 the patient, 1 the analysis, 2 the
    // schedule sets and samplings; the undo history always.
    virtual void ClearCaseFrom(int step, PatientKey patientKey, DrugValues drugValues) = 0;
    // Shows the pages from a step on, as far as the case reaches.
    virtual void ShowCaseFrom(int step) = 0;
    // The schedule page as a newly confirmed drug starts it: today's dates,
    // the calendar marks, empty entry rows.
    virtual void ResetScheduleEntry() = 0;
    // After every change of the schedule page (an edit, an undo, the set
    // choice, a changed regimen, the initial value): every set's dose events
    // are built again from its administrations, so that whatever reads them
    // answers for the schedule on screen, and the result page computes its
    // graph again before it next shows. The estimates stay those of the last
    // analysis.
    virtual void ScheduleChanged() = 0;

    // --- the graph ---
    virtual TGraphState& Graph() = 0;
    // The two-minute curves of the last computation: 0 the population curve,
    // 1 + i schedule set i; and the compartment listing built from them.
    virtual const TCurveLists& CurveLists() const = 0;
    virtual const QStringList& CompartmentLines() const = 0;

    // --- the engine on the case on screen ---
    // The records, the schedule sets, the graph's days and the window's model
    // objects and buffers. Valid until the next change of the case.
    virtual TEngineContext EngineContext() = 0;

    virtual const TMainHeader& Header() const = 0;

protected:
    ~TMainWindowHub() = default;
};
