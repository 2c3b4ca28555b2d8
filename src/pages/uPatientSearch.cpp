#include "uPatientSearch.h"

TfrmPatientSearch* frmPatientSearch = nullptr;

TfrmPatientSearch::TfrmPatientSearch(QWidget* parent) : vcl::TForm(parent)
{
    setObjectName(QStringLiteral("frmPatientSearch"));
    setWindowTitle(QStringLiteral("患者検索"));
}
