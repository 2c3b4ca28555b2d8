// Painting of TplButton: face, image, caption lines, frame, in that order.
#include "plButton.h"

#include "ButtonGeometry.h"
#include "ButtonGradient.h"
#include "GdiDrawing.h"

#include <QFontMetrics>
#include <QPainter>

using namespace vcl;

namespace {

// A bitmap drawn transparently leaves out every pixel of its lower-left colour.
QImage KeyedOutBitmap(const QImage& bitmap)
{
    QImage image = bitmap.convertToFormat(QImage::Format_ARGB32);
    if (image.isNull())
        return image;
    const QRgb key = image.pixel(0, image.height() - 1) | 0xFF000000u;
    for (int y = 0; y < image.height(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(image.scanLine(y));
        for (int x = 0; x < image.width(); ++x) {
            if ((line[x] | 0xFF000000u) == key)
                line[x] = 0;
        }
    }
    return image;
}

// The disabled look of a graphic: its shape (every pixel that is not white
// once laid on white) in one flat colour.
QImage ShapeIn(const QImage& graphic, TColor color)
{
    QImage onWhite(graphic.size(), QImage::Format_RGB32);
    onWhite.fill(Qt::white);
    {
        QPainter p(&onWhite);
        p.drawImage(0, 0, graphic);
    }
    QImage shape(graphic.size(), QImage::Format_ARGB32);
    shape.fill(Qt::transparent);
    const QRgb ink = ToQColor(color).rgb();
    for (int y = 0; y < onWhite.height(); ++y) {
        const auto* from = reinterpret_cast<const QRgb*>(onWhite.constScanLine(y));
        auto* to = reinterpret_cast<QRgb*>(shape.scanLine(y));
        for (int x = 0; x < onWhite.width(); ++x) {
            if ((from[x] & 0xFFFFFFu) != 0xFFFFFFu)
                to[x] = ink;
        }
    }
    return shape;
}

// Text drawn with its top at y, anchored at x as the alignment says.
void DrawTextAt(QPainter& painter, const QFontMetrics& metrics, int x, int y, TextAnchor anchor,
                const QString& text)
{
    const int width = metrics.horizontalAdvance(text);
    int left = x;
    if (anchor == TextAnchor::Center)
        left = x - width / 2;
    else if (anchor == TextAnchor::Right)
        left = x - width;
    painter.drawText(left, y + metrics.ascent(), text);
}

// The characters of a caption, one per code point.
QStringList CharactersOf(const QString& text)
{
    QStringList characters;
    for (const char32_t c : text.toUcs4())
        characters << QString::fromUcs4(&c, 1);
    return characters;
}

} // namespace

TColor TplButton::FaceColor() const
{
    if (parentColor_ && parentWidget()) {
        const QWidget* parent = parentWidget();
        return FromQColor(parent->palette().color(parent->backgroundRole()));
    }
    return color_;
}

void TplButton::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing, false);
    PaintFace(painter);
    PaintImage(painter);
    painter.setFont(font());
    PaintCaptions(painter);
    PaintFrame(painter);
}

void TplButton::PaintFace(QPainter& painter)
{
    if (!gradation_) {
        painter.fillRect(rect(), ToQColor(FaceColor()));
        return;
    }
    GradientInput in;
    in.style = gradationStyle_;
    in.width = width();
    in.height = height();
    in.ratio = gradationRatio_;
    in.begin = gradBeginColor_;
    in.end = gradEndColor_;
    DrawGdiLines(painter, GradientLines(in));
}

void TplButton::PaintImage(QPainter& painter)
{
    TplBBtnImage& image = *image_;
    if (!image.visible_ || image.picture_.IsEmpty())
        return;
    const QImage& graphic = image.picture_.graphic;
    if (image.vertCenter_)
        image.top_ = CentredOrigin(height(), graphic.height());
    if (image.horzCenter_)
        image.left_ = CentredOrigin(width(), graphic.width());

    const bool bitmap = image.picture_.kind == TGraphicKind::Bitmap;
    if (bitmap && image.transParent_) {
        painter.drawImage(image.left_, image.top_, KeyedOutBitmap(graphic));
        return;
    }
    const int offset = ImagePressOffset({hasFocus_, down_, dispDownFocus_});
    const QPoint at(image.left_ + offset, image.top_ + offset);
    if (!isEnabled() && hasFocus_) {
        painter.drawImage(at + QPoint(1, 1), ShapeIn(graphic, clBtnHighlight));
        painter.drawImage(at, ShapeIn(graphic, clBtnShadow));
    } else if (bitmap) {
        painter.drawImage(at, graphic.convertToFormat(QImage::Format_RGB32));
    } else {
        painter.drawImage(at, graphic);
    }
}

