#pragma once
// TStringGridEx: the typed-cell grid nearly every window is built on. A
// painted string grid of its own (cell array, fixed rows and columns that do
// not scroll, a current cell, row select, scroll bars, DefaultDrawing with an
// OnDrawCell hook, an in-place editor that writes the cell on every keystroke,
// moves that can be refused before they happen) plus typed cells: Ranges of
// TRange items give each rectangle of cells its look, kind and limits.
//
// Events are public std::function members named as the windows know them
// (OnValueChange, OnSelectCell, OnDrawCell, ...). A window assigns one
// handler, typically forwarding to a method named after the grid:
//     StringGridEx15->OnValueChange = [this](QObject* Sender, int ACol, int ARow) {
//         StringGridEx15ValueChange(Sender, ACol, ARow);
//     };
// Every handler gets the grid as Sender. An exception thrown by a handler is
// caught at the grid and reported; none crosses Qt's event loop, and nothing
// in the grid itself throws.
#include "Events.h"
#include "GridLayout.h"
#include "GridRanges.h"
#include "GridTypes.h"

#include <QAbstractScrollArea>
#include <functional>
#include <memory>
#include <vector>

class QPainter;
class TInplaceEditEx;

using TValueChangeEvent = std::function<void(QObject* Sender, int ACol, int ARow)>;
using TSelectCellEvent = std::function<void(QObject* Sender, int ACol, int ARow, bool& CanSelect)>;
// Draw with the grid's Canvas(); Rect is the cell in viewport coordinates.
using TDrawCellEvent = std::function<void(QObject* Sender, int ACol, int ARow, const QRect& Rect, TGridDrawState State)>;
using TSetEditEvent = std::function<void(QObject* Sender, int ACol, int ARow, const QString& Value)>;
using TGetEditEvent = std::function<void(QObject* Sender, int ACol, int ARow, QString& Value)>;
// Key is the typed character; set it to QChar() to drop it.
using TKeyPressEvent = std::function<void(QObject* Sender, QChar& Key)>;

class TStringGridEx : public QAbstractScrollArea, private TRangesOwner {
    Q_OBJECT

public:
    explicit TStringGridEx(QWidget* parent = nullptr);
    ~TStringGridEx() override;

    // ---- Typed cells -------------------------------------------------------
    TRanges* Ranges() const { return ranges_.get(); }
    void SetRanges(const TRanges& value);
    // The first range, in collection order, that holds the cell; nullptr when none.
    TRange* FindRange(int ACol, int ARow) const;

    // Numbers in and out; none of them fires OnValueChange.
    void SetCellValue(int ACol, int ARow, double Value);
    // The cell's number as its text reads, never clamped to the range; 0 for
    // a text or number cell whose text is not a number (a number cell gets
    // its clamped Default in place of such a text only when it is left).
    // Commands read number cells through ReadTypedNumber (TypedNumber.h).
    double GetCellValue(int ACol, int ARow) const;
    // As GetCellValue, and false when a text or number cell does not hold a number.
    bool TryGetCellValue(int ACol, int ARow, double& Value) const;
    // Every scrolled number and list cell takes its range's Default.
    void InitByDefault();
    // Disables (or enables) the whole range that holds the cell: its cells
    // can no longer be selected, show no editor and ignore steps.
    void SetCellDisabled(int ACol, int ARow, bool Disabled);
    bool GetCellDisabled(int ACol, int ARow) const;

    // Steps the current cell: Dir >= 1 up, anything smaller down.
    void IncCellValue(int Dir);
    QString GetNumText(const QString& Text, int Dir, const TRange* Range) const;
    QString GetListItem(const QString& Text, int Dir, const TRange* Range) const;
    // Makes a cell current (selection protocol included), with the editor updated.
    void GotoNewCell(int ACol, int ARow);
    // Home, End or an arrow key (Qt::Key_*), skipping cells that cannot be
    // edited; false when no such cell exists.
    bool MoveSelectCell(int Key);

    TFncKeyCode KeyCodeInc() const { return keyCodeInc_; }
    void SetKeyCodeInc(TFncKeyCode value) { keyCodeInc_ = value; }
    TFncKeyCode KeyCodeDec() const { return keyCodeDec_; }
    void SetKeyCodeDec(TFncKeyCode value) { keyCodeDec_ = value; }

