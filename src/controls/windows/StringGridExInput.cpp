// How the grid answers the user: the selection protocol, the in-place
// editor, keys, mouse and focus.
#include "StringGridEx.h"

#include "Exceptions.h"
#include "GridCellRules.h"
#include "GridNavigation.h"
#include "InplaceEditEx.h"
#include "MessageBox.h"

#include <QApplication>
#include <QFocusEvent>
#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QMouseEvent>

namespace {

bool IsListRange(const TRange* range)
{
    return range && (range->RangeType() == trtList || range->RangeType() == trtListColor);
}

} // namespace

// ---- Selection protocol --------------------------------------------------------

void TStringGridEx::ValidateCurrentCell()
{
    const int col = Col();
    const int row = Row();
    DoValidate(col, row);
    // enterText_ stays: a move that is then refused reports the change again.
    if (Cells(col, row) != enterText_)
        FireValueChange(col, row);
}

void TStringGridEx::FireValueChange(int col, int row)
{
    CallHandler([&] {
        if (OnValueChange)
            OnValueChange(this, col, row);
    });
}

bool TStringGridEx::SelectCell(int ACol, int ARow)
{
    ValidateCurrentCell();
    bool allowed = true;
    CallHandler([&] {
        if (OnSelectCell)
            OnSelectCell(this, ACol, ARow, allowed);
    });
    const TRange* target = FindRange(ACol, ARow);
    if (allowed && target && (target->RangeType() == trtFixedStr || target->Disabled()))
        allowed = false;
    if (allowed) {
        enterText_ = Cells(ACol, ARow);
        SetCellImeMode(target);
    }
    return allowed;
}

void TStringGridEx::MoveCurrent(int col, int row, Anchor anchor)
{
    if (!ValidCell(col, row) || !SelectCell(col, row))
        return;
    current_ = {col, row};
    HideEditor();
    const bool rowSelect = options_.testFlag(goRowSelect);
    if (anchor == Anchor::Move || !options_.testFlag(goRangeSelect)) {
        anchor_ = current_;
        if (rowSelect)
            anchor_.X = ColCount() - 1;
    }
    if (rowSelect)
        current_.X = fixedCols_;
    ClampInView(current_);
    viewport()->update();
}

void TStringGridEx::FocusCell(int col, int row, Anchor anchor)
{
    MoveCurrent(col, row, anchor);
    UpdateEdit();
    CallHandler([&] {
        if (OnClick)
            OnClick(this);
    });
}

void TStringGridEx::GotoNewCell(int ACol, int ARow)
{
    MoveCurrent(ACol, ARow, Anchor::Move);
    UpdateEdit();
}

bool TStringGridEx::MoveSelectCell(int Key)
{
    const gridnav::GridShape shape{ColCount(), RowCount(), fixedCols_, fixedRows_};
    const auto target = gridnav::NextEditableCell(Key, current_, shape, [this](int col, int row) {
        const TRange* range = FindRange(col, row);
        return !range || (range->RangeType() != trtFixedStr && !range->Disabled());
    });
    if (!target)
        return false;
    GotoNewCell(target->X, target->Y);
    return true;
}

// ---- The in-place editor -------------------------------------------------------

bool TStringGridEx::IsActiveControl() const
{
    const QWidget* focus = window()->focusWidget();
    return focus && (focus == this || isAncestorOf(focus));
}

bool TStringGridEx::CanEditShow() const
{
    const bool editable = options_.testFlag(goEditing) && !options_.testFlag(goRowSelect) && editorMode_
        && IsActiveControl();
    if (!editable)
        return false;
    const TRange* range = FindRange(Col(), Row());
    return !(range && (range->Disabled() || IsListRange(range)));
}

void TStringGridEx::ShowEditor()
{
    editorMode_ = true;
    UpdateEdit();
}

void TStringGridEx::HideEditor()
{
    editorMode_ = false;
    HideEdit();
}

void TStringGridEx::HideEdit()
{
    if (!editor_ || !editor_->isVisible())
        return;
    // The grid takes the focus back before the editor goes, so the focus
    // never leaves the grid on the way.
    if (editor_->hasFocus())
        setFocus(Qt::OtherFocusReason);
    editor_->hide();
}

void TStringGridEx::UpdateEdit()
{
    if (!CanEditShow()) {
        HideEdit();
        return;
    }
    // A current cell scrolled out of view would take the typing unseen.
    ScrollCurrentIntoView();
    editor_->setGeometry(CellRect(Col(), Row()));
    if (!editor_->isVisible()) {
        editor_->UpdateContents();
        editor_->show();
        editor_->setFocus(Qt::OtherFocusReason);
        editor_->selectAll();
    }
}

void TStringGridEx::ShowEditorChar(QChar ch)
{
    ShowEditor();
    if (!editor_->isVisible())
        return;
    if (ch == QChar(8))
        editor_->backspace();
    else
        editor_->insert(QString(ch));
}

