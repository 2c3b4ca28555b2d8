#include "uAUC.h"

TfrmAUC* frmAUC = nullptr;

TfrmAUC::TfrmAUC(QWidget* parent) : vcl::TForm(parent)
{
    setObjectName(QStringLiteral("frmAUC"));
    setWindowTitle(QStringLiteral("AUC値表示"));
}
