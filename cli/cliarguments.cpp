#include "cliarguments.h"

namespace tervox::cli {

std::string UsageText() {
    return "Usage: tervox-calc [--gasoline | --diesel] [--report PATH] [--decimal-separator SEP]\n"
           "                   [--date-format PATTERN] [--diagram FILE] [--estimate]\n"
           "                   [--sweep NAME=VALUES ...] [--csv FILE] [--json FILE] [NAME=TEXT ...]\n"
           "\n"
           "Runs one thermal calculation of a four-stroke engine, as the calculator window does,\n"
           "and writes the results report.\n"
           "\n"
           "  --gasoline, --diesel     engine type (default: diesel)\n"
           "  --report PATH            report file (default: Documents/Tervox/result.txt)\n"
           "  --decimal-separator SEP  decimal separator (default: the regional settings)\n"
           "  --date-format PATTERN    short date format, Qt letters such as dd.MM.yyyy\n"
           "                           (default: the regional settings)\n"
           "  --diagram FILE           also write the indicator diagram of the run (.svg, .png, .csv)\n"
           "  --estimate               also print the estimated combustion state (Tz, Pz, rho)\n"
           "                           as NAME=VALUE arguments\n"
           "  --sweep NAME=FROM:TO:STEP, --sweep NAME=v1;v2;...\n"
           "                           a design study: every combination of the swept fields'\n"
           "                           values (repeatable); rows go to --csv or --json, and the\n"
           "                           report is written only when --report is given\n"
           "  --csv FILE, --json FILE  machine-readable results ('-' for standard output)\n"
           "  NAME=TEXT                the text of an input field, exactly as typed; NAME is one\n"
           "                           of Chislocilind Chastota Izbytokvoz Nmosnost StSzhatia Toe\n"
           "                           Poe poctkoeff totrab DeltT betaplusksi Dublw fii fi1 nodin\n"
           "                           ksizet ndva tzet Pzet lambd roh phii koefa koefb skpor k_tk\n"
           "\n"
           "Exit status: 0 the run completed, 1 the run stopped (the reason on standard error),\n"
           "2 a usage error.\n";
}

CliArguments ParseCliArguments(const std::vector<std::string>& args) {
    CliArguments out;
    bool typeGiven = false;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& arg = args[i];
        // --option VALUE and --option=VALUE
        const auto valueOf = [&](std::string_view option) -> std::optional<std::string> {
            if (arg == option) {
                if (i + 1 >= args.size())
                    throw UsageError("option " + std::string(option) + " needs a value");
                return args[++i];
            }
            const std::string prefix = std::string(option) + "=";
            if (arg.rfind(prefix, 0) == 0)
                return arg.substr(prefix.size());
            return std::nullopt;
        };

        if (arg == "--help" || arg == "-h") {
            out.help = true;
        } else if (arg == "--gasoline" || arg == "--diesel") {
            const bool gasoline = arg == "--gasoline";
            if (typeGiven && gasoline != out.gasoline)
                throw UsageError("--gasoline and --diesel exclude each other");
            out.gasoline = gasoline;
            typeGiven = true;
        } else if (auto v = valueOf("--report")) {
            out.reportPath = *v;
        } else if (auto v2 = valueOf("--decimal-separator")) {
            if (v2->empty())
                throw UsageError("the decimal separator must not be empty");
            out.decimalSeparator = *v2;
        } else if (auto v3 = valueOf("--date-format")) {
            out.dateFormat = *v3;
        } else if (auto v4 = valueOf("--diagram")) {
            out.diagramPath = *v4;
        } else if (arg == "--estimate") {
            out.estimate = true;
        } else if (auto v5 = valueOf("--sweep")) {
            const std::size_t eq = v5->find('=');
            if (eq == std::string::npos || eq == 0)
                throw UsageError("malformed sweep " + *v5 + ": expected NAME=FROM:TO:STEP or NAME=v1;v2;...");
            const std::string name = v5->substr(0, eq);
            if (!calc::FieldTexts{}.field(name))
                throw UsageError("malformed sweep " + *v5 + ": unknown field name " + name);
            out.sweeps.push_back({name, v5->substr(eq + 1)});
        } else if (auto v6 = valueOf("--csv")) {
            out.csvPath = *v6;
        } else if (auto v7 = valueOf("--json")) {
            out.jsonPath = *v7;
        } else if (arg.rfind("--", 0) == 0) {
            throw UsageError("unknown option " + arg);
        } else {
            const std::size_t eq = arg.find('=');
            if (eq == std::string::npos)
                throw UsageError("expected NAME=TEXT, got " + arg);
            const std::string name = arg.substr(0, eq);
            std::string* field = out.fields.field(name);
            if (!field)
                throw UsageError("unknown field name " + name);
            *field = arg.substr(eq + 1);
        }
    }
    return out;
}

} // namespace tervox::cli
