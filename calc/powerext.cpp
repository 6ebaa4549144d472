#include "powerext.h"

#include "x87math.h"

#include <cmath>
#include <cstdint>
#include <cstring>

namespace tervox::calc {
namespace {

// |e| as an integer when e is a whole number of magnitude <= 2147483647. Adding
// 2^63 pushes every fraction bit out of the 64-bit significand (rounding to
// nearest), so the sum minus 2^63 equals |e| exactly when |e| is whole, and the
// sum's low significand bits then hold it. This avoids trunc(), whose rounding-mode
// switches on the x87 unit cost more than the rest of the test.
bool WholeMagnitude(long double e, std::uint64_t& magnitude) {
    const long double m = std::fabs(e);
    if (!(m <= 2147483647.0L))
        return false;
    const long double shifted = m + 0x1p63L;
    if (shifted - 0x1p63L != m)
        return false;
    std::uint64_t significand;
    std::memcpy(&significand, &shifted, sizeof significand); // x87 layout: significand first
    magnitude = significand - (std::uint64_t{1} << 63);
    return true;
}

} // namespace

Ext PowerExt(Ext base, Ext exponent) {
    const long double b = base.value();
    const long double e = exponent.value();

    if (e == 0)
        return Ext(1);
    if (b == 0 && e > 0)
        return Ext(0);

    if (std::uint64_t bits = 0; WholeMagnitude(e, bits)) {
        // Repeated squaring over the bits of |e|, lowest first. Each product is a
        // checked operation, so an overflow stops the run where it happens.
        Ext result(1);
        Ext square = base;
        for (;;) {
            if (bits & 1u)
                result = result * square;
            bits >>= 1;
            if (bits == 0)
                break;
            square = square * square;
        }
        return e < 0 ? Ext(1) / result : result;
    }

    if (b < 0)
        RaiseInvalidOperation();
    if (b == 0)
        RaiseDivisionByZero(); // ln 0 is minus infinity
    const Ext y = exponent * Ext(LnExt(b));
    const long double r = ExpExt(y.value());
    if (std::isinf(r))
        RaiseOverflow();
    return Ext(r);
}

} // namespace tervox::calc
