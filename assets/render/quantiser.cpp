#include "quantiser.h"

#include <algorithm>
#include <array>
#include <climits>
#include <cmath>
#include <cstdint>
#include <map>
#include <unordered_map>

namespace tervox::assets {
namespace {

struct Entry {
    std::uint32_t key;  // 0xRRGGBB
    std::uint32_t count;
    int channel(int c) const { return static_cast<int>((key >> (16 - 8 * c)) & 0xff); }
};

struct Box {
    std::size_t begin, end;  // range of the sorted histogram
};

std::uint32_t keyOf(const Rgb& c) {
    return static_cast<std::uint32_t>(c.r) << 16 | static_cast<std::uint32_t>(c.g) << 8 | c.b;
}

// Perceptual weights keep greens and greys apart better than plain RGB distance.
int distance(const std::array<int, 3>& a, const std::array<int, 3>& b) {
    const int dr = a[0] - b[0], dg = a[1] - b[1], db = a[2] - b[2];
    return 3 * dr * dr + 4 * dg * dg + 2 * db * db;
}

std::array<int, 3> channels(std::uint32_t key) {
    return {static_cast<int>(key >> 16 & 0xff), static_cast<int>(key >> 8 & 0xff),
            static_cast<int>(key & 0xff)};
}

}  // namespace

IndexedPicture Quantise(const std::vector<Rgb>& pixels, int colours) {
    colours = std::clamp(colours, 2, 256);
    std::map<std::uint32_t, std::uint32_t> counts;  // ordered: deterministic
    for (const Rgb& p : pixels)
        ++counts[keyOf(p)];
    std::vector<Entry> hist;
    hist.reserve(counts.size());
    for (const auto& [k, n] : counts)
        hist.push_back({k, n});

    std::vector<std::array<int, 3>> palette;
    if (static_cast<int>(hist.size()) <= colours) {
        for (const Entry& e : hist)
            palette.push_back(channels(e.key));
    } else {
        std::vector<Box> boxes{{0, hist.size()}};
        auto spread = [&](const Box& b, int c) {
            int lo = 255, hi = 0;
            for (std::size_t i = b.begin; i < b.end; ++i) {
                lo = std::min(lo, hist[i].channel(c));
                hi = std::max(hi, hist[i].channel(c));
            }
            return hi - lo;
        };
        while (static_cast<int>(boxes.size()) < colours) {
            // Split the box whose widest channel, weighted by its pixel count, is largest.
            std::size_t pick = boxes.size();
            double best = -1;
            int bestChannel = 0;
            for (std::size_t i = 0; i < boxes.size(); ++i) {
                if (boxes[i].end - boxes[i].begin < 2)
                    continue;
                std::uint64_t population = 0;
                for (std::size_t j = boxes[i].begin; j < boxes[i].end; ++j)
                    population += hist[j].count;
                for (int c = 0; c < 3; ++c) {
                    const double score = spread(boxes[i], c) * std::sqrt(double(population));
                    if (score > best) {
                        best = score;
                        pick = i;
                        bestChannel = c;
                    }
                }
            }
            if (pick == boxes.size())
                break;
            Box& box = boxes[pick];
            std::stable_sort(hist.begin() + static_cast<std::ptrdiff_t>(box.begin),
                             hist.begin() + static_cast<std::ptrdiff_t>(box.end),
                             [&](const Entry& a, const Entry& b) {
                                 return a.channel(bestChannel) < b.channel(bestChannel);
                             });
            std::uint64_t total = 0;
            for (std::size_t j = box.begin; j < box.end; ++j)
                total += hist[j].count;
            std::uint64_t acc = 0;
            std::size_t cut = box.begin + 1;
            for (std::size_t j = box.begin; j < box.end - 1; ++j) {
                acc += hist[j].count;
                cut = j + 1;
                if (2 * acc >= total)
                    break;
            }
            const Box upper{cut, box.end};
            box.end = cut;
            boxes.push_back(upper);
        }
        for (const Box& b : boxes) {
            double sum[3] = {0, 0, 0}, n = 0;
            for (std::size_t j = b.begin; j < b.end; ++j) {
                for (int c = 0; c < 3; ++c)
                    sum[c] += double(hist[j].channel(c)) * hist[j].count;
                n += hist[j].count;
            }
            palette.push_back({int(sum[0] / n + 0.5), int(sum[1] / n + 0.5), int(sum[2] / n + 0.5)});
        }
        // A few rounds of moving each entry to the mean of the colours nearest to it.
        for (int round = 0; round < 4; ++round) {
            std::vector<std::array<double, 4>> acc(palette.size(), {0, 0, 0, 0});
            for (const Entry& e : hist) {
                const auto c = channels(e.key);
                std::size_t best = 0;
                int bestD = INT32_MAX;
                for (std::size_t i = 0; i < palette.size(); ++i) {
                    const int d = distance(c, palette[i]);
                    if (d < bestD) {
                        bestD = d;
                        best = i;
                    }
                }
                for (int k = 0; k < 3; ++k)
                    acc[best][k] += double(c[k]) * e.count;
                acc[best][3] += e.count;
            }
            for (std::size_t i = 0; i < palette.size(); ++i)
                if (acc[i][3] > 0)
                    for (int k = 0; k < 3; ++k)
                        palette[i][k] = int(acc[i][k] / acc[i][3] + 0.5);
        }
    }
    // Dark to light, so the colour table reads sensibly in any viewer.
    std::stable_sort(palette.begin(), palette.end(), [](const auto& a, const auto& b) {
        const int la = 299 * a[0] + 587 * a[1] + 114 * a[2];
        const int lb = 299 * b[0] + 587 * b[1] + 114 * b[2];
        return la != lb ? la < lb : a < b;
    });

    IndexedPicture out;
    for (const auto& c : palette)
        out.palette.push_back({std::uint8_t(c[0]), std::uint8_t(c[1]), std::uint8_t(c[2])});
    out.palette.resize(static_cast<std::size_t>(colours), Rgb{0, 0, 0});

    std::unordered_map<std::uint32_t, std::uint8_t> nearest;
    out.indices.reserve(pixels.size());
    for (const Rgb& p : pixels) {
        const std::uint32_t k = keyOf(p);
        auto it = nearest.find(k);
        if (it == nearest.end()) {
            const auto c = channels(k);
            std::size_t best = 0;
            int bestD = INT32_MAX;
            for (std::size_t i = 0; i < palette.size(); ++i) {
                const int d = distance(c, palette[i]);
                if (d < bestD) {
                    bestD = d;
                    best = i;
                }
            }
            it = nearest.emplace(k, static_cast<std::uint8_t>(best)).first;
        }
        out.indices.push_back(it->second);
    }
    return out;
}

}  // namespace tervox::assets
