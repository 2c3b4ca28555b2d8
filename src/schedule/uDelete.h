#pragma once
// TfrmDelete: created once at start-up and kept for the whole run.
#include "Forms.h"

class TfrmDelete : public vcl::TForm {
    Q_OBJECT

public:
    explicit TfrmDelete(QWidget* parent = nullptr);
};

extern TfrmDelete* frmDelete;
