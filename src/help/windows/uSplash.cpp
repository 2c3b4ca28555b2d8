#include "uSplash.h"

#include "HelpTexts.h"
#include "NoticeWindow.h"
#include "plButton.h"
#include "uHelp.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QLabel>
#include <QPlainTextEdit>

TfrmSplash* frmSplash = nullptr;

namespace {

constexpr int ClientWidth = 520;
constexpr int ClientHeight = 400;

} // namespace

TfrmSplash::TfrmSplash(QWidget* parent) : vcl::TForm(parent)
{
    setObjectName(QStringLiteral("frmSplash"));
    setWindowTitle(QStringLiteral("TDM"));
    // A title bar without the close box or the system menu.
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint);
    SetColor(vcl::clWhite);
    SetClientSize(ClientWidth, ClientHeight);

    Label3 = new QLabel(DisclaimerHeading(), this);
    Label3->setObjectName(QStringLiteral("Label3"));
    Label3->setStyleSheet(QStringLiteral("color: red; font-weight: bold;"));
    Label3->setGeometry(20, 12, ClientWidth - 40, 22);
    Label1 = new QLabel(DisclaimerTitle(), this);
    Label1->setObjectName(QStringLiteral("Label1"));
    QFont titleFont = Label1->font();
    titleFont.setPixelSize(18);
    titleFont.setBold(true);
    Label1->setFont(titleFont);
    Label1->setGeometry(20, 36, ClientWidth - 40, 28);

    Memo1 = new QPlainTextEdit(this);
    Memo1->setObjectName(QStringLiteral("Memo1"));
    Memo1->setReadOnly(true);
    Memo1->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    Memo1->setPlainText(DisclaimerText());
    Memo1->setGeometry(20, 72, ClientWidth - 40, 240);

    CheckBox1 = new QCheckBox(QStringLiteral("同意後、操作説明を表示する"), this);
    CheckBox1->setObjectName(QStringLiteral("CheckBox1"));
    CheckBox1->setGeometry(20, 320, 300, 22);
    CheckBox1->hide();

    plButton1 = new TplButton(this);
    plButton1->SetName(QStringLiteral("plButton1"));
    plButton1->CaptionA().SetCaption(QStringLiteral("同意する"));
    plButton1->setGeometry(ClientWidth - 260, ClientHeight - 50, 110, 34);
    plButton1->OnClick = [this](QObject* Sender) { plButton1Click(Sender); };
    plButton2 = new TplButton(this);
    plButton2->SetName(QStringLiteral("plButton2"));
    plButton2->CaptionA().SetCaption(QStringLiteral("同意しない"));
    plButton2->setGeometry(ClientWidth - 130, ClientHeight - 50, 110, 34);
    plButton2->OnClick = [this](QObject* Sender) { plButton2Click(Sender); };
}

void TfrmSplash::plButton1Click(QObject*)
{
    CloseWith(vcl::mrOk);
    if (CheckBox1->isChecked() && frmHelp)
        frmHelp->ShowModal();
}

void TfrmSplash::plButton2Click(QObject*)
{
    QWidget* owner = parentWidget() ? parentWidget()->window() : nullptr;
    // The main window asks before it closes; kept open, it keeps the disclaimer too.
    if (owner && !owner->close())
        return;
    CloseWith(vcl::mrCancel);
}

void TfrmSplash::CloseWith(vcl::TModalResult result)
{
    closingByButton_ = true;
    done(result);
    closingByButton_ = false;
}

void TfrmSplash::reject()
{
}

void TfrmSplash::showEvent(QShowEvent* event)
{
    vcl::TForm::showEvent(event);
    CentreOnScreen(*this);
}

void TfrmSplash::closeEvent(QCloseEvent* event)
{
    if (closingByButton_)
        event->accept();
    else
        event->ignore();
}
