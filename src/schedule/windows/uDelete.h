#pragma once
// TfrmDelete ("削除範囲指定"): asks which part of a prescription to delete.
// Created once at start-up and kept; the schedule page deletes periods itself,
// so nothing shows it yet. Its radio texts follow Range each time it shows.
#include "DeleteRangeTexts.h"
#include "Forms.h"

class QLabel;
class QRadioButton;
class QShowEvent;
class TplButton;

class TfrmDelete : public vcl::TForm {
    Q_OBJECT

public:
    explicit TfrmDelete(QWidget* parent = nullptr);

    TDeleteRange Range; // all 0 until a caller sets it

    QLabel* Label1;
    QLabel* Label2;
    QRadioButton* RadioButton1; // from the start to the end
    QRadioButton* RadioButton2; // from the selected day to the end (checked at first)
    QRadioButton* RadioButton3; // the selected day only
    TplButton* plButton1;       // "確定", closes with OK
    TplButton* plButton2;       // "閉じる", closes with Cancel

    // Words the radio buttons with the dates of Range.
    void FormActivate();

protected:
    void showEvent(QShowEvent* event) override;
};

extern TfrmDelete* frmDelete;
