// The grid driven by keys and mouse: stepping, leaving cells, the selection
// protocol, the editor, disabled ranges, lists and the input method.
#include "GridDemoWindow.h"
#include "GridTestHelpers.h"

#include "Exceptions.h"
#include "TestSeams.h"

#include <QClipboard>
#include <QInputMethodEvent>
#include <QLineEdit>

namespace {

using namespace gridtest;

class DemoGrid : public ::testing::Test {
protected:
    void SetUp() override { ShowActive(window); }
    GridDemoWindow window;
};

TEST_F(DemoGrid, FunctionKeysStepTheNumberBoxAndStopAtTheBounds)
{
    TStringGridEx& box = *window.NumberBox;
    box.SetCellValue(0, 0, 9999.99);
    ValueChanges changes(box);
    Focus(&box);

    Press(Qt::Key_F5);
    EXPECT_EQ(box.Cells(0, 0), QStringLiteral("10000.00"));
    Press(Qt::Key_F5);
    EXPECT_EQ(box.Cells(0, 0), QStringLiteral("10000.00"));
    EXPECT_EQ(changes.seen, (std::vector<Cell>{{0, 0, QStringLiteral("10000.00")}}));

    Press(Qt::Key_F5, Qt::ShiftModifier);
    EXPECT_EQ(box.Cells(0, 0), QStringLiteral("9999.99"));
    EXPECT_EQ(changes.count(), 2);
    Press(Qt::Key_F6); // not a step key of this grid
    EXPECT_EQ(changes.count(), 2);

    box.SetCellValue(0, 0, 1);
    Press(Qt::Key_F5, Qt::ShiftModifier);
    EXPECT_EQ(box.Cells(0, 0), QStringLiteral("1.00"));

    // Stepping text that is no number starts again from the default.
    box.SetCells(0, 0, QStringLiteral("abc"));
    Press(Qt::Key_F5);
    EXPECT_EQ(box.Cells(0, 0), QStringLiteral("10.00"));
}

TEST_F(DemoGrid, FunctionKeysAlsoStepWhileTheEditorIsOpen)
{
    TStringGridEx& box = *window.NumberBox;
    Focus(&box);
    Type(QStringLiteral("25"));
    ASSERT_TRUE(EditorOpen(box));
    Press(Qt::Key_F5);
    EXPECT_EQ(box.Cells(0, 0), QStringLiteral("25.01"));
    EXPECT_EQ(box.InplaceEditor()->text(), QStringLiteral("25.01"));
}

TEST_F(DemoGrid, LeavingANumberCellClampsAndReformatsItOnce)
{
    TStringGridEx& box = *window.NumberBox;
    ValueChanges changes(box);
    QStringList edits;
    box.OnSetEditText = [&](QObject*, int, int, const QString& value) { edits.push_back(value); };

    Focus(&box);
    Type(QStringLiteral("0.5"));
    // The editor writes the cell on every keystroke; no change is reported yet.
    EXPECT_EQ(edits, (QStringList{QStringLiteral("0"), QStringLiteral("0."), QStringLiteral("0.5")}));
    EXPECT_EQ(box.Cells(0, 0), QStringLiteral("0.5"));
    EXPECT_EQ(changes.count(), 0);
    Focus(window.TextBox);
    EXPECT_EQ(box.Cells(0, 0), QStringLiteral("1.00"));
    EXPECT_FALSE(EditorOpen(box));

    Focus(&box);
    Type(QStringLiteral("12345"));
    Focus(window.TextBox);
    EXPECT_EQ(box.Cells(0, 0), QStringLiteral("10000.00"));

    // Entering and leaving without a change reports nothing.
    Focus(&box);
    Focus(window.TextBox);
    EXPECT_EQ(changes.seen, (std::vector<Cell>{{0, 0, QStringLiteral("1.00")}, {0, 0, QStringLiteral("10000.00")}}));

    // A grid hidden while it has the focus is left as well.
    Focus(&box);
    Type(QStringLiteral("7"));
    box.hide();
    EXPECT_EQ(box.Cells(0, 0), QStringLiteral("7.00"));
    EXPECT_EQ(changes.count(), 3);
    EXPECT_FALSE(box.isAncestorOf(FocusWidget()));
}

TEST_F(DemoGrid, NumberCellHoldingNoNumberGetsItsDefaultAndNeverThrows)
{
    TStringGridEx& box = *window.NumberBox;
    ValueChanges changes(box);
    double value = -1;

    // An emptied cell.
    Focus(&box);
    Type(QStringLiteral("\b"));
    EXPECT_EQ(box.Cells(0, 0), QString());
    EXPECT_EQ(box.GetCellValue(0, 0), 0);
    EXPECT_FALSE(box.TryGetCellValue(0, 0, value));
    Focus(window.TextBox);
    EXPECT_EQ(box.Cells(0, 0), QStringLiteral("10.00"));
    EXPECT_TRUE(box.TryGetCellValue(0, 0, value));
    EXPECT_EQ(value, 10);

    // Pasted text gets past the key filter; leaving the cell mends it.
    QApplication::clipboard()->setText(QStringLiteral("1.2.3"));
    Focus(&box);
    Press(Qt::Key_F2);
    ASSERT_TRUE(EditorOpen(box));
    Press(Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(box.Cells(0, 0), QStringLiteral("1.2.3"));
    EXPECT_EQ(box.GetCellValue(0, 0), 0);
    Focus(window.TextBox);
    EXPECT_EQ(box.Cells(0, 0), QStringLiteral("10.00"));
    // Both times the cell came back to the text it was entered with.
    EXPECT_EQ(changes.count(), 0);
}

TEST(GridKeyFilter, NumberCellsDropWhatNoNumberOfTheirFormatNeeds)
{
    QWidget window;
    TStringGridEx* grid = NewGrid(window, 1, 1, 0, 0, goEditing);
    TRange* range = grid->Ranges()->Add();
    range->SetRangeType(trtEditVal);
    range->SetMax(999);
    range->SetFmtStr(QStringLiteral("0"));
    std::vector<QChar> keys;
    grid->OnKeyPress = [&](QObject*, QChar& key) { keys.push_back(key); };
    ShowActive(window);
    Focus(grid);

    // The decimal point stays even in a whole-number cell: dropping it would
    // join the digits around it into another number.
    Type(QStringLiteral("1.-2a"));
    EXPECT_EQ(grid->Cells(0, 0), QStringLiteral("1.2"));
    // Dropped characters never reach the window's own key handler.
    EXPECT_EQ(keys, (std::vector<QChar>{QLatin1Char('1'), QLatin1Char('.'), QLatin1Char('2')}));

    // Once the minimum is negative, '-' passes; where it stands is left to
    // the check on leaving.
    Press(Qt::Key_Return);
    range->SetMin(-10);
    range->SetFmtStr(QStringLiteral("0.0"));
    Type(QStringLiteral("-.5"));
    EXPECT_EQ(grid->Cells(0, 0), QStringLiteral("-.5"));
}

TEST_F(DemoGrid, LeftAndRightMoveOnlyTheCaretInsideTheOpenEditor)
{
    TStringGridEx& table = *window.Table;
    Focus(&table);
    ASSERT_EQ(table.Col(), 1);
    Type(QStringLiteral("12"));
    ASSERT_TRUE(EditorOpen(table));
    QLineEdit* editor = table.InplaceEditor();

    for (int i = 0; i < 3; ++i)
        Press(Qt::Key_Left);
    EXPECT_EQ(editor->cursorPosition(), 0);
    Type(QStringLiteral("3"));
    for (int i = 0; i < 5; ++i)
        Press(Qt::Key_Right);
    EXPECT_EQ(editor->cursorPosition(), 3);
    EXPECT_EQ(table.Col(), 1);
    EXPECT_TRUE(EditorOpen(table));
    EXPECT_EQ(table.Cells(1, 1), QStringLiteral("312"));

    // Enter closes the editor; then Right moves to the next cell.
    Press(Qt::Key_Return);
    EXPECT_FALSE(EditorOpen(table));
    Press(Qt::Key_Right);
    EXPECT_EQ(table.Col(), 2);
    EXPECT_EQ(table.Cells(1, 1), QStringLiteral("312.0000"));
}

TEST_F(DemoGrid, SelectingValidatesReportsAsksTheWindowThenMoves)
{
    TStringGridEx& table = *window.Table;
    QStringList log;
    table.OnValueChange = [&](QObject*, int col, int row) {
        log.push_back(QStringLiteral("change %1,%2 %3").arg(col).arg(row).arg(table.Cells(col, row)));
    };
    bool allow = true;
    table.OnSelectCell = [&](QObject*, int col, int row, bool& canSelect) {
        log.push_back(QStringLiteral("select %1,%2").arg(col).arg(row));
        canSelect = allow;
    };
    Focus(&table);
    Type(QStringLiteral("5"));
    Press(Qt::Key_Down); // Up and Down leave the editor for the next row
    EXPECT_EQ(log, (QStringList{QStringLiteral("change 1,1 5.0000"), QStringLiteral("select 1,2")}));
    EXPECT_EQ(table.Row(), 2);
    EXPECT_FALSE(EditorOpen(table));

    // A refused move leaves the cell where it is and reports the same change again.
    log.clear();
    allow = false;
    Type(QStringLiteral("7"));
    Press(Qt::Key_Return);
    Press(Qt::Key_Right);
    Press(Qt::Key_Right);
    EXPECT_EQ(table.Col(), 1);
    allow = true;
    Press(Qt::Key_Right);
    EXPECT_EQ(table.Col(), 2);
    EXPECT_EQ(log, (QStringList{QStringLiteral("change 1,2 7.0000"), QStringLiteral("select 2,2"),
                                QStringLiteral("change 1,2 7.0000"), QStringLiteral("select 2,2"),
                                QStringLiteral("change 1,2 7.0000"), QStringLiteral("select 2,2")}));

    // Moving on from an unchanged cell reports nothing.
    log.clear();
    Press(Qt::Key_Right);
    EXPECT_EQ(log, (QStringList{QStringLiteral("select 3,2")}));
}

TEST_F(DemoGrid, ClicksSelectCellsAndAClickOnTheCurrentCellOpensTheEditor)
{
    TStringGridEx& table = *window.Table;
    int clicks = 0;
    table.OnClick = [&](QObject*) { ++clicks; };
    Focus(&table);
    ClickCell(table, 2, 3);
    EXPECT_EQ(table.Col(), 2);
    EXPECT_EQ(table.Row(), 3);
    EXPECT_FALSE(EditorOpen(table));
    ClickCell(table, 2, 3);
    EXPECT_TRUE(EditorOpen(table));
    EXPECT_EQ(clicks, 2);
    // Fixed cells are never selected.
    ClickCell(table, 0, 3);
    ClickCell(table, 2, 0);
    EXPECT_EQ(table.Col(), 2);
    EXPECT_EQ(table.Row(), 3);
}

TEST_F(DemoGrid, DisabledRangesRefuseSelectionEditorAndSteps)
{
    TStringGridEx& table = *window.Table;
    ValueChanges changes(table);
    Focus(&table);
    ClickCell(table, 3, 1);
    ASSERT_EQ(table.Col(), 3);
    table.SetCellDisabled(2, 4, true); // the whole number range of the table
    EXPECT_TRUE(table.GetCellDisabled(1, 1));
    EXPECT_FALSE(table.GetCellDisabled(3, 1));
    EXPECT_FALSE(table.GetCellDisabled(0, 1)); // no range

    Press(Qt::Key_Left);
    EXPECT_EQ(table.Col(), 3);
    ClickCell(table, 1, 2);
    EXPECT_EQ(table.Col(), 3);
    EXPECT_EQ(table.Row(), 1);
    EXPECT_FALSE(table.MoveSelectCell(Qt::Key_Left));
    EXPECT_TRUE(table.MoveSelectCell(Qt::Key_Down));
    EXPECT_EQ(table.Row(), 2);

    TStringGridEx& box = *window.DisabledBox;
    ValueChanges boxChanges(box);
    box.SetKeyCodeInc(fkcF5);
    Focus(&box);
    Type(QStringLiteral("5"));
    Press(Qt::Key_F5);
    Press(Qt::Key_Return);
    EXPECT_FALSE(EditorOpen(box));
    EXPECT_EQ(box.Cells(0, 0), QStringLiteral("0.0001"));
    box.SetCellDisabled(0, 0, false);
    Press(Qt::Key_F5);
    EXPECT_EQ(box.Cells(0, 0), QStringLiteral("0.0002"));
    EXPECT_EQ(boxChanges.count(), 1);
    EXPECT_EQ(changes.count(), 0);
}

TEST_F(DemoGrid, ListCellsStepBySpaceAndDoubleClickButNotByFunctionKeys)
{
    TStringGridEx& list = *window.ListBox;
    ValueChanges changes(list);
    int doubleClicks = 0;
    list.OnDblClick = [&](QObject*) { ++doubleClicks; };
    list.SetKeyCodeInc(fkcF5);
    Focus(&list);

    Press(Qt::Key_F5);
    EXPECT_EQ(list.Cells(0, 0), QStringLiteral("なし"));
    Type(QStringLiteral(" "));
    EXPECT_EQ(list.Cells(0, 0), QStringLiteral("あり"));
    Type(QStringLiteral(" "));
    EXPECT_EQ(list.Cells(0, 0), QStringLiteral("なし"));
    QTest::mouseDClick(list.viewport(), Qt::LeftButton, Qt::NoModifier, CellCenter(list, 0, 0));
    EXPECT_EQ(list.Cells(0, 0), QStringLiteral("あり"));
    EXPECT_EQ(doubleClicks, 1);
    // Lists take no typing and open no editor.
    Type(QStringLiteral("x\r"));
    Press(Qt::Key_F2);
    EXPECT_FALSE(EditorOpen(list));
    EXPECT_EQ(list.Cells(0, 0), QStringLiteral("あり"));
    EXPECT_EQ(changes.count(), 3);
    EXPECT_EQ(list.GetCellValue(0, 0), 1);
}

TEST(GridOverlap, ACellCoveredTwiceFollowsTheFirstRange)
{
    QWidget window;
    TStringGridEx* grid = NewGrid(window, 4, 1, 0, 0, goEditing);
    TRange* number = grid->Ranges()->Add(); // columns 0..1
    number->SetColRight(1);
    number->SetRangeType(trtEditVal);
    number->SetMax(5);
    number->SetFmtStr(QStringLiteral("0"));
    TRange* unit = grid->Ranges()->Add(); // column 3
    unit->SetColRight(3);
    unit->SetColLeft(3);
    unit->SetText(QStringLiteral("mg"));
    TRange* text = grid->Ranges()->Add(); // columns 1..3, behind the two above
    text->SetColRight(3);
    text->SetColLeft(1);
    text->SetRangeType(trtEditStr);
    ShowActive(window);
    Focus(grid);
    grid->GotoNewCell(1, 0);
    ASSERT_EQ(grid->Col(), 1);

    Type(QStringLiteral("9a"));
    EXPECT_EQ(grid->Cells(1, 0), QStringLiteral("9"));
    Press(Qt::Key_Return);
    Press(Qt::Key_Right);
    EXPECT_EQ(grid->Col(), 2);
    EXPECT_EQ(grid->Cells(1, 0), QStringLiteral("5"));
    Type(QStringLiteral("abc"));
    EXPECT_EQ(grid->Cells(2, 0), QStringLiteral("abc"));
    Press(Qt::Key_Return);
    Press(Qt::Key_Right); // column 3 is fixed text
    EXPECT_EQ(grid->Col(), 2);

    grid->SetCellValue(1, 0, 3.6);
    EXPECT_EQ(grid->Cells(1, 0), QStringLiteral("4"));
    EXPECT_EQ(grid->FindRange(1, 0), number);
    EXPECT_EQ(grid->FindRange(3, 0), unit);
}

TEST(GridDefaults, InitByDefaultFillsScrolledNumberAndListCellsWithoutReporting)
{
    TStringGridEx grid;
    grid.SetColCount(4);
    grid.SetRowCount(3);
    grid.SetFixedCols(0);
    grid.SetFixedRows(1);
    auto add = [&](int col, TRangeType type) {
        TRange* range = grid.Ranges()->Add();
        range->SetColRight(col);
        range->SetColLeft(col);
        range->SetRowBottom(2);
        range->SetRangeType(type);
        return range;
    };
    TRange* number = add(0, trtEditVal);
    number->SetMax(100);
    number->SetDefault(250);
    number->SetFmtStr(QStringLiteral("0.0"));
    add(1, trtEditStr)->SetDefault(3);
    TRange* list = add(2, trtList);
    list->SetItems({QStringLiteral("a"), QStringLiteral("b")});
    list->SetDefault(1);
    grid.SetCellDisabled(2, 1, true);
    for (int row = 0; row < 3; ++row)
        for (int col = 0; col < 4; ++col)
            grid.SetCells(col, row, QStringLiteral("x"));
    ValueChanges changes(grid);

    grid.InitByDefault();
    EXPECT_EQ(grid.Cells(0, 0), QStringLiteral("x")); // fixed row
    EXPECT_EQ(grid.Cells(0, 1), QStringLiteral("100.0"));
    EXPECT_EQ(grid.Cells(0, 2), QStringLiteral("100.0"));
    EXPECT_EQ(grid.Cells(1, 1), QStringLiteral("x")); // free text
    EXPECT_EQ(grid.Cells(2, 2), QStringLiteral("b"));  // disabled, filled all the same
    EXPECT_EQ(grid.Cells(3, 1), QStringLiteral("x")); // no range

    grid.SetCellValue(0, 1, 42);
    grid.SetCellValue(2, 1, 0);
    EXPECT_EQ(grid.GetCellValue(0, 1), 42);
    EXPECT_EQ(grid.Cells(2, 1), QStringLiteral("a"));
    EXPECT_EQ(changes.count(), 0);
}

TEST_F(DemoGrid, TextCellsTakeTheInputMethodAndLimitBytes)
{
    TStringGridEx& text = *window.TextBox;
    Focus(window.NumberBox);
    EXPECT_FALSE(window.NumberBox->testAttribute(Qt::WA_InputMethodEnabled));
    Focus(&text);
    EXPECT_EQ(text.CellImeMode(), imHira);
    EXPECT_TRUE(text.testAttribute(Qt::WA_InputMethodEnabled));

    // The first composed character opens the editor and lands in it.
    QInputMethodEvent preedit(QStringLiteral("やま"), {});
    QCoreApplication::sendEvent(&text, &preedit);
    ASSERT_TRUE(EditorOpen(text));
    EXPECT_TRUE(text.InplaceEditor()->hasFocus());
    EXPECT_TRUE(text.InplaceEditor()->testAttribute(Qt::WA_InputMethodEnabled));
    QInputMethodEvent commit;
    commit.setCommitString(QStringLiteral("山田"));
    QCoreApplication::sendEvent(QApplication::focusObject(), &commit);
    EXPECT_EQ(text.Cells(0, 0), QStringLiteral("山田"));

    // Ten bytes: three more double-byte characters fit, the fourth does not;
    // a half-width katakana fills the last byte.
    Type(QStringLiteral("太郎様様"));
    EXPECT_EQ(text.Cells(0, 0), QStringLiteral("山田太郎様"));
    Press(Qt::Key_Backspace);
    Type(QStringLiteral("ｻﾏ"));
    EXPECT_EQ(text.Cells(0, 0), QStringLiteral("山田太郎ｻﾏ"));

    // With the input method disabled for the cell nothing composed arrives.
    text.Ranges()->Items(0)->SetImeMode(imDisable);
    Focus(window.NumberBox);
    Focus(&text);
    EXPECT_FALSE(text.testAttribute(Qt::WA_InputMethodEnabled));
}

TEST_F(DemoGrid, LeavingATextCellCutsItToItsBytes)
{
    TStringGridEx& text = *window.TextBox;
    text.Ranges()->Items(0)->SetMaxLength(5);
    text.SetCells(0, 0, QStringLiteral("ab漢字"));
    Focus(&text);
    Focus(window.NumberBox);
    EXPECT_EQ(text.Cells(0, 0), QStringLiteral("ab漢"));
}

TEST_F(DemoGrid, AHandlerThatThrowsIsReportedAndTheGridGoesOn)
{
    testing_seams::ScriptedMessageBoxes boxes;
    TStringGridEx& box = *window.NumberBox;
    box.OnValueChange = [](QObject*, int, int) { throw vcl::EConvertError(QStringLiteral("'x' は有効な数値ではありません")); };
    Focus(&box);
    Press(Qt::Key_F5);
    EXPECT_EQ(box.Cells(0, 0), QStringLiteral("10.01"));
    ASSERT_EQ(boxes.count(), 1);
    EXPECT_EQ(boxes.last().text, QStringLiteral("'x' は有効な数値ではありません"));
    Press(Qt::Key_F5);
    EXPECT_EQ(box.Cells(0, 0), QStringLiteral("10.02"));
}

// Cells without a range can be selected, so only the key handling keeps the
// current cell off the fixed row and column.
TEST(GridKeys, MovesStopAtTheFixedCellsAndTheLastCell)
{
    QWidget window;
    TStringGridEx* grid = NewGrid(window, 4, 6, 1, 1);
    grid->resize(grid->sizeHint());
    ShowActive(window);
    Focus(grid);
    struct Case {
        int key;
        Qt::KeyboardModifiers modifiers;
    };
    const Case towardsTheStart[] = {{Qt::Key_Up, {}}, {Qt::Key_Left, {}}, {Qt::Key_Home, {}},
                                    {Qt::Key_Home, Qt::ControlModifier}, {Qt::Key_PageUp, {}}};
    const Case towardsTheEnd[] = {{Qt::Key_Down, {}}, {Qt::Key_Right, {}}, {Qt::Key_End, {}},
                                  {Qt::Key_End, Qt::ControlModifier}, {Qt::Key_PageDown, {}}};
    for (const Case& c : towardsTheStart) {
        grid->GotoNewCell(1, 1);
        Press(c.key, c.modifiers);
        EXPECT_EQ(grid->Col(), 1) << c.key;
        EXPECT_EQ(grid->Row(), 1) << c.key;
    }
    for (const Case& c : towardsTheEnd) {
        grid->GotoNewCell(3, 5);
        Press(c.key, c.modifiers);
        EXPECT_EQ(grid->Col(), 3) << c.key;
        EXPECT_EQ(grid->Row(), 5) << c.key;
    }
    grid->GotoNewCell(3, 4);
    Press(Qt::Key_PageUp);
    EXPECT_EQ(grid->Row(), 1);
    Press(Qt::Key_Home, Qt::ControlModifier);
    EXPECT_EQ(grid->Col(), 1);
}

TEST(GridEditor, TypingIntoACellScrolledOutOfViewBringsItBack)
{
    QWidget window;
    TStringGridEx* grid = NewGrid(window, 2, 20, 1, 1, goEditing);
    TRange* range = grid->Ranges()->Add();
    range->SetColLeft(1);
    range->SetRowTop(1);
    range->SetRowBottom(19);
    range->SetRangeType(trtEditVal);
    range->SetMax(100);
    range->SetFmtStr(QStringLiteral("0"));
    grid->resize(200, 120);
    ShowActive(window);
    Focus(grid);
    auto seenWhereTheCellIs = [&] {
        const QRect cell = grid->CellRect(1, 1);
        return !cell.isEmpty() && EditorOpen(*grid) && grid->InplaceEditor()->geometry() == cell;
    };

    grid->SetTopRow(15);   // the scroll bar moved, the current cell stays
    ASSERT_TRUE(grid->CellRect(1, 1).isEmpty());
    Type(QStringLiteral("5"));
    EXPECT_TRUE(seenWhereTheCellIs());

    // Scrolled away again with the editor open.
    grid->SetTopRow(15);
    Type(QStringLiteral("6"));
    EXPECT_TRUE(seenWhereTheCellIs());
    EXPECT_EQ(grid->Cells(1, 1), QStringLiteral("56"));
}

TEST(GridRowSelect, ResultListsSelectWholeRowsAndOpenNoEditor)
{
    QWidget window;
    TStringGridEx* grid = NewGrid(window, 5, 11, 0, 1, goRowSelect | goEditing);
    grid->SetScrollBars(ssVertical);
    grid->resize(400, 150); // fewer rows than the grid holds
    for (int row = 1; row < 11; ++row)
        grid->SetCells(0, row, QString::number(row));
    int clicks = 0;
    int doubleClicks = 0;
    grid->OnClick = [&](QObject*) { ++clicks; };
    grid->OnDblClick = [&](QObject*) { ++doubleClicks; };
    ShowActive(window);
    Focus(grid);

    ClickCell(*grid, 3, 2);
    EXPECT_EQ(grid->Row(), 2);
    EXPECT_EQ(grid->Col(), 0);
    const TGridRect selection = grid->Selection();
    EXPECT_EQ(selection.Left, 0);
    EXPECT_EQ(selection.Right, 4);
    EXPECT_EQ(clicks, 1);
    QTest::mouseDClick(grid->viewport(), Qt::LeftButton, Qt::NoModifier, CellCenter(*grid, 3, 2));
    EXPECT_EQ(doubleClicks, 1);
    Type(QStringLiteral("9\r"));
    EXPECT_FALSE(EditorOpen(*grid));

    // Moving down past the view scrolls it.
    for (int i = 0; i < 8; ++i)
        Press(Qt::Key_Down);
    EXPECT_EQ(grid->Row(), 10);
    EXPECT_GT(grid->TopRow(), 1);
    EXPECT_FALSE(grid->CellRect(0, 10).isEmpty());
    EXPECT_TRUE(grid->CellRect(0, 1).isEmpty());
    EXPECT_FALSE(grid->CellRect(0, 0).isEmpty()); // the heading stays
    grid->SetRow(1);
    EXPECT_EQ(grid->Row(), 1);
    EXPECT_EQ(grid->TopRow(), 1);
}

} // namespace
