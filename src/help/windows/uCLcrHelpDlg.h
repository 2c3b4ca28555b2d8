#pragma once
// The creatinine clearance explanations ("解説"), centred on the screen, on top.
// Created once at start-up; each opening button shows it modally.
#include "NoticeWindow.h"

class TfrmCLcrHelpDlg : public TNoticeWindow {
    Q_OBJECT

public:
    explicit TfrmCLcrHelpDlg(QWidget* parent = nullptr);
};

extern TfrmCLcrHelpDlg* frmCLcrHelpDlg;
