#pragma once

#include <QObject>
#include <QString>
#include <stdexcept>

namespace tervox::ui {

// A play request on a player that is not open.
class PlayerNotOpenError : public std::runtime_error {
public:
    PlayerNotOpenError() : std::runtime_error("The sound track is not open") {}
};

// The wave-audio player behind the media-player bar: one opened track, positions in
// milliseconds. Start and end positions and the wait flag apply to the next play
// only. A play request while another sound plays replaces it. Failures are
// returned, not raised, except a play on a closed player.
class SoundPlayer : public QObject {
    Q_OBJECT
public:
    enum class Mode { NotOpen, Stopped, Playing, Paused };

    using QObject::QObject;
    ~SoundPlayer() override = default;

    // Opens the track; false when it cannot be decoded or there is no output device.
    virtual bool open(const QString& fileName) = 0;
    virtual void close() = 0;
    virtual Mode mode() const = 0;
    virtual qint64 lengthMs() const = 0;
    virtual qint64 positionMs() const = 0;

    virtual void setStartPosition(qint64 ms) = 0;
    virtual void setEndPosition(qint64 ms) = 0;
    virtual void setWait(bool wait) = 0;

    // Plays from the start position (else the current one) to the end position
    // (else the end of the track). Returns 0, or an error code for a request that
    // plays nothing (a position beyond the track). Throws PlayerNotOpenError when
    // the player is not open. With wait set, returns when the last sample is out.
    virtual int play() = 0;
    virtual void pause() = 0;
    virtual void stop() = 0;
    // Moves to the start (previous) or the end (next) of the track, or steps by a
    // tenth of the track (step, back). Recording and ejecting do nothing for wave
    // files; they exist for the bar's buttons.
    virtual void next() = 0;
    virtual void previous() = 0;
    virtual void step() = 0;
    virtual void back() = 0;

signals:
    // Emitted whenever mode() changes, so the bar can enable its buttons.
    void modeChanged();
};

} // namespace tervox::ui
