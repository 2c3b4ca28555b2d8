#include "SchedulePage.h"

#include "MainWindowHub.h"
#include "ScheduleSetOps.h"
#include "Ucommon.h"

TSchedulePage::TSchedulePage(TMainWindowHub& hub, QWidget* parent) : QWidget(parent), hub_(hub)
{
    setObjectName(QStringLiteral("TabSheet2"));
    plButton30 = new QWidget(this);
    plButton30->setObjectName(QStringLiteral("plButton30"));
    plButton30->hide();
}

void TSchedulePage::SetupSchedulePage()
{
    plButton30->setVisible(LastScheduleSetIndex(ScheduleSets) > 0);
}

void TSchedulePage::UpdateCalendarPeriod() {}

void TSchedulePage::RefreshCalendar() {}
