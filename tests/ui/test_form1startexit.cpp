// Start-up and exit of the calculator window against a fake player: the old report
// deleted, the sound track missing, unplayable or good, the positions and the wait
// of the two plays, and the exit path from both menu entries and a close request.
#include "form1harness.h"
#include "mainloop.h"
#include "modalboxguard.h"
#include "tervoxtestmain.h"

#include <QMenu>
#include <QSignalSpy>

using namespace Qt::StringLiterals;
using tervox::ui::testing::FakeSoundPlayer;
using tervox::ui::testing::Form1Harness;
using tervox::ui::testing::RunMainLoop;

namespace {

constexpr int kNotEnded = 99; // RunMainLoop's code when nobody asked to end

const FakeSoundPlayer::Play kStartupPlay{-1, 19238, false}; // to 19238 ms, in the background
const FakeSoundPlayer::Play kExitPlay{19260, -1, true};     // from 19260 ms to the end, waited for

} // namespace

class TestForm1StartExit : public QObject {
    Q_OBJECT
private slots:
    void init() { m_guard.start(); }
    void cleanup();

    void startDeletesTheOldReport_data();
    void startDeletesTheOldReport();
    void missingSoundTrackSaysSoAndEndsTheProgram();
    void unplayableSoundTrackSaysSoAndGoesOnSilently();
    void goodSoundTrackPlaysTheStartupSoundInTheBackground();
    void aFolderNamedLikeTheTrackIsNoTrack();
    void exitPathPlaysTheExitSoundThenEnds_data();
    void exitPathPlaysTheExitSoundThenEnds();
    void exitPathWithoutAnOpenTrackEndsSilently();
    void startupSoundStillPlayingIsReplacedByTheExitSound();
    void destroyingTheWindowTakesNoExitPath();

private:
    tervox::ui::testing::ModalBoxGuard m_guard;
};

void TestForm1StartExit::cleanup() {
    m_guard.stop();
    QVERIFY2(!m_guard.sawModal(), qPrintable(m_guard.seen().join(u" | "_s)));
}

void TestForm1StartExit::startDeletesTheOldReport_data() {
    QTest::addColumn<bool>("trackPresent");
    QTest::newRow("with the sound track") << true;
    QTest::newRow("without it") << false;
}

void TestForm1StartExit::startDeletesTheOldReport() {
    QFETCH(bool, trackPresent);
    Form1Harness h(trackPresent ? Form1Harness::Track::Present : Form1Harness::Track::Missing);
    QVERIFY(QDir().mkpath(QFileInfo(h.reportPath).path()));
    h.writeFile(u"Tervox/result.txt"_s, "[Resultats]\r\nold=1\r\n");
    h.writeFile(u"Tervox/other.txt"_s, "kept");
    QVERIFY(QFile::exists(h.reportPath));
    h.create();
    QVERIFY(!QFile::exists(h.reportPath));
    QVERIFY(QFile::exists(h.path(u"Tervox/other.txt"_s))); // only the report goes
    if (!trackPresent)
        QCOMPARE(RunMainLoop(), 0); // consume the termination request
}

void TestForm1StartExit::missingSoundTrackSaysSoAndEndsTheProgram() {
    Form1Harness h(Form1Harness::Track::Missing);
    tervox::ui::TForm1& form = h.create();
    QCOMPARE(h.messages.messages(), QStringList{u"ovix.dat not found. :( Now exiting..."_s});
    QVERIFY(h.messages.errors().isEmpty());
    QVERIFY(h.player.calls().isEmpty()); // the player is never touched
    QVERIFY(!form.isVisible());
    // The request was made during construction, before any event loop ran; the main
    // loop started afterwards ends on it at once.
    QCOMPARE(RunMainLoop(5000), 0);
    // Only one request: a second loop runs until its own time-out.
    QCOMPARE(RunMainLoop(200), kNotEnded);
}

void TestForm1StartExit::unplayableSoundTrackSaysSoAndGoesOnSilently() {
    Form1Harness h;
    h.player.setOpenSucceeds(false);
    h.create();
    QCOMPARE(h.player.calls(), (QStringList{u"setEndPosition 19238"_s, u"open ovix.dat"_s}));
    QVERIFY(h.player.plays().isEmpty());
    QCOMPARE(h.messages.messages(), QStringList{u"Can`t create soundstream"_s});
    QCOMPARE(RunMainLoop(200), kNotEnded); // the program goes on
}

