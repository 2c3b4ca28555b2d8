#pragma once
// TInplaceEditEx: the grid's in-place editor. It lies over the current cell,
// writes the cell on every keystroke, passes typed characters through the
// grid's key filter first, keeps Left and Right inside the text, selects a
// number whole on a double-click, and takes the cell's input-method mode
// while it has the focus.
#include <QLineEdit>

class TStringGridEx;

class TInplaceEditEx : public QLineEdit {
    Q_OBJECT

public:
    explicit TInplaceEditEx(TStringGridEx* grid);

    // Text, length limit, mask and input-method mode of the grid's current cell.
    void UpdateContents();
    // Shows a text the grid wrote into the current cell, reporting nothing back.
    void SetTextFromGrid(const QString& text);
    // Cuts the editor loose from a grid being destroyed.
    void DetachGrid() { grid_ = nullptr; }

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void inputMethodEvent(QInputMethodEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;

private:
    void ApplyImeMode();
    void TextEdited(const QString& text);

    TStringGridEx* grid_;
    bool fromGrid_ = false;
};
