#pragma once
// TfrmDetailSet ("解析設定"): the distribution model of the fit, the
// analysis' `weight_value`. Created once at start-up and kept. The schedule
// page's "詳細設定" shows it and saves the analysis after "確定".
#include "ResultDialogParts.h"

#include <array>

class QGroupBox;
class QRadioButton;
class TplButton;

class TfrmDetailSet : public TFillOnShowForm {
    Q_OBJECT

public:
    explicit TfrmDetailSet(QWidget* parent = nullptr);

    // The group shows the analysis' model.
    void FormShow() override;
    // "確定": the analysis takes the chosen model.
    void plButton1Click(QObject* Sender);

    // The chosen item of RadioGroup1: 0 "正規分布モデル", 1 "対数分布モデル",
    // -1 none (an index outside the items checks none).
    int ItemIndex() const;
    void SetItemIndex(int index);

    QGroupBox* RadioGroup1;         // "分布モデル"
    TplButton* plButton1;           // "確定"
    TplButton* plButton2;           // "閉じる"

private:
    std::array<QRadioButton*, 2> items_{};
};

extern TfrmDetailSet* frmDetailSet;
