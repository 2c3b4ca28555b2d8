#include "Workflow.h"

#include <gtest/gtest.h>

TEST(Workflow, StepButtonsFollowTheHighestStepAndThePageItsOwnArgument)
{
    const TWorkflowView view = ApplyWorkflowStep(TWorkflowView{}, 1, 3);
    EXPECT_TRUE(view.StepEnabled[0]);
    EXPECT_TRUE(view.StepEnabled[1]);
    EXPECT_FALSE(view.StepEnabled[2]);
    EXPECT_FALSE(view.StepEnabled[3]);
    EXPECT_EQ(view.Page, 3);
}

TEST(Workflow, OutOfRangeArgumentsLeaveTheirPartAlone)
{
    const TWorkflowView all = ApplyWorkflowStep(TWorkflowView{}, 3, 2);
    const TWorkflowView keptButtons = ApplyWorkflowStep(all, 4, 0);
    EXPECT_EQ(keptButtons.StepEnabled, all.StepEnabled);
    EXPECT_EQ(keptButtons.Page, 0);
    const TWorkflowView keptPage = ApplyWorkflowStep(all, 0, -1);
    EXPECT_EQ(keptPage.Page, 2);
    EXPECT_FALSE(keptPage.StepEnabled[1]);
}

TEST(Workflow, TimersHelpAndClearingByPage)
{
    EXPECT_TRUE(TimersForPage(0).Timer1);
    EXPECT_FALSE(TimersForPage(0).Timer2);
    EXPECT_TRUE(TimersForPage(1).Timer2);
    EXPECT_TRUE(TimersForPage(2).Timer3);
    const TPageTimers results = TimersForPage(3);
    EXPECT_FALSE(results.Timer1 || results.Timer2 || results.Timer3);

    EXPECT_EQ(HelpPageForTab(1, false), 21);
    EXPECT_EQ(HelpPageForTab(2, false), 31);
    EXPECT_EQ(HelpPageForTab(2, true), 32);
    EXPECT_EQ(HelpPageForTab(0, true), 0);
    EXPECT_EQ(HelpPageForTab(3, true), 0);

    const TCaseClearing fromDrug = CaseClearingFrom(1);
    EXPECT_FALSE(fromDrug.Patient);
    EXPECT_TRUE(fromDrug.Analysis);
    EXPECT_TRUE(fromDrug.Schedule);
    EXPECT_FALSE(CaseClearingFrom(3).Schedule);
}
