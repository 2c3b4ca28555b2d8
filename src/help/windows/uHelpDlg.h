#pragma once
// TfrmHelpDlg: created once at start-up and kept for the whole run. Its controls
// and behaviour come with the window's own work; until then it is an empty
// dialog of its name.
#include "Forms.h"

class TfrmHelpDlg : public vcl::TForm {
    Q_OBJECT

public:
    explicit TfrmHelpDlg(QWidget* parent = nullptr);

    // Shows one help page by its id; the pages come with the help window.
    void ShowHelpPage(int pageId);
};

extern TfrmHelpDlg* frmHelpDlg;
