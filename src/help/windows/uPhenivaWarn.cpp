#include "uPhenivaWarn.h"

TfrmPhenivaWarn* frmPhenivaWarn = nullptr;

TfrmPhenivaWarn::TfrmPhenivaWarn(QWidget* parent) : vcl::TForm(parent)
{
    setObjectName(QStringLiteral("frmPhenivaWarn"));
}
