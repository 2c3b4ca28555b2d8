#include "SchedulePage.h"

#include "MainWindowHub.h"
#include "PageWidgets.h"
#include "ScheduleSetOps.h"
#include "Ucommon.h"
#include "plButton.h"

TSchedulePage::TSchedulePage(TMainWindowHub& hub, QWidget* parent) : QWidget(parent), hub_(hub)
{
    setObjectName(QStringLiteral("TabSheet2"));
    // The schedule-set choice "変更番号"; its list comes with the page.
    plButton30 = AddButton(this, QStringLiteral("plButton30"), QStringLiteral("変更番号"), 16, 8, 240, 30);
    plButton30->hide();
    plButton16 = AddButton(this, QStringLiteral("plButton16"), QStringLiteral("解析"), 840, 550, 120, 40);
}

void TSchedulePage::SetupSchedulePage()
{
    plButton30->setVisible(LastScheduleSetIndex(ScheduleSets) > 0);
}

void TSchedulePage::UpdateCalendarPeriod() {}

void TSchedulePage::RefreshCalendar() {}
