#include "uProgress.h"

TfrmProgress* frmProgress = nullptr;

TfrmProgress::TfrmProgress(QWidget* parent) : vcl::TForm(parent)
{
    setObjectName(QStringLiteral("frmProgress"));
}