    // Normalises the text of a cell being left (clamped and re-formatted
    // numbers, cut text, list items).
    virtual void DoValidate(int ACol, int ARow);
    // The input-method mode the editor takes for a cell of this range.
    virtual void SetCellImeMode(const TRange* Range);
    TImeMode CellImeMode() const { return cellImeMode_; }

    // ---- The string grid ---------------------------------------------------
    int ColCount() const override { return static_cast<int>(colWidths_.size()); }
    void SetColCount(int value);
    int RowCount() const override { return static_cast<int>(rowHeights_.size()); }
    void SetRowCount(int value);
    int FixedCols() const { return fixedCols_; }
    void SetFixedCols(int value);
    int FixedRows() const { return fixedRows_; }
    void SetFixedRows(int value);
    int DefaultColWidth() const { return defaultColWidth_; }
    void SetDefaultColWidth(int value); // every column takes it
    int DefaultRowHeight() const { return defaultRowHeight_; }
    void SetDefaultRowHeight(int value); // every row takes it
    int ColWidths(int ACol) const;
    void SetColWidths(int ACol, int value);
    int RowHeights(int ARow) const;
    void SetRowHeights(int ARow, int value);
    int GridLineWidth() const { return gridLineWidth_; }
    void SetGridLineWidth(int value);

    QString Cells(int ACol, int ARow) const;
    void SetCells(int ACol, int ARow, const QString& value);

    // The current cell. Setting it asks SelectCell first, as a click does.
    int Col() const { return current_.X; }
    void SetCol(int value);
    int Row() const { return current_.Y; }
    void SetRow(int value);
    TGridRect Selection() const;
    int TopRow() const { return topRow_; }
    void SetTopRow(int value);
    int LeftCol() const { return leftCol_; }
    void SetLeftCol(int value);

    TGridOptions Options() const { return options_; }
    void SetOptions(TGridOptions value);
    TScrollStyle ScrollBars() const { return scrollBars_; }
    void SetScrollBars(TScrollStyle value);
    // When off, only OnDrawCell paints the cells.
    bool DefaultDrawing() const { return defaultDrawing_; }
    void SetDefaultDrawing(bool value);
    vcl::TColor Color() const override { return color_; }
    void SetColor(vcl::TColor value);
    vcl::TColor FixedColor() const { return fixedColor_; }
    void SetFixedColor(vcl::TColor value);
    // The colour of the grid's font (the font itself is QWidget::font()).
    vcl::TColor FontColor() const override { return fontColor_; }
    void SetFontColor(vcl::TColor value);

    bool EditorMode() const { return editorMode_; }
    void SetEditorMode(bool value);
    void ShowEditor();
    void HideEditor();
    TInplaceEditEx* InplaceEditor() const { return editor_; }

    // The cell on screen (viewport coordinates); empty when scrolled away.
    QRect CellRect(int ACol, int ARow) const;
    // The cell under a viewport point; -1 for a coordinate outside every cell.
    void MouseToCell(int X, int Y, int& ACol, int& ARow) const;
    // The painter of the cell being drawn; nullptr outside painting.
    QPainter* Canvas() const { return canvas_; }

    QSize sizeHint() const override;

