#pragma once

#include <string>

namespace tervox::report {

// The two regional settings that reach the report and the parser: the decimal
// separator (UTF-8, normally "," or ".") and the short date format written with
// Qt's pattern letters (dd.MM.yyyy, M/d/yy, ...). The core never asks the
// process locale for them; the windows and the command line fill this in.
struct RegionalSettings {
    std::string decimalSeparator = ",";
    std::string shortDateFormat = "dd.MM.yyyy";
};

} // namespace tervox::report
