#pragma once
// TfrmLithiumWarn2: created once at start-up and kept for the whole run. Its controls
// and behaviour come with the window's own work; until then it is an empty
// dialog of its name.
#include "Forms.h"

class TfrmLithiumWarn2 : public vcl::TForm {
    Q_OBJECT

public:
    explicit TfrmLithiumWarn2(QWidget* parent = nullptr);
};

extern TfrmLithiumWarn2* frmLithiumWarn2;
