// A whole run on arbitrary field texts: it completes or stops with one of the
// run's own errors, never anything else, and never writes more than a run writes.
#include "parsereal.h"
#include "reportlayout.h"
#include "runcalculation.h"

#include <cstdint>
#include <cstdlib>
#include <string>

namespace {

class CountingSink final : public tervox::report::ResultSink {
public:
    void WriteEntry(std::string_view, std::string_view, std::string_view) override { ++count; }
    void WriteNumber(std::string_view, std::string_view, long double) override { ++count; }
    int count = 0;
};

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace tervox;
    if (size < 1)
        return 0;
    // First byte: engine type and separator; the rest: the fields' texts split at
    // newlines, in the order of the field table; missing fields keep their defaults.
    const bool gasoline = data[0] & 1;
    const report::RegionalSettings settings{(data[0] & 2) ? "." : ",", "dd.MM.yyyy"};
    calc::FieldTexts texts;
    std::string_view rest(reinterpret_cast<const char*>(data + 1), size - 1);
    for (std::string_view name : calc::kFieldNames) {
        if (rest.empty())
            break;
        const std::size_t nl = rest.find('\n');
        *texts.field(name) = std::string(rest.substr(0, nl));
        rest = nl == std::string_view::npos ? std::string_view{} : rest.substr(nl + 1);
    }
    CountingSink sink;
    calc::CalcState state;
    try {
        calc::RunCalculation(texts, gasoline, settings, sink, state, {2026, 3, 5});
        if (sink.count != (gasoline ? 75 : 73))
            std::abort();
    } catch (const calc::ConversionError&) {
        if (sink.count != 0)
            std::abort();
    } catch (const calc::FloatingPointError&) {
        if (sink.count >= (gasoline ? 75 : 73))
            std::abort();
    }
    return 0;
}
