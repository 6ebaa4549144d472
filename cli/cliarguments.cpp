#include "cliarguments.h"

namespace tervox::cli {

std::string UsageText() {
    return "Usage: tervox-calc [--gasoline | --diesel] [--report PATH] [--decimal-separator SEP]\n"
           "                   [--date-format PATTERN] [NAME=TEXT ...]\n"
           "\n"
           "Runs one thermal calculation of a four-stroke engine, as the calculator window does,\n"
           "and writes the results report.\n"
           "\n"
           "  --gasoline, --diesel     engine type (default: diesel)\n"
           "  --report PATH            report file (default: Documents/Tervox/result.txt)\n"
           "  --decimal-separator SEP  decimal separator (default: the regional settings)\n"
           "  --date-format PATTERN    short date format, Qt letters such as dd.MM.yyyy\n"
           "                           (default: the regional settings)\n"
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
