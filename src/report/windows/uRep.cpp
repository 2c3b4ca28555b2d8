#include "uRep.h"

TQuickReport1* QuickReport1 = nullptr;

TQuickReport1::TQuickReport1(QWidget* parent) : vcl::TForm(parent)
{
    setObjectName(QStringLiteral("QuickReport1"));
}
