#include "uInitialValue.h"

#include "Ucommon.h"

TfrmInitialValue* frmInitialValue = nullptr;

TfrmInitialValue::TfrmInitialValue(QWidget* parent) : vcl::TForm(parent)
{
    setObjectName(QStringLiteral("frmInitialValue"));
    setWindowTitle(QStringLiteral("初期値設定"));
}

double TfrmInitialValue::InitialValue() const
{
    return CurrentAnalysis.init_value;
}
