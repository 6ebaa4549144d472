// tervox-soundgen: writes the sound track "ovix.dat" (wave audio, 16-bit PCM, mono,
// 22050 Hz) that the program plays at start-up and at exit. Runs at build time.
#include "soundtrack.h"

#include <sndfile.h>

#include <cstdio>

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: tervox-soundgen OUTPUT\n");
        return 2;
    }
    const std::vector<std::int16_t> samples = tervox::assets::sound::RenderSoundTrack();

    SF_INFO info{};
    info.samplerate = tervox::assets::sound::kSampleRate;
    info.channels = 1;
    info.format = SF_FORMAT_WAV | SF_FORMAT_PCM_16;
    SNDFILE* file = sf_open(argv[1], SFM_WRITE, &info);
    if (file == nullptr) {
        std::fprintf(stderr, "tervox-soundgen: cannot write %s: %s\n", argv[1], sf_strerror(nullptr));
        return 1;
    }
    const auto written = sf_write_short(file, samples.data(), static_cast<sf_count_t>(samples.size()));
    const int closed = sf_close(file);
    if (written != static_cast<sf_count_t>(samples.size()) || closed != 0) {
        std::fprintf(stderr, "tervox-soundgen: cannot write %s\n", argv[1]);
        return 1;
    }
    return 0;
}
