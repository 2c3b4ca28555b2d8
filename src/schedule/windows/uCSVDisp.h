#pragma once
// TfrmCSVDisp: created once at start-up and kept for the whole run. Its controls
// and behaviour come with the window's own work; until then it is an empty
// dialog of its name.
#include "Forms.h"

class TfrmCSVDisp : public vcl::TForm {
    Q_OBJECT

public:
    explicit TfrmCSVDisp(QWidget* parent = nullptr);
};

extern TfrmCSVDisp* frmCSVDisp;
