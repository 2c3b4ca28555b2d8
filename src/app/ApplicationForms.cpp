#include "ApplicationForms.h"

#include "DrugHelpFacts.h"
#include "MessageBox.h"
#include "SchedulePage.h"
#include "Tdm_main.h"
#include "uAUC.h"
#include "uAUCrHelpDlg.h"
#include "uAlb.h"
#include "uAlbHelpDlg.h"
#include "uCLcrHelpDlg.h"
#include "uCSVDisp.h"
#include "uCaseSearch.h"
#include "uCollectPoint.h"
#include "uCommentSet.h"
#include "uConcentration.h"
#include "uDataBase.h"
#include "uDelete.h"
#include "uDetailSet.h"
#include "uDispParam.h"
#include "uHelp.h"
#include "uHelpDlg.h"
#include "uInitialValue.h"
#include "uLithiumWarn.h"
#include "uLithiumWarn2.h"
#include "uPKPD.h"
#include "uPatientSearch.h"
#include "uPhenivaWarn.h"
#include "uProgress.h"
#include "uRep.h"
#include "uScale.h"
#include "uSplash.h"
#include "uVmax.h"
#include "uVmaxHelp.h"

namespace {

// Creates a window as a child of the main window, so that it centres on it
// and goes with it.
template <typename Form>
void Create(Form*& instance)
{
    instance = new Form(frmMain);
}

// The same for a dialog that reads the main window through its hub.
template <typename Form>
void CreateOnHub(Form*& instance)
{
    instance = new Form(*frmMain, frmMain);
}

template <typename Form>
void Destroy(Form*& instance)
{
    delete instance;
    instance = nullptr;
}

} // namespace

void CreateApplicationForms()
{
    frmMain = new TfrmMain;
    DataModule1 = new TDataModule1;
    CreateOnHub(frmScale);
    Create(frmCollectPoint);
    Create(frmPatientSearch);
    CreateOnHub(frmConcentration);
    Create(frmDetailSet);
    Create(frmHelp);
    Create(frmDispParam);
    Create(frmSplash);
    Create(QuickReport1);
    Create(frmCaseSearch);
    Create(frmProgress);
    Create(frmHelpDlg);
    Create(frmDelete);
    Create(frmCommentSet);
    Create(frmInitialValue);
    Create(frmLithiumWarn);
    Create(frmLithiumWarn2);
    Create(frmPhenivaWarn);
    Create(frmCSVDisp);
    Create(frmCLcrHelpDlg);
    CreateOnHub(frmAUC);
    Create(frmAUCrHelpDlg);
    Create(frmAlb);
    Create(frmVmax);
    Create(frmAlbHelpDlg);
    CreateOnHub(frmPKPD);
    Create(frmVmaxHelp);

    // The help windows show the main window's pages as they are.
    for (int page : {31, 32})
        frmHelpDlg->SetPictureSource(page, [] { return frmMain->TabSheet2->grab(); });
    frmHelp->SetActivePageSource([] { return frmMain->PageControl1->currentIndex(); });
    frmHelpDlg->SetDrugFacts(std::make_unique<TProgramDrugHelpFacts>());
}

bool OpenCaseDatabaseAtStart()
{
    if (DataModule1->OpenDatabase() == 0)
        return true;
    vcl::ShowError(DataModule1->LastFailureText(), QStringLiteral("エラー"));
    return false;
}

void DestroyApplicationForms()
{
    Destroy(frmVmaxHelp);
    Destroy(frmPKPD);
    Destroy(frmAlbHelpDlg);
    Destroy(frmVmax);
    Destroy(frmAlb);
    Destroy(frmAUCrHelpDlg);
    Destroy(frmAUC);
    Destroy(frmCLcrHelpDlg);
    Destroy(frmCSVDisp);
    Destroy(frmPhenivaWarn);
    Destroy(frmLithiumWarn2);
    Destroy(frmLithiumWarn);
    Destroy(frmInitialValue);
    Destroy(frmCommentSet);
    Destroy(frmDelete);
    Destroy(frmHelpDlg);
    Destroy(frmProgress);
    Destroy(frmCaseSearch);
    Destroy(QuickReport1);
    Destroy(frmSplash);
    Destroy(frmDispParam);
    Destroy(frmHelp);
    Destroy(frmDetailSet);
    Destroy(frmConcentration);
    Destroy(frmPatientSearch);
    Destroy(frmCollectPoint);
    Destroy(frmScale);
    Destroy(DataModule1);
    Destroy(frmMain);
}
