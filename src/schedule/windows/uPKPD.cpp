#include "uPKPD.h"

TfrmPKPD* frmPKPD = nullptr;

TfrmPKPD::TfrmPKPD(QWidget* parent) : vcl::TForm(parent)
{
    setObjectName(QStringLiteral("frmPKPD"));
}
