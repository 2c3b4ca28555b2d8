#include "WindowsAlive.h"

#include <QApplication>
#include <QComboBox>
#include <QCursor>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <QVBoxLayout>
#include <QWheelEvent>

#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <stdexcept>
#include <thread>

namespace {

class CountingPaints : public QWidget {
public:
    int paints = 0;

protected:
    void paintEvent(QPaintEvent*) override { ++paints; }
};

struct Window {
    Window()
    {
        auto* layout = new QVBoxLayout(&top);
        button = new QPushButton(QStringLiteral("OK"));
        edit = new QLineEdit;
        list = new QComboBox;
        list->addItems({QStringLiteral("0"), QStringLiteral("1")});
        canvas = new CountingPaints;
        canvas->setMinimumSize(50, 50);
        layout->addWidget(button);
        layout->addWidget(edit);
        layout->addWidget(list);
        layout->addWidget(canvas);
        QObject::connect(button, &QPushButton::clicked, [this] { ++clicks; });
        top.show();
        EXPECT_TRUE(QTest::qWaitForWindowExposed(&top));
    }
    QWidget top;
    QPushButton* button;
    QLineEdit* edit;
    QComboBox* list;   // the wheel changes a list's choice
    CountingPaints* canvas;
    int clicks = 0;
};

// Waits, on the worker, until the window's thread has done `done`.
void WaitFor(const std::atomic<bool>& done)
{
    const auto until = std::chrono::steady_clock::now() + std::chrono::seconds(20);
    while (!done && std::chrono::steady_clock::now() < until)
        std::this_thread::sleep_for(std::chrono::milliseconds(1));
}

} // namespace

// While the work runs, the window's thread paints and runs timers, shows the
// wait cursor and drops every click, key, wheel and close; afterwards all is as
// before and the work's result is returned.
TEST(RunKeepingWindowsAlive, WindowsPaintAndRefuseInputUntilTheWorkReturns)
{
    Window w;
    std::atomic<bool> checked = false;
    bool closed = true;
    int paintsBefore = 0;
    Qt::CursorShape cursor = Qt::ArrowCursor;
    QTimer::singleShot(10, &w.top, [&] {
        cursor = QGuiApplication::overrideCursor() ? QGuiApplication::overrideCursor()->shape() : Qt::ArrowCursor;
        QTest::mouseClick(w.button, Qt::LeftButton);
        w.edit->setFocus();
        QTest::keyClicks(w.edit, QStringLiteral("12"));
        const QPointF centre = QRectF(w.list->rect()).center();
        QWheelEvent wheel(centre, w.list->mapToGlobal(centre), QPoint(), QPoint(0, -120), Qt::NoButton, Qt::NoModifier,
                          Qt::NoScrollPhase, false);
        QCoreApplication::sendEvent(w.list, &wheel);
        closed = w.top.close();
        paintsBefore = w.canvas->paints;
        w.canvas->repaint();
        checked = true;
    });
    const std::thread::id caller = std::this_thread::get_id();
    std::thread::id worker;

    const int result = vcl::RunKeepingWindowsAlive([&] {
        worker = std::this_thread::get_id();
        WaitFor(checked);
        return 42;
    });

    EXPECT_EQ(result, 42);
    EXPECT_TRUE(checked);
    EXPECT_NE(worker, caller);
    EXPECT_EQ(cursor, Qt::WaitCursor);
    EXPECT_EQ(w.clicks, 0);
    EXPECT_TRUE(w.edit->text().isEmpty());
    EXPECT_EQ(w.list->currentIndex(), 0);
    EXPECT_FALSE(closed);
    EXPECT_TRUE(w.top.isVisible());
    EXPECT_GT(w.canvas->paints, paintsBefore);

    EXPECT_EQ(QGuiApplication::overrideCursor(), nullptr);
    QTest::mouseClick(w.button, Qt::LeftButton);
    EXPECT_EQ(w.clicks, 1);
    EXPECT_TRUE(w.top.close());
}

TEST(RunKeepingWindowsAlive, AnExceptionOfTheWorkComesBackToTheCaller)
{
    EXPECT_THROW(vcl::RunKeepingWindowsAlive([] { throw std::runtime_error("failed"); }), std::runtime_error);
    EXPECT_EQ(QGuiApplication::overrideCursor(), nullptr);
    bool ran = false;
    vcl::RunKeepingWindowsAlive([&] { ran = true; });
    EXPECT_TRUE(ran);
}
