#include "Workflow.h"

TWorkflowView ApplyWorkflowStep(const TWorkflowView& current, int maxStep, int page)
{
    TWorkflowView view = current;
    if (maxStep >= 0 && maxStep < WorkflowStepCount) {
        view.StepEnabled[0] = true;
        for (int step = 1; step < WorkflowStepCount; ++step)
            view.StepEnabled[step] = maxStep >= step;
    }
    if (page >= 0 && page < WorkflowStepCount)
        view.Page = page;
    return view;
}

TPageTimers TimersForPage(int page)
{
    return {page == 0, page == 1, page == 2};
}

int HelpPageForTab(int page, bool scheduleSetChoiceVisible)
{
    if (page == 1)
        return 21;
    if (page == 2)
        return scheduleSetChoiceVisible ? 32 : 31;
    return 0;
}

bool HelpButtonVisibleOn(int page)
{
    return page == 1 || page == 2;
}

TCaseClearing CaseClearingFrom(int step)
{
    return {step < 1, step < 2, step < 3};
}
