// Work on a worker thread while the windows stay alive: timers and repaints
// go on, the user's input is dropped, the wait cursor shows, the result or
// the exception comes back.
#include "BusyWork.h"

#include <QApplication>
#include <QCloseEvent>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <stdexcept>
#include <thread>

namespace {

class PaintCounter : public QWidget {
public:
    int paints = 0;

protected:
    void paintEvent(QPaintEvent*) override { ++paints; }
};

// Work that lasts until the user-interface thread lets it end.
void WaitFor(const std::atomic<bool>& release)
{
    while (!release.load())
        std::this_thread::sleep_for(std::chrono::milliseconds(2));
}

} // namespace

TEST(BusyWork, WindowsRepaintAndRefuseInputMeanwhile)
{
    QWidget window;
    window.resize(200, 100);
    auto* button = new QPushButton(QStringLiteral("OK"), &window);
    auto* canvas = new PaintCounter;
    canvas->setParent(&window);
    canvas->setGeometry(0, 40, 200, 60);
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    int clicks = 0;
    QObject::connect(button, &QPushButton::clicked, [&] { ++clicks; });

    std::atomic<bool> release{false};
    int ticks = 0;
    bool closed = true;
    bool waitCursor = false;
    bool busyInside = false;
    int paintsBefore = 0;
    QTimer timer;
    timer.setInterval(5);
    QObject::connect(&timer, &QTimer::timeout, [&] {
        if (++ticks == 1) {
            busyInside = vcl::IsRunningKeepingWindowsAlive();
            waitCursor = QApplication::overrideCursor() && QApplication::overrideCursor()->shape() == Qt::WaitCursor;
            paintsBefore = canvas->paints;
            canvas->update();
            QTest::mouseClick(button, Qt::LeftButton);
            QTest::keyClick(button, Qt::Key_Space);
            QCloseEvent close;
            QApplication::sendEvent(&window, &close);
            closed = close.isAccepted();
        } else if (ticks == 5) {
            release = true;
        }
    });
    timer.start();
    const int answer = vcl::RunKeepingWindowsAlive([&] {
        WaitFor(release);
        return 42;
    });
    timer.stop();

    EXPECT_EQ(answer, 42);
    EXPECT_GE(ticks, 5);                  // timers ran
    EXPECT_GT(canvas->paints, paintsBefore);   // and the window repainted
    EXPECT_TRUE(busyInside);
    EXPECT_TRUE(waitCursor);
    EXPECT_EQ(clicks, 0);                 // the click and the key were dropped, not delayed
    EXPECT_FALSE(closed);
    EXPECT_TRUE(window.isVisible());
    QTest::qWait(20);
    EXPECT_EQ(clicks, 0);
    EXPECT_FALSE(vcl::IsRunningKeepingWindowsAlive());
    EXPECT_EQ(QApplication::overrideCursor(), nullptr);

    // Input works again afterwards.
    QTest::mouseClick(button, Qt::LeftButton);
    EXPECT_EQ(clicks, 1);
}

TEST(BusyWork, ExceptionsComeBack)
{
    EXPECT_THROW(vcl::RunKeepingWindowsAlive([] { throw std::runtime_error("failed"); }), std::runtime_error);
    EXPECT_FALSE(vcl::IsRunningKeepingWindowsAlive());
    EXPECT_EQ(QApplication::overrideCursor(), nullptr);
    bool ran = false;
    vcl::RunKeepingWindowsAlive([&] { ran = true; });
    EXPECT_TRUE(ran);
}
