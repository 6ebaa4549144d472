#pragma once

#include "regionalsettings.h"
#include "resultsink.h"

#include <string>

namespace tervox::report {

// The results report: an INI-layout file in code page 1251 with CR LF line ends.
// Holds nothing but the path and the number format's separator; making one touches
// no file. Every entry is on disk when its write returns, and the file is replaced
// atomically (temporary file + rename), so no reader ever sees it half-written.
class ResultReport final : public ResultSink {
public:
    ResultReport(std::string path, RegionalSettings settings);

    void WriteEntry(std::string_view section, std::string_view key,
                    std::string_view text) override;
    void WriteNumber(std::string_view section, std::string_view key, long double value) override;

    const std::string& path() const { return m_path; }

private:
    std::string m_path;
    RegionalSettings m_settings;
};

} // namespace tervox::report
