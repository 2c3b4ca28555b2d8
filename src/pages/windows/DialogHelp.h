#pragma once
// The help window opened from a modal dialog. A modal dialog blocks every
// window that is not its own, so the help window, a child of the main window,
// would open unusable behind it. While the dialog is open it lends the help
// window to itself (the help window becomes its child, so the modality spares
// it) and gives it back to its previous owner when it closes.
class QWidget;

// Shows the help page over the dialog; does nothing when no help window exists.
void ShowHelpPageOver(QWidget* dialog, int pageId);

// Gives a help window lent to the dialog back to its previous owner, shown
// or hidden as it was. Call it when the dialog hides and when it goes.
void ReturnHelpWindow(QWidget* dialog);
