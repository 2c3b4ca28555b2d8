#pragma once
// TfrmInitialValue: created once at start-up and kept for the whole run. Its controls
// and behaviour come with the window's own work; until then it is an empty
// dialog of its name.
#include "Forms.h"

class TfrmInitialValue : public vcl::TForm {
    Q_OBJECT

public:
    explicit TfrmInitialValue(QWidget* parent = nullptr);

    // The initial concentration confirmed with OK, which the schedule page
    // stores in the analysis. Until the dialog has its cell, the analysis'
    // own value.
    double InitialValue() const;
};

extern TfrmInitialValue* frmInitialValue;
