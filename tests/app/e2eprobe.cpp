// tervox-e2e-probe: the measurements the end-to-end script cannot make with shell
// tools alone.
//   length-ms FILE     the length of a sound file in ms
//   peak FILE [FROM]   the largest magnitude among the signed 16-bit samples of a raw
//                      file, from byte FROM on
//   hole-point         a point of the splash window inside its hole (client coordinates)
//   solid-point        a point of the splash window's skin, inside its outline
#include "assetsinit.h"
#include "maskdata.h"

#include <QFile>

#include <sndfile.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <optional>

namespace {

using tervox::maskdata::Mask;

std::optional<Mask> SplashMask() {
    tervox_assets_init();
    QFile file(QStringLiteral(":/skins/form3.msk"));
    if (!file.open(QIODevice::ReadOnly))
        return std::nullopt;
    const QByteArray data = file.readAll();
    return tervox::maskdata::DecodeMask(reinterpret_cast<const std::uint8_t*>(data.constData()),
                                        std::size_t(data.size()));
}

// Whether every pixel of the 7 x 7 square around (x, y) is inside (or outside) the
// mask: a point well away from any edge, so a pixel of rounding cannot matter.
bool SquareIs(const Mask& mask, int x, int y, bool inside) {
    for (int dy = -3; dy <= 3; ++dy)
        for (int dx = -3; dx <= 3; ++dx)
            if (tervox::maskdata::Contains(mask, x + dx, y + dy) != inside)
                return false;
    return true;
}

// The hole: the point outside the mask, within the window's columns 1 to 319, that is
// nearest to the middle of all such points. The skin: a point inside, away from the
// button (230..290, 185..211), scanning from the top right.
int PrintPoint(bool hole) {
    const std::optional<Mask> mask = SplashMask();
    if (!mask) {
        std::fprintf(stderr, "the splash window's mask is missing\n");
        return 1;
    }
    if (hole) {
        long sumX = 0, sumY = 0, count = 0;
        for (int y = 4; y < 235; ++y)
            for (int x = 5; x < 316; ++x)
                if (SquareIs(*mask, x, y, false)) {
                    sumX += x;
                    sumY += y;
                    ++count;
                }
        if (count == 0)
            return 1;
        const long cx = sumX / count, cy = sumY / count;
        long best = -1;
        int bx = 0, by = 0;
        for (int y = 4; y < 235; ++y)
            for (int x = 5; x < 316; ++x)
                if (SquareIs(*mask, x, y, false)) {
                    const long d = (x - cx) * (x - cx) + (y - cy) * (y - cy);
                    if (best < 0 || d < best) {
                        best = d;
                        bx = x;
                        by = y;
                    }
                }
        std::printf("%d %d\n", bx, by);
        return 0;
    }
    for (int y = 10; y < 180; ++y)
        for (int x = 310; x > 120; --x)
            if (SquareIs(*mask, x, y, true)) {
                std::printf("%d %d\n", x, y);
                return 0;
            }
    return 1;
}

int LengthMs(const char* path) {
    SF_INFO info{};
    SNDFILE* file = sf_open(path, SFM_READ, &info);
    if (!file)
        return 1;
    sf_close(file);
    std::printf("%lld\n", static_cast<long long>(info.frames * 1000 / info.samplerate));
    return 0;
}

int Peak(const char* path, long from) {
    std::FILE* file = std::fopen(path, "rb");
    if (!file)
        return 1;
    if (from > 0 && std::fseek(file, from - from % 2, SEEK_SET) != 0) {
        std::fclose(file);
        return 1;
    }
    int peak = 0;
    unsigned char b[2];
    while (std::fread(b, 1, 2, file) == 2) {
        const int sample = static_cast<std::int16_t>(b[0] | (b[1] << 8));
        peak = std::max(peak, std::abs(sample));
    }
    std::fclose(file);
    std::printf("%d\n", peak);
    return 0;
}

} // namespace

int main(int argc, char** argv) {
    if (argc == 3 && !std::strcmp(argv[1], "length-ms"))
        return LengthMs(argv[2]);
    if ((argc == 3 || argc == 4) && !std::strcmp(argv[1], "peak"))
        return Peak(argv[2], argc == 4 ? std::atol(argv[3]) : 0);
    if (argc == 2 && !std::strcmp(argv[1], "hole-point"))
        return PrintPoint(true);
    if (argc == 2 && !std::strcmp(argv[1], "solid-point"))
        return PrintPoint(false);
    std::fprintf(stderr, "usage: tervox-e2e-probe length-ms FILE | peak FILE [FROM] | hole-point | solid-point\n");
    return 2;
}
