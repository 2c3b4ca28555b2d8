#include "ResultPage.h"

#include "MainWindowHub.h"
#include "PageWidgets.h"
#include "plButton.h"

TResultPage::TResultPage(TMainWindowHub& hub, QWidget* parent) : QWidget(parent), hub_(hub)
{
    setObjectName(QStringLiteral("TabSheet4"));
    plButton12 = AddButton(this, QStringLiteral("plButton12"), QStringLiteral("印字"), 840, 550, 120, 40);
    plButton13 = AddButton(this, QStringLiteral("plButton13"), QStringLiteral("動態係数"), 8, 550, 120, 40);
    // The export panel.
    plButton42 = AddButton(this, QStringLiteral("plButton42"), QString(), 700, 500, 260, 40);
    plButton44 = AddButton(plButton42, QStringLiteral("plButton44"), QStringLiteral("CSV出力"), 4, 4, 124, 32);
    plButton43 = AddButton(plButton42, QStringLiteral("plButton43"), QStringLiteral("入力値補正"), 132, 4, 124, 32);
    plButton42->hide();
}

void TResultPage::ShowResults()
{
    RefreshGraph();
    hub_.SetHighestStep(3);
    hub_.SetWorkflowStep(3, 3);
}

void TResultPage::RefreshGraph() {}
