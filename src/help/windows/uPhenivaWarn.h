#pragma once
// The fosphenytoin dose-by-body-weight table, in a scrolling box, over the
// main window, on top. This edition does not hold the table: its place names
// the subject and refers to the labelling.
// Created once at start-up; each opening button shows it modally.
#include "NoticeWindow.h"

class TfrmPhenivaWarn : public TNoticeWindow {
    Q_OBJECT

public:
    explicit TfrmPhenivaWarn(QWidget* parent = nullptr);
};

extern TfrmPhenivaWarn* frmPhenivaWarn;
