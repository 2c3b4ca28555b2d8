#include "Forms.h"

#include <QKeyEvent>
#include <utility>

namespace vcl {

std::optional<TDialogKey> DialogKeyOf(int qtKey)
{
    switch (qtKey) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
        return TDialogKey::Enter;
    case Qt::Key_Escape:
        return TDialogKey::Escape;
    default:
        return std::nullopt;
    }
}

namespace {

// Depth first in creation order, staying inside root's window: a dialog
// parented to another window has buttons of its own that must not answer.
bool OfferDialogKey(QWidget* widget, TDialogKey key, Qt::KeyboardModifiers modifiers)
{
    for (QObject* object : widget->children()) {
        auto* child = qobject_cast<QWidget*>(object);
        if (!child || child->isWindow())
            continue;
        if (auto* receiver = dynamic_cast<DialogKeyReceiver*>(child)) {
            if (receiver->DialogKey(key, modifiers))
                return true;
        }
        if (OfferDialogKey(child, key, modifiers))
            return true;
    }
    return false;
}

} // namespace

bool DispatchDialogKey(QWidget* root, TDialogKey key, Qt::KeyboardModifiers modifiers)
{
    return root && OfferDialogKey(root, key, modifiers);
}

TForm::TForm(QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint
                          | Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint)
{
    SetColor(clBtnFace);
}

void TForm::SetModalResult(TModalResult value)
{
    modalResult_ = value;
    if (deferrals_ == 0)
        ApplyModalResult();
}

void TForm::ApplyModalResult()
{
    // A window shown without blocking keeps its result and stays.
    if (modalResult_ != mrNone && isVisible() && isModal())
        done(modalResult_);
}

namespace {

ModalService* installedModalService = nullptr;

} // namespace

ModalService* SetModalService(ModalService* service)
{
    return std::exchange(installedModalService, service);
}

int TForm::ShowModal()
{
    return installedModalService ? installedModalService->ShowModal(*this) : exec();
}

int TForm::exec()
{
    modalResult_ = mrNone;
    return QDialog::exec();
}

void TForm::done(int result)
{
    modalResult_ = result;
    QDialog::done(result);
}

void TForm::reject()
{
    done(mrCancel);
}

void TForm::SetClientSize(int width, int height)
{
    setFixedSize(width, height);
}

void TForm::SetColor(TColor color)
{
    color_ = color;
    QPalette palette = this->palette();
    palette.setColor(QPalette::Window, ToQColor(color));
    setPalette(palette);
    setAutoFillBackground(true);
}

void TForm::keyPressEvent(QKeyEvent* event)
{
    // Enter and Escape belong to the buttons; unanswered, they do nothing
    // (the dialog's own Escape-closes-the-window is not wanted).
    if (const auto key = DialogKeyOf(event->key())) {
        DispatchDialogKey(this, *key, event->modifiers());
        event->accept();
        return;
    }
    QDialog::keyPressEvent(event);
}

TForm::ModalResultDeferral::ModalResultDeferral(TForm* form)
    : form_(form)
{
    if (form_)
        ++form_->deferrals_;
}

TForm::ModalResultDeferral::~ModalResultDeferral()
{
    if (form_ && --form_->deferrals_ == 0)
        form_->ApplyModalResult();
}

} // namespace vcl
