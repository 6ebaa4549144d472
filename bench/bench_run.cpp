// The cost of a calculation run: computed in memory with every number formatted
// (the run's own work), and whole, with the 73 or 75 write-through updates of the
// report file.
#include "numberformat.h"
#include "powerext.h"
#include "resultreport.h"
#include "runcalculation.h"

#include <benchmark/benchmark.h>
#include <filesystem>
#include <unistd.h>

namespace {

using namespace tervox;

const report::RegionalSettings kSettings{",", "dd.MM.yyyy"};

// Formats every number as the report would, and keeps nothing.
class FormattingSink final : public report::ResultSink {
public:
    void WriteEntry(std::string_view, std::string_view, std::string_view text) override {
        benchmark::DoNotOptimize(text.data());
    }
    void WriteNumber(std::string_view, std::string_view, long double value) override {
        std::string text = report::FormatNumber(value, ",");
        benchmark::DoNotOptimize(text.data());
    }
};

void BM_RunInMemory(benchmark::State& st) {
    const bool gasoline = st.range(0) != 0;
    calc::FieldTexts texts;
    calc::CalcState state;
    FormattingSink sink;
    for (auto _ : st)
        calc::RunCalculation(texts, gasoline, kSettings, sink, state, {2026, 3, 5});
}
BENCHMARK(BM_RunInMemory)->Arg(0)->Arg(1)->ArgName("gasoline");

void BM_RunToReportFile(benchmark::State& st) {
    const bool gasoline = st.range(0) != 0;
    const std::filesystem::path path = std::filesystem::temp_directory_path() /
                                       ("tervox_bench_" + std::to_string(::getpid())) / "result.txt";
    calc::FieldTexts texts;
    calc::CalcState state;
    for (auto _ : st) {
        report::ResultReport report(path.string(), kSettings);
        calc::RunCalculation(texts, gasoline, kSettings, report, state, {2026, 3, 5});
    }
    std::filesystem::remove_all(path.parent_path());
}
BENCHMARK(BM_RunToReportFile)->Arg(0)->Arg(1)->ArgName("gasoline")->Unit(benchmark::kMillisecond);

void BM_FormatNumber(benchmark::State& st) {
    long double v = 0.961314855516948123L;
    for (auto _ : st) {
        std::string text = report::FormatNumber(v, ",");
        benchmark::DoNotOptimize(text.data());
    }
}
BENCHMARK(BM_FormatNumber);

void BM_PowerExtFractional(benchmark::State& st) {
    calc::Ext base(16), exponent(1.37L);
    for (auto _ : st) {
        benchmark::DoNotOptimize(base);
        benchmark::DoNotOptimize(calc::PowerExt(base, exponent));
    }
}
BENCHMARK(BM_PowerExtFractional);

} // namespace

BENCHMARK_MAIN();