void TStringGridEx::SetEditText(int col, int row, const QString& value)
{
    if (!ValidCell(col, row))
        return;
    cells_[static_cast<size_t>(Index(col, row))] = value;
    viewport()->update();
    CallHandler([&] {
        if (OnSetEditText)
            OnSetEditText(this, col, row, value);
    });
}

QString TStringGridEx::EditMaskFor(int col, int row)
{
    QString mask = gridrules::EditMask(FindRange(col, row));
    CallHandler([&] {
        if (OnGetEditMask)
            OnGetEditMask(this, col, row, mask);
    });
    return mask;
}

// ---- Keys ------------------------------------------------------------------------

void TStringGridEx::KeyPress(QChar& Key)
{
    if (!gridrules::AcceptsChar(FindRange(Col(), Row()), Key))
        Key = QChar();
    if (!Key.isNull())
        CallHandler([&] {
            if (OnKeyPress)
                OnKeyPress(this, Key);
        });
    if (Key == QChar(13)) {
        if (editorMode_)
            HideEditor();
        else
            ShowEditor();
        Key = QChar();
    }
}

bool TStringGridEx::KeyDown(int Key, Qt::KeyboardModifiers Shift)
{
    bool used = false;
    auto stepNumber = [&](TFncKeyCode code, int dir) {
        const TRange* range = FindRange(Col(), Row());
        if (gridrules::FunctionKeyMatches(code, Key, Shift) && range && range->RangeType() == trtEditVal) {
            IncCellValue(dir);
            used = true;
        }
    };
    stepNumber(keyCodeInc_, 1);
    stepNumber(keyCodeDec_, 0);
    return MoveByKey(Key, Shift) || used;
}

bool TStringGridEx::MoveByKey(int key, Qt::KeyboardModifiers modifiers)
{
    const bool ctrl = modifiers.testFlag(Qt::ControlModifier);
    const bool rowSelect = options_.testFlag(goRowSelect);
    TGridCoord target = current_;
    switch (key) {
    case Qt::Key_Up: target.Y -= 1; break;
    case Qt::Key_Down: target.Y += 1; break;
    case Qt::Key_PageUp: target.Y -= VisibleRowCount(); break;
    case Qt::Key_PageDown: target.Y += VisibleRowCount(); break;
    case Qt::Key_Left:
        if (rowSelect) {
            SetLeftCol(leftCol_ - 1);
            return true;
        }
        target.X -= 1;
        break;
    case Qt::Key_Right:
        if (rowSelect) {
            SetLeftCol(leftCol_ + 1);
            return true;
        }
        target.X += 1;
        break;
    case Qt::Key_Home:
        if (ctrl)
            target.Y = fixedRows_;
        target.X = fixedCols_;
        break;
    case Qt::Key_End:
        if (ctrl)
            target.Y = RowCount() - 1;
        target.X = ColCount() - 1;
        break;
    case Qt::Key_F2:
        if (!options_.testFlag(goEditing))
            return false;
        ShowEditor();
        return true;
    default:
        return false;
    }
    if (rowSelect)
        target.X = current_.X;
    target.X = std::clamp(target.X, fixedCols_, ColCount() - 1);
    target.Y = std::clamp(target.Y, fixedRows_, RowCount() - 1);
    if (!(target == current_)) {
        const bool extend = modifiers.testFlag(Qt::ShiftModifier) && options_.testFlag(goRangeSelect);
        FocusCell(target.X, target.Y, extend ? Anchor::Keep : Anchor::Move);
    }
    return true;
}

void TStringGridEx::CharTyped(QChar ch)
{
    if (IsListRange(FindRange(Col(), Row()))) {
        // Lists take no characters; space steps them.
        if (ch == QLatin1Char(' '))
            IncCellValue(1);
        return;
    }
    KeyPress(ch);
    if (!ch.isNull() && options_.testFlag(goEditing) && (ch == QChar(8) || ch.unicode() >= 32))
        ShowEditorChar(ch);
}

void TStringGridEx::keyPressEvent(QKeyEvent* event)
{
    if (KeyDown(event->key(), event->modifiers())) {
        event->accept();
        return;
    }
    const QString text = event->text();
    if (gridrules::IsTypedKey(text, event->modifiers())) {
        for (QChar ch : text)
            CharTyped(ch);
        event->accept();
        return;
    }
    event->ignore(); // Escape and the like go on to the window
}

void TStringGridEx::inputMethodEvent(QInputMethodEvent* event)
{
    // The first character composed into a free-text cell opens the editor and
    // reaches it; the rest of the composition goes to the editor directly.
    const TRange* range = FindRange(Col(), Row());
    if (range && range->RangeType() == trtEditStr && options_.testFlag(goEditing)) {
        ShowEditor();
        if (editor_->isVisible()) {
            QCoreApplication::sendEvent(editor_, event);
            return;
        }
    }
    event->ignore();
}

// ---- Mouse -----------------------------------------------------------------------

