#include "uVmax.h"

#include "Fonts.h"
#include "PageWidgets.h"
#include "ResultDialogParts.h"
#include "ResultDialogRules.h"
#include "StringGridEx.h"
#include "Ucommon.h"
#include "WindowPlacement.h"
#include "plButton.h"
#include "uVmaxHelp.h"

TfrmVmax* frmVmax = nullptr;

TfrmVmax::TfrmVmax(QWidget* parent) : vcl::TForm(parent)
{
    setObjectName(QStringLiteral("frmVmax"));
    setWindowTitle(QStringLiteral("Vmax表示"));
    setFont(vcl::ProgramFont(9));
    SetClientSize(260, 110);

    AddCaption(this, QStringLiteral("Vmax"), 24, 24);
    StringGridEx7 = AddTextTable(this, QStringLiteral("StringGridEx7"), 70, 20, {110}, 1, THeadingRow::None,
                                 THeadingColumn::None);
    AddCaption(this, QStringLiteral("mg"), 190, 24);

    plButton1 = AddButton(this, QStringLiteral("plButton1"), QStringLiteral("解説"), 36, 66, 100, 30);
    plButton1->OnClick = [this](QObject* Sender) { plButton1Click(Sender); };
    plButton12 = AddButton(this, QStringLiteral("plButton12"), QStringLiteral("閉じる"), 144, 66, 100, 30);
    plButton12->SetModalResult(vcl::mrCancel);
}

void TfrmVmax::ShowForCase()
{
    StringGridEx7->SetCells(0, 0, VmaxText(CurrentAnalysis.kaiseki.b, CurrentPatient.patient_weight));
    CenterOnScreen(this);
    ShowModal();
}

void TfrmVmax::plButton1Click(QObject*)
{
    if (frmVmaxHelp)
        frmVmaxHelp->ShowModal();
}
