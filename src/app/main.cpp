#include "AppPaths.h"

#include <QApplication>
#include <QFont>
#include <QMainWindow>

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    app.setFont(QFont(QStringLiteral("IPAPGothic"), 9));
    QMainWindow window;
    window.setWindowTitle(QStringLiteral("Quorvel Ver.%1M").arg(vcl::VersionText()));
    window.resize(1034, 772);
    window.show();
    return app.exec();
}
