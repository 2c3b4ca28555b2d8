#include "uLithiumWarn2.h"

TfrmLithiumWarn2* frmLithiumWarn2 = nullptr;

TfrmLithiumWarn2::TfrmLithiumWarn2(QWidget* parent) : vcl::TForm(parent)
{
    setObjectName(QStringLiteral("frmLithiumWarn2"));
    setWindowTitle(QStringLiteral("リチウムの血中濃度測定遵守について"));
}
