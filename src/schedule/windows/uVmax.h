#pragma once
// TfrmVmax ("Vmax表示"): the patient's maximum elimination rate of
// phenytoin. Created once at start-up and kept.
#include "Forms.h"

class TStringGridEx;
class TplButton;

class TfrmVmax : public vcl::TForm {
    Q_OBJECT

public:
    explicit TfrmVmax(QWidget* parent = nullptr);

    // The result page's "Vmax": the estimate of the case on screen, shown.
    void ShowForCase();

    // "解説": the explanation picture.
    void plButton1Click(QObject* Sender);

    TStringGridEx* StringGridEx7;   // "Vmax", mg, read only
    TplButton* plButton12;          // "閉じる"
    TplButton* plButton1;           // "解説"
};

extern TfrmVmax* frmVmax;
