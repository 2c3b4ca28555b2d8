#pragma once
// Driving a grid as a user does: focus, keys to whatever has the focus (the
// grid or its editor), clicks on cells, and what the grid reported.
#include "InplaceEditEx.h"
#include "StringGridEx.h"

#include <QApplication>
#include <QTest>
#include <QWidget>
#include <gtest/gtest.h>

#include <vector>

// Readable failure messages for texts.
inline void PrintTo(const QString& text, std::ostream* out)
{
    *out << '"' << text.toStdString() << '"';
}

namespace gridtest {

// Shows a window and makes it active, as focus and the editor need.
inline void ShowActive(QWidget& window)
{
    window.show();
    window.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
}

// A grid of the given shape inside a window, with extra options.
inline TStringGridEx* NewGrid(QWidget& window, int cols, int rows, int fixedCols, int fixedRows,
                              TGridOptions extra = {})
{
    auto* grid = new TStringGridEx(&window);
    grid->SetColCount(cols);
    grid->SetRowCount(rows);
    grid->SetFixedCols(fixedCols);
    grid->SetFixedRows(fixedRows);
    grid->SetOptions(grid->Options() | extra);
    return grid;
}

inline void Focus(QWidget* widget)
{
    widget->setFocus(Qt::TabFocusReason);
    QCoreApplication::processEvents();
    ASSERT_TRUE(widget->hasFocus()) << qPrintable(widget->objectName());
}

inline QWidget* FocusWidget()
{
    return QApplication::focusWidget();
}

inline void Press(int key, Qt::KeyboardModifiers modifiers = Qt::NoModifier)
{
    QTest::keyClick(FocusWidget(), static_cast<Qt::Key>(key), modifiers);
}

// Each character goes to whatever holds the focus at that moment: the first
// one typed on a grid opens the editor, the rest reach the editor.
inline void Type(const QString& text)
{
    for (QChar ch : text) {
        const int key = ch == QLatin1Char(' ') ? Qt::Key_Space : Qt::Key_unknown;
        QTest::sendKeyEvent(QTest::Click, FocusWidget(), static_cast<Qt::Key>(key), QString(ch), Qt::NoModifier);
    }
}

inline QPoint CellCenter(const TStringGridEx& grid, int col, int row)
{
    return grid.CellRect(col, row).center();
}

inline void ClickCell(TStringGridEx& grid, int col, int row)
{
    QTest::mouseClick(grid.viewport(), Qt::LeftButton, Qt::NoModifier, CellCenter(grid, col, row));
}

inline bool EditorOpen(const TStringGridEx& grid)
{
    return grid.InplaceEditor()->isVisible();
}

struct Cell {
    int col;
    int row;
    QString text; // the cell's text when reported
    friend bool operator==(const Cell&, const Cell&) = default;
};

inline std::ostream& operator<<(std::ostream& out, const Cell& cell)
{
    return out << "(" << cell.col << "," << cell.row << " \"" << cell.text.toStdString() << "\")";
}

// Every OnValueChange of a grid, with the text the cell had then.
struct ValueChanges {
    std::vector<Cell> seen;

    explicit ValueChanges(TStringGridEx& grid) : grid_(grid)
    {
        grid.OnValueChange = [this, &grid](QObject* sender, int col, int row) {
            EXPECT_EQ(sender, &grid);
            seen.push_back({col, row, grid.Cells(col, row)});
        };
    }
    ~ValueChanges() { grid_.OnValueChange = nullptr; }
    ValueChanges(const ValueChanges&) = delete;
    ValueChanges& operator=(const ValueChanges&) = delete;
    int count() const { return static_cast<int>(seen.size()); }

private:
    TStringGridEx& grid_;
};

} // namespace gridtest
