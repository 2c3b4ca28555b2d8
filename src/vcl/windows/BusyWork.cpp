#include "BusyWork.h"

#include <QApplication>
#include <QEvent>
#include <QEventLoop>
#include <QThread>
#include <QWidget>
#include <QWindow>
#include <exception>
#include <thread>

namespace vcl {

namespace {

// Drops the user's input to every object of the application.
class InputRefusal : public QObject {
protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        switch (event->type()) {
        case QEvent::MouseButtonPress:
        case QEvent::MouseButtonRelease:
        case QEvent::MouseButtonDblClick:
        case QEvent::Wheel:
        case QEvent::KeyPress:
        case QEvent::KeyRelease:
        case QEvent::ShortcutOverride:
        case QEvent::Shortcut:
        case QEvent::ContextMenu:
        case QEvent::InputMethod:
        case QEvent::TouchBegin:
        case QEvent::TouchUpdate:
        case QEvent::TouchEnd:
        case QEvent::TabletPress:
        case QEvent::TabletRelease:
        case QEvent::DragEnter:
        case QEvent::DragMove:
        case QEvent::Drop:
            return true;
        case QEvent::Close:
            // Closing a window would take the case with it.
            if (watched->isWindowType() || (watched->isWidgetType() && static_cast<QWidget*>(watched)->isWindow())) {
                event->ignore();
                return true;
            }
            return false;
        default:
            return false;
        }
    }
};

int busyDepth = 0;
InputRefusal* refusal = nullptr;

// Input refused and the wait cursor shown for as long as it lives.
class BusyScope {
public:
    BusyScope()
    {
        if (busyDepth++ == 0) {
            refusal = new InputRefusal;
            qApp->installEventFilter(refusal);
        }
        QApplication::setOverrideCursor(Qt::WaitCursor);
    }
    ~BusyScope()
    {
        QApplication::restoreOverrideCursor();
        if (--busyDepth == 0) {
            qApp->removeEventFilter(refusal);
            delete refusal;
            refusal = nullptr;
        }
    }
    BusyScope(const BusyScope&) = delete;
    BusyScope& operator=(const BusyScope&) = delete;
};

} // namespace

void RunKeepingWindowsAlive(const std::function<void()>& work)
{
    if (!qobject_cast<QApplication*>(QCoreApplication::instance()) ||
        QThread::currentThread() != QCoreApplication::instance()->thread()) {
        work();
        return;
    }

    const BusyScope busy;
    QEventLoop loop;
    std::exception_ptr failure;
    std::thread worker([&] {
        try {
            work();
        } catch (...) {
            failure = std::current_exception();
        }
        QMetaObject::invokeMethod(&loop, &QEventLoop::quit, Qt::QueuedConnection);
    });
    loop.exec();
    worker.join();
    if (failure)
        std::rethrow_exception(failure);
}

bool IsRunningKeepingWindowsAlive()
{
    return busyDepth > 0;
}

} // namespace vcl
