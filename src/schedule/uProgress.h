#pragma once
// TfrmProgress: created once at start-up and kept for the whole run.
#include "Forms.h"

class TfrmProgress : public vcl::TForm {
    Q_OBJECT

public:
    explicit TfrmProgress(QWidget* parent = nullptr);
};

extern TfrmProgress* frmProgress;
