#include "TApplication.h"

#include "Exceptions.h"
#include "Fonts.h"
#include "MessageBox.h"

#include <QFont>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

TApplication::TApplication(int& argc, char** argv) : QApplication(argc, argv)
{
    setApplicationName(QStringLiteral("Quorvel"));
    setFont(vcl::ProgramFont(9));
    // Before the first window, which takes its texts when it is built.
    InstallQtJapanese(*this);
}

QTranslator* InstallQtJapanese(QCoreApplication& app)
{
    // Month and day names, and weeks that begin on Sunday as the schedule
    // page's calendar does, whatever the platform's own locale.
    QLocale::setDefault(QLocale(QLocale::Japanese, QLocale::Japan));
    auto* translator = new QTranslator(&app);
    if (!translator->load(QStringLiteral("qtbase_ja"), QLibraryInfo::path(QLibraryInfo::TranslationsPath))
        || !QCoreApplication::installTranslator(translator)) {
        delete translator;
        return nullptr;
    }
    return translator;
}

bool TApplication::notify(QObject* receiver, QEvent* event)
{
    try {
        return QApplication::notify(receiver, event);
    } catch (const std::exception& error) {
        ShowException(error);
    } catch (...) {
        vcl::ShowError(QStringLiteral("予期しないエラーが発生しました。"), QStringLiteral("エラー"));
    }
    return false;
}

void ShowException(const std::exception& error)
{
    const auto* own = dynamic_cast<const vcl::Exception*>(&error);
    vcl::ShowError(own ? own->Message() : QString::fromLocal8Bit(error.what()), QStringLiteral("エラー"));
}
