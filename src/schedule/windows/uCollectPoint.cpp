#include "uCollectPoint.h"

TfrmCollectPoint* frmCollectPoint = nullptr;

TfrmCollectPoint::TfrmCollectPoint(QWidget* parent) : vcl::TForm(parent)
{
    setObjectName(QStringLiteral("frmCollectPoint"));
}
