#include "uDispParam.h"

TfrmDispParam* frmDispParam = nullptr;

TfrmDispParam::TfrmDispParam(QWidget* parent) : vcl::TForm(parent)
{
    setObjectName(QStringLiteral("frmDispParam"));
    setWindowTitle(QStringLiteral("動態係数"));
}
