#include "uInitialValue.h"

TfrmInitialValue* frmInitialValue = nullptr;

TfrmInitialValue::TfrmInitialValue(QWidget* parent) : vcl::TForm(parent)
{
    setObjectName(QStringLiteral("frmInitialValue"));
    setWindowTitle(QStringLiteral("初期値設定"));
}
