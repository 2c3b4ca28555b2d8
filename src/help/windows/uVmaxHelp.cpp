#include "uVmaxHelp.h"

TfrmVmaxHelp* frmVmaxHelp = nullptr;

TfrmVmaxHelp::TfrmVmaxHelp(QWidget* parent) : vcl::TForm(parent)
{
    setObjectName(QStringLiteral("frmVmaxHelp"));
    setWindowTitle(QStringLiteral("Vmaxヘルプ"));
}
