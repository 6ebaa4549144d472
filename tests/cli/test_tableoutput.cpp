#include "tableoutput.h"

#include <cmath>
#include <cstdlib>
#include <gtest/gtest.h>
#include <limits>

namespace {

using tervox::cli::ExactNumber;

// Every value must read back bit for bit; whole numbers keep their plain form.
TEST(ExactNumber, ReadsBackAsTheSameExtendedValue) {
    const long double values[] = {0.0L, -0.0L, 4.0L, 2300.0L, -45.0L, 999999999999999.0L,
                                  1e15L, 1e20L, 0.1L, 1.0L / 3, 7.1784L, 1e-300L, -2.5e4000L,
                                  std::numeric_limits<long double>::denorm_min(),
                                  std::numeric_limits<long double>::max(),
                                  std::numeric_limits<long double>::min()};
    for (const long double v : values) {
        const std::string text = ExactNumber(v);
        char* end = nullptr; // strtold, not stold: a denormal sets ERANGE, which stold throws
        const long double back = std::strtold(text.c_str(), &end);
        EXPECT_EQ(end, text.c_str() + text.size()) << text;
        EXPECT_EQ(back, v) << text;
        EXPECT_EQ(std::signbit(back), std::signbit(v)) << text;
    }
    EXPECT_EQ(ExactNumber(2300.0L), "2300");
    EXPECT_EQ(ExactNumber(-45.0L), "-45");
    EXPECT_EQ(ExactNumber(0.1L), "0.1");
    EXPECT_EQ(ExactNumber(-0.0L), "-0");
}

TEST(CsvRow, QuotesAStatusThatHoldsACommaOrQuote) {
    tervox::calc::ResultRow row;
    row.status = "'1,5' is not a valid floating point value";
    const std::string line = tervox::cli::CsvRow(row);
    EXPECT_NE(line.find(",\"'1,5' is not a valid floating point value\"\n"), std::string::npos);
    row.status = "say \"x\"";
    EXPECT_NE(tervox::cli::CsvRow(row).find(",\"say \"\"x\"\"\"\n"), std::string::npos);
}

} // namespace
