#include "numberformat.h"

#include <charconv>
#include <cmath>
#include <cstdlib>

namespace tervox::report {
namespace {

constexpr int kConversionDigits = 18; // first rounding: the decimal form of the extended value
constexpr int kSignificantDigits = 15; // second rounding: what the report shows

struct Decimal {
    std::string digits; // significant digits, no trailing zeros, first digit not zero
    int exponent = 0;   // value = 0.d1d2... * 10^exponent
};

// The value rounded to 18 significant digits, then cut to 15 with the 16th digit
// deciding (5 or more rounds up in magnitude). The double rounding is deliberate:
// it is how the report has always written numbers, and readers compare against it.
Decimal ToDecimal(long double magnitude) {
    char buf[64];
    const auto res = std::to_chars(buf, buf + sizeof buf, magnitude, std::chars_format::scientific,
                                   kConversionDigits - 1);
    const std::string_view text(buf, static_cast<std::size_t>(res.ptr - buf));
    // text: d.ddddddddddddddddde[+-]XX
    const std::size_t e = text.find('e');
    std::string digits;
    digits.reserve(kConversionDigits);
    for (std::size_t i = 0; i < e; ++i)
        if (text[i] != '.')
            digits.push_back(text[i]);
    int exponent = std::atoi(std::string(text.substr(e + 1)).c_str()) + 1;

    const bool roundUp = digits[kSignificantDigits] >= '5';
    digits.resize(kSignificantDigits);
    if (roundUp) {
        int i = kSignificantDigits - 1;
        while (i >= 0 && digits[static_cast<std::size_t>(i)] == '9') {
            digits[static_cast<std::size_t>(i)] = '0';
            --i;
        }
        if (i < 0) {
            digits.insert(digits.begin(), '1');
            digits.pop_back();
            ++exponent;
        } else {
            ++digits[static_cast<std::size_t>(i)];
        }
    }
    while (!digits.empty() && digits.back() == '0')
        digits.pop_back();
    return {digits, exponent};
}

} // namespace

std::string FormatNumber(long double value, std::string_view decimalSeparator) {
    if (std::isnan(value))
        return "NAN";
    if (std::isinf(value))
        return value < 0 ? "-INF" : "INF";
    if (value == 0)
        return "0";

    const Decimal d = ToDecimal(std::fabs(value));
    const int k = static_cast<int>(d.digits.size());
    const int E = d.exponent;

    std::string out;
    if (value < 0)
        out.push_back('-');
    if (E > 0 && E <= kSignificantDigits) {
        if (k <= E) {
            out += d.digits;
            out.append(static_cast<std::size_t>(E - k), '0');
        } else {
            out.append(d.digits, 0, static_cast<std::size_t>(E));
            out += decimalSeparator;
            out.append(d.digits, static_cast<std::size_t>(E));
        }
    } else if (E <= 0 && E >= -3) {
        out.push_back('0');
        out += decimalSeparator;
        out.append(static_cast<std::size_t>(-E), '0');
        out += d.digits;
    } else {
        out.push_back(d.digits[0]);
        if (k > 1) {
            out += decimalSeparator;
            out.append(d.digits, 1);
        }
        out.push_back('E');
        out += std::to_string(E - 1);
    }
    return out;
}

} // namespace tervox::report
