#pragma once
// A window of the typical typed cells: a 1 x 1 number box, a free-text cell,
// a list cell, a disabled number cell and a table with a fixed row and a
// fixed column. The griddemo tool shows it; the tests render it offscreen.
#include "Colors.h"

#include <QWidget>

class TStringGridEx;

class GridDemoWindow : public QWidget {
public:
    // Colours the tests look for.
    static constexpr vcl::TColor NumberColor = vcl::clWindow;
    static constexpr vcl::TColor TextColor = vcl::RGB(0xE0, 0xF0, 0xFF);
    static constexpr vcl::TColor ListColor = vcl::RGB(0xFF, 0xF0, 0xD0);
    static constexpr vcl::TColor DisabledColor = vcl::clInfoBk;
    static constexpr vcl::TColor HeaderColor = vcl::clBtnFace;
    static constexpr vcl::TColor TableNumberColor = vcl::RGB(0xE8, 0xFF, 0xE8);

    explicit GridDemoWindow(QWidget* parent = nullptr);

    TStringGridEx* NumberBox;   // "0.00", 1 .. 10000, default 10, F5 up, Shift+F5 down
    TStringGridEx* TextBox;     // free text of at most 10 bytes, hiragana input
    TStringGridEx* ListBox;     // "なし" / "あり"
    TStringGridEx* DisabledBox; // "0.0000", 0.0001 .. 1000, disabled, right-aligned
    TStringGridEx* Table;       // fixed heading row and caption column, numbers and colour lists
};
