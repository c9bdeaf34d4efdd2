#include "Numeric.h"

#include <gtest/gtest.h>

using namespace numeric;

TEST(Numeric, ConversionToIntegerRoundsTiesToEven) {
    EXPECT_EQ(toInteger(0.5), 0);
    EXPECT_EQ(toInteger(1.5), 2);
    EXPECT_EQ(toInteger(2.5), 2);
    EXPECT_EQ(toInteger(-0.5), 0);
    EXPECT_EQ(toInteger(-1.5), -2);
    EXPECT_EQ(toInteger(2.4999), 2);
    EXPECT_EQ(toInteger(2.5001), 3);
}

TEST(Numeric, DriftFourRMinusTwoGivesEachValueItsShare) {
    // 4r - 2 rounded: -2 and 2 take an eighth of [0, 1) each, -1, 0 and 1 a quarter.
    auto drift = [](float r) { return toInteger(4 * r - 2); };
    EXPECT_EQ(drift(0.0f), -2);
    EXPECT_EQ(drift(0.124f), -2);
    EXPECT_EQ(drift(0.125f), -2); // -1.5: tie to the even -2
    EXPECT_EQ(drift(0.126f), -1);
    EXPECT_EQ(drift(0.375f), 0); // -0.5
    EXPECT_EQ(drift(0.625f), 0); // 0.5
    EXPECT_EQ(drift(0.626f), 1);
    EXPECT_EQ(drift(0.875f), 2); // 1.5
    EXPECT_EQ(drift(0.99999994f), 2);
}

TEST(Numeric, ConversionSaturatesAtTheSixteenBitRange) {
    EXPECT_EQ(toInteger(32767), 32767);
    EXPECT_EQ(toInteger(32768), 32767);
    EXPECT_EQ(toInteger(1e12), 32767);
    EXPECT_EQ(toInteger(-32768), -32768);
    EXPECT_EQ(toInteger(-40000), -32768);
    EXPECT_EQ(toInteger(std::nan("")), 0);
}

TEST(Numeric, ValueOfATextIsTheNumberItStartsWith) {
    EXPECT_EQ(valueOf(QStringLiteral("12")), 12);
    EXPECT_EQ(valueOf(QStringLiteral("12abc")), 12);
    EXPECT_EQ(valueOf(QStringLiteral("  -3")), -3);
    EXPECT_EQ(valueOf(QStringLiteral("2.5x")), 2.5);
    EXPECT_EQ(valueOf(QStringLiteral("abc")), 0);
    EXPECT_EQ(valueOf(QString()), 0);
    EXPECT_EQ(valueOf(QStringLiteral("-")), 0);
}

TEST(Numeric, WholeNumbersAreWrittenAsPlainDigits) {
    EXPECT_EQ(decimalText(0), QStringLiteral("0"));
    EXPECT_EQ(decimalText(10), QStringLiteral("10"));
    EXPECT_EQ(decimalText(-7), QStringLiteral("-7"));
}

TEST(Numeric, ParsingAWholeToken) {
    double v = 0;
    EXPECT_TRUE(parseNumber("37", &v));
    EXPECT_EQ(v, 37);
    EXPECT_TRUE(parseNumber("-1", &v));
    EXPECT_EQ(v, -1);
    EXPECT_TRUE(parseNumber("+2.5", &v));
    EXPECT_EQ(v, 2.5);
    EXPECT_FALSE(parseNumber("3x", &v));
    EXPECT_FALSE(parseNumber("x", &v));
    EXPECT_FALSE(parseNumber("", &v));
    EXPECT_FALSE(parseNumber("-", &v));
}
