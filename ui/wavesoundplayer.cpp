#include "wavesoundplayer.h"

#include "audiosinkoutput.h"

#include <QMetaObject>
#include <QPointer>

#include <algorithm>

namespace tervox::ui {

WaveSoundPlayer::WaveSoundPlayer(QObject* parent)
    : WaveSoundPlayer(std::make_unique<AudioSinkOutput>(), parent) {}

WaveSoundPlayer::WaveSoundPlayer(std::unique_ptr<AudioOutput> output, QObject* parent)
    : SoundPlayer(parent), m_output(std::move(output)) {
    // The output reports the end of a segment from its own thread; the player's
    // state belongs to this thread, so the report is queued over to it.
    QPointer<WaveSoundPlayer> self(this);
    m_output->setFinishedHandler([self](quint64 segmentId) {
        if (self)
            QMetaObject::invokeMethod(self, [self, segmentId] {
                if (self)
                    self->segmentFinished(segmentId);
            }, Qt::QueuedConnection);
    });
}

WaveSoundPlayer::~WaveSoundPlayer() {
    // Closing stops the sound; the output must not report into a dead player.
    close();
    m_output->setFinishedHandler({});
}

bool WaveSoundPlayer::open(const QString& fileName) {
    close();
    auto track = AudioTrack::decode(fileName);
    if (!track || !m_output->open(track->sampleRate(), track->channels()))
        return false;
    m_track = std::move(track);
    m_positionFrame = 0;
    setMode(Mode::Stopped);
    return true;
}

void WaveSoundPlayer::close() {
    if (m_track) {
        m_output->stop();
        m_output->close();
    }
    m_track.reset();
    m_positionFrame = 0;
    // The settings for the next play stay: the start-up sets its end position before
    // it opens the track.
    setMode(Mode::NotOpen);
}

qint64 WaveSoundPlayer::lengthMs() const {
    return m_track ? m_track->msFromFrames(m_track->frames()) : 0;
}

qint64 WaveSoundPlayer::positionMs() const {
    return m_track ? m_track->msFromFrames(currentFrame()) : 0;
}

std::optional<qint64> WaveSoundPlayer::frameOf(qint64 ms) const {
    // Checked in milliseconds first, so that a huge position cannot overflow the
    // multiplication by the rate. The length is rounded up to whole milliseconds; a
    // position in its last, partial millisecond is the end of the track.
    if (ms < 0 || ms > lengthMs())
        return std::nullopt;
    return std::min(m_track->framesFromMs(ms), m_track->frames());
}

qint64 WaveSoundPlayer::currentFrame() const {
    if (m_mode != Mode::Playing && m_mode != Mode::Paused)
        return m_positionFrame;
    return std::min(m_positionFrame + m_output->framesPlayed(), m_segmentEndFrame);
}

int WaveSoundPlayer::play() {
    if (!m_track)
        throw PlayerNotOpenError();
    // The settings serve this request only, whether it succeeds or not.
    const std::optional<qint64> startMs = std::exchange(m_startMs, std::nullopt);
    const std::optional<qint64> endMs = std::exchange(m_endMs, std::nullopt);
    const bool wait = std::exchange(m_wait, false);

    const std::optional<qint64> from = startMs ? frameOf(*startMs) : currentFrame();
    const std::optional<qint64> to = endMs ? frameOf(*endMs) : m_track->frames();
    if (!from || !to || *from > *to)
        return kPositionOutOfRange;

    // The new request replaces whatever plays now.
    m_output->stop();
    ++m_segmentId;
    m_positionFrame = *from;
    m_segmentEndFrame = *to;
    if (*from == *to) {
        setMode(Mode::Stopped);
        return 0;
    }
    m_output->start(m_track, *from, *to, m_segmentId);
    setMode(Mode::Playing);
    if (wait) {
        m_output->waitUntilFinished();
        segmentFinished(m_segmentId);
    }
    return 0;
}

void WaveSoundPlayer::segmentFinished(quint64 segmentId) {
    // A report of a segment that was replaced or stopped meanwhile is stale.
    if (segmentId != m_segmentId || m_mode != Mode::Playing)
        return;
    m_positionFrame = m_segmentEndFrame;
    setMode(Mode::Stopped);
}

void WaveSoundPlayer::pause() {
    if (m_mode != Mode::Playing)
        return;
    m_output->pause();
    setMode(Mode::Paused);
}

void WaveSoundPlayer::stop() {
    if (m_mode != Mode::Playing && m_mode != Mode::Paused)
        return;
    m_positionFrame = currentFrame();
    ++m_segmentId;
    m_output->stop();
    setMode(Mode::Stopped);
}

void WaveSoundPlayer::seek(qint64 frame) {
    if (!m_track)
        return;
    stop();
    m_positionFrame = std::clamp<qint64>(frame, 0, m_track->frames());
}

void WaveSoundPlayer::next() {
    if (m_track)
        seek(m_track->frames());
}

void WaveSoundPlayer::previous() {
    seek(0);
}

void WaveSoundPlayer::step() {
    if (m_track)
        seek(currentFrame() + m_track->frames() / 10);
}

void WaveSoundPlayer::back() {
    if (m_track)
        seek(currentFrame() - m_track->frames() / 10);
}

void WaveSoundPlayer::setMode(Mode mode) {
    if (m_mode == mode)
        return;
    m_mode = mode;
    emit modeChanged();
}

} // namespace tervox::ui
