#include "Colors.h"
#include "MessageBox.h"
#include "TestSeams.h"

#include <gtest/gtest.h>

using namespace vcl;

TEST(Colors, LowByteIsRed)
{
    EXPECT_EQ(ToQColor(clRed), QColor(255, 0, 0));
    EXPECT_EQ(ToQColor(clBlue), QColor(0, 0, 255));
    EXPECT_EQ(ToQColor(0xFCE0C5), QColor(0xC5, 0xE0, 0xFC));
    EXPECT_EQ(RGB(197, 224, 252), 0xFCE0C5);
    EXPECT_EQ(FromQColor(QColor(1, 2, 3)), RGB(1, 2, 3));
    EXPECT_EQ(ToQColor(clBtnFace), QColor(240, 240, 240));
    EXPECT_EQ(ToQColor(clWindow), QColor(255, 255, 255));
}

TEST(MessageBoxes, ScriptedAnswersAndFlags)
{
    testing_seams::ScriptedMessageBoxes boxes;
    boxes.Answer(IDCANCEL);
    EXPECT_FALSE(AskOkCancel("Quorvelを終了します。\nよろしいですか？", "終了確認"));
    EXPECT_EQ(boxes.last().flags, 33);
    EXPECT_TRUE(AskOkCancel("q", "c"));
    ShowError("e", "患者情報入力エラー");
    EXPECT_EQ(boxes.last().flags, 48);
    ShowInformation("i");
    EXPECT_EQ(boxes.last().caption, "情報");
    EXPECT_EQ(boxes.last().flags, 64);
    EXPECT_EQ(boxes.count(), 4);
}
