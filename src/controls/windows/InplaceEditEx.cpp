#include "InplaceEditEx.h"

#include "Colors.h"
#include "Cp932LengthValidator.h"
#include "GridCellRules.h"
#include "GridNavigation.h"
#include "StringGridEx.h"

#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QValidator>

TInplaceEditEx::TInplaceEditEx(TStringGridEx* grid) : QLineEdit(grid->viewport()), grid_(grid)
{
    setFrame(false);
    setAttribute(Qt::WA_InputMethodEnabled, false);
    connect(this, &QLineEdit::textChanged, this, &TInplaceEditEx::TextEdited);
}

void TInplaceEditEx::UpdateContents()
{
    if (!grid_)
        return;
    const int col = grid_->Col();
    const int row = grid_->Row();
    const TRange* range = grid_->FindRange(col, row);

    setFont(grid_->font());
    QPalette colors = palette();
    colors.setColor(QPalette::Base, vcl::ToQColor(grid_->Color()));
    colors.setColor(QPalette::Text, vcl::ToQColor(grid_->FontColor()));
    setPalette(colors);

    fromGrid_ = true;
    setInputMask(gridrules::ToInputMask(grid_->EditMaskFor(col, row)));
    delete validator();
    setValidator(nullptr);
    const int limit = gridrules::EditLimit(range);
    const bool bytes = limit > 0 && range->RangeType() == trtEditStr;
    setMaxLength(limit > 0 && !bytes ? limit : 32767);
    setText(grid_->Cells(col, row));
    // Set after the text: the cell's own text is cut when the cell is left.
    if (bytes)
        setValidator(new TCp932LengthValidator(limit, text(), this));
    fromGrid_ = false;
    ApplyImeMode();
}

void TInplaceEditEx::SetTextFromGrid(const QString& text)
{
    if (text == this->text())
        return;
    fromGrid_ = true;
    setText(text);
    fromGrid_ = false;
}

void TInplaceEditEx::TextEdited(const QString& text)
{
    if (!fromGrid_ && grid_)
        grid_->SetEditText(grid_->Col(), grid_->Row(), text);
}

void TInplaceEditEx::ApplyImeMode()
{
    const TImeMode mode = grid_ ? grid_->CellImeMode() : imDisable;
    setAttribute(Qt::WA_InputMethodEnabled, gridrules::ImeAcceptsInput(mode));
    setInputMethodHints(gridrules::ImeHints(mode));
}

void TInplaceEditEx::keyPressEvent(QKeyEvent* event)
{
    if (!grid_) {
        QLineEdit::keyPressEvent(event);
        return;
    }
    // The grid scrolled away while the editor stayed open: a key brings the
    // cell back before it changes anything.
    const int key = event->key();
    if (key != Qt::Key_Shift && key != Qt::Key_Control && key != Qt::Key_Alt && key != Qt::Key_Meta)
        grid_->ScrollCurrentIntoView();
    const gridnav::EditSelection now = hasSelectedText()
        ? gridnav::EditSelection{selectionStart(), static_cast<int>(selectedText().size())}
        : gridnav::EditSelection{cursorPosition(), 0};
    if (const auto moved = gridnav::EditorArrowKey(text(), now, event->key(), event->modifiers())) {
        if (moved->length > 0)
            setSelection(moved->start, moved->length);
        else
            setCursorPosition(moved->start);
        event->accept();
        return;
    }
    const QString typed = event->text();
    if (typed.size() == 1 && gridrules::IsTypedKey(typed, event->modifiers())) {
        QChar key = typed[0];
        grid_->KeyPress(key); // may close this editor (Enter)
        if (key.isNull()) {
            event->accept();
            return;
        }
        if (key != typed[0]) { // a handler put another character in its place
            insert(QString(key));
            event->accept();
            return;
        }
    }
    QLineEdit::keyPressEvent(event);
}

void TInplaceEditEx::inputMethodEvent(QInputMethodEvent* event)
{
    if (grid_ && !(event->commitString().isEmpty() && event->preeditString().isEmpty()))
        grid_->ScrollCurrentIntoView();
    QLineEdit::inputMethodEvent(event);
}

void TInplaceEditEx::mouseDoubleClickEvent(QMouseEvent* event)
{
    QLineEdit::mouseDoubleClickEvent(event);
    // Word boundaries split "12.50" at the point; a number is one word, so
    // what is typed next replaces it whole, as after the click that opened
    // the editor.
    const TRange* range = grid_ ? grid_->FindRange(grid_->Col(), grid_->Row()) : nullptr;
    if (range && range->RangeType() == trtEditVal)
        selectAll();
}

void TInplaceEditEx::focusInEvent(QFocusEvent* event)
{
    QLineEdit::focusInEvent(event);
    ApplyImeMode();
    if (grid_)
        grid_->FocusEntered();
}

void TInplaceEditEx::focusOutEvent(QFocusEvent* event)
{
    // The line edit commits any composition first; then the input method is
    // off for this editor until it has the focus again.
    QLineEdit::focusOutEvent(event);
    setAttribute(Qt::WA_InputMethodEnabled, false);
    if (grid_)
        grid_->FocusLeft(event->reason());
}
