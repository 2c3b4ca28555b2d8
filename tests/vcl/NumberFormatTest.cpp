#include "Exceptions.h"
#include "NumberFormat.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

using namespace vcl;

TEST(FormatFloat, RoundsTiesAwayFromZero)
{
    EXPECT_EQ(FormatFloat("0.00", 0.125), "0.13");
    EXPECT_EQ(FormatFloat("0.00", -0.125), "-0.13");
    EXPECT_EQ(FormatFloat("0.00", 1.005), "1.01"); // 1.00499999999999989... in binary
    EXPECT_EQ(FormatFloat("0", 2.5), "3");
    EXPECT_EQ(FormatFloat("0", -2.5), "-3");
    EXPECT_EQ(FormatFloat("0", 0.5), "1");
    EXPECT_EQ(FormatFloat("0.0", 0.05), "0.1");
    EXPECT_EQ(FormatFloat("0.0000", 1.23445), "1.2345");
}

TEST(FormatFloat, PatternsTheWindowsUse)
{
    EXPECT_EQ(FormatFloat("0", 9999.0), "9999");
    EXPECT_EQ(FormatFloat("00", 7), "07");
    EXPECT_EQ(FormatFloat("0.0", 12.34), "12.3");
    EXPECT_EQ(FormatFloat("0.000", 0), "0.000");
    EXPECT_EQ(FormatFloat("0.0000", 1.1111111), "1.1111");
    EXPECT_EQ(FormatFloat("0.00", 99.999), "100.00");
    EXPECT_EQ(FormatFloat("0.00", 999999999.995), "1000000000.00");
    EXPECT_EQ(FormatFloat("#0.0#", 3.1), "3.1");
    EXPECT_EQ(FormatFloat("#0.0#", 3.146), "3.15");
    EXPECT_EQ(FormatFloat("0.0", 12.34) + "", "12.3");
}

TEST(FormatFloat, NegativeZeroShowsWithoutSign)
{
    EXPECT_EQ(FormatFloat("0", -0.4), "0");
    EXPECT_EQ(FormatFloat("0.00", -0.001), "0.00");
    EXPECT_EQ(FormatFloat("0.00", -0.0), "0.00");
}

TEST(FormatFloat, TinyAndHugeValues)
{
    EXPECT_EQ(FormatFloat("0.0000", 1e-20), "0.0000");
    EXPECT_EQ(FormatFloat("0", 1e20), "100000000000000000000");
    EXPECT_EQ(FormatFloat("0.00", 123456789.125), "123456789.13");
}

TEST(FormatFloat, NonFiniteValuesShowFixedTexts)
{
    EXPECT_EQ(FormatFloat("0.00", std::numeric_limits<double>::quiet_NaN()), "NAN");
    EXPECT_EQ(FormatFloat("0.00", std::numeric_limits<double>::infinity()), "INF");
    EXPECT_EQ(FormatFloat("0", -std::numeric_limits<double>::infinity()), "-INF");
    EXPECT_EQ(FloatToStr(std::numeric_limits<double>::quiet_NaN()), "NAN");
}

TEST(FloatToStr, GeneralFormatWithFifteenDigits)
{
    EXPECT_EQ(FloatToStr(0), "0");
    EXPECT_EQ(FloatToStr(1.1111111), "1.1111111"); // nine characters: the grid's step rule relies on it
    EXPECT_EQ(FloatToStr(0.1), "0.1");
    EXPECT_EQ(FloatToStr(1.0 / 3.0), "0.333333333333333");
    EXPECT_EQ(FloatToStr(-2.5), "-2.5");
    EXPECT_EQ(FloatToStr(100), "100");
    EXPECT_EQ(FloatToStr(123456789012345.0), "123456789012345");
    EXPECT_EQ(FloatToStr(1e15), "1E15");
    EXPECT_EQ(FloatToStr(0.0001), "0.0001");
    EXPECT_EQ(FloatToStr(0.00001), "1E-5");
    EXPECT_EQ(FloatToStr(-1.5e-7), "-1.5E-7");
    EXPECT_EQ(FloatToStr(0.1 + 0.2), "0.3");
}

TEST(StrToFloat, AcceptsPlainNumbersOnly)
{
    double v = -1;
    EXPECT_TRUE(TryStrToFloat(" 12.5 ", v));
    EXPECT_EQ(v, 12.5);
    EXPECT_TRUE(TryStrToFloat("-.5", v));
    EXPECT_EQ(v, -0.5);
    EXPECT_TRUE(TryStrToFloat("3.", v));
    EXPECT_EQ(v, 3.0);
    EXPECT_TRUE(TryStrToFloat("1e3", v));
    EXPECT_EQ(v, 1000.0);
    for (const char* bad : {"", " ", "-", ".", "1.2.3", "1,5", "abc", "1e", "INF", "nan", "1e999", "１２"}) {
        v = 42;
        EXPECT_FALSE(TryStrToFloat(QString::fromUtf8(bad), v)) << bad;
        EXPECT_EQ(v, 42) << "left untouched: " << bad;
    }
    EXPECT_THROW(StrToFloat("x"), EConvertError);
    EXPECT_EQ(StrToFloatDef("x", 7.5), 7.5);
}

TEST(StrToInt, AcceptsPlainIntegersInRange)
{
    int v = 0;
    EXPECT_TRUE(TryStrToInt(" -42 ", v));
    EXPECT_EQ(v, -42);
    EXPECT_FALSE(TryStrToInt("2147483648", v));
    EXPECT_FALSE(TryStrToInt("1.0", v));
    EXPECT_FALSE(TryStrToInt("+", v));
    EXPECT_EQ(StrToIntDef("180x", 180), 180);
    EXPECT_THROW(StrToInt(""), EConvertError);
}
