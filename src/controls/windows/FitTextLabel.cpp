#include "FitTextLabel.h"

#include <QFontMetricsF>
#include <QPainter>

namespace {

constexpr int TextMargin = 2;               // pixels left and right of the text
constexpr double SmallestPointSize = 5.0;   // below this nothing is read anyway
constexpr double PointStep = 0.5;

} // namespace

TFitTextLabel::TFitTextLabel(QWidget* parent) : QLabel(parent) {}

int TFitTextLabel::TextWidth() const
{
    return contentsRect().width() - 2 * TextMargin;
}

QFont TFitTextLabel::FittedFont() const
{
    QFont fitted = font();
    const int width = TextWidth();
    for (double size = fitted.pointSizeF();
         size > SmallestPointSize && QFontMetricsF(fitted).horizontalAdvance(text()) > width;) {
        size = std::max(size - PointStep, SmallestPointSize);
        fitted.setPointSizeF(size);
    }
    return fitted;
}

void TFitTextLabel::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    drawFrame(&painter);
    painter.setFont(FittedFont());
    painter.setPen(palette().color(isEnabled() ? QPalette::Active : QPalette::Disabled, foregroundRole()));
    painter.drawText(contentsRect().adjusted(TextMargin, 0, -TextMargin, 0),
                     static_cast<int>(alignment()) | Qt::TextSingleLine, text());
}
