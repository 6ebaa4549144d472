#pragma once

#include <QString>
#include <QtGlobal>

#include <memory>
#include <vector>

namespace tervox::ui {

// A whole sound track decoded into memory as interleaved signed 16-bit samples, the
// form every output device takes. The sound track is short (well under a minute),
// so holding it decoded costs a few megabytes and makes every seek exact.
class AudioTrack {
public:
    AudioTrack(int sampleRate, int channels, std::vector<qint16> samples);

    // Decodes a file that libsndfile understands (WAV and friends); nullptr when the
    // file is missing, is not audio, or declares no sample rate or no channels.
    static std::shared_ptr<const AudioTrack> decode(const QString& fileName);

    int sampleRate() const { return m_sampleRate; }
    int channels() const { return m_channels; }
    qint64 frames() const { return qint64(m_samples.size()) / m_channels; }
    const qint16* frameData(qint64 frame) const { return m_samples.data() + frame * m_channels; }
    qint64 bytesPerFrame() const { return qint64(sizeof(qint16)) * m_channels; }

    // The frame of a position in ms, truncating: frame = ms * rate / 1000.
    qint64 framesFromMs(qint64 ms) const { return ms * m_sampleRate / 1000; }
    // The position in ms of a frame: the first millisecond that maps to it or beyond,
    // so that a position set in ms reads back unchanged (for rates of 1000 Hz and up).
    qint64 msFromFrames(qint64 frames) const { return (frames * 1000 + m_sampleRate - 1) / m_sampleRate; }

private:
    int m_sampleRate;
    int m_channels;
    std::vector<qint16> m_samples;
};

} // namespace tervox::ui
