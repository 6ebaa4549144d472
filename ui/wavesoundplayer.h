#pragma once

#include "audiooutput.h"
#include "soundplayer.h"

#include <memory>
#include <optional>

namespace tervox::ui {

// The sound player of the program: libsndfile decodes the track, an AudioOutput
// plays it (by default Qt Multimedia's default output device, on a thread of its
// own). Positions in milliseconds map to frames exactly: frame = ms * rate / 1000.
// The whole track is decoded at open, so a failure to decode shows there.
class WaveSoundPlayer : public SoundPlayer {
    Q_OBJECT
public:
    // The code play() returns for a position outside the track (or a start after the end).
    static constexpr int kPositionOutOfRange = 1;

    // Plays through the default output device.
    explicit WaveSoundPlayer(QObject* parent = nullptr);
    // Plays through the given output (tests pass a stand-in).
    explicit WaveSoundPlayer(std::unique_ptr<AudioOutput> output, QObject* parent = nullptr);
    ~WaveSoundPlayer() override;

    bool open(const QString& fileName) override;
    void close() override;
    Mode mode() const override { return m_mode; }
    qint64 lengthMs() const override;
    qint64 positionMs() const override;

    void setStartPosition(qint64 ms) override { m_startMs = ms; }
    void setEndPosition(qint64 ms) override { m_endMs = ms; }
    void setWait(bool wait) override { m_wait = wait; }

    int play() override;
    void pause() override;
    void stop() override;
    void next() override;
    void previous() override;
    void step() override;
    void back() override;

private:
    // The frame of a position in ms, or nothing when it lies outside the track.
    std::optional<qint64> frameOf(qint64 ms) const;
    qint64 currentFrame() const;
    void setMode(Mode mode);
    // Stops what plays and moves to the frame (clamped to the track).
    void seek(qint64 frame);
    void segmentFinished(quint64 segmentId);

    std::unique_ptr<AudioOutput> m_output;
    std::shared_ptr<const AudioTrack> m_track;
    Mode m_mode = Mode::NotOpen;

    // The position while nothing plays; while playing, where the segment began.
    qint64 m_positionFrame = 0;
    qint64 m_segmentEndFrame = 0;
    quint64 m_segmentId = 0;

    // Settings for the next play only; set before open() they serve the first play.
    std::optional<qint64> m_startMs;
    std::optional<qint64> m_endMs;
    bool m_wait = false;
};

} // namespace tervox::ui
