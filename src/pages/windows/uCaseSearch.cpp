#include "uCaseSearch.h"

#include "Clock.h"
#include "DateTimeFormat.h"
#include "DialogHelp.h"
#include "MessageBox.h"
#include "PageWidgets.h"
#include "SearchDialogParts.h"
#include "SearchStatements.h"
#include "StringGridEx.h"
#include "plButton.h"
#include "uDataBase.h"

#include <QDateTimeEdit>
#include <QLabel>
#include <QHideEvent>
#include <QLineEdit>

using namespace searchdialog;

TfrmCaseSearch* frmCaseSearch = nullptr;

namespace {

constexpr int HelpPage = 12;
constexpr int DaysBeforeToday = 30;

// The pickers hold a day count with its time of day; UTC keeps it clear of
// daylight saving.
void SetPicker(QDateTimeEdit* picker, vcl::TDateTime value)
{
    const vcl::DateTimeParts parts = vcl::DecodeDateTime(value);
    picker->setDateTime(QDateTime(QDate(parts.year, parts.month, parts.day),
                                  QTime(parts.hour, parts.minute, parts.second, parts.msec), Qt::UTC));
}

QDateTimeEdit* AddHiddenPicker(QWidget* dialog, const QString& name, int left)
{
    auto* picker = new QDateTimeEdit(dialog);
    picker->setObjectName(name);
    picker->setTimeSpec(Qt::UTC);
    picker->setDisplayFormat(QStringLiteral("yyyy/MM/dd"));
    picker->setCalendarPopup(true);
    picker->setGeometry(left, 108, 112, 24);
    picker->hide();
    return picker;
}

} // namespace

TfrmCaseSearch::TfrmCaseSearch(QWidget* parent) : vcl::TForm(parent)
{
    setObjectName(QStringLiteral("frmCaseSearch"));
    setWindowTitle(QStringLiteral("症例検索"));
    StyleDialog(this);
    SetClientSize(ClientWidth, ClientHeight);

    const TSearchEdits edits = AddSearchEdits(this);
    Edit1 = edits.Edit1;
    Edit2 = edits.Edit2;
    Edit3 = edits.Edit3;
    Edit5 = edits.Edit5;
    Edit6 = edits.Edit6;

    AddCaption(this, QStringLiteral("薬剤名"), 16, 112)->hide();
    Edit4 = AddLineEdit(this, QStringLiteral("Edit4"), 96, 108, 160);
    Edit4->hide();
    AddCaption(this, QStringLiteral("解析日"), 264, 112)->hide();
    DateTimePicker1 = AddHiddenPicker(this, QStringLiteral("DateTimePicker1"), 320);
    AddCaption(this, QStringLiteral("～"), 436, 112)->hide();
    DateTimePicker2 = AddHiddenPicker(this, QStringLiteral("DateTimePicker2"), 456);

    StringGridEx3 = AddResultGrid(this, QStringLiteral("StringGridEx3"),
                                  {{QStringLiteral("患者番号"), ResultColumnWidth},
                                   {QStringLiteral("患者名"), ResultColumnWidth},
                                   {QStringLiteral("診療科"), ResultColumnWidth},
                                   {QStringLiteral("医師名"), ResultColumnWidth},
                                   {QStringLiteral("解析日"), ResultColumnWidth}});
    StringGridEx3->OnDblClick = [this](QObject* Sender) { StringGridEx3DblClick(Sender); };

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

    const vcl::TDateTime today = vcl::Date();
    SetPicker(DateTimePicker1, today - DaysBeforeToday);
    SetPicker(DateTimePicker2, today);
    ResetResultRows(StringGridEx3, SearchGridRowCount(0));
}

TfrmCaseSearch::~TfrmCaseSearch()
{
    ReturnHelpWindow(this);
    if (frmCaseSearch == this)
        frmCaseSearch = nullptr;
}

void TfrmCaseSearch::plButton8Click(QObject*)
{
    if (!DataModule1)
        return;
    // With every field empty this lists every analysed case.
    const TSearchStatement statement = BuildCaseSearchSql(ReadSearchFields({Edit1, Edit2, Edit3, Edit5, Edit6}));
    const int found = DataModule1->SearchCases(statement.Sql, statement.Values, cases_);
    // The chosen row belongs to the hits just replaced.
    selected_.reset();
    FillCaseGrid();
    StringGridEx3->setFocus();
    // Whatever was read before a failure is shown, but never as a complete answer.
    if (found < 0)
        vcl::ShowError(DataModule1->LastFailureText(), windowTitle());
}

void TfrmCaseSearch::FillCaseGrid()
{
    ResetResultRows(StringGridEx3, SearchGridRowCount(static_cast<int>(cases_.size())));
    for (std::size_t i = 0; i < cases_.size(); ++i) {
        const TCaseSearchRow& hit = cases_[i];
        const int row = static_cast<int>(i) + 1;
        StringGridEx3->SetCells(0, row, hit.patient_number);
        StringGridEx3->SetCells(1, row, hit.patient_name);
        StringGridEx3->SetCells(2, row, hit.sinryouka_id);
        StringGridEx3->SetCells(3, row, hit.doctor_id);
        StringGridEx3->SetCells(4, row, vcl::FormatDateTime(QStringLiteral("yyyy/mm/dd"), hit.analysis_date));
    }
}

void TfrmCaseSearch::plButton1Click(QObject*)
{
    ClearSearchEdits({Edit1, Edit2, Edit3, Edit5, Edit6});
    Edit4->clear();
    const vcl::TDateTime now = vcl::Now();
    SetPicker(DateTimePicker1, now);
    SetPicker(DateTimePicker2, now);
    StringGridEx3->SetRow(1);
    cases_.clear();
    selected_.reset();
    FillCaseGrid();
}

bool TfrmCaseSearch::SelectCurrentRow()
{
    const int index = StringGridEx3->Row() - 1;
    if (!CurrentRowShowsHit(StringGridEx3) || index < 0 || index >= static_cast<int>(cases_.size()))
        return false;
    selected_ = cases_[static_cast<std::size_t>(index)];
    return true;
}

void TfrmCaseSearch::plButton2Click(QObject*)
{
    if (!SelectCurrentRow())
        SetModalResult(vcl::mrNone);
}

void TfrmCaseSearch::StringGridEx3DblClick(QObject*)
{
    if (SelectCurrentRow())
        SetModalResult(vcl::mrOk);
}

void TfrmCaseSearch::plButton29Click(QObject*)
{
    ShowHelpPageOver(this, HelpPage);
}

void TfrmCaseSearch::showEvent(QShowEvent* event)
{
    // Only a row chosen in this showing is handed back.
    selected_.reset();
    vcl::TForm::showEvent(event);
}

void TfrmCaseSearch::hideEvent(QHideEvent* event)
{
    // Minimised with the main window it is still open and keeps the help window.
    if (!event->spontaneous())
        ReturnHelpWindow(this);
    vcl::TForm::hideEvent(event);
}
