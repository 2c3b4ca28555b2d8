#pragma once
// The four-step workflow of the main window as plain data: which step buttons
// are enabled, which step marker shows, which page is active and which timers
// run. The window applies what these functions compute.
#include <array>

inline constexpr int WorkflowStepCount = 4;   // 0 patient, 1 drug, 2 schedule, 3 results

struct TWorkflowView {
    std::array<bool, WorkflowStepCount> StepEnabled{true, false, false, false};
    int Page = 0;                              // the active page, also the visible marker
};

// The view after SetWorkflowStep(maxStep, page): the buttons follow maxStep
// (a maxStep outside 0..3 leaves them as they were), the page and its marker
// follow page (a page outside 0..3 leaves both as they were).
TWorkflowView ApplyWorkflowStep(const TWorkflowView& current, int maxStep, int page);

// Which of the three 100 ms timers runs on a page: patient confirm, drug
// confirm, schedule.
struct TPageTimers {
    bool Timer1 = false;
    bool Timer2 = false;
    bool Timer3 = false;
};
TPageTimers TimersForPage(int page);

// The help page the "?" button opens on a page; 0 when it opens nothing.
int HelpPageForTab(int page, bool scheduleSetChoiceVisible);

// The "?" button shows on the drug and schedule pages only.
bool HelpButtonVisibleOn(int page);

// Cleared and shown parts of a case, by the step they start from.
struct TCaseClearing {
    bool Patient = false;    // step < 1
    bool Analysis = false;   // step < 2
    bool Schedule = false;   // step < 3
};
TCaseClearing CaseClearingFrom(int step);
