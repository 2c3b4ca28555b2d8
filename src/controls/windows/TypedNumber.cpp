#include "TypedNumber.h"

#include "MessageBox.h"
#include "StringGridEx.h"

#include <QApplication>

std::optional<double> ReadTypedNumber(TStringGridEx& grid, int col, int row, const TFieldMessage& refusal)
{
    double value = 0;
    if (grid.TryGetCellValue(col, row, value))
        return value;
    vcl::ShowError(refusal.Text, refusal.Caption);
    // Moving onto the cell again would validate it and put the Default in
    // place of what the user typed: a current cell keeps its text.
    if (grid.Col() != col || grid.Row() != row)
        grid.GotoNewCell(col, row);
    const QWidget* focus = QApplication::focusWidget();
    if (focus != &grid && !grid.isAncestorOf(focus))
        grid.setFocus(Qt::OtherFocusReason);
    return std::nullopt;
}

QString NotANumberMessage(const QString& fieldName)
{
    return QStringLiteral("「%1」に数値を入力して下さい。").arg(fieldName);
}
