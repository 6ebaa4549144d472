#include "audiosinkoutput.h"

#include "audiosinkworker.h"

#include <QAudioDevice>
#include <QAudioFormat>
#include <QMediaDevices>
#include <QMetaObject>

namespace tervox::ui {

AudioSinkOutput::~AudioSinkOutput() {
    close();
}

template <typename F>
void AudioSinkOutput::onAudioThread(F&& call) {
    QMetaObject::invokeMethod(m_worker, std::forward<F>(call), Qt::BlockingQueuedConnection);
}

bool AudioSinkOutput::open(int sampleRate, int channels) {
    close();
    const QAudioDevice device = QMediaDevices::defaultAudioOutput();
    if (device.isNull())
        return false;
    QAudioFormat format;
    format.setSampleRate(sampleRate);
    format.setChannelCount(channels);
    format.setSampleFormat(QAudioFormat::Int16);
    if (!device.isFormatSupported(format))
        return false;

    m_thread.setObjectName(QStringLiteral("tervox-audio"));
    m_thread.start();
    m_worker = new AudioSinkWorker(device, format, [this](quint64 id, qint64 frames, bool ended) {
        progress(id, frames, ended);
    });
    m_worker->moveToThread(&m_thread);
    return true;
}

void AudioSinkOutput::close() {
    if (!m_worker)
        return;
    // The worker and its sink are destroyed on the thread they belong to.
    AudioSinkWorker* worker = std::exchange(m_worker, nullptr);
    QMetaObject::invokeMethod(worker, [worker] { delete worker; }, Qt::BlockingQueuedConnection);
    m_thread.quit();
    m_thread.wait();
    std::lock_guard lock(m_mutex);
    m_latestEnded = true;
    m_framesPlayed = 0;
    m_changed.notify_all();
}

void AudioSinkOutput::start(std::shared_ptr<const AudioTrack> track, qint64 firstFrame, qint64 endFrame,
                            quint64 segmentId) {
    if (!m_worker)
        return;
    {
        std::lock_guard lock(m_mutex);
        m_latestSegment = segmentId;
        m_latestEnded = false;
        m_framesPlayed = 0;
    }
    onAudioThread([worker = m_worker, track = std::move(track), firstFrame, endFrame, segmentId] {
        worker->startSegment(track, firstFrame, endFrame, segmentId);
    });
}

void AudioSinkOutput::pause() {
    if (m_worker)
        onAudioThread([worker = m_worker] { worker->pause(); });
}

void AudioSinkOutput::resume() {
    if (m_worker)
        onAudioThread([worker = m_worker] { worker->resume(); });
}

void AudioSinkOutput::stop() {
    if (!m_worker)
        return;
    onAudioThread([worker = m_worker] { worker->stop(); });
    std::lock_guard lock(m_mutex);
    m_latestEnded = true;
    m_changed.notify_all();
}

qint64 AudioSinkOutput::framesPlayed() const {
    std::lock_guard lock(m_mutex);
    return m_framesPlayed;
}

void AudioSinkOutput::waitUntilFinished() {
    // The worker ends every segment by itself (played out, or the device given up
    // on), so this wait is bounded by the segment's length plus the stall limit.
    std::unique_lock lock(m_mutex);
    m_changed.wait(lock, [this] { return m_latestEnded; });
}

void AudioSinkOutput::progress(quint64 segmentId, qint64 framesPlayed, bool ended) {
    {
        std::lock_guard lock(m_mutex);
        if (segmentId != m_latestSegment)
            return;
        m_framesPlayed = framesPlayed;
        if (ended)
            m_latestEnded = true;
        m_changed.notify_all();
    }
    if (ended)
        reportFinished(segmentId);
}

} // namespace tervox::ui
