#include "fakesoundplayer.h"

#include <algorithm>

namespace tervox::ui::testing {

FakeSoundPlayer::FakeSoundPlayer(QObject* parent) : SoundPlayer(parent) {}

void FakeSoundPlayer::setMode(Mode mode) {
    if (m_mode == mode)
        return;
    m_mode = mode;
    emit modeChanged();
}

void FakeSoundPlayer::clearCalls() {
    m_calls.clear();
    m_plays.clear();
}

bool FakeSoundPlayer::open(const QString& fileName) {
    m_calls.append(QStringLiteral("open ") + fileName);
    if (!m_openSucceeds)
        return false;
    m_fileName = fileName;
    m_positionMs = 0;
    setMode(Mode::Stopped);
    return true;
}

void FakeSoundPlayer::close() {
    m_calls.append(QStringLiteral("close"));
    setMode(Mode::NotOpen);
}

void FakeSoundPlayer::setStartPosition(qint64 ms) {
    m_calls.append(QStringLiteral("setStartPosition %1").arg(ms));
    m_startMs = ms;
}

void FakeSoundPlayer::setEndPosition(qint64 ms) {
    m_calls.append(QStringLiteral("setEndPosition %1").arg(ms));
    m_endMs = ms;
}

void FakeSoundPlayer::setWait(bool wait) {
    m_calls.append(QStringLiteral("setWait %1").arg(wait ? QStringLiteral("true") : QStringLiteral("false")));
    m_wait = wait;
}

int FakeSoundPlayer::play() {
    m_calls.append(QStringLiteral("play"));
    if (m_mode == Mode::NotOpen)
        throw PlayerNotOpenError();
    m_plays.append(Play{m_startMs, m_endMs, m_wait});
    // The positions and the wait flag serve this one request.
    const qint64 from = m_startMs >= 0 ? m_startMs : m_positionMs;
    const qint64 to = m_endMs >= 0 ? m_endMs : m_lengthMs;
    const bool wait = m_wait;
    m_startMs = -1;
    m_endMs = -1;
    m_wait = false;
    if (from > m_lengthMs || to > m_lengthMs)
        return 1; // refused: plays nothing
    if (wait) {
        m_positionMs = to;
        setMode(Mode::Stopped);
    } else {
        m_positionMs = from;
        setMode(Mode::Playing);
    }
    return 0;
}

void FakeSoundPlayer::pause() {
    m_calls.append(QStringLiteral("pause"));
    if (m_mode == Mode::Playing)
        setMode(Mode::Paused);
}

void FakeSoundPlayer::stop() {
    m_calls.append(QStringLiteral("stop"));
    if (m_mode != Mode::NotOpen)
        setMode(Mode::Stopped);
}

void FakeSoundPlayer::next() {
    m_calls.append(QStringLiteral("next"));
    m_positionMs = m_lengthMs;
}

void FakeSoundPlayer::previous() {
    m_calls.append(QStringLiteral("previous"));
    m_positionMs = 0;
}

void FakeSoundPlayer::step() {
    m_calls.append(QStringLiteral("step"));
    m_positionMs = std::min(m_lengthMs, m_positionMs + m_lengthMs / 10);
}

void FakeSoundPlayer::back() {
    m_calls.append(QStringLiteral("back"));
    m_positionMs = std::max<qint64>(0, m_positionMs - m_lengthMs / 10);
}

} // namespace tervox::ui::testing
