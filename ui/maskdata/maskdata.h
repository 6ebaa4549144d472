#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

// Window outlines in the mask data format: a 4-byte little-endian length N, then
// N bytes of region data laid out like a Windows RGNDATA block (32-byte header of
// header size, type, count, rectangle bytes and bounds; then the rectangles).
// Right and bottom edges are exclusive everywhere.
namespace tervox::maskdata {

struct Rect {
    std::int32_t left, top, right, bottom;  // right, bottom exclusive
    friend bool operator==(const Rect&, const Rect&) = default;
};

struct Mask {
    Rect bounds;
    std::vector<Rect> rects;
    friend bool operator==(const Mask&, const Mask&) = default;
};

// Header size and region type of a rectangle list, as the region data stores them.
inline constexpr std::uint32_t kHeaderSize = 32;
inline constexpr std::uint32_t kTypeRectangles = 1;
// Largest region data accepted (4 million rectangles): far beyond any window
// outline, and it keeps a corrupt length from asking for gigabytes.
inline constexpr std::uint32_t kMaxRegionBytes = kHeaderSize + 16u * 4'000'000u;

// The mask stored in `data`, or nullopt for "no mask": N = 0, fewer than N bytes
// after the length, N other than 32 + 16 x C, a header size other than 32, a type
// other than 1, an empty rectangle list, rectangle bytes other than 16 x C, an
// empty or inverted rectangle, or bounds that do not contain every rectangle.
// Bytes after the N bytes of region data are ignored, as the window system does
// when it reads a mask file. Never reads outside [data, data + size).
std::optional<Mask> DecodeMask(const std::uint8_t* data, std::size_t size);

// The stored form of `mask`: 4 + 32 + 16 x C bytes with the bounds as given.
// A mask without rectangles is stored as the length 0 alone ("no mask").
std::vector<std::uint8_t> EncodeMask(const Mask& mask);

// Reads a mask file; nullopt when it is missing, unreadable or malformed.
std::optional<Mask> ReadMaskFile(const std::string& path);
// Writes a mask file; false when it cannot be written completely.
bool WriteMaskFile(const std::string& path, const Mask& mask);

// The smallest rectangle holding every rectangle of `rects`; all zero when empty.
Rect BoundsOf(const std::vector<Rect>& rects);

// The outline of a per-pixel coverage (row-major, `width` x `height`, non-zero =
// inside), as a y-x banded rectangle list: each row is cut into runs of covered
// pixels, and consecutive rows with identical runs share one band, so every
// rectangle is one run of one band. This is the layout a window system returns
// for a region, sorted by top, then left.
Mask MaskFromCoverage(const std::vector<std::uint8_t>& coverage, int width, int height);

// Whether pixel (x, y) lies inside the union of the mask's rectangles.
bool Contains(const Mask& mask, std::int32_t x, std::int32_t y);
// Whether every pixel of `rect` lies inside the union of the mask's rectangles.
bool ContainsRect(const Mask& mask, const Rect& rect);

}  // namespace tervox::maskdata
