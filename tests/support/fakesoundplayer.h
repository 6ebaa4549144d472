#pragma once

#include "soundplayer.h"

#include <QStringList>
#include <QVector>

namespace tervox::ui::testing {

// A sound player without sound: it records every call in order, can be told that
// opening fails, and changes its mode the way a real player would.
class FakeSoundPlayer : public SoundPlayer {
    Q_OBJECT
public:
    // One play request as it was made: the positions and the wait flag in force
    // (-1 for a position that was not set).
    struct Play {
        qint64 startMs = -1;
        qint64 endMs = -1;
        bool wait = false;
        bool operator==(const Play&) const = default;
    };

    explicit FakeSoundPlayer(QObject* parent = nullptr);

    // Configuration.
    void setOpenSucceeds(bool succeeds) { m_openSucceeds = succeeds; }
    void setLengthMs(qint64 length) { m_lengthMs = length; }
    // Puts the player into a mode and announces it, as a real player does when a
    // background play ends.
    void setMode(Mode mode);

    // What happened: every call, in order, as text ("open ovix.dat",
    // "setEndPosition 19238", "play", "setWait true", ...), and the plays made.
    const QStringList& calls() const { return m_calls; }
    const QVector<Play>& plays() const { return m_plays; }
    QString lastOpenedFile() const { return m_fileName; }
    void clearCalls();

    bool open(const QString& fileName) override;
    void close() override;
    Mode mode() const override { return m_mode; }
    qint64 lengthMs() const override { return m_lengthMs; }
    qint64 positionMs() const override { return m_positionMs; }
    void setStartPosition(qint64 ms) override;
    void setEndPosition(qint64 ms) override;
    void setWait(bool wait) override;
    int play() override;
    void pause() override;
    void stop() override;
    void next() override;
    void previous() override;
    void step() override;
    void back() override;

private:
    bool m_openSucceeds = true;
    Mode m_mode = Mode::NotOpen;
    qint64 m_lengthMs = 25000;
    qint64 m_positionMs = 0;
    qint64 m_startMs = -1;
    qint64 m_endMs = -1;
    bool m_wait = false;
    QString m_fileName;
    QStringList m_calls;
    QVector<Play> m_plays;
};

} // namespace tervox::ui::testing
