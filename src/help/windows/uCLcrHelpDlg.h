#pragma once
// TfrmCLcrHelpDlg: created once at start-up and kept for the whole run. Its controls
// and behaviour come with the window's own work; until then it is an empty
// dialog of its name.
#include "Forms.h"

class TfrmCLcrHelpDlg : public vcl::TForm {
    Q_OBJECT

public:
    explicit TfrmCLcrHelpDlg(QWidget* parent = nullptr);
};

extern TfrmCLcrHelpDlg* frmCLcrHelpDlg;
