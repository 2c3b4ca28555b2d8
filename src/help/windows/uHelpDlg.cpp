#include "uHelpDlg.h"

#include "HelpPages.h"
#include "HelpTexts.h"
#include "NoticeWindow.h"

#include <QImage>
#include <QLabel>
#include <QPainter>
#include <QScrollArea>
#include <QScrollBar>
#include <QTextDocument>
#include <QTextEdit>

TfrmHelpDlg* frmHelpDlg = nullptr;

namespace {

// A text page and the scrolling picture are 446 x 489 at (1, 0); the window's
// client area leaves a margin of 4 beside it. A picture takes the client area
// of its own size.
constexpr int PageWidth = 446;
constexpr int PageHeight = 489;
constexpr int PageMargin = 4;

QTextEdit* NewTextPage(QWidget* parent, int id, const QString& html)
{
    auto* page = new QTextEdit(parent);
    page->setObjectName(QStringLiteral("RichEdit%1").arg(id));
    page->setReadOnly(true);
    page->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    page->setGeometry(1, 0, PageWidth, PageHeight);
    page->setHtml(html);
    page->hide();
    return page;
}

QLabel* NewPicture(QWidget* parent, const QString& name)
{
    auto* picture = new QLabel(parent);
    picture->setObjectName(name);
    picture->hide();
    return picture;
}

// A rich text drawn as a picture of the page's width.
QPixmap TextAsPicture(const QString& html, int width)
{
    QTextDocument document;
    document.setHtml(html);
    document.setTextWidth(width);
    const QSize size(width, static_cast<int>(document.size().height()) + 1);
    QImage image(size, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    document.drawContents(&painter);
    return QPixmap::fromImage(image);
}

} // namespace

TfrmHelpDlg::TfrmHelpDlg(QWidget* parent) : vcl::TForm(parent)
{
    setObjectName(QStringLiteral("frmHelpDlg"));
    setWindowTitle(QStringLiteral("ヘルプ"));
    setWindowFlag(Qt::WindowStaysOnTopHint);
    SetClientSize(PageWidth + PageMargin, PageHeight);

    for (int id : {11, 12, 21})
        textPages_[id] = NewTextPage(this, id, ScreenHelpText(id));
    RichEdit11 = textPages_[11];
    RichEdit12 = textPages_[12];
    RichEdit21 = textPages_[21];
    Image31 = NewPicture(this, QStringLiteral("Image31"));
    Image32 = NewPicture(this, QStringLiteral("Image32"));

    ScrollBox25101 = new QScrollArea(this);
    ScrollBox25101->setObjectName(QStringLiteral("ScrollBox25101"));
    ScrollBox25101->setGeometry(1, 0, PageWidth, PageHeight);
    Image1 = new QLabel;
    Image1->setObjectName(QStringLiteral("Image1"));
    ScrollBox25101->setWidget(Image1);
    ScrollBox25101->hide();

    facts_ = std::make_unique<TDrugHelpFacts>();
    BuildDrugPages();
}

TfrmHelpDlg::~TfrmHelpDlg() = default;

void TfrmHelpDlg::BuildDrugPages()
{
    for (const THelpPage& page : HelpPages()) {
        const QString html = DrugHelpText(page.Id, *facts_);
        if (html.isEmpty())
            continue;
        if (QTextEdit* existing = RichEdit(page.Id))
            existing->setHtml(html);
        else
            textPages_[page.Id] = NewTextPage(this, page.Id, html);
    }
    // The vancomycin drug-information page is read as a scrolling picture.
    const int scrollBarWidth = ScrollBox25101->verticalScrollBar()->sizeHint().width();
    Image1->setPixmap(TextAsPicture(RichEdit(25101)->toHtml(), PageWidth - scrollBarWidth - 4));
    Image1->adjustSize();
}

void TfrmHelpDlg::SetPictureSource(int pageId, TPictureSource source)
{
    pictureSources_[pageId] = std::move(source);
}

void TfrmHelpDlg::SetDrugFacts(std::unique_ptr<TDrugHelpFacts> facts)
{
    facts_ = facts ? std::move(facts) : std::make_unique<TDrugHelpFacts>();
    BuildDrugPages();
}

QTextEdit* TfrmHelpDlg::RichEdit(int pageId) const
{
    const auto page = textPages_.find(pageId);
    return page != textPages_.end() ? page->second : nullptr;
}

void TfrmHelpDlg::HideAllPages()
{
    for (const auto& [id, page] : textPages_)
        page->hide();
    Image31->hide();
    Image32->hide();
    ScrollBox25101->hide();
}

void TfrmHelpDlg::ShowTextPage(QTextEdit* page)
{
    page->move(1, 0);
    page->show();
    page->moveCursor(QTextCursor::Start);
    SetClientSize(PageWidth + PageMargin, PageHeight);
}

void TfrmHelpDlg::ShowScrollingPicture()
{
    ScrollBox25101->move(1, 0);
    ScrollBox25101->verticalScrollBar()->setValue(0);
    ScrollBox25101->show();
    SetClientSize(PageWidth + PageMargin, PageHeight);
}

void TfrmHelpDlg::ShowPicture(int pageId, QLabel* picture)
{
    const auto source = pictureSources_.find(pageId);
    if (source != pictureSources_.end() && source->second)
        picture->setPixmap(source->second());
    else
        picture->setText(QStringLiteral("投与/採血スケジュール画面"));
    picture->adjustSize();
    picture->move(0, 0);
    picture->show();
    SetClientSize(picture->width(), picture->height());
}

void TfrmHelpDlg::ShowHelpPage(int PageId)
{
    HideAllPages();
    if (const std::optional<THelpPage> page = FindHelpPage(PageId)) {
        switch (page->Kind) {
        case HelpPageKind::Text:
            ShowTextPage(RichEdit(PageId));
            break;
        case HelpPageKind::ScrollingPicture:
            ShowScrollingPicture();
            break;
        case HelpPageKind::Picture:
            ShowPicture(PageId, PageId == 31 ? Image31 : Image32);
            break;
        }
        setWindowTitle(page->Caption);
    }
    show();
    raise();
    activateWindow();
}

void TfrmHelpDlg::showEvent(QShowEvent* event)
{
    vcl::TForm::showEvent(event);
    // The first time in the middle of the screen; then where the user leaves it.
    if (!placed_) {
        placed_ = true;
        CentreOnScreen(*this);
    }
}

void ShowDrugHelpPage(TfrmHelpDlg& help, const TDrugKey& choice, DrugHelpTopic topic)
{
    if (const std::optional<int> page = DrugHelpPageId(choice, topic))
        help.ShowHelpPage(*page);
}
