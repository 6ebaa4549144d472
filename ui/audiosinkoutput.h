#pragma once

#include "audiooutput.h"

#include <QThread>

#include <condition_variable>
#include <mutex>

namespace tervox::ui {

class AudioSinkWorker;

// Plays on Qt Multimedia's default output device. The QAudioSink lives on a thread of
// its own, so that the sound goes on while the user-interface thread waits for it.
class AudioSinkOutput : public AudioOutput {
public:
    AudioSinkOutput() = default;
    ~AudioSinkOutput() override;

    bool open(int sampleRate, int channels) override;
    void close() override;
    void start(std::shared_ptr<const AudioTrack> track, qint64 firstFrame, qint64 endFrame,
               quint64 segmentId) override;
    void pause() override;
    void resume() override;
    void stop() override;
    qint64 framesPlayed() const override;
    void waitUntilFinished() override;

private:
    // Runs the call on the audio thread and returns when it is done there.
    template <typename F>
    void onAudioThread(F&& call);
    void progress(quint64 segmentId, qint64 framesPlayed, bool ended);

    QThread m_thread;
    AudioSinkWorker* m_worker = nullptr;

    // What the audio thread knows of the latest segment, shared with the caller's thread.
    mutable std::mutex m_mutex;
    std::condition_variable m_changed;
    quint64 m_latestSegment = 0;
    bool m_latestEnded = true;
    qint64 m_framesPlayed = 0;
};

} // namespace tervox::ui
