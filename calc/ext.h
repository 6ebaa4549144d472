#pragma once

#include <cmath>
#include <limits>
#include <stdexcept>

namespace tervox::calc {

// One of the three arithmetic faults that stop a run. The message is the text the
// user sees: "Floating point division by zero", "Invalid floating point operation"
// or "Floating point overflow".
class FloatingPointError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

[[noreturn]] void RaiseDivisionByZero();
[[noreturn]] void RaiseInvalidOperation();
[[noreturn]] void RaiseOverflow();
// The fault of a result that is not finite: overflow for an infinity, else invalid.
[[noreturn]] void RaiseFaultFor(long double result);

// An extended real (x87 80-bit, 64-bit significand) whose every operation is
// checked for the faults that stop a run. The check classifies operands and the
// rounded result, so it needs no floating-point status flags and cannot be moved
// or dropped by the optimiser:
//   - a finite result out of range (infinite) is an overflow;
//   - x / 0 is a division by zero, 0 / 0 an invalid operation;
//   - a NaN result is an invalid operation.
// Underflow to a denormal or to zero passes silently, as does an inexact result.
// An expression a * b * c is evaluated ((a * b) * c), one rounding per operator.
class Ext {
public:
    constexpr Ext() = default;
    constexpr explicit Ext(long double v) : m_v(v) {}

    constexpr long double value() const { return m_v; }

    friend Ext operator+(Ext a, Ext b) { return checked(a.m_v + b.m_v); }
    friend Ext operator-(Ext a, Ext b) { return checked(a.m_v - b.m_v); }
    friend Ext operator*(Ext a, Ext b) { return checked(a.m_v * b.m_v); }
    friend Ext operator/(Ext a, Ext b) {
        if (b.m_v == 0) {
            if (a.m_v == 0 || std::isnan(a.m_v))
                RaiseInvalidOperation();
            RaiseDivisionByZero();
        }
        return checked(a.m_v / b.m_v);
    }
    friend Ext operator-(Ext a) { return Ext(-a.m_v); }

    friend Ext operator+(Ext a, long double b) { return a + Ext(b); }
    friend Ext operator-(Ext a, long double b) { return a - Ext(b); }
    friend Ext operator*(Ext a, long double b) { return a * Ext(b); }
    friend Ext operator/(Ext a, long double b) { return a / Ext(b); }
    friend Ext operator+(long double a, Ext b) { return Ext(a) + b; }
    friend Ext operator-(long double a, Ext b) { return Ext(a) - b; }
    friend Ext operator*(long double a, Ext b) { return Ext(a) * b; }
    friend Ext operator/(long double a, Ext b) { return Ext(a) / b; }

    friend bool operator==(Ext a, Ext b) { return a.m_v == b.m_v; }

private:
    // One comparison on the common path: false for an infinity and for a NaN.
    static Ext checked(long double r) {
        if (!(std::fabs(r) <= std::numeric_limits<long double>::max())) [[unlikely]]
            RaiseFaultFor(r);
        return Ext(r);
    }

    long double m_v = 0;
};

} // namespace tervox::calc
