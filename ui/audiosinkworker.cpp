#include "audiosinkworker.h"

#include <QAudioSink>

#include <algorithm>

namespace tervox::ui {

namespace {
// How often the worker looks at the device's progress; also the resolution of the
// position the media-player bar sees.
constexpr int kPollIntervalMs = 10;
// A device that plays nothing new for this long is taken as dead. Generous: a PulseAudio
// null sink pauses for about a second once at the start of a stream.
constexpr qint64 kStallLimitMs = 4000;
} // namespace

AudioSinkWorker::AudioSinkWorker(const QAudioDevice& device, const QAudioFormat& format,
                                 ProgressHandler progress)
    : m_device(device), m_format(format), m_progress(std::move(progress)) {
    m_pollTimer.setInterval(kPollIntervalMs);
    connect(&m_pollTimer, &QTimer::timeout, this, &AudioSinkWorker::poll);
}

AudioSinkWorker::~AudioSinkWorker() {
    if (m_sink)
        m_sink->stop();
}

void AudioSinkWorker::startSegment(std::shared_ptr<const AudioTrack> track, qint64 firstFrame,
                                   qint64 endFrame, quint64 segmentId) {
    stop();
    m_track = std::move(track);
    m_segmentId = segmentId;
    m_segmentFrames = endFrame - firstFrame;
    m_segmentMs = m_segmentFrames * 1000 / m_track->sampleRate();

    // The buffer reads the track's samples in place; m_track keeps them alive.
    m_source.close();
    m_source.setData(QByteArray::fromRawData(reinterpret_cast<const char*>(m_track->frameData(firstFrame)),
                                             m_segmentFrames * m_track->bytesPerFrame()));
    m_source.open(QIODevice::ReadOnly);

    // A fresh sink per segment: a replaced segment's buffered samples go with the old one.
    m_sink = std::make_unique<QAudioSink>(m_device, m_format);
    m_sink->start(&m_source);
    m_active = true;
    m_lastPlayed = 0;
    m_sinceProgress.start();
    m_playedBeforePauseMs = 0;
    m_playClock.start();
    m_pollTimer.start();
}

void AudioSinkWorker::pause() {
    if (m_sink && m_active && m_playClock.isValid()) {
        m_sink->suspend();
        m_playedBeforePauseMs += m_playClock.elapsed();
        m_playClock.invalidate();
    }
}

void AudioSinkWorker::resume() {
    if (m_sink && m_active && !m_playClock.isValid()) {
        m_sink->resume();
        m_sinceProgress.start();
        m_playClock.start();
    }
}

void AudioSinkWorker::stop() {
    m_pollTimer.stop();
    m_active = false;
    if (m_sink) {
        m_sink->stop();
        m_sink.reset();
    }
}

qint64 AudioSinkWorker::playingMs() const {
    return m_playedBeforePauseMs + (m_playClock.isValid() ? m_playClock.elapsed() : 0);
}

qint64 AudioSinkWorker::framesPlayedNow() const {
    if (!m_sink)
        return 0;
    const qint64 frames = m_sink->processedUSecs() * m_format.sampleRate() / 1000000;
    return std::clamp<qint64>(frames, 0, m_segmentFrames);
}

void AudioSinkWorker::poll() {
    if (!m_active || !m_sink)
        return;
    if (!m_playClock.isValid()) // paused
        return;
    const qint64 played = framesPlayedNow();
    if (played > m_lastPlayed) {
        m_lastPlayed = played;
        m_sinceProgress.start();
    }
    // Played out means the device has consumed every sample and its clock has passed
    // the last one (what the sink still buffers is not yet heard), and the segment's
    // duration has passed: some devices (a PulseAudio null sink) account for their
    // samples in large blocks ahead of time, but none plays faster than real time.
    const bool playedOut = m_source.atEnd() && played >= m_segmentFrames && playingMs() >= m_segmentMs;
    const bool deviceGone = m_sink->error() != QAudio::NoError && m_sink->error() != QAudio::UnderrunError;
    if (playedOut || deviceGone || m_sinceProgress.elapsed() > kStallLimitMs) {
        endSegment();
        return;
    }
    m_progress(m_segmentId, played, false);
}

void AudioSinkWorker::endSegment() {
    m_pollTimer.stop();
    m_active = false;
    m_sink->stop();
    m_progress(m_segmentId, m_segmentFrames, true);
}

} // namespace tervox::ui
