#pragma once

#include "numberformat.h"
#include "resultsink.h"

#include <string>
#include <vector>

namespace tervox::test {

// Keeps the entries of a run in memory, in the order written.
class RecordingSink final : public report::ResultSink {
public:
    struct Entry {
        std::string section, key, text;
        long double value = 0;
    };

    void WriteEntry(std::string_view section, std::string_view key,
                    std::string_view text) override {
        entries.push_back({std::string(section), std::string(key), std::string(text), 0});
    }
    void WriteNumber(std::string_view section, std::string_view key, long double value) override {
        entries.push_back({std::string(section), std::string(key),
                           report::FormatNumber(value, ","), value});
    }

    const Entry* find(std::string_view key) const {
        for (const Entry& e : entries)
            if (e.key == key)
                return &e;
        return nullptr;
    }

    std::vector<Entry> entries;
};

} // namespace tervox::test
