// Fuzz target of the mask reader: whatever the bytes, decoding must stay inside
// the buffer, and an accepted mask must survive a round trip unchanged.
#include "maskdata.h"

#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace tervox::maskdata;
    const std::optional<Mask> mask = DecodeMask(data, size);
    if (!mask)
        return 0;
    if (mask->rects.empty())
        std::abort();
    for (const Rect& r : mask->rects) {
        const Rect& b = mask->bounds;
        if (r.left >= r.right || r.top >= r.bottom || r.left < b.left || r.top < b.top ||
            r.right > b.right || r.bottom > b.bottom)
            std::abort();
    }
    const std::vector<std::uint8_t> again = EncodeMask(*mask);
    const std::optional<Mask> decodedAgain = DecodeMask(again.data(), again.size());
    if (!decodedAgain || !(*decodedAgain == *mask))
        std::abort();
    return 0;
}
