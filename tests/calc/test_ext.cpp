#include "ext.h"
#include "localefixture.h"

#include <functional>
#include <limits>

namespace {

using tervox::calc::Ext;
using tervox::calc::FloatingPointError;

const ::testing::Environment* const kLocale =
    ::testing::AddGlobalTestEnvironment(new ProcessLocaleEnvironment);

std::string FaultOf(const std::function<void()>& f) {
    try {
        f();
    } catch (const FloatingPointError& e) {
        return e.what();
    }
    return "none";
}

constexpr long double kMax = std::numeric_limits<long double>::max();
constexpr long double kTiny = std::numeric_limits<long double>::min();

TEST(Ext, ClassifiesEachFaultByItsOperation) {
    EXPECT_EQ(FaultOf([] { (void)(Ext(1) / Ext(0)); }), "Floating point division by zero");
    EXPECT_EQ(FaultOf([] { (void)(Ext(-1) / Ext(0)); }), "Floating point division by zero");
    EXPECT_EQ(FaultOf([] { (void)(Ext(0) / Ext(0)); }), "Invalid floating point operation");
    EXPECT_EQ(FaultOf([] { (void)(Ext(kMax) * Ext(2)); }), "Floating point overflow");
    EXPECT_EQ(FaultOf([] { (void)(Ext(kMax) + Ext(kMax)); }), "Floating point overflow");
    EXPECT_EQ(FaultOf([] { (void)(Ext(-kMax) - Ext(kMax)); }), "Floating point overflow");
    EXPECT_EQ(FaultOf([] { (void)(Ext(kMax) / Ext(0.5L)); }), "Floating point overflow");
}

TEST(Ext, UnderflowAndInexactResultsPass) {
    EXPECT_EQ(FaultOf([] { (void)(Ext(kTiny) * Ext(kTiny)); }), "none");
    EXPECT_EQ((Ext(kTiny) * Ext(kTiny)).value(), 0.0L);
    EXPECT_EQ(FaultOf([] { (void)(Ext(kTiny) / Ext(3)); }), "none");
    EXPECT_EQ(FaultOf([] { (void)(Ext(1) / Ext(3)); }), "none");
}

TEST(Ext, RoundsOnceInExtendedPerOperationLeftToRight) {
    // 0.1 + 0.2 - 0.3 in extended is not 0, and its value depends on the grouping:
    // (a + b) - c differs from a + (b - c).
    const Ext a(0.1L), b(0.2L), c(0.3L);
    const long double leftToRight = (a + b - c).value();
    EXPECT_EQ(leftToRight, (0.1L + 0.2L) - 0.3L);
    EXPECT_NE(leftToRight, 0.1L + (0.2L - 0.3L));
    // An extended, not a double, significand: 1 + 2^-60 survives.
    EXPECT_NE((Ext(1) + Ext(0x1p-60L)).value(), 1.0L);
}

} // namespace
