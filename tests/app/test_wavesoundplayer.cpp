// The sound player's logic, driven through a stand-in output device: how positions in
// milliseconds become frames, which settings serve which play, waiting, replacing a
// play under way, and which failures are returned and which raised.
#include "fakeaudiooutput.h"
#include "wavefile.h"
#include "wavesoundplayer.h"

#include <QSignalSpy>
#include <QTemporaryDir>
#include <QtTest>

using tervox::ui::PlayerNotOpenError;
using tervox::ui::SoundPlayer;
using tervox::ui::WaveSoundPlayer;
using tervox::ui::testing::FakeAudioOutput;
using tervox::ui::testing::WriteCountingWave;
using Mode = tervox::ui::SoundPlayer::Mode;

namespace {
// The sound track's two positions: the start-up sound ends at 19238 ms, the exit
// sound begins at 19260 ms.
constexpr qint64 kStartupEndMs = 19238;
constexpr qint64 kExitStartMs = 19260;
} // namespace

class TestWaveSoundPlayer : public QObject {
    Q_OBJECT

private slots:
    void init();

    void openFailsForMissingOrUndecodableFiles_data();
    void openFailsForMissingOrUndecodableFiles();
    void openFailsWithoutOutputDevice();
    void openFailsOnTheRealOutputWhenThereIsNoSoundServer();
    void openPreparesTheDeviceForTheTracksFormat();

    void positionsMapToFramesExactly_data();
    void positionsMapToFramesExactly();
    void startupAndExitPlaysCoverTheirTwoRanges();
    void endPositionSetBeforeOpenServesTheFirstPlay();
    void settingsServeTheNextPlayOnly();
    void waitingPlayReturnsWithTheTrackPlayedOut();
    void playWhilePlayingReplacesTheSoundUnderWay();
    void backgroundPlayEndsWhenTheDeviceReportsIt();

    void rejectedPlayIsReturnedAndPlaysNothing_data();
    void rejectedPlayIsReturnedAndPlaysNothing();
    void playOnAClosedPlayerThrows();

    void pauseStopAndPlayContinueFromThePosition();
    void barMovesStepThroughTheTrack();
    void closeStopsTheSoundAndReleasesTheDevice();

private:
    // A player on a fake device, opened on a counting track of the given length.
    WaveSoundPlayer* openPlayer(int rate, qint64 lengthMs, int channels = 1);

    QTemporaryDir m_dir;
    FakeAudioOutput* m_output = nullptr;
    std::unique_ptr<WaveSoundPlayer> m_player;
};

void TestWaveSoundPlayer::init() {
    QVERIFY(m_dir.isValid());
    auto output = std::make_unique<FakeAudioOutput>();
    m_output = output.get();
    m_player = std::make_unique<WaveSoundPlayer>(std::move(output));
}

WaveSoundPlayer* TestWaveSoundPlayer::openPlayer(int rate, qint64 lengthMs, int channels) {
    const QString path = m_dir.filePath(QStringLiteral("track_%1_%2_%3.wav").arg(rate).arg(lengthMs).arg(channels));
    if (!WriteCountingWave(path, rate, channels, lengthMs * rate / 1000))
        return nullptr;
    if (!m_player->open(path))
        return nullptr;
    m_output->calls.clear();
    return m_player.get();
}

void TestWaveSoundPlayer::openFailsForMissingOrUndecodableFiles_data() {
    QTest::addColumn<QByteArray>("content");
    QTest::addColumn<bool>("create");
    QTest::newRow("missing") << QByteArray() << false;
    QTest::newRow("empty") << QByteArray() << true;
    QTest::newRow("text") << QByteArray("ovix.dat is a sound track, this is not\n") << true;
    QTest::newRow("truncated header") << QByteArray("RIFF\x24\x00\x00\x00WAVEfmt ", 16) << true;
}

void TestWaveSoundPlayer::openFailsForMissingOrUndecodableFiles() {
    QFETCH(QByteArray, content);
    QFETCH(bool, create);
    const QString path = m_dir.filePath(QStringLiteral("ovix.dat"));
    QFile::remove(path);
    if (create) {
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(content);
    }
    QVERIFY(!m_player->open(path));
    QCOMPARE(m_player->mode(), Mode::NotOpen);
    QVERIFY(m_output->calls.isEmpty()); // the device is not even asked
    QVERIFY_THROWS_EXCEPTION(PlayerNotOpenError, m_player->play());
}

