// The cell rules as functions: stepping, normalising, numbers in and out,
// key filtering, editor limits.
#include "GridCellRules.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

namespace {

using namespace gridrules;

// A range outside any grid: bounds are not clamped, nothing is reported.
struct LooseRange {
    TRanges ranges{nullptr};
    TRange* range = ranges.Add();

    LooseRange(TRangeType type, double min, double max, const QString& fmt, double def = 0)
    {
        range->SetRangeType(type);
        range->SetMin(min);
        range->SetMax(max);
        range->SetFmtStr(fmt);
        range->SetDefault(def);
    }
};

TEST(GridNumberStep, StepIsOneUnitOfTheLastShownPlace)
{
    EXPECT_DOUBLE_EQ(NumberStepSize(QStringLiteral("0")), 1.0);
    EXPECT_DOUBLE_EQ(NumberStepSize(QStringLiteral("00")), 1.0);
    EXPECT_NEAR(NumberStepSize(QStringLiteral("0.0")), 0.1, 1e-15);
    EXPECT_NEAR(NumberStepSize(QStringLiteral("0.00")), 0.01, 1e-15);
    EXPECT_NEAR(NumberStepSize(QStringLiteral("0.0000")), 0.0001, 1e-15);
    // The general format writes 1.1111111 with nine characters.
    EXPECT_NEAR(NumberStepSize(QString()), 1e-7, 1e-20);
}

TEST(GridNumberStep, StepsStopAtTheBounds)
{
    LooseRange box(trtEditVal, 1, 10000, QStringLiteral("0.00"), 10);
    EXPECT_EQ(GetNumText(QStringLiteral("9999.99"), 1, *box.range), QStringLiteral("10000.00"));
    EXPECT_EQ(GetNumText(QStringLiteral("10000.00"), 1, *box.range), QStringLiteral("10000.00"));
    EXPECT_EQ(GetNumText(QStringLiteral("1.00"), -1, *box.range), QStringLiteral("1.00"));
    EXPECT_EQ(GetNumText(QStringLiteral("5.00"), -1, *box.range), QStringLiteral("4.99"));
    EXPECT_EQ(GetNumText(QStringLiteral("0.5"), 0, *box.range), QStringLiteral("1.00"));
    EXPECT_EQ(GetNumText(QStringLiteral("12345"), 0, *box.range), QStringLiteral("10000.00"));
    EXPECT_EQ(GetNumText(QStringLiteral(" 12.345 "), 0, *box.range), QStringLiteral("12.35"));

    LooseRange hours(trtEditVal, 0, 23, QStringLiteral("00"));
    EXPECT_EQ(GetNumText(QStringLiteral("9"), 1, *hours.range), QStringLiteral("10"));
    EXPECT_EQ(GetNumText(QStringLiteral("23"), 1, *hours.range), QStringLiteral("23"));
}

TEST(GridNumberStep, TextThatIsNoNumberBecomesTheClampedDefault)
{
    LooseRange box(trtEditVal, 1, 10000, QStringLiteral("0.00"), 10);
    for (const char* text : {"", "-", "1.2.3", ".", "abc", "1e999", "１２"}) {
        EXPECT_EQ(GetNumText(QString::fromUtf8(text), 0, *box.range), QStringLiteral("10.00")) << text;
        EXPECT_EQ(GetNumText(QString::fromUtf8(text), 1, *box.range), QStringLiteral("10.00")) << text;
    }
    // A default outside the bounds is clamped as well.
    LooseRange low(trtEditVal, 0.0001, 1000, QStringLiteral("0.0000"), 0);
    EXPECT_EQ(GetNumText(QString(), 0, *low.range), QStringLiteral("0.0001"));
}

TEST(GridNumberStep, NanCountsAsBelowTheMinimum)
{
    const double nan = std::numeric_limits<double>::quiet_NaN();
    const double inf = std::numeric_limits<double>::infinity();
    EXPECT_EQ(ClampToRange(nan, 1, 10), 1);
    EXPECT_EQ(ClampToRange(inf, 1, 10), 10);
    EXPECT_EQ(ClampToRange(-inf, 1, 10), 1);
    EXPECT_EQ(ClampToRange(10, 1, 10), 10);
    // Min is applied first, so Max wins when the two cross.
    EXPECT_EQ(ClampToRange(0, 5, 3), 3);

    LooseRange box(trtEditVal, 1, 10000, QStringLiteral("0.00"));
    EXPECT_EQ(TextForValue(nan, box.range), QStringLiteral("1.00"));
}

TEST(GridListStep, StepsWrapAndUnknownTextGivesTheFirstItem)
{
    const QStringList items{QStringLiteral("a"), QStringLiteral("b"), QStringLiteral("c")};
    EXPECT_EQ(GetListItem(QStringLiteral("a"), 1, items), QStringLiteral("b"));
    EXPECT_EQ(GetListItem(QStringLiteral("c"), 1, items), QStringLiteral("a"));
    EXPECT_EQ(GetListItem(QStringLiteral("a"), -1, items), QStringLiteral("c"));
    EXPECT_EQ(GetListItem(QStringLiteral("b"), 0, items), QStringLiteral("b"));
    EXPECT_EQ(GetListItem(QStringLiteral("B"), 0, items), QStringLiteral("a")); // case counts
    EXPECT_EQ(GetListItem(QStringLiteral("x"), 1, items), QStringLiteral("a"));
    EXPECT_EQ(GetListItem(QStringLiteral("x"), 1, QStringList()), QString());
}

TEST(GridTextCut, FreeTextIsCutToItsBytesWithoutSplittingACharacter)
{
    // Two single-byte characters and two double-byte ones: 6 bytes, the
    // second double-byte character starting at byte 5.
    EXPECT_EQ(CutToMaxLength(QStringLiteral("ab漢字"), 5), QStringLiteral("ab漢"));
    EXPECT_EQ(CutToMaxLength(QStringLiteral("ab漢字"), 6), QStringLiteral("ab漢字"));
    EXPECT_EQ(CutToMaxLength(QStringLiteral("ab漢字"), 0), QStringLiteral("ab漢字"));
    // Half-width katakana take one byte each.
    EXPECT_EQ(CutToMaxLength(QStringLiteral("ｱｲｳｴｵｶ"), 5), QStringLiteral("ｱｲｳｴｵ"));
    EXPECT_EQ(CutToMaxLength(QStringLiteral("ｱ漢ｲ"), 2), QStringLiteral("ｱ"));

    LooseRange text(trtEditStr, 0, 0, QString());
    text.range->SetMaxLength(5);
    EXPECT_EQ(ValidatedText(QStringLiteral("ab漢字"), text.range), QStringLiteral("ab漢"));
    text.range->SetImeMode(imKata); // the input method does not change the rule
    EXPECT_EQ(ValidatedText(QStringLiteral("ｱｲｳｴｵｶ"), text.range), QStringLiteral("ｱｲｳｴｵ"));
}

TEST(GridValidation, EachKindOfCellIsNormalisedItsOwnWay)
{
    EXPECT_FALSE(ValidatedText(QStringLiteral("x"), nullptr));
    LooseRange fixed(trtFixedStr, 0, 0, QString());
    EXPECT_FALSE(ValidatedText(QStringLiteral("x"), fixed.range));
    LooseRange number(trtEditVal, 1, 10000, QStringLiteral("0.00"), 10);
    EXPECT_EQ(ValidatedText(QStringLiteral("7"), number.range), QStringLiteral("7.00"));
    // A decimal typed into a whole-number cell keeps its size, rounded.
    LooseRange dose(trtEditVal, 0, 99999, QStringLiteral("0"));
    EXPECT_EQ(ValidatedText(QStringLiteral("14.1328"), dose.range), QStringLiteral("14"));
    EXPECT_EQ(ValidatedText(QStringLiteral("0.5"), dose.range), QStringLiteral("1"));
    LooseRange list(trtList, 0, 0, QString());
    list.range->SetItems({QStringLiteral("なし"), QStringLiteral("あり")});
    EXPECT_EQ(ValidatedText(QStringLiteral("あり"), list.range), QStringLiteral("あり"));
    EXPECT_EQ(ValidatedText(QStringLiteral("?"), list.range), QStringLiteral("なし"));
}

TEST(GridValues, NumbersWrittenIntoEachKindOfCell)
{
    EXPECT_FALSE(TextForValue(1, nullptr));
    LooseRange number(trtEditVal, 1, 10000, QStringLiteral("0.00"));
    EXPECT_EQ(TextForValue(0.5, number.range), QStringLiteral("1.00"));
    EXPECT_EQ(TextForValue(12345, number.range), QStringLiteral("10000.00"));
    EXPECT_EQ(TextForValue(2.345, number.range), QStringLiteral("2.35"));

    LooseRange text(trtEditStr, 0, 0, QString());
    EXPECT_EQ(TextForValue(1.0 / 3, text.range), QStringLiteral("0.333333333333333"));
    text.range->SetMaxLength(4);
    EXPECT_EQ(TextForValue(1.0 / 3, text.range), QStringLiteral("0.33"));

    LooseRange list(trtList, 0, 0, QString());
    list.range->SetItems({QStringLiteral("a"), QStringLiteral("b"), QStringLiteral("c")});
    EXPECT_EQ(TextForValue(2.7, list.range), QStringLiteral("c"));
    EXPECT_FALSE(TextForValue(3, list.range));
    EXPECT_FALSE(TextForValue(-1, list.range));
    EXPECT_FALSE(TextForValue(std::nan(""), list.range));
}

TEST(GridValues, NumbersReadFromEachKindOfCell)
{
    double value = -1;
    LooseRange number(trtEditVal, 1, 10000, QStringLiteral("0.00"));
    EXPECT_TRUE(TryCellValue(QStringLiteral(" 12.50 "), number.range, value));
    EXPECT_EQ(value, 12.5);
    for (const char* text : {"", "-", "1.2.3", "12abc"}) {
        value = -1;
        EXPECT_FALSE(TryCellValue(QString::fromUtf8(text), number.range, value)) << text;
        EXPECT_EQ(value, 0) << text;
    }
    LooseRange text(trtEditStr, 0, 0, QString());
    EXPECT_FALSE(TryCellValue(QStringLiteral("山田"), text.range, value));
    EXPECT_EQ(value, 0);

    LooseRange list(trtListColor, 0, 0, QString());
    list.range->SetItems({QStringLiteral("clRed"), QStringLiteral("clBlue")});
    EXPECT_TRUE(TryCellValue(QStringLiteral("clBlue"), list.range, value));
    EXPECT_EQ(value, 1);
    EXPECT_TRUE(TryCellValue(QStringLiteral("clGreen"), list.range, value));
    EXPECT_EQ(value, 0); // the same answer as for the first item

    EXPECT_TRUE(TryCellValue(QStringLiteral("12"), nullptr, value));
    EXPECT_EQ(value, 0);
}

TEST(GridValues, DefaultsFillNumbersAndListsOnly)
{
    LooseRange number(trtEditVal, 1, 100, QStringLiteral("0.0"), 500);
    EXPECT_EQ(DefaultText(number.range), QStringLiteral("100.0"));
    LooseRange list(trtList, 0, 0, QString(), 1);
    list.range->SetItems({QStringLiteral("a"), QStringLiteral("b")});
    EXPECT_EQ(DefaultText(list.range), QStringLiteral("b"));
    list.range->SetDefault(2);
    EXPECT_FALSE(DefaultText(list.range));
    LooseRange text(trtEditStr, 0, 0, QString(), 5);
    EXPECT_FALSE(DefaultText(text.range));
    EXPECT_FALSE(DefaultText(nullptr));
}

TEST(GridKeys, NumberCellsTakeOnlyWhatANumberNeeds)
{
    // A whole-number cell takes the decimal point too: dropping it would turn
    // a typed 14.5 mg into 145 mg.
    LooseRange whole(trtEditVal, 0, 100, QStringLiteral("0"));
    for (QChar c : QStringLiteral("0123456789.\r\b"))
        EXPECT_TRUE(AcceptsChar(whole.range, c)) << int(c.unicode());
    for (QChar c : QStringLiteral("-+eE a１"))
        EXPECT_FALSE(AcceptsChar(whole.range, c)) << int(c.unicode());

    LooseRange signedDecimal(trtEditVal, -5, 5, QStringLiteral("0.0"));
    EXPECT_TRUE(AcceptsChar(signedDecimal.range, QLatin1Char('.')));
    EXPECT_TRUE(AcceptsChar(signedDecimal.range, QLatin1Char('-')));

    LooseRange list(trtList, 0, 0, QString());
    EXPECT_FALSE(AcceptsChar(list.range, QLatin1Char(' ')));
    EXPECT_FALSE(AcceptsChar(list.range, QChar(13)));
    LooseRange text(trtEditStr, 0, 0, QString());
    EXPECT_TRUE(AcceptsChar(text.range, QChar(0x3042)));
    EXPECT_TRUE(AcceptsChar(nullptr, QLatin1Char('x')));
}

TEST(GridKeys, FunctionKeysWithAndWithoutShift)
{
    EXPECT_TRUE(FunctionKeyMatches(fkcF5, Qt::Key_F5, Qt::NoModifier));
    EXPECT_TRUE(FunctionKeyMatches(fkcF5, Qt::Key_F5, Qt::ControlModifier));
    EXPECT_FALSE(FunctionKeyMatches(fkcF5, Qt::Key_F5, Qt::ShiftModifier));
    EXPECT_TRUE(FunctionKeyMatches(fkcS12, Qt::Key_F12, Qt::ShiftModifier));
    EXPECT_FALSE(FunctionKeyMatches(fkcS12, Qt::Key_F12, Qt::NoModifier));
    EXPECT_FALSE(FunctionKeyMatches(fkcF1, Qt::Key_F2, Qt::NoModifier));
    EXPECT_FALSE(FunctionKeyMatches(fkcF0, Qt::Key_F1, Qt::NoModifier));
}

TEST(GridEditor, LimitsAndMasks)
{
    LooseRange number(trtEditVal, 1, 10000, QStringLiteral("0.00"));
    EXPECT_EQ(EditLimit(number.range), 8); // "10000.00"
    LooseRange negative(trtEditVal, -100, 5, QStringLiteral("0.0"));
    EXPECT_EQ(EditLimit(negative.range), 6); // "-100.0"
    LooseRange general(trtEditVal, 0, 5, QString());
    EXPECT_EQ(EditLimit(general.range), 0);
    LooseRange text(trtEditStr, 0, 0, QString());
    text.range->SetMaxLength(10);
    EXPECT_EQ(EditLimit(text.range), 10);
    text.range->SetEditMask(QStringLiteral("000-0000;1;_"));
    EXPECT_EQ(EditLimit(text.range), 0);
    EXPECT_EQ(EditMask(text.range), QStringLiteral("000-0000;1;_"));
    EXPECT_EQ(EditMask(number.range), QString());

    EXPECT_EQ(ToInputMask(QStringLiteral("000-0000;1;_")), QStringLiteral("999-9999;_"));
    EXPECT_EQ(ToInputMask(QStringLiteral(">LL99;0; ")), QStringLiteral(">AA00; "));
    EXPECT_EQ(ToInputMask(QStringLiteral("!90:00")), QStringLiteral("09:99;_"));
    EXPECT_EQ(ToInputMask(QStringLiteral("No\\.0")), QStringLiteral("\\No\\.9;_"));
    EXPECT_EQ(ToInputMask(QString()), QString());
}

TEST(GridColours, ColourListTextNamesOrNumbers)
{
    EXPECT_EQ(ListColor(QStringLiteral("clRed")), vcl::clRed);
    EXPECT_EQ(ListColor(QStringLiteral("CLBLUE")), vcl::clBlue);
    EXPECT_EQ(ListColor(QStringLiteral("clBtnFace")), vcl::clBtnFace);
    EXPECT_EQ(ListColor(QStringLiteral("$0000FF")), vcl::clRed);
    EXPECT_EQ(ListColor(QStringLiteral("0xACACFF")), 0xACACFF);
    EXPECT_EQ(ListColor(QStringLiteral("16711680")), vcl::clBlue);
    EXPECT_EQ(ListColor(QStringLiteral("$FF00000F")), vcl::clBtnFace);
    EXPECT_EQ(ListColor(QStringLiteral("clNoSuchColour")), vcl::clWhite);
    EXPECT_EQ(ListColor(QString()), vcl::clWhite);
}

} // namespace
