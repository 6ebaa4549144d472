// tervox-calc: the calculator window's run without the window, for scripts, tests
// and design studies.
#include "cliarguments.h"
#include "diagramoutput.h"
#include "platformsettings.h"
#include "reportwriteerror.h"
#include "resultreport.h"
#include "runcalculation.h"
#include "sweep.h"
#include "sweeprunner.h"
#include "tableoutput.h"

#include <chrono>
#include <cstdio>
#include <exception>
#include <iostream>
#include <memory>
#include <thread>
#include <unistd.h>

namespace {

using namespace tervox;

struct FileCloser {
    void operator()(std::FILE* f) const {
        if (f && f != stdout)
            std::fclose(f);
    }
};
using File = std::unique_ptr<std::FILE, FileCloser>;

// Opens an output named on the command line; "-" is standard output.
File OpenOutput(const std::optional<std::string>& path) {
    if (!path)
        return nullptr;
    if (*path == "-")
        return File(stdout);
    return File(std::fopen(path->c_str(), "wb"));
}

bool Finish(File& f) {
    if (!f)
        return true;
    const bool ok = std::fflush(f.get()) == 0 && !std::ferror(f.get());
    if (f.get() != stdout)
        return (std::fclose(f.release()) == 0) && ok;
    return ok;
}

int CannotWrite(const std::string& path) {
    std::cerr << calc::ErrorDisplayText(report::ReportWriteError(path).what()) << '\n';
    return 1;
}

// A bar on standard error for grids that take longer than a second, when a person
// is watching (standard error is a terminal).
class ProgressBar {
public:
    ProgressBar() : m_enabled(::isatty(2) != 0), m_start(std::chrono::steady_clock::now()) {}
    void operator()(std::size_t done, std::size_t total) {
        if (!m_enabled)
            return;
        const auto now = std::chrono::steady_clock::now();
        if (now - m_start < std::chrono::seconds(1) || now - m_last < std::chrono::milliseconds(100))
            if (done != total || !m_shown)
                return;
        m_last = now;
        m_shown = true;
        constexpr int width = 40;
        const int filled = static_cast<int>(width * done / total);
        std::fprintf(stderr, "\r[%s%s] %3d%% %zu/%zu points", std::string(filled, '#').c_str(),
                     std::string(width - filled, ' ').c_str(), static_cast<int>(100 * done / total),
                     done, total);
        if (done == total)
            std::fputc('\n', stderr);
        std::fflush(stderr);
    }

private:
    bool m_enabled;
    bool m_shown = false;
    std::chrono::steady_clock::time_point m_start, m_last;
};

int RunSweepCommand(const cli::CliArguments& a, const report::RegionalSettings& settings) {
    std::vector<calc::SweepAxis> axes;
    try {
        for (const auto& s : a.sweeps)
            axes.push_back(calc::ExpandSweepAxis(*calc::FieldIdOf(s.name), s.text,
                                                 settings.decimalSeparator));
    } catch (const calc::SweepSpecError& e) {
        std::cerr << "tervox-calc: malformed sweep: " << e.what() << " (see --help)\n";
        return 2;
    }
    std::unique_ptr<calc::SweepGrid> grid;
    try {
        grid = std::make_unique<calc::SweepGrid>(a.fields, a.gasoline, axes, settings);
    } catch (const calc::SweepSpecError& e) {
        std::cerr << "tervox-calc: malformed sweep: " << e.what() << " (see --help)\n";
        return 2;
    }

    const std::optional<std::string> csvPath =
        (a.csvPath || a.jsonPath) ? a.csvPath : std::optional<std::string>("-");
    File csv = OpenOutput(csvPath);
    if (csvPath && !csv)
        return CannotWrite(*csvPath);
    File json = OpenOutput(a.jsonPath);
    if (a.jsonPath && !json)
        return CannotWrite(*a.jsonPath);

    ProgressBar bar;
    const unsigned threads = std::max(1u, std::thread::hardware_concurrency());
    const bool written = cli::RunSweep(*grid, {csv.get(), json.get()}, threads, std::ref(bar));
    if (!Finish(csv) || !written)
        return CannotWrite(csvPath ? *csvPath : *a.jsonPath);
    if (!Finish(json))
        return CannotWrite(*a.jsonPath);

    // The report only on request: the points' runs in grid order, as consecutive
    // runs in the window would leave it.
    if (a.reportPath) {
        calc::CalcState state;
        for (std::size_t i = 0; i < grid->size(); ++i) {
            try {
                calc::RunCalculation(grid->texts(i), a.gasoline, settings, *a.reportPath, state);
            } catch (const report::ReportWriteError& e) {
                std::cerr << calc::ErrorDisplayText(e.what()) << '\n';
                return 1;
            } catch (const std::exception&) {
                // The point's own stop is already in its row.
            }
        }
    }
    return 0;
}

} // namespace

int main(int argc, char** argv) {
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
    if (const auto problem = cli::DiagramUsageProblem(a)) {
        std::cerr << "tervox-calc: " << *problem << " (see --help)\n";
        return 2;
    }

    report::RegionalSettings settings = platform::SystemRegionalSettings();
    if (a.decimalSeparator)
        settings.decimalSeparator = *a.decimalSeparator;
    if (a.dateFormat)
        settings.shortDateFormat = *a.dateFormat;

    if (!a.sweeps.empty())
        return RunSweepCommand(a, settings);

    const std::string reportPath =
        a.reportPath ? *a.reportPath : platform::DefaultReportPath().toStdString();

    calc::CalcState state;
    calc::ResultRow row;
    row.gasoline = a.gasoline;
    for (std::size_t i = 0; i < calc::kFieldCount; ++i) {
        const auto id = static_cast<calc::FieldId>(i);
        row.inputs[i] = calc::ParseField(id, a.fields.text(id), settings.decimalSeparator).value;
    }
    std::string failure;
    try {
        report::ResultReport report(reportPath, settings);
        calc::RunCalculation(a.fields, a.gasoline, settings, report, state, report::Today(),
                             row.values.data());
        row.status = "ok";
    } catch (const std::exception& e) {
        row.status = e.what();
        failure = calc::ErrorDisplayText(e.what());
    }

    // Machine-readable copies of the run, for scripts that must not parse the report.
    File csv = OpenOutput(a.csvPath);
    if (a.csvPath && !csv)
        return CannotWrite(*a.csvPath);
    if (csv) {
        const std::string text = cli::CsvHeader() + cli::CsvRow(row);
        std::fwrite(text.data(), 1, text.size(), csv.get());
        if (!Finish(csv))
            return CannotWrite(*a.csvPath);
    }
    File json = OpenOutput(a.jsonPath);
    if (a.jsonPath && !json)
        return CannotWrite(*a.jsonPath);
    if (json) {
        const std::string text = cli::JsonObject(row) + "\n";
        std::fwrite(text.data(), 1, text.size(), json.get());
        if (!Finish(json))
            return CannotWrite(*a.jsonPath);
    }

    if (!failure.empty()) {
        std::cerr << failure << '\n';
        return 1;
    }
    // With a table on standard output, the message goes to standard error so that
    // the output stays machine-readable.
    const bool stdoutTaken = a.csvPath == "-" || a.jsonPath == "-";
    (stdoutTaken ? std::cerr : std::cout) << calc::SavedResultsMessage(reportPath) << '\n';
    return cli::WriteDiagramOutputs(a, state, settings, stdoutTaken ? std::cerr : std::cout,
                                    std::cerr);
}
