#include "maskdata.h"

#include <fstream>

namespace tervox::maskdata {

std::optional<Mask> ReadMaskFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    if (!in)
        return std::nullopt;
    // Read the length first and then only the bytes it announces, so a corrupt
    // length never makes us read (or allocate for) a whole unrelated file.
    std::vector<std::uint8_t> bytes(4);
    if (!in.read(reinterpret_cast<char*>(bytes.data()), 4))
        return std::nullopt;
    const std::uint32_t length = static_cast<std::uint32_t>(bytes[0]) |
                                 static_cast<std::uint32_t>(bytes[1]) << 8 |
                                 static_cast<std::uint32_t>(bytes[2]) << 16 |
                                 static_cast<std::uint32_t>(bytes[3]) << 24;
    if (length == 0 || length > kMaxRegionBytes)
        return std::nullopt;
    bytes.resize(4 + static_cast<std::size_t>(length));
    if (!in.read(reinterpret_cast<char*>(bytes.data() + 4), length))
        return std::nullopt;
    return DecodeMask(bytes.data(), bytes.size());
}

bool WriteMaskFile(const std::string& path, const Mask& mask) {
    const std::vector<std::uint8_t> bytes = EncodeMask(mask);
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    if (!out)
        return false;
    out.write(reinterpret_cast<const char*>(bytes.data()),
              static_cast<std::streamsize>(bytes.size()));
    out.close();
    return !out.fail();
}

}  // namespace tervox::maskdata
