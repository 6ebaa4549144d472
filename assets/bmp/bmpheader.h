#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>

namespace tervox::assets {

// What the headers of an uncompressed Windows bitmap say about it.
struct BmpHeader {
    std::int32_t width = 0;
    std::int32_t height = 0;  // rows; positive for the usual bottom-up layout
    bool bottomUp = true;
    std::uint16_t bitsPerPixel = 0;
    std::uint32_t compression = 0;  // 0: none
    std::uint32_t paletteSize = 0;  // colour-table entries; 0 above 8 bits per pixel
    std::uint32_t pixelOffset = 0;
    std::uint32_t fileSize = 0;
};

// The headers of a bitmap held in memory, or nullopt when the data is not a
// complete uncompressed bitmap with a 40-byte (or larger) info header: pixel
// rows and colour table must lie wholly within `size`.
std::optional<BmpHeader> ParseBmpHeader(const std::uint8_t* data, std::size_t size);

}  // namespace tervox::assets
