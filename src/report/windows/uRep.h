#pragma once
// TQuickReport1: created once at start-up and kept for the whole run. Its controls
// and behaviour come with the window's own work; until then it is an empty
// dialog of its name.
#include "Forms.h"

class TQuickReport1 : public vcl::TForm {
    Q_OBJECT

public:
    explicit TQuickReport1(QWidget* parent = nullptr);
};

extern TQuickReport1* QuickReport1;
