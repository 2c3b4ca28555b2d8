#include "uPatientSearch.h"

#include "DialogHelp.h"
#include "MessageBox.h"
#include "SearchDialogParts.h"
#include "SearchStatements.h"
#include "StringGridEx.h"
#include "plButton.h"
#include "uDataBase.h"

#include <QHideEvent>
#include <QLineEdit>

using namespace searchdialog;

TfrmPatientSearch* frmPatientSearch = nullptr;

namespace {

constexpr int HelpPage = 11;
// After "クリア" the grid shows its header and three empty rows.
constexpr int ClearedRowCount = 4;
constexpr int BlankColumnWidth = 64;

} // namespace

TfrmPatientSearch::TfrmPatientSearch(QWidget* parent) : vcl::TForm(parent)
{
    setObjectName(QStringLiteral("frmPatientSearch"));
    setWindowTitle(QStringLiteral("患者検索"));
    StyleDialog(this);
    SetClientSize(ClientWidth, ClientHeight);

    const TSearchEdits edits = AddSearchEdits(this);
    Edit1 = edits.Edit1;
    Edit2 = edits.Edit2;
    Edit3 = edits.Edit3;
    Edit5 = edits.Edit5;
    Edit6 = edits.Edit6;

    std::vector<TResultColumn> columns = {
        {QStringLiteral("患者番号"), ResultColumnWidth},
        {QStringLiteral("患者名"), ResultColumnWidth},
        {QStringLiteral("診療科"), ResultColumnWidth},
        {QStringLiteral("医師名"), ResultColumnWidth},
    };
    columns.resize(11, {QString(), BlankColumnWidth});
    StringGridEx1 = AddResultGrid(this, QStringLiteral("StringGridEx1"), columns);
    StringGridEx1->SetScrollBars(ssVertical);
    StringGridEx1->OnDblClick = [this](QObject* Sender) { StringGridEx1DblClick(Sender); };

    const TSearchButtons buttons = AddSearchButtons(this);
    plButton8 = buttons.plButton8;
    plButton1 = buttons.plButton1;
    plButton2 = buttons.plButton2;
    plButton3 = buttons.plButton3;
    plButton29 = buttons.plButton29;
    plButton8->OnClick = [this](QObject* Sender) { plButton8Click(Sender); };
    plButton1->OnClick = [this](QObject* Sender) { plButton1Click(Sender); };
    plButton2->OnClick = [this](QObject* Sender) { plButton2Click(Sender); };
    plButton29->OnClick = [this](QObject* Sender) { plButton29Click(Sender); };

    ClearSearchEdits(edits);
    ResetResultRows(StringGridEx1, SearchGridRowCount(0));
}

TfrmPatientSearch::~TfrmPatientSearch()
{
    ReturnHelpWindow(this);
    if (frmPatientSearch == this)
        frmPatientSearch = nullptr;
}

TPatientRecord TfrmPatientSearch::GetSelectedPatient() const
{
    const int index = StringGridEx1->Row() - 1;
    if (!CurrentRowShowsHit(StringGridEx1) || index < 0 || index >= static_cast<int>(patients_.size()))
        return TPatientRecord{};
    return patients_[static_cast<std::size_t>(index)];
}

void TfrmPatientSearch::plButton8Click(QObject*)
{
    const std::optional<TSearchStatement> statement = BuildPatientSearchSql(
        ReadSearchFields({Edit1, Edit2, Edit3, Edit5, Edit6}));
    if (!statement || !DataModule1)
        return;
    const int found = DataModule1->SearchPatients(statement->Sql, statement->Values, patients_);
    FillPatientGrid();
    StringGridEx1->setFocus();
    // Whatever was read before a failure is shown, but never as a complete answer.
    if (found < 0)
        vcl::ShowError(DataModule1->LastFailureText(), windowTitle());
}

void TfrmPatientSearch::FillPatientGrid()
{
    ResetResultRows(StringGridEx1, SearchGridRowCount(static_cast<int>(patients_.size())));
    for (std::size_t i = 0; i < patients_.size(); ++i) {
        const TPatientRecord& patient = patients_[i];
        const int row = static_cast<int>(i) + 1;
        StringGridEx1->SetCells(0, row, patient.patient_id);
        StringGridEx1->SetCells(1, row, patient.patient_name);
        StringGridEx1->SetCells(2, row, patient.sinryouka_id);
        StringGridEx1->SetCells(3, row, patient.doctor_id);
    }
}

void TfrmPatientSearch::plButton1Click(QObject*)
{
    ClearSearchEdits({Edit1, Edit2, Edit3, Edit5, Edit6});
    // The hits stay until the next search; the grid no longer shows them.
    ResetResultRows(StringGridEx1, ClearedRowCount);
}

void TfrmPatientSearch::plButton2Click(QObject*)
{
    if (!CurrentRowShowsHit(StringGridEx1))
        SetModalResult(vcl::mrNone);
}

void TfrmPatientSearch::StringGridEx1DblClick(QObject*)
{
    if (CurrentRowShowsHit(StringGridEx1))
        SetModalResult(vcl::mrOk);
}

void TfrmPatientSearch::plButton29Click(QObject*)
{
    ShowHelpPageOver(this, HelpPage);
}

void TfrmPatientSearch::hideEvent(QHideEvent* event)
{
    // Minimised with the main window it is still open and keeps the help window.
    if (!event->spontaneous())
        ReturnHelpWindow(this);
    vcl::TForm::hideEvent(event);
}
