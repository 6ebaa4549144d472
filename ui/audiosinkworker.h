#pragma once

#include "audiotrack.h"

#include <QAudioDevice>
#include <QAudioFormat>
#include <QBuffer>
#include <QElapsedTimer>
#include <QObject>
#include <QTimer>

#include <functional>
#include <memory>

class QAudioSink;

namespace tervox::ui {

// Lives on the audio thread and owns the QAudioSink there: feeds it one segment of
// the track at a time and watches how much of the segment the device has played.
class AudioSinkWorker : public QObject {
    Q_OBJECT
public:
    // Called on the audio thread with the segment's id, the frames played so far and
    // whether the segment has ended (played out, or given up on a dead device).
    using ProgressHandler = std::function<void(quint64 segmentId, qint64 framesPlayed, bool ended)>;

    AudioSinkWorker(const QAudioDevice& device, const QAudioFormat& format, ProgressHandler progress);
    ~AudioSinkWorker() override;

    void startSegment(std::shared_ptr<const AudioTrack> track, qint64 firstFrame, qint64 endFrame,
                      quint64 segmentId);
    void pause();
    void resume();
    void stop();

private:
    void poll();
    qint64 framesPlayedNow() const;
    // How long the segment has been playing, pauses not counted.
    qint64 playingMs() const;
    void endSegment();

    QAudioDevice m_device;
    QAudioFormat m_format;
    ProgressHandler m_progress;

    std::unique_ptr<QAudioSink> m_sink;
    std::shared_ptr<const AudioTrack> m_track;
    // Children of the worker, so that they move to the audio thread with it.
    QBuffer m_source{this};
    quint64 m_segmentId = 0;
    qint64 m_segmentFrames = 0;
    bool m_active = false;

    QTimer m_pollTimer{this};
    QElapsedTimer m_playClock;
    qint64 m_playedBeforePauseMs = 0;
    qint64 m_segmentMs = 0;
    // The time since the device last played anything new: a device that stops
    // consuming samples for good must not hold a waiting caller for ever.
    QElapsedTimer m_sinceProgress;
    qint64 m_lastPlayed = 0;
};

} // namespace tervox::ui
