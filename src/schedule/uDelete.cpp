#include "uDelete.h"

TfrmDelete* frmDelete = nullptr;

TfrmDelete::TfrmDelete(QWidget* parent) : vcl::TForm(parent)
{
    setObjectName(QStringLiteral("frmDelete"));
}
