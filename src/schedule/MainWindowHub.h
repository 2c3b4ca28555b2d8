#pragma once
// What the pages of the main window ask of the window that holds them: the
// workflow (highest step reached, the active page, clearing and re-showing
// the case from a step), the graph state and the lines of the header.
// The patient and drug pages and the schedule and result pages are built in
// two folders; this interface lives here, below both, and the main window
// implements it.
#include "CaseRecords.h"
#include "GraphState.h"

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
    virtual int HighestStep() const = 0;
    virtual void SetHighestStep(int step) = 0;
    virtual void SetWorkflowStep(int maxStep, int page) = 0;
    virtual void ClearCaseFrom(int step, PatientKey patientKey, DrugValues drugValues) = 0;
    virtual void ShowCaseFrom(int step) = 0;
    virtual TGraphState& Graph() = 0;
    virtual const TMainHeader& Header() const = 0;

protected:
    ~TMainWindowHub() = default;
};
