#pragma once
// Event handlers as the windows attach them: plain callables in members named
// like the events (OnClick, OnMouseMove), the sender first. A window binds its
// own method: plButton16->OnClick = [this](QObject* Sender) { plButton16Click(Sender); };
#include <QFlags>
#include <QObject>
#include <functional>

namespace vcl {

// The keys and buttons held when a mouse event happened.
enum TShiftStateFlag {
    ssShift = 0x01,
    ssAlt = 0x02,
    ssCtrl = 0x04,
    ssLeft = 0x08,
    ssRight = 0x10,
    ssMiddle = 0x20,
    ssDouble = 0x40,
};
Q_DECLARE_FLAGS(TShiftState, TShiftStateFlag)

enum class TMouseButton { mbLeft, mbRight, mbMiddle };
// Any other button counts as the left one.
TMouseButton MouseButtonOf(Qt::MouseButton button);

enum class ClickCount { Single, Double };

TShiftState ShiftStateOf(Qt::KeyboardModifiers keys, Qt::MouseButtons buttons,
                         ClickCount clicks = ClickCount::Single);

using TNotifyEvent = std::function<void(QObject* Sender)>;
using TMouseEvent = std::function<void(QObject* Sender, TMouseButton Button, TShiftState Shift, int X, int Y)>;
using TMouseMoveEvent = std::function<void(QObject* Sender, TShiftState Shift, int X, int Y)>;

// Runs one event handler. An exception it lets escape is shown in an error box
// and stops there, so it never crosses the event loop; returns false then.
bool RunEventHandler(const std::function<void()>& handler);

} // namespace vcl

Q_DECLARE_OPERATORS_FOR_FLAGS(vcl::TShiftState)
