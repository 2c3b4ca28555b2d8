#include "TApplication.h"

#include "Exceptions.h"
#include "Fonts.h"
#include "MessageBox.h"

#include <QFont>

TApplication::TApplication(int& argc, char** argv) : QApplication(argc, argv)
{
    setApplicationName(QStringLiteral("Quorvel"));
    setFont(vcl::ProgramFont(9));
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
