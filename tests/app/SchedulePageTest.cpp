#include "MainWindowFixture.h"

#include "SchedulePage.h"
#include "ScheduleSetOps.h"
#include "StringGridEx.h"
#include "Ucommon.h"
#include "plButton.h"
#include "uCalender.h"

#include <QTabWidget>
#include <QTest>

namespace {

class SchedulePageTest : public MainWindowTest {
protected:
    // A vancomycin analysis confirmed on the drug page: the schedule page is next.
    void StartVancomycinAnalysis()
    {
        StartProgram();
        CurrentPatient = ResetPatientRecord();
        CurrentPatient.patient_id_t = QStringLiteral("20261201093000");
        CurrentPatient.patient_name = QStringLiteral("山田太郎");
        CurrentAnalysis = ResetAnalysisRecord();
        CurrentAnalysis.patient_id = QStringLiteral("20261201093000");
        CurrentAnalysis.kubun_id = 5;
        CurrentAnalysis.yakuzainame_id = 1;
        CurrentAnalysis.yakuhinname_id = 1;
        CurrentAnalysis.analysis_algo = 1;
        frmMain->SetHighestStep(2);
        frmMain->ShowCaseFrom(2);
        frmMain->SetWorkflowStep(2, 2);
        page = frmMain->TabSheet2;
    }

    TSchedulePage* page = nullptr;
};

} // namespace

TEST_F(SchedulePageTest, Shot)
{
    StartVancomycinAnalysis();
    frmMain->show();
    QTest::qWait(50);
    frmMain->grab().save(QStringLiteral("/tmp/i20shots/page.png"));
}
