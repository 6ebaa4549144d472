#pragma once

#include "sweep.h"

#include <cstdio>
#include <functional>

namespace tervox::cli {

// Where a sweep's rows go; either may be null.
struct SweepOutput {
    std::FILE* csv = nullptr;
    std::FILE* json = nullptr;
};

// Computes every point of the grid on `threads` threads and streams the rows to
// the output in grid order. Memory stays bounded whatever the grid's size: the
// points are done in batches of chunks, each batch written before the next starts.
// `progress(done, total)` is called between batches. Returns false when a write
// to the output failed.
bool RunSweep(const calc::SweepGrid& grid, const SweepOutput& out, unsigned threads,
              const std::function<void(std::size_t, std::size_t)>& progress = {});

} // namespace tervox::cli
