#include "uVmax.h"

TfrmVmax* frmVmax = nullptr;

TfrmVmax::TfrmVmax(QWidget* parent) : vcl::TForm(parent)
{
    setObjectName(QStringLiteral("frmVmax"));
}