    // ---- Events ------------------------------------------------------------
    TValueChangeEvent OnValueChange; // a cell's text changed for the user
    TSelectCellEvent OnSelectCell;   // before the current cell moves; may refuse
    TDrawCellEvent OnDrawCell;
    TSetEditEvent OnSetEditText;     // every keystroke in the editor
    TGetEditEvent OnGetEditMask;
    TKeyPressEvent OnKeyPress;
    vcl::TNotifyEvent OnClick;
    vcl::TNotifyEvent OnDblClick;
    vcl::TNotifyEvent OnExit;
    vcl::TMouseEvent OnMouseDown;
    vcl::TMouseMoveEvent OnMouseMove;

protected:
    // Asked before the current cell moves: the cell being left is validated
    // and reported, the window is asked, fixed and disabled cells refused.
    virtual bool SelectCell(int ACol, int ARow);
    virtual bool CanEditShow() const;
    virtual void DrawCell(int ACol, int ARow, const QRect& Rect, TGridDrawState State);
    // The typed-character filter and OnKeyPress; Enter opens or closes the editor.
    virtual void KeyPress(QChar& Key);
    // Function-key steps and cell movement; true when the key was used.
    virtual bool KeyDown(int Key, Qt::KeyboardModifiers Shift);
    virtual void DoEnter();
    virtual void DoExit();
    virtual void DblClick(const QPoint& position);

    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void scrollContentsBy(int dx, int dy) override;
    void keyPressEvent(QKeyEvent* event) override;
    void inputMethodEvent(QInputMethodEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    void hideEvent(QHideEvent* event) override;

private:
    friend class TInplaceEditEx;
    enum class Anchor { Move, Keep };
    enum class HandlerKind { Interactive, Painting };

    // TRangesOwner
    QFont RangeFont() const override { return font(); }
    void RangeChanged(TRange* item) override;

    bool ValidCell(int col, int row) const;
    int Index(int col, int row) const { return row * ColCount() + col; }
    void ResizeCells(int colCount, int rowCount);
    void ClampPositions();
    void ResetToTopLeft();

    // The cell being left: normalised, and reported when it differs from
    // the text it was entered with.
    void ValidateCurrentCell();
    void FireValueChange(int col, int row);

    // Moving the current cell: asked first, then the selection and the view follow.
    void MoveCurrent(int col, int row, Anchor anchor);
    void FocusCell(int col, int row, Anchor anchor);
    void UpdateEdit();
    void HideEdit();
    void ShowEditorChar(QChar ch);
    void CharTyped(QChar ch);
    bool MoveByKey(int key, Qt::KeyboardModifiers modifiers);
    bool IsActiveControl() const;

    // Called by the editor.
    void SetEditText(int col, int row, const QString& value);
    QString EditMaskFor(int col, int row);
    void FocusEntered();
    void FocusLeft(Qt::FocusReason reason);

    void CallHandler(const std::function<void()>& call, HandlerKind kind = HandlerKind::Interactive) const;

    // Geometry.
    gridlayout::Axis HorzAxis() const;
    gridlayout::Axis VertAxis() const;
    int VisibleRowCount() const;
    QRect BoxRect(const TGridRect& box) const;
    void UpdateScrollBars();
    void ClampInView(TGridCoord cell);
    void ScrollCurrentIntoView() { ClampInView(current_); }
    void PlaceEditor();

    // Painting.
    void PaintLines(QPainter& painter, const std::vector<int>& cols, const std::vector<int>& rows);
    void PaintCell(QPainter& painter, int col, int row);
    void DrawRangeCell(QPainter& painter, const TRange& range, int col, int row, const QRect& cellRect,
                       TGridDrawState state);
    void PaintFocusRect(QPainter& painter);
    std::vector<int> VisibleCols() const;
    std::vector<int> VisibleRows() const;

    std::unique_ptr<TRanges> ranges_;
    std::vector<QString> cells_;
    std::vector<int> colWidths_;
    std::vector<int> rowHeights_;
    int fixedCols_ = 1;
    int fixedRows_ = 1;
    int defaultColWidth_ = 64;
    int defaultRowHeight_ = 24;
    int gridLineWidth_ = 1;
    TGridCoord current_{1, 1};
    TGridCoord anchor_{1, 1};
    int topRow_ = 1;
    int leftCol_ = 1;
    TGridOptions options_ = goFixedVertLine | goFixedHorzLine | goVertLine | goHorzLine | goRangeSelect;
    TScrollStyle scrollBars_ = ssBoth;
    bool defaultDrawing_ = true;
    vcl::TColor color_ = vcl::clWindow;
    vcl::TColor fixedColor_ = vcl::clBtnFace;
    vcl::TColor fontColor_ = vcl::clWindowText;

    TFncKeyCode keyCodeInc_ = fkcF0;
    TFncKeyCode keyCodeDec_ = fkcF0;
    TImeMode cellImeMode_ = imDisable;
    QString enterText_;          // the current cell's text as entered or last reported

    TInplaceEditEx* editor_ = nullptr;
    bool editorMode_ = false;
    bool focusInside_ = false;   // the grid or its editor holds the window's focus
    bool selecting_ = false;     // a left press on a cell, until release
    QPainter* canvas_ = nullptr;
};
