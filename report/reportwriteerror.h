#pragma once

#include <stdexcept>
#include <string>

namespace tervox::report {

// A report entry that could not be carried to the file: "Unable to write to PATH".
class ReportWriteError : public std::runtime_error {
public:
    explicit ReportWriteError(const std::string& path)
        : std::runtime_error("Unable to write to " + path) {}
};

} // namespace tervox::report
