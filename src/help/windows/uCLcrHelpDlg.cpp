#include "uCLcrHelpDlg.h"

TfrmCLcrHelpDlg* frmCLcrHelpDlg = nullptr;

TfrmCLcrHelpDlg::TfrmCLcrHelpDlg(QWidget* parent) : vcl::TForm(parent)
{
    setObjectName(QStringLiteral("frmCLcrHelpDlg"));
    setWindowTitle(QStringLiteral("解説"));
}
