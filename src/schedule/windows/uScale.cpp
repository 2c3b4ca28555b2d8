#include "uScale.h"

TfrmScale* frmScale = nullptr;

TfrmScale::TfrmScale(QWidget* parent) : vcl::TForm(parent)
{
    setObjectName(QStringLiteral("frmScale"));
    setWindowTitle(QStringLiteral("グラフスケール"));
}
