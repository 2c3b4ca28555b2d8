#include "uInitialValue.h"

#include "Fonts.h"
#include "NumberCell.h"
#include "PageWidgets.h"
#include "ResultDialogRules.h"
#include "StringGridEx.h"
#include "Ucommon.h"
#include "plButton.h"

#include <QLabel>

TfrmInitialValue* frmInitialValue = nullptr;

TfrmInitialValue::TfrmInitialValue(QWidget* parent) : TFillOnShowForm(parent)
{
    setObjectName(QStringLiteral("frmInitialValue"));
    setWindowTitle(QStringLiteral("初期値設定"));
    setFont(vcl::ProgramFont(9));
    SetClientSize(260, 110);

    AddCaption(this, QStringLiteral("初期値"), 24, 24);
    StringGridEx1 = AddNumberCell(this, QStringLiteral("StringGridEx1"), 80, 20, 90,
                                  {.Min = 0, .Max = 1000, .Format = QStringLiteral("0.0")});
    Label2 = AddCaption(this, QStringLiteral("μg/mL"), 178, 24);
    Label2->setObjectName(QStringLiteral("Label2"));

    plButton1 = AddButton(this, QStringLiteral("plButton1"), QStringLiteral("確定"), 36, 66, 100, 30);
    plButton1->SetModalResult(vcl::mrOk);
    plButton2 = AddButton(this, QStringLiteral("plButton2"), QStringLiteral("キャンセル"), 144, 66, 100, 30);
    plButton2->SetModalResult(vcl::mrCancel);
}

void TfrmInitialValue::FormShow()
{
    const TInitialValueUnit unit = InitialValueUnitFor(DrugKeyOf(CurrentAnalysis));
    Label2->setText(QString::fromUtf16(unit.Unit));
    Label2->adjustSize();
    if (TRange* range = StringGridEx1->FindRange(0, 0))
        range->SetFmtStr(QString::fromUtf16(unit.Format));
    StringGridEx1->SetCellValue(0, 0, CurrentAnalysis.init_value);
}

double TfrmInitialValue::InitialValue() const
{
    return StringGridEx1->GetCellValue(0, 0);
}
