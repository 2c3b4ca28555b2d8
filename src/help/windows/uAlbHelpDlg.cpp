#include "uAlbHelpDlg.h"

TfrmAlbHelpDlg* frmAlbHelpDlg = nullptr;

TfrmAlbHelpDlg::TfrmAlbHelpDlg(QWidget* parent) : vcl::TForm(parent)
{
    setObjectName(QStringLiteral("frmAlbHelpDlg"));
    setWindowTitle(QStringLiteral("解説"));
}
