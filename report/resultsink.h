#pragma once

#include <string_view>

namespace tervox::report {

// Where a run hands its entries, in the order it produces them. The report file
// is the real sink; tests and the design-study sweeps use others.
class ResultSink {
public:
    virtual ~ResultSink() = default;

    // Adds or updates one entry; throws on failure.
    virtual void WriteEntry(std::string_view section, std::string_view key,
                            std::string_view text) = 0;
    // Formats the number and adds or updates its entry; throws on failure.
    virtual void WriteNumber(std::string_view section, std::string_view key, long double value) = 0;
};

} // namespace tervox::report
