// A page's command reads a number cell as the user typed it: never a silent
// 0, never clamped into range behind the page's check.
#include "GridTestHelpers.h"
#include "TestSeams.h"
#include "TypedNumber.h"

#include <QLineEdit>

namespace {

using namespace gridtest;

const TFieldMessage HeightMessage{QStringLiteral("身長が不正です。再入力して下さい。"), QStringLiteral("患者情報入力エラー")};

// The patient page's height cell: "0.0", 20..300, next to a text box.
struct HeightWindow {
    QWidget window;
    TStringGridEx* height = NewGrid(window, 1, 1, 0, 0, goEditing);
    QLineEdit* other = new QLineEdit(&window);

    HeightWindow()
    {
        TRange* range = height->Ranges()->Add();
        range->SetRangeType(trtEditVal);
        range->SetMin(20);
        range->SetMax(300);
        range->SetFmtStr(QStringLiteral("0.0"));
        other->move(0, 60);
    }
};

TEST(TypedNumber, ReadsWhatTheFocusedCellHoldsAndRefusesWhatIsNoNumber)
{
    struct Case {
        const char* typed;
        std::optional<double> read;
    };
    const Case cases[] = {
        {"19.9", 19.9},   // below the range: the page's check refuses it, not the read
        {"0", 0.0},       // the untouched "0" of a new page
        {"301", 301.0},
        {"", std::nullopt},
        {"-", std::nullopt},
        {"1.2.3", std::nullopt},
        {"abc", std::nullopt},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.typed);
        testing_seams::ScriptedMessageBoxes boxes;
        HeightWindow w;
        ShowActive(w.window);
        Focus(w.height);
        w.height->ShowEditor();
        w.height->InplaceEditor()->setText(QString::fromUtf8(c.typed));   // typed, pasted

        EXPECT_EQ(w.height->GetCellValue(0, 0), c.read.value_or(0));
        EXPECT_EQ(ReadTypedNumber(*w.height, 0, 0, HeightMessage), c.read);
        if (c.read) {
            EXPECT_EQ(boxes.count(), 0);
            continue;
        }
        ASSERT_EQ(boxes.count(), 1);
        EXPECT_EQ(boxes.last().text, HeightMessage.Text);
        EXPECT_EQ(boxes.last().caption, HeightMessage.Caption);
        EXPECT_EQ(boxes.last().flags, vcl::MB_OK | vcl::MB_ICONEXCLAMATION);
        // The cell keeps what was typed and the focus, for the user to mend it.
        EXPECT_EQ(w.height->Cells(0, 0), QString::fromUtf8(c.typed));
        EXPECT_TRUE(w.height->isAncestorOf(FocusWidget()) || FocusWidget() == w.height);
    }
}

TEST(TypedNumber, ARefusedCellElsewhereBecomesCurrentWithTheFocus)
{
    testing_seams::ScriptedMessageBoxes boxes;
    QWidget window;
    TStringGridEx* grid = NewGrid(window, 2, 1, 0, 0, goEditing);
    TRange* range = grid->Ranges()->Add();
    range->SetColRight(1);
    range->SetRangeType(trtEditVal);
    range->SetMax(100);
    auto* other = new QLineEdit(&window);
    other->move(0, 60);
    grid->SetCells(1, 0, QStringLiteral("x"));   // written by the program
    ShowActive(window);
    Focus(other);

    EXPECT_FALSE(ReadTypedNumber(*grid, 1, 0, {NotANumberMessage(QStringLiteral("体重")), QStringLiteral("エラー")}));
    ASSERT_EQ(boxes.count(), 1);
    EXPECT_EQ(boxes.last().text, QStringLiteral("「体重」に数値を入力して下さい。"));
    EXPECT_EQ(grid->Col(), 1);
    EXPECT_TRUE(grid->hasFocus());
}

} // namespace
