#include "SearchDialogParts.h"

#include "Fonts.h"
#include "Udifine.h"

#include "Cp932LengthValidator.h"
#include "Forms.h"
#include "GridCellRules.h"
#include "PageWidgets.h"
#include "StringGridEx.h"
#include "plButton.h"

#include <QFont>
#include <QLineEdit>

namespace searchdialog {

namespace {

// An edit takes text as the patient page's field it searches: its width in
// CP932 bytes, the JIS forms as their twins, nothing CP932 cannot hold and
// no control characters, with a beep for what it leaves out.
QLineEdit* AddEdit(QWidget* dialog, const QString& name, int left, int top, int width, SearchField field,
                   TImeMode ime)
{
    QLineEdit* edit = AddLineEdit(dialog, name, left, top, width);
    LimitToCp932Bytes(edit, SearchFieldBytes(field));
    // Qt knows no kana modes: the input method is either off or left to the user.
    edit->setAttribute(Qt::WA_InputMethodEnabled, gridrules::ImeAcceptsInput(ime));
    edit->setInputMethodHints(gridrules::ImeHints(ime));
    return edit;
}

} // namespace

TSearchEdits AddSearchEdits(QWidget* dialog)
{
    TSearchEdits edits;
    AddCaption(dialog, QStringLiteral("患者番号"), 16, 16);
    edits.Edit1 = AddEdit(dialog, QStringLiteral("Edit1"), 96, 12, 120, SearchField::PatientNumber, imDisable);
    AddCaption(dialog, QStringLiteral("患者名"), 16, 48);
    edits.Edit2 = AddEdit(dialog, QStringLiteral("Edit2"), 96, 44, 160, SearchField::Name, imHira);
    AddCaption(dialog, QStringLiteral(" (カナ)"), 264, 48);
    edits.Edit3 = AddEdit(dialog, QStringLiteral("Edit3"), 320, 44, 160, SearchField::Kana, imKata);
    AddCaption(dialog, QStringLiteral("診療科　"), 16, 80);
    edits.Edit5 = AddEdit(dialog, QStringLiteral("Edit5"), 96, 76, 160, SearchField::Department, imHira);
    AddCaption(dialog, QStringLiteral("医師名　"), 264, 80);
    edits.Edit6 = AddEdit(dialog, QStringLiteral("Edit6"), 320, 76, 160, SearchField::Doctor, imHira);
    return edits;
}

TSearchFields ReadSearchFields(const TSearchEdits& edits)
{
    return {edits.Edit1->text(), edits.Edit2->text(), edits.Edit3->text(), edits.Edit5->text(),
            edits.Edit6->text()};
}

void ClearSearchEdits(const TSearchEdits& edits)
{
    for (QLineEdit* edit : {edits.Edit1, edits.Edit2, edits.Edit3, edits.Edit5, edits.Edit6})
        edit->clear();
}

void StyleDialog(QWidget* dialog)
{
    dialog->setFont(vcl::ProgramFont(9));
    if (auto* form = qobject_cast<vcl::TForm*>(dialog))
        form->SetColor(MainWindowColor);
}

TStringGridEx* AddResultGrid(QWidget* dialog, const QString& name, const std::vector<TResultColumn>& columns)
{
    auto* grid = new TStringGridEx(dialog);
    grid->setObjectName(name);
    grid->SetColCount(static_cast<int>(columns.size()));
    grid->SetFixedCols(0);
    grid->SetFixedRows(1);
    grid->SetOptions(goFixedVertLine | goFixedHorzLine | goVertLine | goHorzLine | goRowSelect);
    for (int col = 0; col < grid->ColCount(); ++col) {
        grid->SetColWidths(col, columns[static_cast<std::size_t>(col)].Width);
        grid->SetCells(col, 0, columns[static_cast<std::size_t>(col)].Caption);
    }
    const int rowPitch = grid->DefaultRowHeight() + grid->GridLineWidth();
    grid->setGeometry(GridLeft, GridTop, GridWidth, GridVisibleRows * rowPitch + 2 * grid->frameWidth());
    return grid;
}

void ResetResultRows(TStringGridEx* grid, int rowCount)
{
    grid->SetRowCount(rowCount);
    for (int row = grid->FixedRows(); row < grid->RowCount(); ++row)
        for (int col = 0; col < grid->ColCount(); ++col)
            grid->SetCells(col, row, QString());
}

bool CurrentRowShowsHit(const TStringGridEx* grid)
{
    return grid->Row() >= grid->FixedRows() && !grid->Cells(0, grid->Row()).isEmpty();
}

TSearchButtons AddSearchButtons(QWidget* dialog)
{
    TSearchButtons buttons;
    buttons.plButton29 = AddButton(dialog, QStringLiteral("plButton29"), QStringLiteral("?"), 608, 10, 32, 26);
    buttons.plButton8 = AddButton(dialog, QStringLiteral("plButton8"), QStringLiteral("検索"), 504, 42, 136, 30);
    buttons.plButton1 = AddButton(dialog, QStringLiteral("plButton1"), QStringLiteral("クリア"), 504, 74, 136, 30);
    buttons.plButton2 = AddButton(dialog, QStringLiteral("plButton2"), QStringLiteral("選択"), 408, 433, 112, 32);
    buttons.plButton2->SetModalResult(vcl::mrOk);
    buttons.plButton3 = AddButton(dialog, QStringLiteral("plButton3"), QStringLiteral("閉じる"), 528, 433, 112, 32);
    buttons.plButton3->SetModalResult(vcl::mrCancel);
    return buttons;
}

} // namespace searchdialog
