#pragma once
// TfrmConcentration ("血中濃度比較"): the predicted concentration of the
// population curve and of every schedule set at one moment, stepped by a
// minute, an hour or a day. Created once at start-up and kept; it takes its
// moment into the schedule each time it shows.
#include "ComparisonMoment.h"
#include "ResultDialogParts.h"

class QComboBox;
class QDateEdit;
class TMainWindowHub;
class TStringGridEx;
class TplButton;

class TfrmConcentration : public TFillOnShowForm {
    Q_OBJECT

public:
    explicit TfrmConcentration(TMainWindowHub& hub, QWidget* parent = nullptr);

    // The unit heading, the moment kept inside the schedule, the values;
    // none while the date names no day.
    void FormShow() override;
    void DateTimePicker1Change();
    // "←" (plButton1) and "→" (plButton2).
    void plButton1Click(QObject* Sender);
    // The hour or the minute edited (StringGridEx25 and StringGridEx26), or
    // the date typed: the values at the typed moment, once both cells hold
    // one; none while the date names no day.
    void StringGridEx25SetEditText(QObject* Sender, int ACol, int ARow, const QString& Value);

    QDateEdit* DateTimePicker1;     // "日時"
    TStringGridEx* StringGridEx25;  // hour, "00"
    TStringGridEx* StringGridEx26;  // minute, "00"
    TplButton* plButton1;           // "←"
    TplButton* plButton2;           // "→"
    QComboBox* ComboBox1;           // "ステップ単位": "分", "時", "日"
    TStringGridEx* StringGridEx1;   // heading row and the values
    TplButton* plButton3;           // "閉じる"

private:
    std::optional<vcl::TDateTime> ShownMoment() const;
    void ShowMoment(const TMomentFields& fields);
    TScheduleDays Days() const;
    // Row 1 at moment t.
    void FillValues(vcl::TDateTime t);

    TMainWindowHub& hub_;
};

extern TfrmConcentration* frmConcentration;