void TestWaveSoundPlayer::openFailsWithoutOutputDevice() {
    const QString path = m_dir.filePath(QStringLiteral("good.wav"));
    QVERIFY(WriteCountingWave(path, 22050, 2, 22050));
    m_output->openSucceeds = false;
    QVERIFY(!m_player->open(path));
    QCOMPARE(m_player->mode(), Mode::NotOpen);
    QCOMPARE(m_player->lengthMs(), 0);
    QVERIFY_THROWS_EXCEPTION(PlayerNotOpenError, m_player->play());
}

void TestWaveSoundPlayer::openFailsOnTheRealOutputWhenThereIsNoSoundServer() {
    // The test runs with PULSE_SERVER naming a socket that does not exist: Qt
    // Multimedia then has no output device, as on a machine without sound.
    const QString path = m_dir.filePath(QStringLiteral("good.wav"));
    QVERIFY(WriteCountingWave(path, 22050, 1, 2205));
    WaveSoundPlayer real;
    QVERIFY(!real.open(path));
    QCOMPARE(real.mode(), Mode::NotOpen);
}

void TestWaveSoundPlayer::openPreparesTheDeviceForTheTracksFormat() {
    const QString path = m_dir.filePath(QStringLiteral("stereo.wav"));
    QVERIFY(WriteCountingWave(path, 11025, 2, 11025 * 3 / 2)); // 1.5 s
    QSignalSpy modeChanges(m_player.get(), &SoundPlayer::modeChanged);
    QVERIFY(m_player->open(path));
    QCOMPARE(m_output->openedRate, 11025);
    QCOMPARE(m_output->openedChannels, 2);
    QCOMPARE(m_player->mode(), Mode::Stopped);
    QCOMPARE(m_player->lengthMs(), 1500);
    QCOMPARE(m_player->positionMs(), 0);
    QCOMPARE(modeChanges.count(), 1);
}

void TestWaveSoundPlayer::positionsMapToFramesExactly_data() {
    QTest::addColumn<int>("rate");
    QTest::addColumn<qint64>("startMs");
    QTest::addColumn<qint64>("endMs");
    QTest::addColumn<qint64>("firstFrame");
    QTest::addColumn<qint64>("endFrame");
    // frame = ms * rate / 1000, truncated; worked out by hand.
    QTest::newRow("44100 Hz startup end") << 44100 << qint64(0) << kStartupEndMs << qint64(0) << qint64(848395);
    QTest::newRow("44100 Hz exit start") << 44100 << kExitStartMs << qint64(20000) << qint64(849366) << qint64(882000);
    QTest::newRow("22050 Hz") << 22050 << qint64(1) << kStartupEndMs << qint64(22) << qint64(424197);
    QTest::newRow("11025 Hz") << 11025 << qint64(3) << kExitStartMs << qint64(33) << qint64(212341);
    QTest::newRow("8000 Hz") << 8000 << qint64(19237) << kStartupEndMs << qint64(153896) << qint64(153904);
    QTest::newRow("48000 Hz last ms") << 48000 << qint64(19999) << qint64(20000) << qint64(959952) << qint64(960000);
}

void TestWaveSoundPlayer::positionsMapToFramesExactly() {
    QFETCH(int, rate);
    QFETCH(qint64, startMs);
    QFETCH(qint64, endMs);
    QFETCH(qint64, firstFrame);
    QFETCH(qint64, endFrame);
    WaveSoundPlayer* player = openPlayer(rate, 20000);
    QVERIFY(player);
    player->setStartPosition(startMs);
    player->setEndPosition(endMs);
    QCOMPARE(player->play(), 0);
    QCOMPARE(m_output->segments.size(), 1);
    QCOMPARE(m_output->segments[0].firstFrame, firstFrame);
    QCOMPARE(m_output->segments[0].endFrame, endFrame);
    QCOMPARE(player->positionMs(), startMs);
}

void TestWaveSoundPlayer::startupAndExitPlaysCoverTheirTwoRanges() {
    // The start-up: end position, open, play in the background. The exit: wait,
    // start position, play. The end position of the first play does not limit the
    // second: the exit sound goes to the end of the track.
    WaveSoundPlayer* player = openPlayer(22050, 25000);
    QVERIFY(player);
    player->setEndPosition(kStartupEndMs);
    QCOMPARE(player->play(), 0);
    QCOMPARE(player->mode(), Mode::Playing);
    m_output->played = 22050; // one second of the start-up sound is out
    QCOMPARE(player->positionMs(), 1000);

    player->setWait(true);
    player->setStartPosition(kExitStartMs);
    QCOMPARE(player->play(), 0);
    QCOMPARE(m_output->playbackCalls(),
             (QStringList{"stop", "start 0 424197", "stop", "start 424683 551250", "wait"}));
    QCOMPARE(player->mode(), Mode::Stopped);
    QCOMPARE(player->positionMs(), 25000);
}

