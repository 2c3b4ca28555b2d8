#pragma once
// TfrmVmax: created once at start-up and kept for the whole run. Its controls
// and behaviour come with the window's own work; until then it is an empty
// dialog of its name.
#include "Forms.h"

class TfrmVmax : public vcl::TForm {
    Q_OBJECT

public:
    explicit TfrmVmax(QWidget* parent = nullptr);
};

extern TfrmVmax* frmVmax;
