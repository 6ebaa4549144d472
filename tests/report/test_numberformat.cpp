#include "numberformat.h"

#include <gtest/gtest.h>

namespace {

using tervox::report::FormatNumber;

struct NumberCase {
    long double value;
    const char* separator;
    const char* text;
};

// Each row: a value and the text the report must hold for it. The first rows are
// the report's documented examples; the rest pin the edges of the two roundings
// and of the switch between fixed and scientific notation.
const NumberCase kNumberCases[] = {
    {4.0L, ",", "4"},
    {1.5L, ",", "1,5"},
    {-2.5L, ",", "-2,5"},
    {0.001L, ",", "0,001"},
    {1e-5L, ",", "1E-5"},
    {1.5e-5L, ",", "1,5E-5"},
    {1e15L, ",", "1E15"},
    {2.5e15L, ",", "2,5E15"},
    {1.0L / 3, ",", "0,333333333333333"},
    {2.0L / 3, ",", "0,666666666666667"},
    {1.5L, ".", "1.5"},
    {1.5e-5L, ".", "1.5E-5"},
    {0.0L, ",", "0"},
    {-0.0L, ",", "0"},
    {27.0L, ",", "27"},
    {0.1L, ",", "0,1"},
    {0.0001L, ",", "0,0001"},           // 1E-4 is the smallest fixed magnitude
    {0.00009999L, ",", "9,999E-5"},
    {999999999999999.0L, ",", "999999999999999"}, // 15 digits still fixed
    {123456789012345.6L, ",", "123456789012346"},
    {1e14L, ",", "100000000000000"},
    {-1e-300L, ",", "-1E-300"},
    {1e300L, ",", "1E300"},
    {1e4000L, ",", "1E4000"},
    // Cut to 15 digits with a carry through every digit: the exponent grows.
    {0.99999999999999995L, ",", "1"},
    {9999999999999999.0L, ",", "1E16"},
    // 18 digits first, then 15: ...4999 becomes ...500 and then rounds up, where
    // a single rounding to 15 digits would round down.
    {1.234567890123454999L, ",", "1,23456789012346"},
    {16.0L / 1.47L, ",", "10,8843537414966"},
    {0.5L, "<sep>", "0<sep>5"},
};

class NumberFormatTable : public ::testing::TestWithParam<NumberCase> {};

TEST_P(NumberFormatTable, WritesTheReportForm) {
    const NumberCase& c = GetParam();
    EXPECT_EQ(FormatNumber(c.value, c.separator), c.text);
}

INSTANTIATE_TEST_SUITE_P(Values, NumberFormatTable, ::testing::ValuesIn(kNumberCases));

TEST(NumberFormat, WritesTheSpecialValuesReadably) {
    EXPECT_EQ(FormatNumber(std::numeric_limits<long double>::infinity(), ","), "INF");
    EXPECT_EQ(FormatNumber(-std::numeric_limits<long double>::infinity(), ","), "-INF");
    EXPECT_EQ(FormatNumber(std::numeric_limits<long double>::quiet_NaN(), ","), "NAN");
}

TEST(NumberFormat, WritesTheSmallestDenormal) {
    EXPECT_EQ(FormatNumber(std::numeric_limits<long double>::denorm_min(), ","),
              "3,64519953188247E-4951");
}

} // namespace
