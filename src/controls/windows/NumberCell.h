#pragma once
// A grid of one number cell, placed at an absolute position as the window
// designs give it: the entry fields for a dose, a time, a height, a scale.
//
//     StringGridEx25 = AddNumberCell(dose, QStringLiteral("StringGridEx25"), 100, 22, 38,
//                                    {.Min = 0, .Max = 23, .Format = QStringLiteral("00")});
//
// The cell fills the grid inside its frame (and its grid line, when lines are
// drawn). The fields from GridOptions on describe the grid around the cell;
// their defaults are the look of the schedule windows' cells: grid lines, a
// row 24 pixels high, the width given the whole grid's.
#include "Colors.h"
#include "GridTypes.h"

#include <QString>
#include <optional>

class QWidget;
class TStringGridEx;

// Whether the user can type into the cell.
enum class TCellEditing { Typed, ReadOnly };

// What the cell shows before anything is written into it.
enum class TCellStart { RangeDefault, Empty };

// What a width or height given for the cell measures.
enum class TCellMeasure {
    WholeGrid,  // the grid's outer length: the cell gets what the frame and the grid line leave
    CellOnly,   // the cell's own length: the grid adds its frame and grid line around it
};

struct TNumberCellSpec {
    double Min = 0;
    double Max = 0;
    double Default = 0;
    QString Format;  // the display format, "0.00"
    TCellEditing Editing = TCellEditing::Typed;
    TAlignment Alignment = taRightJustify;
    TAlignmentV AlignmentV = tavCenter;
    vcl::TColor Color = vcl::clWindow;
    TCellStart Start = TCellStart::RangeDefault;
    // The grid's options besides goEditing, which Editing decides.
    TGridOptions GridOptions = goFixedVertLine | goFixedHorzLine | goVertLine | goHorzLine | goRangeSelect;
    int GridLineWidth = 1;
    TCellMeasure WidthIs = TCellMeasure::WholeGrid;
    int Height = 24;
    TCellMeasure HeightIs = TCellMeasure::CellOnly;
};

// A 1 x 1 grid without fixed cells or scroll bars, its one range a number
// cell of spec (trtEditVal in Min .. Max, Default, Format), at left, top.
TStringGridEx* AddNumberCell(QWidget* parent, const QString& name, int left, int top, int width,
                             const TNumberCellSpec& spec);

// The 1 x 1 grid without fixed cells or scroll bars that AddNumberCell
// builds on, for a one-cell field of another kind (text, a list); its range,
// size and position are the caller's.
TStringGridEx* AddOneCellGrid(QWidget* parent, const QString& name, TGridOptions options);

// Lets the user type into a one-cell grid or not, and shows which: a cell
// that refuses input is silver, one that takes it the window's colour.
void SetCellEditable(TStringGridEx* cell, bool editable);

// The number a one-cell grid holds as typed; nothing when it holds none.
std::optional<double> NumberCellValue(const TStringGridEx* cell);
