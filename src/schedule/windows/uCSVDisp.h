#pragma once
// TfrmCSVDisp ("血中/末梢濃度"): the central and peripheral concentrations
// of the patient's schedule every 2 minutes, as the graph listed them.
// Created once at start-up and kept; stays on top.
#include "ResultDialogParts.h"

#include <QStringList>

class QLabel;
class QPlainTextEdit;
class TplButton;

class TfrmCSVDisp : public TFillOnShowForm {
    Q_OBJECT

public:
    explicit TfrmCSVDisp(QWidget* parent = nullptr);

    // The listing shown at the next show.
    void SetLines(const QStringList& lines);
    // The headings of the drug's unit; the listing in one text set (a
    // 100-day view holds about 72,000 lines).
    void FormShow() override;

    QLabel* Panel1;                 // "時刻"
    QLabel* Panel2;                 // central concentration
    QLabel* Panel3;                 // peripheral concentration
    QLabel* Panel4;                 // "血中-末梢(差)"
    QPlainTextEdit* Memo1;
    TplButton* plButton2;           // "閉じる"

private:
    QStringList lines_;
};

extern TfrmCSVDisp* frmCSVDisp;
