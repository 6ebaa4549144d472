#pragma once

#include "fieldtexts.h"

#include <optional>
#include <stdexcept>
#include <string>
#include <vector>

namespace tervox::cli {

// What the command line asked for.
struct CliArguments {
    bool help = false;
    bool gasoline = false; // the engine type defaults to Diesel
    std::optional<std::string> reportPath;
    std::optional<std::string> decimalSeparator;
    std::optional<std::string> dateFormat;
    calc::FieldTexts fields; // the window's default texts, overridden by NAME=TEXT
};

// Parses argv[1..]; returns the arguments or throws UsageError with a one-line reason.
CliArguments ParseCliArguments(const std::vector<std::string>& args);

class UsageError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// The usage text printed by --help.
std::string UsageText();

} // namespace tervox::cli
