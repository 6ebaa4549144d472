#include "maskdata.h"

#include <algorithm>
#include <utility>

namespace tervox::maskdata {

Rect BoundsOf(const std::vector<Rect>& rects) {
    if (rects.empty())
        return {0, 0, 0, 0};
    Rect b = rects.front();
    for (const Rect& r : rects) {
        b.left = std::min(b.left, r.left);
        b.top = std::min(b.top, r.top);
        b.right = std::max(b.right, r.right);
        b.bottom = std::max(b.bottom, r.bottom);
    }
    return b;
}

Mask MaskFromCoverage(const std::vector<std::uint8_t>& coverage, int width, int height) {
    Mask mask{{0, 0, 0, 0}, {}};
    if (width <= 0 || height <= 0 ||
        coverage.size() < static_cast<std::size_t>(width) * static_cast<std::size_t>(height))
        return mask;

    using Runs = std::vector<std::pair<int, int>>;  // [left, right) per run
    auto runsOfRow = [&](int y) {
        Runs runs;
        const std::uint8_t* row = coverage.data() + static_cast<std::size_t>(y) * width;
        for (int x = 0; x < width;) {
            if (!row[x]) {
                ++x;
                continue;
            }
            const int start = x;
            while (x < width && row[x])
                ++x;
            runs.emplace_back(start, x);
        }
        return runs;
    };

    int bandTop = 0;
    Runs bandRuns = runsOfRow(0);
    auto closeBand = [&](int bandBottom) {
        for (const auto& [l, r] : bandRuns)
            mask.rects.push_back({l, bandTop, r, bandBottom});
    };
    for (int y = 1; y < height; ++y) {
        Runs runs = runsOfRow(y);
        if (runs == bandRuns)
            continue;
        closeBand(y);
        bandTop = y;
        bandRuns = std::move(runs);
    }
    closeBand(height);
    mask.bounds = BoundsOf(mask.rects);
    return mask;
}

bool Contains(const Mask& mask, std::int32_t x, std::int32_t y) {
    return std::any_of(mask.rects.begin(), mask.rects.end(), [&](const Rect& r) {
        return r.left <= x && x < r.right && r.top <= y && y < r.bottom;
    });
}

bool ContainsRect(const Mask& mask, const Rect& rect) {
    if (rect.left >= rect.right || rect.top >= rect.bottom)
        return true;  // an empty rectangle has no pixel outside
    // Rows between two consecutive rectangle edges are covered alike, so one row
    // per stretch decides for the whole stretch.
    std::vector<std::int32_t> rows{rect.top};
    for (const Rect& r : mask.rects) {
        if (r.top > rect.top && r.top < rect.bottom)
            rows.push_back(r.top);
        if (r.bottom > rect.top && r.bottom < rect.bottom)
            rows.push_back(r.bottom);
    }
    std::sort(rows.begin(), rows.end());
    rows.erase(std::unique(rows.begin(), rows.end()), rows.end());

    for (const std::int32_t y : rows) {
        std::vector<std::pair<std::int32_t, std::int32_t>> spans;
        for (const Rect& r : mask.rects)
            if (r.top <= y && y < r.bottom)
                spans.emplace_back(r.left, r.right);
        std::sort(spans.begin(), spans.end());
        std::int64_t reached = rect.left;  // first column not yet known to be covered
        for (const auto& [l, r] : spans) {
            if (l > reached)
                break;
            reached = std::max<std::int64_t>(reached, r);
            if (reached >= rect.right)
                break;
        }
        if (reached < rect.right)
            return false;
    }
    return true;
}

}  // namespace tervox::maskdata
