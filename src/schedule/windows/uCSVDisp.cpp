#include "uCSVDisp.h"

TfrmCSVDisp* frmCSVDisp = nullptr;

TfrmCSVDisp::TfrmCSVDisp(QWidget* parent) : vcl::TForm(parent)
{
    setObjectName(QStringLiteral("frmCSVDisp"));
}
