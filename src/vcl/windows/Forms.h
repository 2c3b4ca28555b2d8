#pragma once
// The base of the program's dialogs. A dialog is created once and shown modally
// again and again. Its buttons hand their modal result to it; a click handler
// sees the result already set and may clear it, so a dialog whose checks fail
// stays open. Enter and Escape go to the buttons (Escape closes only through a
// button marked Cancel), never straight to the dialog.
//
// The main window is a plain QMainWindow, not a TForm: it is never shown
// modally, so a modal result means nothing to it. A button outside any TForm
// just runs its handler; a focused button there still answers Enter itself.
#include "Colors.h"

#include <QDialog>
#include <QPointer>
#include <optional>

class QKeyEvent;

namespace vcl {

using TModalResult = int;
inline constexpr TModalResult mrNone = 0;
inline constexpr TModalResult mrOk = 1;
inline constexpr TModalResult mrCancel = 2;

enum class TDialogKey { Enter, Escape };

// Enter (either key) or Escape; nothing for any other key.
std::optional<TDialogKey> DialogKeyOf(int qtKey);

// A control that may answer Enter or Escape for its window.
class DialogKeyReceiver {
public:
    // True when the control took the key.
    virtual bool DialogKey(TDialogKey key, Qt::KeyboardModifiers modifiers) = 0;

protected:
    ~DialogKeyReceiver() = default;
};

// Offers the key to every receiver below root in root's own window, depth first
// in creation order, until one takes it (hidden and disabled ones are asked
// too: each decides).
bool DispatchDialogKey(QWidget* root, TDialogKey key, Qt::KeyboardModifiers modifiers);

class TForm : public QDialog {
    Q_OBJECT

public:
    explicit TForm(QWidget* parent = nullptr);

    TModalResult ModalResult() const { return modalResult_; }
    // A non-zero result closes a dialog that is showing modally with that result,
    // at once or, while a button click runs, when the click is over.
    void SetModalResult(TModalResult value);

    // Clears the modal result, shows the dialog modally and returns how it
    // closed; through the installed modal service (see SetModalService).
    int ShowModal();
    int exec() override;
    void done(int result) override;
    // The close box: closes with mrCancel.
    void reject() override;

    // The dialogs have a fixed client area; the user cannot resize them.
    void SetClientSize(int width, int height);

    TColor Color() const { return color_; }
    void SetColor(TColor color);

    // While one is alive (a button's click), modal results are only recorded;
    // the last one to go acts on the result left behind.
    class ModalResultDeferral {
    public:
        explicit ModalResultDeferral(TForm* form);
        ~ModalResultDeferral();
        ModalResultDeferral(const ModalResultDeferral&) = delete;
        ModalResultDeferral& operator=(const ModalResultDeferral&) = delete;

    private:
        QPointer<TForm> form_;
    };

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    void ApplyModalResult();

    TModalResult modalResult_ = mrNone;
    int deferrals_ = 0;
    TColor color_ = clBtnFace;
};

// Who shows the dialogs modally. The real one runs each dialog's own modal
// loop; a test installs one that answers for the dialogs it names, so that no
// test blocks on a dialog the program opens by itself (the disclaimer at start).
class ModalService {
public:
    virtual ~ModalService() = default;
    virtual int ShowModal(TForm& form) = 0;
};

// Installs a service (nullptr restores the real one); returns the previous
// one, nullptr when that was the real one. The caller keeps ownership.
ModalService* SetModalService(ModalService* service);

} // namespace vcl
