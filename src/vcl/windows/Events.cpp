#include "Events.h"

#include "Exceptions.h"
#include "MessageBox.h"

namespace vcl {

TShiftState ShiftStateOf(Qt::KeyboardModifiers keys, Qt::MouseButtons buttons, ClickCount clicks)
{
    TShiftState state;
    if (keys & Qt::ShiftModifier)
        state |= ssShift;
    if (keys & Qt::AltModifier)
        state |= ssAlt;
    if (keys & Qt::ControlModifier)
        state |= ssCtrl;
    if (buttons & Qt::LeftButton)
        state |= ssLeft;
    if (buttons & Qt::RightButton)
        state |= ssRight;
    if (buttons & Qt::MiddleButton)
        state |= ssMiddle;
    if (clicks == ClickCount::Double)
        state |= ssDouble;
    return state;
}

TMouseButton MouseButtonOf(Qt::MouseButton button)
{
    switch (button) {
    case Qt::RightButton: return TMouseButton::mbRight;
    case Qt::MiddleButton: return TMouseButton::mbMiddle;
    default: return TMouseButton::mbLeft;
    }
}

bool RunEventHandler(const std::function<void()>& handler)
{
    if (!handler)
        return true;
    QString message;
    try {
        handler();
        return true;
    } catch (const Exception& e) {
        message = e.Message();
    } catch (const std::exception& e) {
        message = QString::fromUtf8(e.what());
    } catch (...) {
        message = QStringLiteral("予期しないエラーが発生しました。");
    }
    MessageBox(message, QStringLiteral("エラー"), MB_OK | MB_ICONERROR);
    return false;
}

} // namespace vcl
