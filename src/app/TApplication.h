#pragma once
// The application object: the program's font, Qt's own windows in Japanese,
// and the last guard against an exception escaping an event handler, which is
// shown in an error box while the program goes on.
#include <QApplication>

class QTranslator;

class TApplication : public QApplication {
public:
    TApplication(int& argc, char** argv);
    bool notify(QObject* receiver, QEvent* event) override;
};

// Makes Japanese the default locale (the date pickers' calendars, the file
// dialogs' dates) and loads Qt's Japanese translation (qtbase_ja of the
// platform's Qt translations) into the application, so the file dialogs, a
// line edit's menu and Qt's other standard windows speak Japanese; the
// translator, owned by the application, or nullptr when the translation is
// not installed.
QTranslator* InstallQtJapanese(QCoreApplication& app);

// Shows an exception in the program's error box (caption "エラー").
void ShowException(const std::exception& error);
