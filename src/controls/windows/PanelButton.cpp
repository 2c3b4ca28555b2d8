#include "PanelButton.h"

#include <QFontInfo>
#include <QMouseEvent>
#include <QPainter>

using namespace vcl;

TPanelButton::TPanelButton(QWidget* parent)
    : QWidget(parent)
{
    resize(185, 41);
}

void TPanelButton::SetCaption(const QString& value)
{
    if (caption_ != value) {
        caption_ = value;
        update();
    }
}

void TPanelButton::SetColor(TColor value)
{
    if (color_ != value) {
        color_ = value;
        update();
    }
}

void TPanelButton::SetFontColor(TColor value)
{
    if (fontColor_ != value) {
        fontColor_ = value;
        update();
    }
}

void TPanelButton::mousePressEvent(QMouseEvent* event)
{
    // A press while another is shown draws nothing.
    if (event->button() != Qt::LeftButton || pressShown_)
        return;
    pressShown_ = true;
    look_ = PanelLook::Pressed;
    update();
}

void TPanelButton::mouseDoubleClickEvent(QMouseEvent*)
{
    // The second press of a double click is not a press of its own.
}

void TPanelButton::mouseReleaseEvent(QMouseEvent* event)
{
    // A release without a shown press draws nothing.
    if (event->button() != Qt::LeftButton || !pressShown_)
        return;
    pressShown_ = false;
    look_ = PanelLook::Released;
    update();
}

void TPanelButton::paintEvent(QPaintEvent*)
{
    // The look of the last shown press or release: the toolkit repaints when it
    // likes, and a held press must stay visible through that.
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing, false);
    DrawButton(painter, look_);
}

void TPanelButton::DrawButton(QPainter& painter, PanelLook look)
{
    const QRect client = rect();
    for (const PanelColumn& column : PanelShadingColumns(color_, client.left(), client.left() + client.width()))
        painter.fillRect(QRect(column.x, client.top(), 1, client.height()), ToQColor(column.color));
    DrawGdiLines(painter, PanelEdgeLines(client, look));

    const QRect box = PanelCaptionBox(client, QFontInfo(font()).pixelSize(), look);
    painter.setFont(font());
    const int flags = Qt::AlignHCenter | Qt::AlignTop;
    painter.setPen(ToQColor(PanelCaptionShadow(fontColor_)));
    painter.drawText(box.translated(2, 1), flags, caption_);
    painter.setPen(ToQColor(fontColor_));
    painter.drawText(box, flags, caption_);
}
