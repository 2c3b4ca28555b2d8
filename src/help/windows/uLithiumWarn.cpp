#include "uLithiumWarn.h"

TfrmLithiumWarn* frmLithiumWarn = nullptr;

TfrmLithiumWarn::TfrmLithiumWarn(QWidget* parent) : vcl::TForm(parent)
{
    setObjectName(QStringLiteral("frmLithiumWarn"));
    setWindowTitle(QStringLiteral("リチウム解析の際の注意事項"));
}
