#include "uDetailSet.h"

TfrmDetailSet* frmDetailSet = nullptr;

TfrmDetailSet::TfrmDetailSet(QWidget* parent) : vcl::TForm(parent)
{
    setObjectName(QStringLiteral("frmDetailSet"));
}
