#pragma once
// The program's one message box: a text, a caption and the flags of the
// original calls (48 = OK with the exclamation icon, 33 = OK/Cancel with the
// question icon, 64 = OK with the information icon). The service behind it is
// replaceable, so tests answer message boxes without ever blocking.
#include <QString>

class QWidget;

namespace vcl {

enum MessageBoxFlags : int {
    MB_OK = 0x00,
    MB_OKCANCEL = 0x01,
    MB_ICONERROR = 0x10,
    MB_ICONQUESTION = 0x20,
    MB_ICONEXCLAMATION = 0x30,
    MB_ICONINFORMATION = 0x40,
};

enum MessageBoxAnswer : int {
    IDOK = 1,
    IDCANCEL = 2,
};

class MessageBoxService {
public:
    virtual ~MessageBoxService() = default;
    virtual int Show(const QString& text, const QString& caption, int flags) = 0;
};

// Shows the box through the installed service; returns IDOK or IDCANCEL.
int MessageBox(const QString& text, const QString& caption, int flags);

// The three kinds the windows use.
void ShowError(const QString& text, const QString& caption);          // exclamation, OK
bool AskOkCancel(const QString& text, const QString& caption);        // question, OK/Cancel; true for OK
void ShowInformation(const QString& text);                            // information, caption "情報"

// Installs a service (nullptr restores the real one); returns the previous
// one, nullptr when that was the real one. The caller keeps ownership.
MessageBoxService* SetMessageBoxService(MessageBoxService* service);

} // namespace vcl
