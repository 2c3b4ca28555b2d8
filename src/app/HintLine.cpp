#include "HintLine.h"

#include "HintTable.h"

#include <QAbstractScrollArea>
#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>

namespace {

// The control a widget is part of, as the user sees it: a scroll area (a
// grid, a memo) for its viewport, an editable list for its line edit.
QWidget* ControlOf(QWidget* widget)
{
    QWidget* parent = widget->parentWidget();
    if (auto* area = qobject_cast<QAbstractScrollArea*>(parent); area && area->viewport() == widget)
        return area;
    if (auto* combo = qobject_cast<QComboBox*>(parent); combo && static_cast<QWidget*>(combo->lineEdit()) == widget)
        return combo;
    return widget;
}

// The deepest widget at a point of a widget.
QWidget* WidgetAt(QWidget* widget, const QPoint& position)
{
    QWidget* child = widget->childAt(position);
    return child ? child : widget;
}

} // namespace

THintLine::THintLine(QWidget* window, QLabel* line) : QObject(window), window_(window), line_(line)
{
    qApp->installEventFilter(this);
}

std::optional<QString> THintLine::HintOf(QWidget* control) const
{
    if (control->window() != window_ || control->objectName().isEmpty())
        return std::nullopt;
    for (QWidget* owner = control->parentWidget(); owner; owner = owner->parentWidget()) {
        if (IsHintOwner(owner->objectName()))
            return HintFor(owner->objectName(), control->objectName());
        if (owner == window_)
            break;
    }
    return std::nullopt;
}

void THintLine::Show(QWidget* control)
{
    if (const std::optional<QString> hint = HintOf(control))
        line_->setText(*hint);
}

bool THintLine::eventFilter(QObject* watched, QEvent* event)
{
    const QEvent::Type type = event->type();
    if ((type != QEvent::Enter && type != QEvent::MouseMove) || !watched->isWidgetType())
        return false;
    auto* widget = static_cast<QWidget*>(watched);
    QWidget* control = ControlOf(widget);
    if (type == QEvent::Enter && HintOf(control))
        // From now on every move over the control reports, also one coming
        // back from a control inside it.
        widget->setMouseTracking(true);
    // Entering a control enters its parents too, and a move reaches the
    // parents of the control under the pointer: only the control under the
    // pointer shows its sentence.
    const QPoint position = static_cast<QSinglePointEvent*>(event)->position().toPoint();
    if (ControlOf(WidgetAt(widget, position)) == control)
        Show(control);
    return false;
}
