#include "uHelpDlg.h"

TfrmHelpDlg* frmHelpDlg = nullptr;

TfrmHelpDlg::TfrmHelpDlg(QWidget* parent) : vcl::TForm(parent)
{
    setObjectName(QStringLiteral("frmHelpDlg"));
    setWindowTitle(QStringLiteral("ヘルプ"));
}

void TfrmHelpDlg::ShowHelpPage(int)
{
}
