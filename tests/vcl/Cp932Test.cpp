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
    EXPECT_TRUE(IsCp932Encodable(QStringLiteral("µ")));       // MICRO SIGN, as its twin μ
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

// The byte count decides where text is cut: it must agree with the encoder
// for every character around the one-byte ranges, both ends of the
// half-width katakana (U+FF61, U+FF9F) included.
TEST(Cp932, ByteCountsAgreeWithTheEncoderAroundTheOneByteRanges)
{
    int checked = 0;
    for (char32_t ucs : {char32_t(0x20), char32_t(0x7E), char32_t(0x7F), char32_t(0xA5), char32_t(0x203E)}) {
        const QString ch = QString::fromUcs4(&ucs, 1);
        if (IsCp932Encodable(ch)) {
            EXPECT_EQ(Cp932Length(ch), ToCp932(ch).size()) << std::hex << static_cast<unsigned>(ucs);
        }
    }
    for (char32_t ucs = 0xFF01; ucs <= 0xFFEF; ++ucs) {
        const QString ch = QString::fromUcs4(&ucs, 1);
        if (!IsCp932Encodable(ch))
            continue;
        EXPECT_EQ(Cp932Length(ch), ToCp932(ch).size()) << std::hex << static_cast<unsigned>(ucs);
        ++checked;
    }
    EXPECT_GT(checked, 150);
    EXPECT_EQ(Cp932Length(QStringLiteral("｡")), 1);
    EXPECT_EQ(Cp932Length(QStringLiteral("ﾟ")), 1);
    EXPECT_EQ(CutToCp932Bytes(QStringLiteral("ｱﾟ漢"), 3), QStringLiteral("ｱﾟ"));
}
