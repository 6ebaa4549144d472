#include "parsereal.h"

#include <clocale>
#include <cmath>
#include <cstdlib>
#include <limits>
#include <locale.h>

namespace tervox::calc {
namespace {

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

// strtold in the "C" locale, whatever the process locale says: Qt sets the
// process locale from the user's settings, under which strtold would expect a comma.
long double StrToLongDoubleC(const char* text, char** end) {
    static const locale_t cLocale = newlocale(LC_ALL_MASK, "C", static_cast<locale_t>(0));
    return strtold_l(text, end, cLocale);
}

std::string ConversionMessage(std::string_view text) {
    constexpr std::string_view tail = "' is not a valid floating point value";
    std::string message;
    message.reserve(text.size() + tail.size() + 1);
    message += '\'';
    message.append(text);
    message.append(tail);
    return message;
}

} // namespace

ConversionError::ConversionError(std::string_view text)
    : std::runtime_error(ConversionMessage(text)) {}

std::optional<long double> TryParseReal(std::string_view text, std::string_view separator) {
    std::size_t i = 0;
    const std::size_t n = text.size();
    while (i < n && text[i] == ' ')
        ++i;

    // The same number in the "C" locale's own form, for strtold.
    std::string plain;
    plain.reserve(n + 2);
    if (i < n && (text[i] == '+' || text[i] == '-'))
        plain.push_back(text[i++]);

    bool anyDigit = false;
    bool separatorSeen = false;
    std::string mantissa;
    while (i < n) {
        if (IsDigit(text[i])) {
            mantissa.push_back(text[i++]);
            anyDigit = true;
        } else if (!separatorSeen && !separator.empty() && text.substr(i, separator.size()) == separator) {
            mantissa.push_back('.');
            i += separator.size();
            separatorSeen = true;
        } else {
            break;
        }
    }
    if (!anyDigit && !separatorSeen)
        return std::nullopt;
    // A lone separator stands for zero.
    plain += '0';
    plain += mantissa;
    if (!anyDigit)
        plain += '0';

    if (i < n && (text[i] == 'E' || text[i] == 'e')) {
        ++i;
        plain.push_back('e');
        if (i < n && (text[i] == '+' || text[i] == '-'))
            plain.push_back(text[i++]);
        const std::size_t digitsStart = i;
        while (i < n && IsDigit(text[i]))
            plain.push_back(text[i++]);
        if (i == digitsStart)
            return std::nullopt;
    }
    while (i < n && text[i] == ' ')
        ++i;
    if (i != n)
        return std::nullopt;

    char* end = nullptr;
    const long double value = StrToLongDoubleC(plain.c_str(), &end);
    if (end != plain.c_str() + plain.size())
        return std::nullopt;
    // Beyond the extended range: rejected. Below it: a denormal or zero, like any
    // other underflow of the calculation.
    if (std::isinf(value) || std::isnan(value))
        return std::nullopt;
    return value;
}

long double ParseReal(std::string_view text, std::string_view separator) {
    if (const auto value = TryParseReal(text, separator))
        return *value;
    throw ConversionError(text);
}

long double ReadIntegerField(std::string_view text) {
    std::size_t i = 0;
    while (i < text.size() && text[i] == ' ')
        ++i;
    bool negative = false;
    if (i < text.size() && (text[i] == '+' || text[i] == '-'))
        negative = text[i++] == '-';
    if (i == text.size())
        return 0;
    long long value = 0;
    for (; i < text.size(); ++i) {
        if (!IsDigit(text[i]))
            return 0;
        value = value * 10 + (text[i] - '0');
        // A 32-bit integer, as the spin field holds.
        if (value > static_cast<long long>(std::numeric_limits<int>::max()) + 1)
            return 0;
    }
    if (negative)
        value = -value;
    if (value > std::numeric_limits<int>::max() || value < std::numeric_limits<int>::min())
        return 0;
    return static_cast<long double>(value);
}

} // namespace tervox::calc
