#include "powerext.h"
#include "x87math.h"

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
    volatile long double base = 16.0L, exponent = 1.37L;
    const long double y = exponent * tervox::calc::LnExt(base);
    EXPECT_EQ(PowerExt(Ext(base), Ext(exponent)).value(), tervox::calc::ExpExt(y));
}

struct ReferenceCase {
    long double argument;
    long double exact; // to 30 digits, from mpmath at 300 bits on the extended argument
};

// Units in the last place between a result and the exact value.
long double Ulps(long double got, long double exact) {
    const long double ulp = std::fabs(std::nextafter(exact, 2 * exact) - exact);
    return std::fabs(got - exact) / ulp;
}

TEST(ExtendedTranscendentals, LnIsWithinOneUnitInTheLastPlace) {
    const ReferenceCase cases[] = {
        {16.0L, 2.77258872223978123766892848583L},
        {0.001L, -6.90775527898213705209547897847L},
        {1.47L, 0.385262400790644933587669074399L},
        {16.0L / 1.47L, 2.38732632144913630409679226705L},
        {2.5e-300L, -689.859237166339550140216230051L},
        {1e4000L, 9210.34037197618273607196236512L},
        {0.5L, -0.693147180559945309417232121458L},
        {3.0L, 1.09861228866810969139524523692L},
    };
    for (const ReferenceCase& c : cases)
        EXPECT_LE(Ulps(tervox::calc::LnExt(c.argument), c.exact), 1.0L) << (double)c.argument;
}

TEST(ExtendedTranscendentals, ExpIsWithinOneUnitInTheLastPlace) {
    const ReferenceCase cases[] = {
        {3.79L, 44.2564002759833688448554748367L},
        {-7.25L, 0.000710174388842549063584600370578L},
        {0.001L, 1.00100050016670834166801420785L},
        {11355.0L, 2.59323581763474522709096311777e+4931L},
        {1e-10L, 1.000000000100000000005L},
        {-0.5L, 0.606530659712633423603799534991L},
        {100.0L, 2.68811714181613544841262555158e+43L},
    };
    for (const ReferenceCase& c : cases)
        EXPECT_LE(Ulps(tervox::calc::ExpExt(c.argument), c.exact), 1.0L) << (double)c.argument;
    // Beyond the range: infinity (an overflow for the caller) and zero.
    EXPECT_TRUE(std::isinf(tervox::calc::ExpExt(11400.0L)));
    EXPECT_EQ(tervox::calc::ExpExt(-12000.0L), 0.0L);
    EXPECT_GT(tervox::calc::ExpExt(-11390.0L), 0.0L); // a denormal, not zero
}

} // namespace
