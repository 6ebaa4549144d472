#include "powerext.h"

#include <cmath>
#include <gtest/gtest.h>
#include <limits>
#include <optional>

namespace {

using tervox::calc::Ext;
using tervox::calc::FloatingPointError;
using tervox::calc::PowerExt;

struct PowerCase {
    long double base, exponent;
    std::optional<long double> value; // nothing: the fault in `fault`
    const char* fault;
};

constexpr long double kMax = std::numeric_limits<long double>::max();

// The four rules in their order, with the faults each can raise.
const PowerCase kPowerCases[] = {
    // 1. exponent 0: 1 for any base
    {0, 0, 1.0L, ""},
    {-3, 0, 1.0L, ""},
    {kMax, 0, 1.0L, ""},
    // 2. zero base, positive exponent: 0, also for fractional exponents
    {0, 1.0L / 3, 0.0L, ""},
    {0, 2, 0.0L, ""},
    // 3. whole exponents by repeated squaring, negative bases signed correctly
    {16, 1, 16.0L, ""},
    {2, 10, 1024.0L, ""},
    {-2, 3, -8.0L, ""},
    {-2, 2, 4.0L, ""},
    {2, -2, 0.25L, ""},
    {-16, 1, -16.0L, ""},
    {10, 4000, 1e4000L, ""}, // exact powers of ten stay exact up to 10^27 only; 10^4000 is close
    {0, -1, std::nullopt, "Floating point division by zero"},
    {0, -2147483647.0L, std::nullopt, "Floating point division by zero"},
    {10, 5000, std::nullopt, "Floating point overflow"},
    {-10, 5001, std::nullopt, "Floating point overflow"},
    {10, -5000, std::nullopt, "Floating point overflow"}, // the product overflows before 1/x
    {1, 2147483647.0L, 1.0L, ""},
    // 4. fractional exponents (and whole ones too large for rule 3) through exp(y ln x)
    {16, 0.25L, 2.0L, ""},
    {16, 1.25L, 32.0L, ""},
    {-16, 1.25L, std::nullopt, "Invalid floating point operation"},
    {-1, 0.5L, std::nullopt, "Invalid floating point operation"},
    {0, -0.5L, std::nullopt, "Floating point division by zero"},
    {10, 5000.5L, std::nullopt, "Floating point overflow"},
    {10, -5000.5L, 0.0L, ""},    // underflow passes
    {2, 4294967296.0L, std::nullopt, "Floating point overflow"}, // whole but beyond 2^31 - 1
    {-2, 4294967296.0L, std::nullopt, "Invalid floating point operation"},
};

class PowerExtTable : public ::testing::TestWithParam<PowerCase> {};

TEST_P(PowerExtTable, FollowsTheRulesInOrder) {
    const PowerCase& c = GetParam();
    try {
        const long double got = PowerExt(Ext(c.base), Ext(c.exponent)).value();
        ASSERT_TRUE(c.value.has_value()) << "expected " << c.fault << ", got " << (double)got;
        if (*c.value == 0 || c.base == 10) {
            EXPECT_NEAR(got / (*c.value == 0 ? 1 : *c.value), *c.value == 0 ? 0 : 1, 1e-16L);
        } else {
            // exp/log results may differ from the exact power in the last bit or two.
            EXPECT_NEAR(got, *c.value, std::fabs(*c.value) * 4 * 0x1p-63L);
        }
    } catch (const FloatingPointError& e) {
        EXPECT_EQ(std::string(e.what()), c.fault);
    }
}

INSTANTIATE_TEST_SUITE_P(Rules, PowerExtTable, ::testing::ValuesIn(kPowerCases));

TEST(PowerExt, WholeExponentsAreExactProducts) {
    // 3^40 < 2^64 is exact in extended; repeated squaring reaches it without rounding.
    EXPECT_EQ(PowerExt(Ext(3), Ext(40)).value(), 12157665459056928801.0L);
    // 1.37^2 rounds once: the single product 1.37 * 1.37.
    EXPECT_EQ(PowerExt(Ext(1.37L), Ext(2)).value(), 1.37L * 1.37L);
}

TEST(PowerExt, FractionalExponentIsExpOfTheRoundedProduct) {
    // volatile: the compiler would fold log(16) at build time, correctly rounded,
    // where the run computes it with the C library's logl.
    volatile long double base = 16.0L, exponent = 1.37L;
    const long double y = exponent * std::log(base);
    EXPECT_EQ(PowerExt(Ext(base), Ext(exponent)).value(), std::exp(y));
}

} // namespace
