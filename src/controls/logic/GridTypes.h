#pragma once
// The names the typed-cell grid and its ranges are described with, kept apart
// from the widget so the pure cell rules and their tests need no window.
#include <QFlags>

// Kind of the cells of one range.
enum TRangeType {
    trtFixedStr,   // the range's own Text, never edited
    trtEditStr,    // free text, limited in CP932 bytes
    trtEditVal,    // a number clamped to Min .. Max and shown by FmtStr
    trtList,       // one of Items, stepped by space and double-click
    trtListColor,  // one of Items naming a colour, drawn as a colour box
};

enum TAlignment { taLeftJustify, taRightJustify, taCenter };

// Vertical placement; tavNone keeps line breaks, tavWordWrap wraps at words.
enum TAlignmentV { tavNone, tavWordWrap, tavTop, tavCenter, tavBottom };

enum TBevelCut { bvNone, bvLowered, bvRaised, bvSpace };

// Input-method modes of free-text cells. Qt only knows "input method on or
// off" and a few hints; see gridrules::ImeAcceptsInput.
enum TImeMode {
    imDisable, imClose, imOpen, imDontCare, imSAlpha, imAlpha,
    imHira, imSKata, imKata, imChinese, imSHanguel, imHanguel,
};

// Function keys that step numbers: fkcF0 = none, fkcFn = Fn, fkcSn = Shift+Fn.
enum TFncKeyCode {
    fkcF0,
    fkcF1, fkcF2, fkcF3, fkcF4, fkcF5, fkcF6, fkcF7, fkcF8, fkcF9, fkcF10, fkcF11, fkcF12,
    fkcS1, fkcS2, fkcS3, fkcS4, fkcS5, fkcS6, fkcS7, fkcS8, fkcS9, fkcS10, fkcS11, fkcS12,
};

enum TGridOption {
    goFixedVertLine = 0x001,
    goFixedHorzLine = 0x002,
    goVertLine = 0x004,
    goHorzLine = 0x008,
    goRangeSelect = 0x010,      // shift-click, shift-arrows and dragging select a block
    goDrawFocusSelected = 0x020,// the focused cell is drawn highlighted too
    goEditing = 0x040,          // cells open the in-place editor
    goRowSelect = 0x080,        // the whole row is selected; no editor
};
Q_DECLARE_FLAGS(TGridOptions, TGridOption)
Q_DECLARE_OPERATORS_FOR_FLAGS(TGridOptions)

enum TScrollStyle { ssNone, ssHorizontal, ssVertical, ssBoth };

enum TGridDrawStateFlag {
    gdSelected = 0x1,
    gdFocused = 0x2,  // the current cell of a grid that has the focus
    gdFixed = 0x4,
};
Q_DECLARE_FLAGS(TGridDrawState, TGridDrawStateFlag)
Q_DECLARE_OPERATORS_FOR_FLAGS(TGridDrawState)

struct TGridCoord {
    int X = 0; // column
    int Y = 0; // row
    friend bool operator==(const TGridCoord&, const TGridCoord&) = default;
};

// A block of cells, inclusive on all sides.
struct TGridRect {
    int Left = 0;
    int Top = 0;
    int Right = 0;
    int Bottom = 0;
    bool Contains(int col, int row) const { return col >= Left && col <= Right && row >= Top && row <= Bottom; }
};
