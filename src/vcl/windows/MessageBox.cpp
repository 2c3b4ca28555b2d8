#include "MessageBox.h"

#include <QApplication>
#include <QMessageBox>
#include <QPushButton>

namespace vcl {
namespace {

class DialogMessageBoxService : public MessageBoxService {
public:
    int Show(const QString& text, const QString& caption, int flags) override
    {
        QMessageBox box(QApplication::activeWindow());
        box.setWindowTitle(caption);
        box.setText(text);
        switch (flags & 0xF0) {
        case MB_ICONERROR: box.setIcon(QMessageBox::Critical); break;
        case MB_ICONQUESTION: box.setIcon(QMessageBox::Question); break;
        case MB_ICONEXCLAMATION: box.setIcon(QMessageBox::Warning); break;
        case MB_ICONINFORMATION: box.setIcon(QMessageBox::Information); break;
        default: box.setIcon(QMessageBox::NoIcon); break;
        }
        QPushButton* ok = box.addButton(QStringLiteral("OK"), QMessageBox::AcceptRole);
        QPushButton* cancel = nullptr;
        if ((flags & 0x0F) == MB_OKCANCEL)
            cancel = box.addButton(QStringLiteral("キャンセル"), QMessageBox::RejectRole);
        box.setDefaultButton(ok);
        box.setEscapeButton(cancel ? static_cast<QAbstractButton*>(cancel) : ok);
        box.exec();
        if (cancel && box.clickedButton() != ok)
            return IDCANCEL;
        return IDOK;
    }
};

DialogMessageBoxService dialogService;
MessageBoxService* currentService = &dialogService;

} // namespace

int MessageBox(const QString& text, const QString& caption, int flags)
{
    return currentService->Show(text, caption, flags);
}

void ShowError(const QString& text, const QString& caption)
{
    MessageBox(text, caption, MB_OK | MB_ICONEXCLAMATION);
}

bool AskOkCancel(const QString& text, const QString& caption)
{
    return MessageBox(text, caption, MB_OKCANCEL | MB_ICONQUESTION) == IDOK;
}

void ShowInformation(const QString& text)
{
    MessageBox(text, QStringLiteral("情報"), MB_OK | MB_ICONINFORMATION);
}

MessageBoxService* SetMessageBoxService(MessageBoxService* service)
{
    MessageBoxService* previous = currentService;
    currentService = service ? service : &dialogService;
    return previous == &dialogService ? nullptr : previous;
}

} // namespace vcl
