#include "uAUCrHelpDlg.h"

TfrmAUCrHelpDlg* frmAUCrHelpDlg = nullptr;

TfrmAUCrHelpDlg::TfrmAUCrHelpDlg(QWidget* parent) : vcl::TForm(parent)
{
    setObjectName(QStringLiteral("frmAUCrHelpDlg"));
    setWindowTitle(QStringLiteral("解説"));
}
