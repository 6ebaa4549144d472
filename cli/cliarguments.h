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

    // Indicator diagram and combustion-state estimate of the run.
    std::optional<std::string> diagramPath; // .svg, .png or .csv
    bool estimate = false;

    // Design studies: --sweep NAME=FROM:TO:STEP or NAME=v1;v2;v3, repeatable.
    struct Sweep {
        std::string name;
        std::string text;
    };
    std::vector<Sweep> sweeps;
    std::optional<std::string> csvPath;  // "-" for standard output
    std::optional<std::string> jsonPath; // "-" for standard output
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
