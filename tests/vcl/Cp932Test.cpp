#include "Cp932.h"

#include <gtest/gtest.h>

using namespace vcl;

TEST(Cp932, EncodesAndDecodesJapanese)
{
    const QString text = QStringLiteral("患者検索ｶﾅ①～μ");
    const QByteArray bytes = ToCp932(text);
    EXPECT_EQ(bytes.size(), 4 * 2 + 2 + 2 + 2 + 2);
    EXPECT_EQ(FromCp932(bytes), text);
    EXPECT_EQ(ToCp932(QStringLiteral("μ")), QByteArray("\x83\xCA"));
    EXPECT_EQ(ToCp932(QStringLiteral("～")), QByteArray("\x81\x60"));
}

TEST(Cp932, TellsWhatCannotBeEncoded)
{
    EXPECT_TRUE(IsCp932Encodable(QStringLiteral("山田 太郎")));
    EXPECT_FALSE(IsCp932Encodable(QStringLiteral("µ")));      // MICRO SIGN
    EXPECT_FALSE(IsCp932Encodable(QStringLiteral("😀")));
}

TEST(Cp932, CountsBytes)
{
    EXPECT_EQ(Cp932Length(QStringLiteral("abc")), 3);
    EXPECT_EQ(Cp932Length(QStringLiteral("ｱｲｳ")), 3);
    EXPECT_EQ(Cp932Length(QStringLiteral("アイウ")), 6);
    EXPECT_EQ(Cp932Length(QStringLiteral("a山ｱ")), 4);
    EXPECT_EQ(Cp932Length(QString()), 0);
}

TEST(Cp932, CutsOnCharacterBoundaries)
{
    EXPECT_EQ(CutToCp932Bytes(QStringLiteral("山田太郎"), 5), QStringLiteral("山田"));
    EXPECT_EQ(CutToCp932Bytes(QStringLiteral("山田太郎"), 6), QStringLiteral("山田太"));
    EXPECT_EQ(CutToCp932Bytes(QStringLiteral("ab山"), 3), QStringLiteral("ab"));
    EXPECT_EQ(CutToCp932Bytes(QStringLiteral("ｱｲｳｴｵ"), 3), QStringLiteral("ｱｲｳ"));
    EXPECT_EQ(CutToCp932Bytes(QStringLiteral("😀x"), 1), QString());
    EXPECT_EQ(CutToCp932Bytes(QStringLiteral("😀x"), 2), QStringLiteral("😀"));
    EXPECT_EQ(CutToCp932Bytes(QStringLiteral("abc"), 0), QString());
    EXPECT_EQ(CutToCp932Bytes(QStringLiteral("abc"), 10), QStringLiteral("abc"));
}

TEST(Cp932, PadsToByteWidths)
{
    EXPECT_EQ(PadToCp932Width(QStringLiteral("年齢"), 13, Align::Left), QStringLiteral("年齢         "));
    EXPECT_EQ(PadToCp932Width(QStringLiteral("42"), 6, Align::Right), QStringLiteral("    42"));
    EXPECT_EQ(PadToCp932Width(QStringLiteral("longer text"), 4, Align::Right), QStringLiteral("longer text"));
}
