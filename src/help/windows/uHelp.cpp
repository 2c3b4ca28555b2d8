#include "uHelp.h"

#include "HelpTexts.h"
#include "plButton.h"

#include <QLabel>
#include <QPlainTextEdit>

TfrmHelp* frmHelp = nullptr;

TfrmHelp::TfrmHelp(QWidget* parent) : vcl::TForm(parent)
{
    setObjectName(QStringLiteral("frmHelp"));
    setWindowTitle(QStringLiteral("HELP"));
    SetClientSize(360, 220);

    Label1 = new QLabel(QStringLiteral("解析のポイント"), this);
    Label1->setObjectName(QStringLiteral("Label1"));
    Label1->setGeometry(16, 12, 300, 22);
    Memo1 = new QPlainTextEdit(QStringLiteral("操作方法を表示します。"), this);
    Memo1->setObjectName(QStringLiteral("Memo1"));
    Memo1->setReadOnly(true);
    Memo1->setGeometry(16, 38, 328, 120);
    plButton10 = new TplButton(this);
    plButton10->SetName(QStringLiteral("plButton10"));
    plButton10->CaptionA().SetCaption(QStringLiteral("OK"));
    plButton10->setGeometry(244, 170, 100, 34);
    plButton10->SetModalResult(vcl::mrOk);
}

void TfrmHelp::FormActivate()
{
    if (!activePage_)
        return;
    if (const auto title = HelpMemoTitle(activePage_()))
        Memo1->setPlainText(*title);
}

void TfrmHelp::showEvent(QShowEvent* event)
{
    vcl::TForm::showEvent(event);
    FormActivate();
}
