#pragma once

#include <optional>
#include <stdexcept>
#include <string>
#include <string_view>

namespace tervox::calc {

// A field text that is not a number: "'TEXT' is not a valid floating point value",
// with the field's whole text, unchanged.
class ConversionError : public std::runtime_error {
public:
    explicit ConversionError(std::string_view text);
};

// The extended real nearest to a field text, or nothing. Accepted: leading blanks,
// an optional sign, digits with at most one decimal separator (at least a digit or
// the separator), an optional exponent (E or e, optional sign, digits), trailing
// blanks. A magnitude beyond the extended range is rejected; one below it becomes
// a denormal or zero.
std::optional<long double> TryParseReal(std::string_view text, std::string_view decimalSeparator);

// TryParseReal, throwing ConversionError for a rejected text.
long double ParseReal(std::string_view text, std::string_view decimalSeparator);

// The integer read of the DeltT spin field: the text as a signed decimal integer
// (leading blanks and a sign allowed), or 0 when it is not one.
long double ReadIntegerField(std::string_view text);

} // namespace tervox::calc
