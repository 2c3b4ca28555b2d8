// griddemo: the typical typed cells in one window, to try them by hand.
#include "GridDemoWindow.h"

#include <QApplication>

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    GridDemoWindow window;
    window.show();
    return app.exec();
}