void TestWaveSoundPlayer::endPositionSetBeforeOpenServesTheFirstPlay() {
    // The start-up sets the end position, then opens the track, then plays.
    const QString path = m_dir.filePath(QStringLiteral("ovix.dat"));
    QVERIFY(WriteCountingWave(path, 8000, 1, 8000 * 25));
    m_player->setEndPosition(kStartupEndMs);
    QVERIFY(m_player->open(path));
    QCOMPARE(m_player->play(), 0);
    QCOMPARE(m_output->segments.size(), 1);
    QCOMPARE(m_output->segments[0].firstFrame, 0);
    QCOMPARE(m_output->segments[0].endFrame, 153904); // 19238 ms at 8000 Hz
}

void TestWaveSoundPlayer::settingsServeTheNextPlayOnly() {
    WaveSoundPlayer* player = openPlayer(8000, 10000);
    QVERIFY(player);
    player->setStartPosition(1000);
    player->setEndPosition(2000);
    QCOMPARE(player->play(), 0);
    m_output->finish(m_output->segments.last().id);
    QTRY_COMPARE(player->mode(), Mode::Stopped);
    QCOMPARE(player->positionMs(), 2000);

    // No settings now: from the current position to the end, in the background.
    QCOMPARE(player->play(), 0);
    QCOMPARE(m_output->segments.last().firstFrame, 16000);
    QCOMPARE(m_output->segments.last().endFrame, 80000);
    QVERIFY(!m_output->calls.contains("wait"));

    // A wait set for a rejected request is used up by it as well.
    player->setWait(true);
    player->setStartPosition(10001);
    QCOMPARE(player->play(), WaveSoundPlayer::kPositionOutOfRange);
    player->setStartPosition(0);
    QCOMPARE(player->play(), 0);
    QVERIFY(!m_output->calls.contains("wait"));
}

void TestWaveSoundPlayer::waitingPlayReturnsWithTheTrackPlayedOut() {
    WaveSoundPlayer* player = openPlayer(11025, 3000);
    QVERIFY(player);
    QSignalSpy modeChanges(player, &SoundPlayer::modeChanged);
    player->setWait(true);
    player->setStartPosition(2000);
    QCOMPARE(player->play(), 0);
    // The device reported the end from another thread; by the time play() returns
    // the player already knows, and the late queued report changes nothing.
    QCOMPARE(player->mode(), Mode::Stopped);
    QCOMPARE(player->positionMs(), 3000);
    QCOMPARE(modeChanges.count(), 2); // Playing, then Stopped
    QCoreApplication::processEvents();
    QCOMPARE(modeChanges.count(), 2);
    QCOMPARE(player->mode(), Mode::Stopped);
}

void TestWaveSoundPlayer::playWhilePlayingReplacesTheSoundUnderWay() {
    WaveSoundPlayer* player = openPlayer(8000, 30000);
    QVERIFY(player);
    player->setEndPosition(kStartupEndMs);
    QCOMPARE(player->play(), 0);
    const quint64 startup = m_output->segments.last().id;
    player->setStartPosition(kExitStartMs);
    QCOMPARE(player->play(), 0);
    QCOMPARE(m_output->playbackCalls(), (QStringList{"stop", "start 0 153904", "stop", "start 154080 240000"}));

    // The cut-off start-up sound's end must not stop the exit sound.
    m_output->finish(startup);
    QCoreApplication::processEvents();
    QCOMPARE(player->mode(), Mode::Playing);
    m_output->finish(m_output->segments.last().id);
    QTRY_COMPARE(player->mode(), Mode::Stopped);
    QCOMPARE(player->positionMs(), 30000);
}

void TestWaveSoundPlayer::backgroundPlayEndsWhenTheDeviceReportsIt() {
    WaveSoundPlayer* player = openPlayer(22050, 25000);
    QVERIFY(player);
    player->setEndPosition(kStartupEndMs);
    QCOMPARE(player->play(), 0);
    QCOMPARE(player->mode(), Mode::Playing);
    m_output->played = 22050 * 19; // the device's progress
    QCOMPARE(player->positionMs(), 19000);
    QSignalSpy modeChanges(player, &SoundPlayer::modeChanged);
    m_output->finish(m_output->segments.last().id);
    QTRY_COMPARE(player->mode(), Mode::Stopped);
    QCOMPARE(modeChanges.count(), 1);
    QCOMPARE(player->positionMs(), kStartupEndMs);
}

