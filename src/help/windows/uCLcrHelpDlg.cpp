#include "uCLcrHelpDlg.h"

#include "HelpTexts.h"

TfrmCLcrHelpDlg* frmCLcrHelpDlg = nullptr;

TfrmCLcrHelpDlg::TfrmCLcrHelpDlg(QWidget* parent)
    : TNoticeWindow(parent, QStringLiteral("frmCLcrHelpDlg"), QStringLiteral("解説"),
                    Placement::ScreenCentre, Layer::StaysOnTop)
{
    AddRichText(QStringLiteral("RichEdit1"), CreatinineClearanceHelpText(), 520, 420);
}
