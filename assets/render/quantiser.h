#pragma once

#include <cstdint>
#include <vector>

namespace tervox::assets {

struct Rgb {
    std::uint8_t r, g, b;
    friend bool operator==(const Rgb&, const Rgb&) = default;
};

struct IndexedPicture {
    std::vector<Rgb> palette;             // exactly the requested number of entries
    std::vector<std::uint8_t> indices;    // row-major, one per pixel
};

// Reduces `pixels` to a palette of exactly `colours` entries (2..256) by median
// cut refined with a few rounds of nearest-colour averaging, then maps every
// pixel to its nearest entry without dithering, so lines and edges stay crisp.
// Pictures with no more distinct colours than that keep them exactly; unused
// entries are filled with black. Deterministic: no randomness, and ties are
// broken by position.
IndexedPicture Quantise(const std::vector<Rgb>& pixels, int colours);

}  // namespace tervox::assets
