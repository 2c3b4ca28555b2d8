#pragma once
// TfrmDispParam: created once at start-up and kept for the whole run. Its controls
// and behaviour come with the window's own work; until then it is an empty
// dialog of its name.
#include "Forms.h"

class TfrmDispParam : public vcl::TForm {
    Q_OBJECT

public:
    explicit TfrmDispParam(QWidget* parent = nullptr);
};

extern TfrmDispParam* frmDispParam;
