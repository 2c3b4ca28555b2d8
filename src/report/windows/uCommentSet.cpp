#include "uCommentSet.h"

TfrmCommentSet* frmCommentSet = nullptr;

TfrmCommentSet::TfrmCommentSet(QWidget* parent) : vcl::TForm(parent)
{
    setObjectName(QStringLiteral("frmCommentSet"));
    setWindowTitle(QStringLiteral("印刷設定"));
}
