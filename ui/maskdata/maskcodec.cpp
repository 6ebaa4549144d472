#include "maskdata.h"

namespace tervox::maskdata {
namespace {

std::uint32_t readU32(const std::uint8_t* p) {
    return static_cast<std::uint32_t>(p[0]) | static_cast<std::uint32_t>(p[1]) << 8 |
           static_cast<std::uint32_t>(p[2]) << 16 | static_cast<std::uint32_t>(p[3]) << 24;
}

std::int32_t readI32(const std::uint8_t* p) {
    return static_cast<std::int32_t>(readU32(p));
}

Rect readRect(const std::uint8_t* p) {
    return {readI32(p), readI32(p + 4), readI32(p + 8), readI32(p + 12)};
}

void putU32(std::vector<std::uint8_t>& out, std::uint32_t v) {
    out.push_back(static_cast<std::uint8_t>(v));
    out.push_back(static_cast<std::uint8_t>(v >> 8));
    out.push_back(static_cast<std::uint8_t>(v >> 16));
    out.push_back(static_cast<std::uint8_t>(v >> 24));
}

void putRect(std::vector<std::uint8_t>& out, const Rect& r) {
    putU32(out, static_cast<std::uint32_t>(r.left));
    putU32(out, static_cast<std::uint32_t>(r.top));
    putU32(out, static_cast<std::uint32_t>(r.right));
    putU32(out, static_cast<std::uint32_t>(r.bottom));
}

bool encloses(const Rect& outer, const Rect& inner) {
    return outer.left <= inner.left && outer.top <= inner.top && inner.right <= outer.right &&
           inner.bottom <= outer.bottom;
}

}  // namespace

std::optional<Mask> DecodeMask(const std::uint8_t* data, std::size_t size) {
    if (data == nullptr || size < 4)
        return std::nullopt;
    const std::uint32_t length = readU32(data);
    // The header alone is 32 bytes and a region needs at least one rectangle.
    if (length < kHeaderSize + 16 || length > kMaxRegionBytes || size - 4 < length)
        return std::nullopt;
    const std::uint8_t* region = data + 4;
    const std::uint32_t headerSize = readU32(region);
    const std::uint32_t type = readU32(region + 4);
    const std::uint32_t count = readU32(region + 8);
    const std::uint32_t rectBytes = readU32(region + 12);
    if (headerSize != kHeaderSize || type != kTypeRectangles || count == 0)
        return std::nullopt;
    // Compared by division first, so a huge count cannot overflow 16 x C.
    if ((length - kHeaderSize) / 16 != count || (length - kHeaderSize) % 16 != 0)
        return std::nullopt;
    if (rectBytes != 16 * count)
        return std::nullopt;

    Mask mask;
    mask.bounds = readRect(region + 16);
    if (mask.bounds.left > mask.bounds.right || mask.bounds.top > mask.bounds.bottom)
        return std::nullopt;
    mask.rects.reserve(count);
    const std::uint8_t* p = region + kHeaderSize;
    for (std::uint32_t i = 0; i < count; ++i, p += 16) {
        const Rect r = readRect(p);
        if (r.left >= r.right || r.top >= r.bottom || !encloses(mask.bounds, r))
            return std::nullopt;
        mask.rects.push_back(r);
    }
    return mask;
}

std::vector<std::uint8_t> EncodeMask(const Mask& mask) {
    std::vector<std::uint8_t> out;
    if (mask.rects.empty()) {
        putU32(out, 0);
        return out;
    }
    const auto count = static_cast<std::uint32_t>(mask.rects.size());
    out.reserve(4 + kHeaderSize + 16 * mask.rects.size());
    putU32(out, kHeaderSize + 16 * count);
    putU32(out, kHeaderSize);
    putU32(out, kTypeRectangles);
    putU32(out, count);
    putU32(out, 16 * count);
    putRect(out, mask.bounds);
    for (const Rect& r : mask.rects)
        putRect(out, r);
    return out;
}

}  // namespace tervox::maskdata
