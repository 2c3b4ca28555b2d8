#include "uCaseSearch.h"

TfrmCaseSearch* frmCaseSearch = nullptr;

TfrmCaseSearch::TfrmCaseSearch(QWidget* parent) : vcl::TForm(parent)
{
    setObjectName(QStringLiteral("frmCaseSearch"));
    setWindowTitle(QStringLiteral("症例検索"));
}
