#include "PatientPage.h"

#include "MainWindowHub.h"
#include "PageWidgets.h"
#include "Ucommon.h"
#include "plButton.h"
#include "uPatientSearch.h"

#include <QLabel>
#include <QLineEdit>

TPatientPage::TPatientPage(TMainWindowHub& hub, QWidget* parent) : QWidget(parent), hub_(hub)
{
    setObjectName(QStringLiteral("TabSheet1"));
    AddCaption(this, QStringLiteral("患者番号"), 24, 24);
    Edit1 = AddLineEdit(this, QStringLiteral("Edit1"), 120, 20, 160);
    Edit1->setMaxLength(10);
    Edit1->setAttribute(Qt::WA_InputMethodEnabled, false);
    AddCaption(this, QStringLiteral("氏名"), 24, 56);
    Edit2 = AddLineEdit(this, QStringLiteral("Edit2"), 120, 52, 240);
    Edit2->setMaxLength(20);

    plButton6 = AddButton(this, QStringLiteral("plButton6"), QStringLiteral("新規患者"), 700, 16, 120, 36);
    plButton7 = AddButton(this, QStringLiteral("plButton7"), QStringLiteral("症例検索"), 840, 16, 120, 36);
    plButton27 = AddButton(this, QStringLiteral("plButton27"), QStringLiteral("患者検索"), 700, 500, 120, 40);
    plButton27->OnClick = [this](QObject* Sender) { plButton27Click(Sender); };
    plButton10 = AddButton(this, QStringLiteral("plButton10"), QStringLiteral("クリア"), 700, 550, 120, 40);
    plButton9 = AddButton(this, QStringLiteral("plButton9"), QStringLiteral("確定"), 840, 550, 120, 40);
}

void TPatientPage::ShowPatientRecord()
{
    Edit1->setText(CurrentPatient.patient_id);
    Edit2->setText(CurrentPatient.patient_name);
    hub_.Header().Panel3->setText(CurrentPatient.patient_name);
}

void TPatientPage::InitPatientPage()
{
    Edit1->clear();
    Edit2->clear();
    const TMainHeader& header = hub_.Header();
    for (QLabel* panel : {header.Panel3, header.Panel4, header.Panel7, header.Panel28})
        panel->clear();
    plButton9->setEnabled(false);
}

bool TPatientPage::IsPatientInputComplete() const
{
    return !Edit1->text().isEmpty() && !Edit2->text().isEmpty();
}

void TPatientPage::Timer1Timer()
{
    plButton9->setEnabled(IsPatientInputComplete());
}

void TPatientPage::plButton27Click(QObject*)
{
    if (frmPatientSearch->ShowModal() != vcl::mrOk)
        return;
    const TPatientRecord chosen = frmPatientSearch->GetSelectedPatient();
    hub_.ClearCaseFrom(0, PatientKey::Clear, DrugValues::ClearAll);
    hub_.SetHighestStep(0);
    CurrentPatient = chosen;
    hub_.ShowCaseFrom(0);
    hub_.SetWorkflowStep(0, 0);
}
