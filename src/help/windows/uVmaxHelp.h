#pragma once
// The Vmax explanation ("Vmaxヘルプ"), centred on the screen, the one notice
// not kept on top. This edition does not hold its picture.
// Created once at start-up; each opening button shows it modally.
#include "NoticeWindow.h"

class TfrmVmaxHelp : public TNoticeWindow {
    Q_OBJECT

public:
    explicit TfrmVmaxHelp(QWidget* parent = nullptr);
};

extern TfrmVmaxHelp* frmVmaxHelp;
