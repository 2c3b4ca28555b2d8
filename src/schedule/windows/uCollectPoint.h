#pragma once
// TfrmCollectPoint ("採血点確認"): the blood samplings of the case, listed
// afresh each time it shows. Created once at start-up and kept.
#include "ResultDialogParts.h"

class TStringGridEx;
class TplButton;

class TfrmCollectPoint : public TFillOnShowForm {
    Q_OBJECT

public:
    explicit TfrmCollectPoint(QWidget* parent = nullptr);

    // Lists the samplings from row 1, as many as the eight rows hold.
    void FormShow() override;

    TStringGridEx* StringGridEx1;   // "採血日", "採血時刻", "血中濃度値"
    TplButton* plButton8;           // "閉じる"
};

extern TfrmCollectPoint* frmCollectPoint;
