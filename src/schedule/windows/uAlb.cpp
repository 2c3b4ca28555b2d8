#include "uAlb.h"

TfrmAlb* frmAlb = nullptr;

TfrmAlb::TfrmAlb(QWidget* parent) : vcl::TForm(parent)
{
    setObjectName(QStringLiteral("frmAlb"));
    setWindowTitle(QStringLiteral("アルブミン補正"));
}
