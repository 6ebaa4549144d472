#include "bmpheader.h"

namespace tervox::assets {
namespace {

std::uint32_t u32(const std::uint8_t* p) {
    return static_cast<std::uint32_t>(p[0]) | static_cast<std::uint32_t>(p[1]) << 8 |
           static_cast<std::uint32_t>(p[2]) << 16 | static_cast<std::uint32_t>(p[3]) << 24;
}
std::uint16_t u16(const std::uint8_t* p) {
    return static_cast<std::uint16_t>(p[0] | p[1] << 8);
}

}  // namespace

std::optional<BmpHeader> ParseBmpHeader(const std::uint8_t* data, std::size_t size) {
    constexpr std::size_t kFileHeader = 14;
    if (data == nullptr || size < kFileHeader + 40 || data[0] != 'B' || data[1] != 'M')
        return std::nullopt;
    const std::uint8_t* info = data + kFileHeader;
    const std::uint32_t infoSize = u32(info);
    if (infoSize < 40 || infoSize > size - kFileHeader)
        return std::nullopt;

    BmpHeader h;
    h.fileSize = u32(data + 2);
    h.pixelOffset = u32(data + 10);
    h.width = static_cast<std::int32_t>(u32(info + 4));
    const auto rawHeight = static_cast<std::int32_t>(u32(info + 8));
    if (rawHeight == INT32_MIN)
        return std::nullopt;
    h.bottomUp = rawHeight > 0;
    h.height = rawHeight < 0 ? -rawHeight : rawHeight;  // negative: rows stored top-down
    h.bitsPerPixel = u16(info + 14);
    h.compression = u32(info + 16);
    const std::uint32_t clrUsed = u32(info + 32);
    if (u16(info + 12) != 1 || h.width <= 0 || h.height <= 0 || h.compression != 0)
        return std::nullopt;
    if (h.bitsPerPixel != 1 && h.bitsPerPixel != 4 && h.bitsPerPixel != 8 &&
        h.bitsPerPixel != 24 && h.bitsPerPixel != 32)
        return std::nullopt;
    if (h.bitsPerPixel <= 8) {
        const std::uint32_t maxColours = 1u << h.bitsPerPixel;
        h.paletteSize = clrUsed == 0 ? maxColours : clrUsed;
        if (h.paletteSize > maxColours)
            return std::nullopt;
    }
    const std::uint64_t tableEnd = kFileHeader + static_cast<std::uint64_t>(infoSize) +
                                   4ull * h.paletteSize;
    const std::uint64_t rowBytes =
        ((static_cast<std::uint64_t>(h.width) * h.bitsPerPixel + 31) / 32) * 4;
    const std::uint64_t pixelEnd = h.pixelOffset + rowBytes * static_cast<std::uint64_t>(h.height);
    if (h.pixelOffset < tableEnd || pixelEnd > size)
        return std::nullopt;
    return h;
}

}  // namespace tervox::assets
