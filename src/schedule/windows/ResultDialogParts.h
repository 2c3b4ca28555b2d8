#pragma once
// Parts the result dialogs share: the dialog that fills itself when shown,
// read-only tables of values with a heading row and column, and their
// per-set value rows.
#include "Forms.h"

#include <QString>
#include <initializer_list>
#include <span>

class QWidget;
class TStringGridEx;

// A dialog that fills itself from the case each time it shows, centred on
// the screen. Not on activation: a message box of its own hands the
// activation back, and refilling then would throw away what the user typed
// before a check failed.
class TFillOnShowForm : public vcl::TForm {
    Q_OBJECT

public:
    using vcl::TForm::TForm;

    virtual void FormShow() = 0;

protected:
    void showEvent(QShowEvent* event) override;
};

// How a dialog that writes back closed: confirmed with its "確定" or not.
enum class TDialogOutcome { Cancelled, Confirmed };

// Whether a table's first column holds row headings.
enum class THeadingColumn { None, First };
// Whether a table's first row holds column headings.
enum class THeadingRow { None, First };

// A read-only grid of the given column widths and row count, nothing
// editable: heading cells in the button face colour and centred, the other
// cells right-aligned. Texts are set with SetCells.
TStringGridEx* AddTextTable(QWidget* parent, const QString& name, int left, int top,
                            std::initializer_list<int> colWidths, int rowCount, THeadingRow headingRow,
                            THeadingColumn headingColumn);

// Writes texts into row `row` from column 1 on.
void SetRowTexts(TStringGridEx* grid, int row, std::span<const QString> texts);
