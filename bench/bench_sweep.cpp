// Design studies: points computed per second on one thread, and points computed
// and written as CSV rows per second on one thread.
#include "sweep.h"
#include "tableoutput.h"

#include <benchmark/benchmark.h>

namespace {

using namespace tervox;

calc::SweepGrid MakeGrid() {
    std::vector<calc::SweepAxis> axes{
        calc::ExpandSweepAxis(calc::FieldId::Chastota, "1500:4000:1", ","),
        calc::ExpandSweepAxis(calc::FieldId::Izbytokvoz, "1,2:1,8:0,1", ","),
    };
    return calc::SweepGrid({}, false, axes, {",", "dd.MM.yyyy"});
}

void BM_SweepPointComputed(benchmark::State& st) {
    const calc::SweepGrid grid = MakeGrid();
    calc::ResultRow row;
    std::size_t i = 0;
    for (auto _ : st) {
        grid.compute(i, row);
        benchmark::DoNotOptimize(row.values.data());
        i = (i + 1) % grid.size();
    }
    st.SetItemsProcessed(static_cast<std::int64_t>(st.iterations()));
}
BENCHMARK(BM_SweepPointComputed);

void BM_SweepPointAsCsv(benchmark::State& st) {
    const calc::SweepGrid grid = MakeGrid();
    calc::ResultRow row;
    std::size_t i = 0;
    for (auto _ : st) {
        grid.compute(i, row);
        std::string line = cli::CsvRow(row);
        benchmark::DoNotOptimize(line.data());
        i = (i + 1) % grid.size();
    }
    st.SetItemsProcessed(static_cast<std::int64_t>(st.iterations()));
}
BENCHMARK(BM_SweepPointAsCsv);

} // namespace

BENCHMARK_MAIN();
