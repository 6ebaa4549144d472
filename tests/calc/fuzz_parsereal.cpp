// Any text in any field: the parser either rejects it or returns a finite value
// that a second parse of the same text reproduces.
#include "parsereal.h"

#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    for (const std::string_view separator : {",", ".", "\xD9\xAB"}) {
        const auto value = tervox::calc::TryParseReal(text, separator);
        if (value && !std::isfinite(*value))
            std::abort();
        if (value != tervox::calc::TryParseReal(text, separator))
            std::abort();
    }
    (void)tervox::calc::ReadIntegerField(text);
    return 0;
}
