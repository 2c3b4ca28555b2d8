#pragma once
// The application object: the program's font, and the last guard against an
// exception escaping an event handler, which is shown in an error box while
// the program goes on.
#include <QApplication>

class TApplication : public QApplication {
public:
    TApplication(int& argc, char** argv);
    bool notify(QObject* receiver, QEvent* event) override;
};

// Shows an exception in the program's error box (caption "エラー").
void ShowException(const std::exception& error);