void TestForm1StartExit::goodSoundTrackPlaysTheStartupSoundInTheBackground() {
    Form1Harness h;
    h.create();
    QCOMPARE(h.player.calls(),
             (QStringList{u"setEndPosition 19238"_s, u"open ovix.dat"_s, u"play"_s}));
    QCOMPARE(h.player.plays(), QVector<FakeSoundPlayer::Play>{kStartupPlay});
    QCOMPARE(h.player.mode(), FakeSoundPlayer::Mode::Playing);
    QVERIFY(h.messages.messages().isEmpty());
    QCOMPARE(RunMainLoop(200), kNotEnded);
}

void TestForm1StartExit::aFolderNamedLikeTheTrackIsNoTrack() {
    Form1Harness h(Form1Harness::Track::Missing);
    QVERIFY(QDir().mkpath(h.path(u"ovix.dat"_s)));
    h.create();
    QCOMPARE(h.messages.messages(), QStringList{u"ovix.dat not found. :( Now exiting..."_s});
    QCOMPARE(RunMainLoop(), 0);
}

void TestForm1StartExit::exitPathPlaysTheExitSoundThenEnds_data() {
    QTest::addColumn<QString>("way");
    QTest::newRow("Exit to windows") << u"Exittowindows1"_s;
    QTest::newRow("Exit to real world") << u"Exittorealworld1"_s;
    QTest::newRow("close request") << u"close"_s;
}

void TestForm1StartExit::exitPathPlaysTheExitSoundThenEnds() {
    QFETCH(QString, way);
    Form1Harness h;
    QVERIFY(h.createShown());
    QSignalSpy requests(h.form.get(), &tervox::ui::TForm1::terminationRequested);
    h.player.clearCalls();

    if (way == u"close"_s) {
        QVERIFY(h.form->close()); // the close is allowed
        QVERIFY(!h.form->isVisible());
    } else {
        QAction* entry = h.form->popupMenu()->findChild<QAction*>(way);
        QVERIFY(entry);
        entry->trigger();
    }
    QCOMPARE(h.player.calls(),
             (QStringList{u"setWait true"_s, u"setStartPosition 19260"_s, u"play"_s}));
    QCOMPARE(h.player.plays(), QVector<FakeSoundPlayer::Play>{kExitPlay});
    QCOMPARE(requests.size(), 1);
    QVERIFY(h.messages.messages().isEmpty());
    QCOMPARE(RunMainLoop(5000), 0);
}

void TestForm1StartExit::exitPathWithoutAnOpenTrackEndsSilently() {
    Form1Harness h;
    h.player.setOpenSucceeds(false);
    QVERIFY(h.createShown());
    h.messages.clear();
    h.player.clearCalls();
    h.form->popupMenu()->findChild<QAction*>(u"Exittowindows1"_s)->trigger();
    // The play on the closed player failed; nothing says so.
    QCOMPARE(h.player.calls(),
             (QStringList{u"setWait true"_s, u"setStartPosition 19260"_s, u"play"_s}));
    QVERIFY(h.player.plays().isEmpty());
    QVERIFY(h.messages.messages().isEmpty());
    QVERIFY(h.messages.errors().isEmpty());
    QCOMPARE(RunMainLoop(5000), 0);
}

void TestForm1StartExit::startupSoundStillPlayingIsReplacedByTheExitSound() {
    Form1Harness h;
    QVERIFY(h.createShown());
    QCOMPARE(h.player.mode(), FakeSoundPlayer::Mode::Playing);
    h.form->exittow();
    // The exit play carries no end position of its own: the start-up play used it up.
    QCOMPARE(h.player.plays(), (QVector<FakeSoundPlayer::Play>{kStartupPlay, kExitPlay}));
    QCOMPARE(h.player.mode(), FakeSoundPlayer::Mode::Stopped);
    QCOMPARE(RunMainLoop(5000), 0);
}

void TestForm1StartExit::destroyingTheWindowTakesNoExitPath() {
    // The program ends through its main window: the calculator window is destroyed
    // without a close request and plays nothing.
    Form1Harness h;
    QVERIFY(h.createShown());
    h.player.clearCalls();
    h.form.reset();
    QVERIFY(h.player.calls().isEmpty());
    QCOMPARE(RunMainLoop(200), kNotEnded);
}

TERVOX_TEST_MAIN(TestForm1StartExit)
#include "test_form1startexit.moc"
