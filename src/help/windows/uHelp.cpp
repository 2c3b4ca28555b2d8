#include "uHelp.h"

TfrmHelp* frmHelp = nullptr;

TfrmHelp::TfrmHelp(QWidget* parent) : vcl::TForm(parent)
{
    setObjectName(QStringLiteral("frmHelp"));
    setWindowTitle(QStringLiteral("HELP"));
}
