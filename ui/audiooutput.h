#pragma once

#include "audiotrack.h"

#include <QtGlobal>

#include <functional>
#include <memory>

namespace tervox::ui {

// Where the sound player sends its samples: the sound device, or a stand-in in tests.
// The player calls it from its own thread (the user-interface thread); the finished
// handler may be called from any thread.
class AudioOutput {
public:
    // Called when the segment started with this id has been played to its last frame.
    using FinishedHandler = std::function<void(quint64 segmentId)>;

    virtual ~AudioOutput() = default;

    // Prepares the device for 16-bit samples at this rate and channel count.
    // False when there is no output device or it refuses the format.
    virtual bool open(int sampleRate, int channels) = 0;
    // Stops any sound and releases the device.
    virtual void close() = 0;

    // Starts playing frames [firstFrame, endFrame) of the track, cutting off whatever
    // plays. Returns at once; the handler reports the end of the segment.
    virtual void start(std::shared_ptr<const AudioTrack> track, qint64 firstFrame, qint64 endFrame,
                       quint64 segmentId) = 0;
    virtual void pause() = 0;
    virtual void resume() = 0;
    // Stops at once; the stopped segment is not reported as finished.
    virtual void stop() = 0;
    // Frames of the latest segment that have been played so far.
    virtual qint64 framesPlayed() const = 0;
    // Blocks the caller until the latest segment has been played to its last frame
    // (or stopped). The device goes on playing on a thread of its own meanwhile.
    virtual void waitUntilFinished() = 0;

    void setFinishedHandler(FinishedHandler handler) { m_finished = std::move(handler); }

protected:
    void reportFinished(quint64 segmentId) const {
        if (m_finished)
            m_finished(segmentId);
    }

private:
    FinishedHandler m_finished;
};

} // namespace tervox::ui
