#pragma once

#include <string>
#include <string_view>

namespace tervox::report {

// The report's text form of a number: general format with 15 significant digits,
// fixed notation for magnitudes from 1E-4 up to (not including) 1E15 after rounding,
// scientific otherwise ("1,5E-5", "2,5E15"), no thousands separator.
std::string FormatNumber(long double value, std::string_view decimalSeparator);

} // namespace tervox::report
