#pragma once
// The albumin correction formulas ("解説"), centred on the screen, on top.
// Created once at start-up; each opening button shows it modally.
#include "NoticeWindow.h"

class TfrmAlbHelpDlg : public TNoticeWindow {
    Q_OBJECT

public:
    explicit TfrmAlbHelpDlg(QWidget* parent = nullptr);
};

extern TfrmAlbHelpDlg* frmAlbHelpDlg;
