#include "audiotrack.h"

#include <QFile>

#include <sndfile.h>

namespace tervox::ui {

AudioTrack::AudioTrack(int sampleRate, int channels, std::vector<qint16> samples)
    : m_sampleRate(sampleRate), m_channels(channels), m_samples(std::move(samples)) {
    // A trailing partial frame cannot be played; drop it so frames() is exact.
    m_samples.resize(m_samples.size() - m_samples.size() % std::size_t(m_channels));
}

std::shared_ptr<const AudioTrack> AudioTrack::decode(const QString& fileName) {
    SF_INFO info{};
    const QByteArray path = QFile::encodeName(fileName);
    SNDFILE* file = sf_open(path.constData(), SFM_READ, &info);
    if (!file)
        return nullptr;
    struct Closer {
        SNDFILE* f;
        ~Closer() { sf_close(f); }
    } closer{file};

    if (info.samplerate <= 0 || info.channels <= 0 || info.frames < 0)
        return nullptr;
    // A wave file can claim any length; read what is really there, chunk by chunk,
    // instead of trusting the header with one large allocation.
    constexpr sf_count_t kChunkFrames = 16384;
    std::vector<qint16> samples;
    std::vector<short> chunk(std::size_t(kChunkFrames) * std::size_t(info.channels));
    for (;;) {
        const sf_count_t got = sf_readf_short(file, chunk.data(), kChunkFrames);
        if (got <= 0)
            break;
        samples.insert(samples.end(), chunk.begin(), chunk.begin() + got * info.channels);
    }
    if (sf_error(file) != SF_ERR_NO_ERROR)
        return nullptr;
    return std::make_shared<const AudioTrack>(info.samplerate, info.channels, std::move(samples));
}

} // namespace tervox::ui
