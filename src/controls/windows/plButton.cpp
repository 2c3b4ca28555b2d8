#include "plButton.h"

#include "ButtonGeometry.h"

#include <QEnterEvent>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPointer>

using namespace vcl;

namespace {

template <typename T>
bool StoreChanged(T& field, const T& value)
{
    if (field == value)
        return false;
    field = value;
    return true;
}

bool IsHandledButton(Qt::MouseButton button)
{
    return button == Qt::LeftButton || button == Qt::RightButton || button == Qt::MiddleButton;
}

} // namespace

TplButton::TplButton(QWidget* parent)
    : QWidget(parent)
    , captionA_(std::make_unique<TplBBtnCaption>(this))
    , captionB_(std::make_unique<TplBBtnCaption>(this))
    , image_(std::make_unique<TplBBtnImage>(this))
{
    resize(75, 26);
    // Not a tab stop; a press gives it the focus itself when HasFocus is on.
    setFocusPolicy(Qt::NoFocus);
    // The window's hint line follows the pointer over the button.
    setMouseTracking(true);
}

TplButton::~TplButton() = default;

void TplButton::SetName(const QString& name)
{
    setObjectName(name);
    if (!nameCaption_ && !name.isEmpty()) {
        nameCaption_ = true;
        captionA_->SetCaption(name);
    }
}

void TplButton::SetButtonStyle(TplButtonStyle value)
{
    buttonStyle_ = value;
    UpdateRegion();
    update();
}

void TplButton::SetGradationStyle(TplaGradationStyle value)
{
    if (StoreChanged(gradationStyle_, value))
        update();
}

void TplButton::SetCancel(bool value)
{
    cancel_ = value;
}

void TplButton::SetCaptionA(const TplBBtnCaption& value)
{
    captionA_->Assign(value);
}

void TplButton::SetCaptionB(const TplBBtnCaption& value)
{
    captionB_->Assign(value);
}

void TplButton::SetCaptionLineSpace(int value)
{
    if (StoreChanged(captionLineSpace_, value))
        update();
}

void TplButton::SetCaptionTop(int value)
{
    captionTop_ = value;
    captionVertCenter_ = false;
    update();
}

void TplButton::SetFramePenSize(int value)
{
    if (StoreChanged(framePenSize_, value))
        update();
}

void TplButton::SetGradationRatio(int value)
{
    if (StoreChanged(gradationRatio_, value))
        update();
}

void TplButton::SetCaptionVertCenter(bool value)
{
    captionVertCenter_ = value;
    if (value)
        update();
}

void TplButton::SetFlatFrameType(TplBBtnFrameType value)
{
    if (StoreChanged(flatFrameType_, value))
        update();
}

void TplButton::SetGradation(bool value)
{
    gradation_ = value;
    if (value)
        parentColor_ = false;
    update();
}

void TplButton::SetGradBeginColor(TColor value)
{
    if (StoreChanged(gradBeginColor_, value))
        update();
}

void TplButton::SetGradEndColor(TColor value)
{
    if (StoreChanged(gradEndColor_, value))
        update();
}

void TplButton::SetFrameColor(TColor value)
{
    if (StoreChanged(frameColor_, value))
        update();
}

void TplButton::SetHasFocus(bool value)
{
    if (StoreChanged(hasFocus_, value))
        update();
}

void TplButton::SetModalResult(TModalResult value)
{
    modalResult_ = value;
}

void TplButton::SetImage(const TplBBtnImage& value)
{
    image_->Assign(value);
    update();
}

void TplButton::SetRoundDiameter(int value)
{
    if (!StoreChanged(roundDiameter_, value))
        return;
    UpdateRegion();
    update();
}

void TplButton::SetDispDownFocus(bool value)
{
    if (StoreChanged(dispDownFocus_, value))
        update();
}

void TplButton::SetColor(TColor value)
{
    color_ = value;
    parentColor_ = false;
    update();
}

void TplButton::SetParentColor(bool value)
{
    if (StoreChanged(parentColor_, value))
        update();
}

void TplButton::SetFontColor(TColor value)
{
    if (StoreChanged(fontColor_, value))
        update();
}

void TplButton::UpdateRegion()
{
    if (IsRoundStyle(buttonStyle_))
        setMask(RoundRectRegion(width(), height(), roundDiameter_));
    else if (!mask().isEmpty())
        clearMask();
}

void TplButton::Click()
{
    down_ = false;
    QPointer<TplButton> self(this);
    auto* form = qobject_cast<TForm*>(window());
    // The form acts on its modal result only after the handler: the handler
    // sees the button's result and may clear it to keep the dialog open.
    TForm::ModalResultDeferral deferral(form);
    if (form)
        form->SetModalResult(modalResult_);
    const TNotifyEvent handler = OnClick;
    const bool completed = RunEventHandler([&] {
        if (handler)
            handler(this);
    });
    // A handler that failed has been reported; the dialog stays open rather
    // than closing as if it had succeeded.
    if (!completed && form)
        form->SetModalResult(mrNone);
    if (self)
        update();
}

bool TplButton::DialogKey(TDialogKey key, Qt::KeyboardModifiers modifiers)
{
    const bool mine = (key == TDialogKey::Enter && window()->focusWidget() == this)
                      || (key == TDialogKey::Escape && cancel_);
    const auto held = Qt::ShiftModifier | Qt::ControlModifier | Qt::AltModifier;
    if (!mine || (modifiers & held) || !hasFocus_)
        return false;
    Click();
    return true;
}

void TplButton::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    if (IsRoundStyle(buttonStyle_)) {
        UpdateRegion();
        update();
    }
}

void TplButton::changeEvent(QEvent* event)
{
    QWidget::changeEvent(event);
    if (event->type() == QEvent::EnabledChange
        || (event->type() == QEvent::PaletteChange && parentColor_))
        update();
}

