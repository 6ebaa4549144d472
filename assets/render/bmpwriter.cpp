#include "bmpwriter.h"

#include <cstdint>
#include <fstream>

namespace tervox::assets {
namespace {

void put16(std::vector<std::uint8_t>& b, std::uint16_t v) {
    b.push_back(static_cast<std::uint8_t>(v));
    b.push_back(static_cast<std::uint8_t>(v >> 8));
}
void put32(std::vector<std::uint8_t>& b, std::uint32_t v) {
    for (int i = 0; i < 4; ++i)
        b.push_back(static_cast<std::uint8_t>(v >> (8 * i)));
}

constexpr std::uint32_t kPixelsPerMetre = 3780;  // 96 pixels per inch

std::vector<std::uint8_t> headers(int width, int height, int bits, std::uint32_t paletteSize) {
    const std::uint32_t rowBytes = ((static_cast<std::uint32_t>(width) * bits + 31) / 32) * 4;
    const std::uint32_t offset = 14 + 40 + 4 * paletteSize;
    const std::uint32_t imageBytes = rowBytes * static_cast<std::uint32_t>(height);
    std::vector<std::uint8_t> b;
    b.push_back('B');
    b.push_back('M');
    put32(b, offset + imageBytes);
    put32(b, 0);
    put32(b, offset);
    put32(b, 40);
    put32(b, static_cast<std::uint32_t>(width));
    put32(b, static_cast<std::uint32_t>(height));
    put16(b, 1);
    put16(b, static_cast<std::uint16_t>(bits));
    put32(b, 0);  // no compression
    put32(b, imageBytes);
    put32(b, kPixelsPerMetre);
    put32(b, kPixelsPerMetre);
    put32(b, paletteSize);  // colours used: the palette's true size
    put32(b, 0);            // all colours important
    return b;
}

bool save(const std::string& path, const std::vector<std::uint8_t>& bytes) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
    out.close();
    return !out.fail();
}

}  // namespace

bool WriteBmp8(const std::string& path, int width, int height, const IndexedPicture& picture) {
    std::vector<std::uint8_t> b =
        headers(width, height, 8, static_cast<std::uint32_t>(picture.palette.size()));
    for (const Rgb& c : picture.palette) {
        b.push_back(c.b);
        b.push_back(c.g);
        b.push_back(c.r);
        b.push_back(0);
    }
    const int pad = (4 - width % 4) % 4;
    for (int y = height - 1; y >= 0; --y) {
        const std::uint8_t* row = picture.indices.data() + static_cast<std::size_t>(y) * width;
        b.insert(b.end(), row, row + width);
        b.insert(b.end(), static_cast<std::size_t>(pad), 0);
    }
    return save(path, b);
}

bool WriteBmp24(const std::string& path, int width, int height, const std::vector<Rgb>& pixels) {
    std::vector<std::uint8_t> b = headers(width, height, 24, 0);
    const int pad = (4 - (width * 3) % 4) % 4;
    for (int y = height - 1; y >= 0; --y) {
        for (int x = 0; x < width; ++x) {
            const Rgb& c = pixels[static_cast<std::size_t>(y) * width + x];
            b.push_back(c.b);
            b.push_back(c.g);
            b.push_back(c.r);
        }
        b.insert(b.end(), static_cast<std::size_t>(pad), 0);
    }
    return save(path, b);
}

}  // namespace tervox::assets
