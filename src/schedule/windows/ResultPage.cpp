#include "ResultPage.h"

#include "MainWindowHub.h"
#include "PageWidgets.h"
#include "plButton.h"

TResultPage::TResultPage(TMainWindowHub& hub, QWidget* parent) : QWidget(parent), hub_(hub)
{
    setObjectName(QStringLiteral("TabSheet4"));
    plButton12 = AddButton(this, QStringLiteral("plButton12"), QStringLiteral("印字"), 840, 550, 120, 40);
    // The export panel; its buttons come with the export.
    plButton42 = AddButton(this, QStringLiteral("plButton42"), QString(), 700, 500, 260, 40);
    plButton42->hide();
}

void TResultPage::ShowResults()
{
    RefreshGraph();
    hub_.SetHighestStep(3);
    hub_.SetWorkflowStep(3, 3);
}

void TResultPage::RefreshGraph() {}
