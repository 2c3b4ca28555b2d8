#pragma once
// The two AUC methods ("解説"), centred on the screen, on top.
// Created once at start-up; each opening button shows it modally.
#include "NoticeWindow.h"

class TfrmAUCrHelpDlg : public TNoticeWindow {
    Q_OBJECT

public:
    explicit TfrmAUCrHelpDlg(QWidget* parent = nullptr);
};

extern TfrmAUCrHelpDlg* frmAUCrHelpDlg;
