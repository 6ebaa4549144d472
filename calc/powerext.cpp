#include "powerext.h"

#include <cmath>

namespace tervox::calc {

Ext PowerExt(Ext base, Ext exponent) {
    const long double b = base.value();
    const long double e = exponent.value();

    if (e == 0)
        return Ext(1);
    if (b == 0 && e > 0)
        return Ext(0);

    if (std::trunc(e) == e && std::fabs(e) <= 2147483647.0L) {
        // Repeated squaring over the bits of |e|, lowest first. Each product is a
        // checked operation, so an overflow stops the run where it happens.
        auto bits = static_cast<unsigned long>(std::fabs(e));
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
    const Ext y = exponent * Ext(std::log(b));
    const long double r = std::exp(y.value());
    if (std::isinf(r))
        RaiseOverflow();
    return Ext(r);
}

} // namespace tervox::calc