void TplButton::PressLeft(QMouseEvent* event, ClickCount clicks)
{
    const QPoint pos = event->position().toPoint();
    if (hasFocus_)
        setFocus(Qt::MouseFocusReason);
    down_ = true;
    mouseInside_ = true;
    update();
    const TMouseEvent handler = OnMouseDown;
    RunEventHandler([&] {
        if (handler)
            handler(this, TMouseButton::mbLeft, ShiftStateOf(event->modifiers(), event->buttons(), clicks),
                    pos.x(), pos.y());
    });
}

void TplButton::mousePressEvent(QMouseEvent* event)
{
    if (event->button() == Qt::LeftButton) {
        pressArmed_ = true;
        PressLeft(event, ClickCount::Single);
        return;
    }
    if (!IsHandledButton(event->button()))
        return;
    const QPoint pos = event->position().toPoint();
    const TMouseEvent handler = OnMouseDown;
    RunEventHandler([&] {
        if (handler)
            handler(this, MouseButtonOf(event->button()), ShiftStateOf(event->modifiers(), event->buttons()),
                    pos.x(), pos.y());
    });
}

void TplButton::mouseDoubleClickEvent(QMouseEvent* event)
{
    // The second press of a double click is no new click: it shows the
    // pressed look and runs OnDblClick, and its release does not click.
    if (event->button() != Qt::LeftButton)
        return;
    QPointer<TplButton> self(this);
    const TNotifyEvent handler = OnDblClick;
    RunEventHandler([&] {
        if (handler)
            handler(this);
    });
    if (self)
        PressLeft(event, ClickCount::Double);
}

void TplButton::mouseReleaseEvent(QMouseEvent* event)
{
    const QPoint pos = event->position().toPoint();
    QPointer<TplButton> self(this);
    if (event->button() == Qt::LeftButton) {
        const bool armed = pressArmed_;
        pressArmed_ = false;
        if (armed && rect().contains(pos))
            Click();
        if (!self)
            return;
        down_ = false;
        update();
    }
    if (!IsHandledButton(event->button()))
        return;
    const TMouseEvent handler = OnMouseUp;
    RunEventHandler([&] {
        if (handler)
            handler(this, MouseButtonOf(event->button()), ShiftStateOf(event->modifiers(), event->buttons()),
                    pos.x(), pos.y());
    });
    if (self && !rect().contains(pos))
        TrackMouseInside(false, ShiftStateOf(event->modifiers(), event->buttons()), pos);
}

void TplButton::mouseMoveEvent(QMouseEvent* event)
{
    const QPoint pos = event->position().toPoint();
    const TShiftState shift = ShiftStateOf(event->modifiers(), event->buttons());
    // While a button is held the toolkit holds enter and leave back until the
    // release, so the pointer's position decides.
    if (event->buttons() != Qt::NoButton)
        TrackMouseInside(rect().contains(pos), shift, pos);
    const TMouseMoveEvent handler = OnMouseMove;
    RunEventHandler([&] {
        if (handler)
            handler(this, shift, pos.x(), pos.y());
    });
}

void TplButton::enterEvent(QEnterEvent* event)
{
    QWidget::enterEvent(event);
    const QPoint pos = event->position().toPoint();
    TrackMouseInside(true, ShiftStateOf(QGuiApplication::queryKeyboardModifiers(), QGuiApplication::mouseButtons()),
                     pos);
}

void TplButton::leaveEvent(QEvent* event)
{
    QWidget::leaveEvent(event);
    const QPoint pos = mapFromGlobal(QCursor::pos());
    TrackMouseInside(false, ShiftStateOf(QGuiApplication::queryKeyboardModifiers(), QGuiApplication::mouseButtons()),
                     pos);
}

void TplButton::TrackMouseInside(bool inside, TShiftState shift, QPoint pos)
{
    if (inside == mouseInside_)
        return;
    mouseInside_ = inside;
    if (inside)
        MouseEnter(shift, pos);
    else
        MouseLeave(shift, pos);
}

void TplButton::MouseEnter(TShiftState shift, QPoint pos)
{
    QPointer<TplButton> self(this);
    const TMouseMoveEvent handler = OnMouseEnter;
    RunEventHandler([&] {
        if (handler)
            handler(this, shift, pos.x(), pos.y());
    });
    if (self && pressArmed_)
        update();
}

void TplButton::MouseLeave(TShiftState shift, QPoint pos)
{
    QPointer<TplButton> self(this);
    const TMouseMoveEvent handler = OnMouseLeave;
    RunEventHandler([&] {
        if (handler)
            handler(this, shift, pos.x(), pos.y());
    });
    if (!self)
        return;
    down_ = false;
    update();
}

void TplButton::keyPressEvent(QKeyEvent* event)
{
    const auto key = DialogKeyOf(event->key());
    if (!key) {
        QWidget::keyPressEvent(event);
        return;
    }
    event->accept();
    // The window's buttons hear Enter and Escape first; then this button
    // answers Enter itself.
    if (DispatchDialogKey(window(), *key, event->modifiers()))
        return;
    if (*key == TDialogKey::Enter && isEnabled())
        Click();
}

void TplButton::keyReleaseEvent(QKeyEvent* event)
{
    if (DialogKeyOf(event->key()) == TDialogKey::Enter) {
        down_ = false;
        update();
    }
    QWidget::keyReleaseEvent(event);
}

void TplButton::focusInEvent(QFocusEvent* event)
{
    QWidget::focusInEvent(event);
    if (hasFocus_)
        update();
}

void TplButton::focusOutEvent(QFocusEvent* event)
{
    QWidget::focusOutEvent(event);
    if (hasFocus_)
        update();
}
