#include "sweeprunner.h"

#include "tableoutput.h"

#include <algorithm>
#include <atomic>
#include <string>
#include <thread>
#include <vector>

namespace tervox::cli {
namespace {

constexpr std::size_t kChunkPoints = 512;   // points one thread does at a time
constexpr std::size_t kChunksPerThread = 4; // chunks per thread in one batch

struct Chunk {
    std::size_t first = 0, last = 0;
    std::string csv, json;
};

void ComputeChunk(const calc::SweepGrid& grid, const SweepOutput& out, Chunk& chunk) {
    chunk.csv.clear();
    chunk.json.clear();
    calc::ResultRow row;
    for (std::size_t i = chunk.first; i < chunk.last; ++i) {
        grid.compute(i, row);
        if (out.csv)
            chunk.csv += CsvRow(row);
        if (out.json) {
            if (i != 0)
                chunk.json += ",\n";
            chunk.json += JsonObject(row);
        }
    }
}

bool Write(std::FILE* f, const std::string& text) {
    return !f || text.empty() || std::fwrite(text.data(), 1, text.size(), f) == text.size();
}

} // namespace

bool RunSweep(const calc::SweepGrid& grid, const SweepOutput& out, unsigned threads,
              const std::function<void(std::size_t, std::size_t)>& progress) {
    threads = std::max(1u, threads);
    const std::size_t total = grid.size();
    bool ok = Write(out.csv, CsvHeader()) && Write(out.json, "[\n");

    std::vector<Chunk> batch(threads * kChunksPerThread);
    for (std::size_t done = 0; ok && done < total;) {
        std::size_t chunks = 0;
        for (Chunk& c : batch) {
            if (done >= total)
                break;
            c.first = done;
            c.last = std::min(total, done + kChunkPoints);
            done = c.last;
            ++chunks;
        }
        std::atomic<std::size_t> next{0};
        const auto work = [&] {
            for (std::size_t k; (k = next.fetch_add(1)) < chunks;)
                ComputeChunk(grid, out, batch[k]);
        };
        {
            std::vector<std::jthread> workers;
            const unsigned n = static_cast<unsigned>(std::min<std::size_t>(threads, chunks));
            for (unsigned t = 1; t < n; ++t)
                workers.emplace_back(work);
            work();
        }
        for (std::size_t k = 0; ok && k < chunks; ++k)
            ok = Write(out.csv, batch[k].csv) && Write(out.json, batch[k].json);
        if (progress)
            progress(done, total);
    }
    if (ok)
        ok = Write(out.json, "\n]\n");
    return ok;
}

} // namespace tervox::cli