void TStringGridEx::mousePressEvent(QMouseEvent* event)
{
    const QPoint at = event->position().toPoint();
    if (event->button() == Qt::LeftButton) {
        int col = -1;
        int row = -1;
        MouseToCell(at.x(), at.y(), col, row);
        if (col >= fixedCols_ && row >= fixedRows_) {
            if (options_.testFlag(goEditing) && !options_.testFlag(goRowSelect) && col == Col() && row == Row()) {
                ShowEditor();
            } else {
                const bool extend = event->modifiers().testFlag(Qt::ShiftModifier) && options_.testFlag(goRangeSelect);
                MoveCurrent(col, row, extend ? Anchor::Keep : Anchor::Move);
                UpdateEdit();
            }
            selecting_ = true;
        }
    }
    event->accept();
    CallHandler([&] {
        if (OnMouseDown)
            OnMouseDown(this, vcl::MouseButtonOf(event->button()),
                        vcl::ShiftStateOf(event->modifiers(), event->buttons()), at.x(), at.y());
    });
}

void TStringGridEx::mouseMoveEvent(QMouseEvent* event)
{
    const QPoint at = event->position().toPoint();
    if (selecting_ && event->buttons().testFlag(Qt::LeftButton) && options_.testFlag(goRangeSelect)) {
        int col = -1;
        int row = -1;
        MouseToCell(at.x(), at.y(), col, row);
        if (options_.testFlag(goRowSelect))
            col = current_.X;
        if (col >= fixedCols_ && row >= fixedRows_ && !(TGridCoord{col, row} == current_))
            MoveCurrent(col, row, Anchor::Keep);
    }
    CallHandler([&] {
        if (OnMouseMove)
            OnMouseMove(this, vcl::ShiftStateOf(event->modifiers(), event->buttons()), at.x(), at.y());
    });
}

void TStringGridEx::mouseReleaseEvent(QMouseEvent* event)
{
    if (event->button() == Qt::LeftButton && selecting_) {
        selecting_ = false;
        CallHandler([&] {
            if (OnClick)
                OnClick(this);
        });
    }
}

void TStringGridEx::mouseDoubleClickEvent(QMouseEvent* event)
{
    if (event->button() == Qt::LeftButton)
        DblClick(event->position().toPoint());
}

void TStringGridEx::DblClick(const QPoint& position)
{
    int col = -1;
    int row = -1;
    MouseToCell(position.x(), position.y(), col, row);
    if (col >= 0 && row >= 0 && IsListRange(FindRange(Col(), Row())))
        IncCellValue(1);
    CallHandler([&] {
        if (OnDblClick)
            OnDblClick(this);
    });
}

// ---- Focus -----------------------------------------------------------------------

void TStringGridEx::DoEnter()
{
    enterText_ = Cells(Col(), Row());
    SetCellImeMode(FindRange(Col(), Row()));
}

void TStringGridEx::DoExit()
{
    ValidateCurrentCell();
    CallHandler([&] {
        if (OnExit)
            OnExit(this);
    });
    HideEditor();
}

void TStringGridEx::FocusEntered()
{
    if (focusInside_)
        return;
    focusInside_ = true;
    DoEnter();
}

void TStringGridEx::FocusLeft(Qt::FocusReason reason)
{
    // Another window coming to the front (a message box, a menu) is no exit:
    // the grid keeps its place in its own window.
    if (!focusInside_ || reason == Qt::ActiveWindowFocusReason || reason == Qt::PopupFocusReason)
        return;
    const QWidget* now = QApplication::focusWidget();
    if (now && (now == this || isAncestorOf(now)))
        return;
    focusInside_ = false;
    DoExit();
}

void TStringGridEx::focusInEvent(QFocusEvent* event)
{
    QAbstractScrollArea::focusInEvent(event);
    FocusEntered();
    viewport()->update();
}

void TStringGridEx::focusOutEvent(QFocusEvent* event)
{
    QAbstractScrollArea::focusOutEvent(event);
    FocusLeft(event->reason());
    viewport()->update();
}

void TStringGridEx::hideEvent(QHideEvent* event)
{
    QAbstractScrollArea::hideEvent(event);
    if (!focusInside_)
        return;
    // Hidden while its window stays, the grid is left as by a focus move (Qt
    // moves the focus only after this event). Hidden with its window, it is
    // not; shown again, it starts afresh from the text it then holds.
    focusInside_ = false;
    if (window()->isVisible())
        DoExit();
}

// ---- Handlers --------------------------------------------------------------------

void TStringGridEx::CallHandler(const std::function<void()>& call, HandlerKind kind) const
{
    QString message;
    try {
        call();
        return;
    } catch (const vcl::Exception& e) {
        message = e.Message();
    } catch (const std::exception& e) {
        message = QString::fromUtf8(e.what());
    } catch (...) {
    }
    qWarning("TStringGridEx %s: a handler failed: %s", qPrintable(objectName()), qPrintable(message));
    // No message box in the middle of painting: it would paint again at once.
    if (kind == HandlerKind::Interactive && !message.isEmpty())
        vcl::ShowError(message, QGuiApplication::applicationDisplayName());
}
