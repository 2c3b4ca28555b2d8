#pragma once
// TfrmSplash: created once at start-up and kept for the whole run. Its controls
// and behaviour come with the window's own work; until then it is an empty
// dialog of its name.
#include "Forms.h"

class TfrmSplash : public vcl::TForm {
    Q_OBJECT

public:
    explicit TfrmSplash(QWidget* parent = nullptr);
};

extern TfrmSplash* frmSplash;
