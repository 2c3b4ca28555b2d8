#pragma once
// Reading the number a user typed into a grid cell, for a page's command (a
// confirm button, a menu item, a shortcut) that may run while the cell still
// has the focus, before the grid has normalised it.
//
// What the grid itself gives for a number cell: GetCellValue reads 0 while
// the cell's text is not a number (empty, "-", "1.2.3", pasted words) and
// the range's clamped Default once the cell has been left (leaving replaces
// such a text by it); TryGetCellValue returns false instead of reading 0.
// Neither clamps: a number typed outside Min..Max reads as typed until the
// cell is left. A command that reads the grid with GetCellValue can therefore
// compute with a silent 0; commands read number cells with ReadTypedNumber.
//
// Usage, in a page's command before anything is computed or stored:
//     const auto height = ReadTypedNumber(*StringGridEx5, 0, 0,
//         {QStringLiteral("身長が不正です。再入力して下さい。"), QStringLiteral("患者情報入力エラー")});
//     if (!height)
//         return;                 // refused: the message was shown
//     input.height = *height;     // as typed; the page's range check follows
#include <QString>
#include <optional>

class TStringGridEx;

// The message box of a refused field: its text and the page's caption.
struct TFieldMessage {
    QString Text;
    QString Caption;
};

// The number in the cell as typed: never clamped to the range, so that the
// page's own check sees 19.9 in a cell of 20..300 and refuses it. When the
// text is not a number: the field's message in an error box (exclamation,
// OK), then the cell is made current and the grid takes the focus, with the
// text left as typed; nullopt. The cell's range decides nothing else.
std::optional<double> ReadTypedNumber(TStringGridEx& grid, int col, int row, const TFieldMessage& refusal);

// "「<field>」に数値を入力して下さい。", the message for a field whose check
// gives none of its own.
QString NotANumberMessage(const QString& fieldName);
