#include "NoticeWindow.h"

#include <QLabel>
#include <QPlainTextEdit>
#include <QScreen>
#include <QScrollArea>
#include <QTextEdit>

void CentreOnScreen(QWidget& window)
{
    if (const QScreen* screen = window.screen())
        window.move(screen->availableGeometry().center() - window.rect().center());
}

TNoticeWindow::TNoticeWindow(QWidget* parent, const QString& name, const QString& caption, Placement placement,
                             Layer layer)
    : vcl::TForm(parent), placement_(placement)
{
    setObjectName(name);
    setWindowTitle(caption);
    if (layer == Layer::StaysOnTop)
        setWindowFlag(Qt::WindowStaysOnTopHint);
}

void TNoticeWindow::showEvent(QShowEvent* event)
{
    vcl::TForm::showEvent(event);
    // A dialog goes over its owner by itself; the others go to the middle of the screen.
    if (placement_ == Placement::ScreenCentre)
        CentreOnScreen(*this);
}

QPlainTextEdit* TNoticeWindow::AddMemo(const QString& name, const QString& text, int pixelSize, int width, int height)
{
    auto* memo = new QPlainTextEdit(this);
    memo->setObjectName(name);
    memo->setReadOnly(true);
    memo->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    QFont font = memo->font();
    font.setPixelSize(pixelSize);
    memo->setFont(font);
    memo->setPlainText(text);
    memo->setGeometry(0, 0, width, height);
    SetClientSize(width, height);
    return memo;
}

QTextEdit* TNoticeWindow::AddRichText(const QString& name, const QString& html, int width, int height)
{
    auto* rich = new QTextEdit(this);
    rich->setObjectName(name);
    rich->setReadOnly(true);
    rich->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    rich->setHtml(html);
    // The caret at the start, nothing selected.
    rich->moveCursor(QTextCursor::Start);
    rich->setGeometry(0, 0, width, height);
    SetClientSize(width, height);
    return rich;
}

QLabel* TNoticeWindow::AddPicture(const QString& name, const QString& standIn)
{
    auto* picture = new QLabel(standIn, this);
    picture->setObjectName(name);
    picture->setMargin(24);
    picture->setAlignment(Qt::AlignCenter);
    picture->adjustSize();
    SetClientSize(picture->width(), picture->height());
    return picture;
}

QScrollArea* TNoticeWindow::AddScrollingPicture(const QString& name, QLabel* picture, int width, int height)
{
    auto* box = new QScrollArea(this);
    box->setObjectName(name);
    box->setWidget(picture);
    box->setGeometry(0, 0, width, height);
    SetClientSize(width, height);
    return box;
}
