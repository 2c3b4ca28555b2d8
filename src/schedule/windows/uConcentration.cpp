#include "uConcentration.h"

TfrmConcentration* frmConcentration = nullptr;

TfrmConcentration::TfrmConcentration(QWidget* parent) : vcl::TForm(parent)
{
    setObjectName(QStringLiteral("frmConcentration"));
    setWindowTitle(QStringLiteral("血中濃度比較"));
}
