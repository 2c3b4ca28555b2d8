#pragma once
// The notice on lithium blood-level monitoring
// ("リチウムの血中濃度測定遵守について"), over the main window, on top. This
// edition does not hold the notice: its place names the subject and refers
// to the labelling.
// Created once at start-up; each opening button shows it modally.
#include "NoticeWindow.h"

class TfrmLithiumWarn2 : public TNoticeWindow {
    Q_OBJECT

public:
    explicit TfrmLithiumWarn2(QWidget* parent = nullptr);
};

extern TfrmLithiumWarn2* frmLithiumWarn2;
