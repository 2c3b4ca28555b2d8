#include "DialogHelp.h"

#include "uHelpDlg.h"

#include <QPointer>

namespace {

// Who owned the help window before a dialog borrowed it.
QPointer<QWidget> previousOwner;

// A new parent makes a window hidden; it keeps its place and visibility.
void Reparent(QWidget* window, QWidget* parent)
{
    const bool visible = window->isVisible();
    const QPoint position = window->pos();
    window->setParent(parent, window->windowFlags());
    if (visible) {
        window->move(position);
        window->show();
    }
}

} // namespace

void ShowHelpPageOver(QWidget* dialog, int pageId)
{
    if (!frmHelpDlg)
        return;
    if (frmHelpDlg->parentWidget() != dialog) {
        previousOwner = frmHelpDlg->parentWidget();
        Reparent(frmHelpDlg, dialog);
    }
    frmHelpDlg->ShowHelpPage(pageId);
}

void ReturnHelpWindow(QWidget* dialog)
{
    if (frmHelpDlg && frmHelpDlg->parentWidget() == dialog)
        Reparent(frmHelpDlg, previousOwner);
}