void TestWaveSoundPlayer::rejectedPlayIsReturnedAndPlaysNothing_data() {
    QTest::addColumn<qint64>("startMs");
    QTest::addColumn<qint64>("endMs");
    // A 20 s track; -1 leaves a position unset.
    QTest::newRow("start beyond the end") << qint64(20001) << qint64(-1);
    QTest::newRow("end beyond the end") << qint64(-1) << qint64(20500);
    QTest::newRow("start after end") << qint64(5000) << qint64(4000);
    QTest::newRow("negative start") << qint64(-5) << qint64(-1);
    QTest::newRow("huge start") << qint64(std::numeric_limits<qint64>::max()) << qint64(-1);
    QTest::newRow("huge end") << qint64(0) << qint64(std::numeric_limits<qint64>::max() / 2);
}

void TestWaveSoundPlayer::rejectedPlayIsReturnedAndPlaysNothing() {
    QFETCH(qint64, startMs);
    QFETCH(qint64, endMs);
    WaveSoundPlayer* player = openPlayer(44100, 20000);
    QVERIFY(player);
    player->setEndPosition(10000);
    QCOMPARE(player->play(), 0); // something plays in the background
    m_output->calls.clear();

    if (startMs != -1)
        player->setStartPosition(startMs);
    if (endMs != -1)
        player->setEndPosition(endMs);
    QCOMPARE(player->play(), WaveSoundPlayer::kPositionOutOfRange);
    // Nothing started, and what played goes on.
    QCOMPARE(m_output->calls, QStringList());
    QCOMPARE(player->mode(), Mode::Playing);
}

void TestWaveSoundPlayer::playOnAClosedPlayerThrows() {
    QVERIFY_THROWS_EXCEPTION(PlayerNotOpenError, m_player->play());
    WaveSoundPlayer* player = openPlayer(8000, 1000);
    QVERIFY(player);
    player->close();
    player->setWait(true);
    QVERIFY_THROWS_EXCEPTION(PlayerNotOpenError, player->play());
    QVERIFY(m_output->segments.isEmpty());
}

void TestWaveSoundPlayer::pauseStopAndPlayContinueFromThePosition() {
    WaveSoundPlayer* player = openPlayer(8000, 10000);
    QVERIFY(player);
    QCOMPARE(player->play(), 0);
    m_output->played = 8000 * 2;
    player->pause();
    QCOMPARE(player->mode(), Mode::Paused);
    QCOMPARE(player->positionMs(), 2000);
    QCOMPARE(player->play(), 0); // from where it paused
    QCOMPARE(m_output->segments.last().firstFrame, 16000);
    m_output->played = 8000;
    player->stop();
    QCOMPARE(player->mode(), Mode::Stopped);
    QCOMPARE(player->positionMs(), 3000);
    m_output->played = 0; // a stopped device counts nothing more
    QCOMPARE(player->positionMs(), 3000);
    QCOMPARE(player->play(), 0);
    QCOMPARE(m_output->segments.last().firstFrame, 24000);
}

void TestWaveSoundPlayer::barMovesStepThroughTheTrack() {
    WaveSoundPlayer* player = openPlayer(8000, 10000);
    QVERIFY(player);
    player->step();
    QCOMPARE(player->positionMs(), 1000);
    player->step();
    QCOMPARE(player->positionMs(), 2000);
    player->back();
    QCOMPARE(player->positionMs(), 1000);
    player->back();
    player->back();
    QCOMPARE(player->positionMs(), 0);
    player->next();
    QCOMPARE(player->positionMs(), 10000);
    // At the end of the track a play without positions has nothing to play.
    QCOMPARE(player->play(), 0);
    QCOMPARE(player->mode(), Mode::Stopped);
    QVERIFY(m_output->segments.isEmpty());
    player->previous();
    QCOMPARE(player->positionMs(), 0);
    // Moving while playing stops the sound at the new place.
    QCOMPARE(player->play(), 0);
    player->next();
    QCOMPARE(player->mode(), Mode::Stopped);
    QCOMPARE(m_output->calls.last(), QStringLiteral("stop"));
}

void TestWaveSoundPlayer::closeStopsTheSoundAndReleasesTheDevice() {
    WaveSoundPlayer* player = openPlayer(8000, 10000);
    QVERIFY(player);
    QCOMPARE(player->play(), 0);
    player->close();
    QCOMPARE(m_output->calls.mid(m_output->calls.size() - 2), (QStringList{"stop", "close"}));
    QCOMPARE(player->mode(), Mode::NotOpen);
    QCOMPARE(player->positionMs(), 0);
    // The end of the closed sound, reported late, reaches nothing.
    m_output->finish(m_output->segments.last().id);
    QCoreApplication::processEvents();
    QCOMPARE(player->mode(), Mode::NotOpen);
}

QTEST_GUILESS_MAIN(TestWaveSoundPlayer)
#include "test_wavesoundplayer.moc"
