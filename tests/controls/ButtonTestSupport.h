#pragma once
// Mouse and paint helpers for the painted-button tests: events go straight to
// the widget, so each step of the press protocol is under the test's control.
#include <QApplication>
#include <QImage>
#include <QMouseEvent>
#include <QWidget>

namespace button_tests {

inline void SendMouse(QWidget* widget, QEvent::Type type, QPoint pos, Qt::MouseButton button,
                      Qt::MouseButtons held)
{
    QMouseEvent event(type, QPointF(pos), widget->mapToGlobal(QPointF(pos)), button, held, Qt::NoModifier);
    QApplication::sendEvent(widget, &event);
}

inline void Press(QWidget* w, QPoint pos)
{
    SendMouse(w, QEvent::MouseButtonPress, pos, Qt::LeftButton, Qt::LeftButton);
}

inline void DragTo(QWidget* w, QPoint pos)
{
    SendMouse(w, QEvent::MouseMove, pos, Qt::NoButton, Qt::LeftButton);
}

inline void Release(QWidget* w, QPoint pos)
{
    SendMouse(w, QEvent::MouseButtonRelease, pos, Qt::LeftButton, Qt::NoButton);
}

inline void ClickAt(QWidget* w, QPoint pos)
{
    Press(w, pos);
    Release(w, pos);
}

// The widget as drawn now, on a 32-bit image.
inline QImage Rendered(QWidget* w)
{
    return w->grab().toImage().convertToFormat(QImage::Format_RGB32);
}

inline QColor At(const QImage& image, int x, int y)
{
    return QColor(image.pixel(x, y));
}

} // namespace button_tests