void TplButton::PaintCaptions(QPainter& painter)
{
    const QFontMetrics metrics(painter.font());
    CaptionLayoutInput in;
    in.buttonHeight = height();
    in.lineSpace = captionLineSpace_;
    in.captionTop = captionTop_;
    in.vertCenter = captionVertCenter_;
    in.firstEmpty = captionA_->Caption().isEmpty();
    in.secondEmpty = captionB_->Caption().isEmpty();
    // One font for both lines: a line's text height is the font's.
    in.firstTextHeight = metrics.height();
    in.secondTextHeight = metrics.height();
    const CaptionLines lines = PlaceCaptionLines(in);
    captionTop_ = lines.captionTop;
    PaintCaptionLine(painter, *captionA_, lines.firstTop);
    PaintCaptionLine(painter, *captionB_, lines.secondTop);
}

void TplButton::PaintCaptionLine(QPainter& painter, const TplBBtnCaption& caption, int y)
{
    if (caption.Caption().isEmpty())
        return;
    const QFontMetrics metrics(painter.font());
    const QStringList characters = CharactersOf(caption.Caption());
    const CaptionAnchor anchor = AnchorCaption(caption.Alignment(), width(), caption.Left(), caption.Right(),
                                               static_cast<int>(characters.size()));
    const int offset = CaptionPressOffset({hasFocus_, down_, dispDownFocus_});
    const int x = anchor.x + offset;
    y += offset;
    const bool engraved = !isEnabled() && hasFocus_;

    auto draw = [&](int atX, const QString& text) {
        if (engraved) {
            painter.setPen(ToQColor(clBtnHighlight));
            DrawTextAt(painter, metrics, atX + 1, y + 1, anchor.anchor, text);
            painter.setPen(ToQColor(clBtnShadow));
        } else {
            painter.setPen(ToQColor(fontColor_));
        }
        DrawTextAt(painter, metrics, atX, y, anchor.anchor, text);
    };

    if (!anchor.evenSpacing) {
        draw(x, caption.Caption());
        return;
    }
    std::vector<int> widths;
    widths.reserve(characters.size());
    for (const QString& c : characters)
        widths.push_back(metrics.horizontalAdvance(c));
    const std::vector<int> xs = EvenCharacterPositions(x, anchor.span, widths);
    for (qsizetype i = 0; i < characters.size(); ++i)
        draw(xs[static_cast<size_t>(i)], characters[i]);
}

void TplButton::PaintFrame(QPainter& painter)
{
    const QRect r = rect();
    switch (buttonStyle_) {
    case TplButtonStyle::bsNormal:
        if (down_) {
            DrawGdiLines(painter, RingLines(r, clBtnShadow, clBtnShadow));
            DrawGdiLines(painter, RingLines(r.adjusted(1, 1, -1, -1), clGray, clGray));
        } else {
            DrawGdiLines(painter, EdgeLines(r, EdgeKind::Raised));
        }
        break;
    case TplButtonStyle::bsFlat:
        switch (flatFrameType_) {
        case TplBBtnFrameType::bffFlat: DrawGdiLines(painter, EdgeLines(r, EdgeKind::FlatBump)); break;
        case TplBBtnFrameType::bffEtched: DrawGdiLines(painter, EdgeLines(r, EdgeKind::Etched)); break;
        case TplBBtnFrameType::bffBump: DrawGdiLines(painter, EdgeLines(r, EdgeKind::Bump)); break;
        }
        break;
    case TplButtonStyle::bsFlatNoFrame:
    case TplButtonStyle::bsRoundRectNoFrame:
        break;
    case TplButtonStyle::bsRoundRect: {
        QPen pen(ToQColor(frameColor_));
        pen.setWidth(framePenSize_);
        painter.setPen(pen);
        painter.setBrush(Qt::NoBrush);
        const qreal radius = roundDiameter_ / 2.0;
        painter.drawRoundedRect(QRect(0, 0, width() - 1, height() - 1), radius, radius);
        break;
    }
    }
}
