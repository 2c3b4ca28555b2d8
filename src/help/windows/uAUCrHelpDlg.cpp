#include "uAUCrHelpDlg.h"

#include "HelpTexts.h"

TfrmAUCrHelpDlg* frmAUCrHelpDlg = nullptr;

TfrmAUCrHelpDlg::TfrmAUCrHelpDlg(QWidget* parent)
    : TNoticeWindow(parent, QStringLiteral("frmAUCrHelpDlg"), QStringLiteral("解説"),
                    Placement::ScreenCentre, Layer::StaysOnTop)
{
    AddRichText(QStringLiteral("RichEdit1"), AucMethodsHelpText(), 480, 320);
}
