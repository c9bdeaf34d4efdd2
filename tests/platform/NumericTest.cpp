#include "Numeric.h"

#include <gtest/gtest.h>

#include <optional>

using namespace numeric;

// Ties go to the even neighbour, and the 16-bit range saturates; no number gives 0.
TEST(Numeric, ConversionToIntegerRoundsTiesToEvenAndSaturates) {
    const std::pair<double, int> rows[] = {
        {0.5, 0},         {1.5, 2},         {2.5, 2},          {-0.5, 0},      {-1.5, -2},
        {2.4999, 2},      {2.5001, 3},      {32767, 32767},    {32768, 32767}, {1e12, 32767},
        {-32768, -32768}, {-40000, -32768}, {std::nan(""), 0},
    };
    for (const auto& [number, integer] : rows)
        EXPECT_EQ(toInteger(number), integer) << number;
}

TEST(Numeric, DriftFourRMinusTwoGivesEachValueItsShare) {
    // 4r - 2 rounded: -2 and 2 take an eighth of [0, 1) each, -1, 0 and 1 a quarter; the ties
    // -1.5 (r = 0.125), -0.5, 0.5 and 1.5 go to the even neighbour.
    const std::pair<float, int> rows[] = {{0.0f, -2},   {0.124f, -2}, {0.125f, -2},
                                          {0.126f, -1}, {0.375f, 0},  {0.625f, 0},
                                          {0.626f, 1},  {0.875f, 2},  {0.99999994f, 2}};
    for (const auto& [r, drift] : rows)
        EXPECT_EQ(toInteger(4 * r - 2), drift) << r;
}

TEST(Numeric, ValueOfATextIsTheNumberItStartsWith) {
    const std::pair<const char*, double> rows[] = {
        {"12", 12}, {"12abc", 12}, {"  -3", -3}, {"2.5x", 2.5}, {"abc", 0}, {"", 0}, {"-", 0}};
    for (const auto& [text, value] : rows)
        EXPECT_EQ(valueOf(QString::fromLatin1(text)), value) << text;
}

// A whole token is a number or is not; its value where it is.
TEST(Numeric, ParsingAWholeToken) {
    const std::pair<const char*, std::optional<double>> rows[] = {
        {"37", 37}, {"-1", -1}, {"+2.5", 2.5}, {"3x", {}}, {"x", {}}, {"", {}}, {"-", {}}};
    for (const auto& [token, value] : rows) {
        double v = 0;
        EXPECT_EQ(parseNumber(token, &v), value.has_value()) << token;
        EXPECT_EQ(v, value.value_or(v)) << token;
    }
}
