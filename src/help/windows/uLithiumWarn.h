#pragma once
// The cautions for lithium analyses ("リチウム解析の際の注意事項"), over the
// main window, on top.
// Created once at start-up; each opening button shows it modally.
#include "NoticeWindow.h"

class TfrmLithiumWarn : public TNoticeWindow {
    Q_OBJECT

public:
    explicit TfrmLithiumWarn(QWidget* parent = nullptr);
};

extern TfrmLithiumWarn* frmLithiumWarn;
