// tervox-calc: the calculator window's run without the window, for scripts and tests.
#include "cliarguments.h"
#include "platformsettings.h"
#include "runcalculation.h"

#include <cstdio>
#include <exception>
#include <iostream>

int main(int argc, char** argv) {
    using namespace tervox;
    const std::vector<std::string> args(argv + 1, argv + argc);

    cli::CliArguments a;
    try {
        a = cli::ParseCliArguments(args);
    } catch (const cli::UsageError& e) {
        std::cerr << "tervox-calc: " << e.what() << " (see --help)\n";
        return 2;
    }
    if (a.help) {
        std::cout << cli::UsageText();
        return 0;
    }

    report::RegionalSettings settings = platform::SystemRegionalSettings();
    if (a.decimalSeparator)
        settings.decimalSeparator = *a.decimalSeparator;
    if (a.dateFormat)
        settings.shortDateFormat = *a.dateFormat;
    const std::string reportPath =
        a.reportPath ? *a.reportPath : platform::DefaultReportPath().toStdString();

    calc::CalcState state;
    try {
        calc::RunCalculation(a.fields, a.gasoline, settings, reportPath, state);
    } catch (const std::exception& e) {
        std::cerr << calc::ErrorDisplayText(e.what()) << '\n';
        return 1;
    }
    std::cout << calc::SavedResultsMessage(reportPath) << '\n';
    return 0;
}
