#include "uAlb.h"

#include "Fonts.h"
#include "MessageBox.h"
#include "NumberCell.h"
#include "PageWidgets.h"
#include "StringGridEx.h"
#include "Ucommon.h"
#include "WindowPlacement.h"
#include "plButton.h"
#include "uAlbHelpDlg.h"
#include "uDataBase.h"

#include <QGroupBox>
#include <QRadioButton>

TfrmAlb* frmAlb = nullptr;

TfrmAlb::TfrmAlb(QWidget* parent) : vcl::TForm(parent)
{
    setObjectName(QStringLiteral("frmAlb"));
    setWindowTitle(QStringLiteral("アルブミン補正"));
    setFont(vcl::ProgramFont(9));
    SetClientSize(340, 170);

    AddCaption(this, QStringLiteral("血清アルブミン値"), 20, 24);
    StringGridEx3 = AddNumberCell(this, QStringLiteral("StringGridEx3"), 140, 20, 80,
                                  {.Min = 0, .Max = 100, .Default = 35, .Format = QStringLiteral("0.0")});
    AddCaption(this, QStringLiteral("g/dL"), 228, 24);

    auto* dialysis = new QGroupBox(QStringLiteral("透析"), this);
    dialysis->setGeometry(20, 56, 300, 52);
    RadioButton1 = new QRadioButton(QStringLiteral("なし"), dialysis);
    RadioButton1->setObjectName(QStringLiteral("RadioButton1"));
    RadioButton1->setGeometry(20, 22, 100, 22);
    RadioButton1->setChecked(true);
    RadioButton2 = new QRadioButton(QStringLiteral("あり"), dialysis);
    RadioButton2->setObjectName(QStringLiteral("RadioButton2"));
    RadioButton2->setGeometry(140, 22, 100, 22);

    plButton3 = AddButton(this, QStringLiteral("plButton3"), QStringLiteral("解説"), 20, 124, 90, 30);
    plButton3->OnClick = [this](QObject* Sender) { plButton3Click(Sender); };
    plButton1 = AddButton(this, QStringLiteral("plButton1"), QStringLiteral("確定"), 132, 124, 90, 30);
    plButton1->SetModalResult(vcl::mrOk);
    plButton2 = AddButton(this, QStringLiteral("plButton2"), QStringLiteral("閉じる"), 230, 124, 90, 30);
    plButton2->SetModalResult(vcl::mrCancel);
}

TDialogOutcome TfrmAlb::ShowAndApply()
{
    StringGridEx3->SetCellValue(0, 0, CurrentAnalysis.kaiseki_table8);
    (CurrentAnalysis.kaiseki_table9 == 0 ? RadioButton1 : RadioButton2)->setChecked(true);
    CenterOnScreen(this);
    if (ShowModal() != vcl::mrOk)
        return TDialogOutcome::Cancelled;
    CurrentAnalysis.kaiseki_table8 = StringGridEx3->GetCellValue(0, 0);
    CurrentAnalysis.kaiseki_table9 = RadioButton1->isChecked() ? 0 : 1;
    if (DataModule1 && DataModule1->SaveAnalysis(CurrentAnalysis) != 0)
        vcl::ShowError(DataModule1->LastFailureText(), windowTitle());
    return TDialogOutcome::Confirmed;
}

void TfrmAlb::plButton3Click(QObject*)
{
    if (frmAlbHelpDlg)
        frmAlbHelpDlg->ShowModal();
}
