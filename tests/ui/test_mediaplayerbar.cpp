// The media-player bar: its buttons follow the player's mode and act on the player.
#include "fakesoundplayer.h"
#include "mediaplayerbar.h"
#include "tervoxtestmain.h"

#include <QToolButton>

using namespace Qt::StringLiterals;
using tervox::ui::MediaPlayerBar;
using tervox::ui::testing::FakeSoundPlayer;
using Mode = FakeSoundPlayer::Mode;

namespace {

// The enabled buttons, by name, in bar order.
QStringList Enabled(const MediaPlayerBar& bar) {
    QStringList names;
    for (int i = 0; i < MediaPlayerBar::kButtonCount; ++i) {
        QToolButton* button = bar.button(MediaPlayerBar::Button(i));
        if (button->isEnabled())
            names << button->objectName().mid(QStringLiteral("MediaPlayer1_").size());
    }
    return names;
}

} // namespace

class TestMediaPlayerBar : public QObject {
    Q_OBJECT
private slots:
    void buttonsFollowThePlayersMode_data();
    void buttonsFollowThePlayersMode();
    void buttonsActOnThePlayer();
    void keyboardPicksAndPressesAButton();
};

void TestMediaPlayerBar::buttonsFollowThePlayersMode_data() {
    QTest::addColumn<int>("mode");
    QTest::addColumn<QStringList>("enabled");
    QTest::newRow("not open") << int(Mode::NotOpen) << QStringList{};
    QTest::newRow("stopped") << int(Mode::Stopped)
                             << QStringList{u"play"_s, u"next"_s, u"previous"_s, u"step"_s, u"back"_s};
    QTest::newRow("playing") << int(Mode::Playing)
                             << QStringList{u"pause"_s, u"stop"_s, u"next"_s, u"previous"_s,
                                            u"step"_s, u"back"_s};
    QTest::newRow("paused") << int(Mode::Paused)
                            << QStringList{u"play"_s, u"pause"_s, u"stop"_s, u"next"_s,
                                           u"previous"_s, u"step"_s, u"back"_s};
}

void TestMediaPlayerBar::buttonsFollowThePlayersMode() {
    QFETCH(int, mode);
    QFETCH(QStringList, enabled);
    FakeSoundPlayer player;
    MediaPlayerBar bar(player);
    bar.resize(253, 30);
    QCOMPARE(Enabled(bar), QStringList{}); // a closed player at first
    player.setMode(Mode(mode));            // announced through modeChanged
    QCOMPARE(Enabled(bar), enabled);
}

void TestMediaPlayerBar::buttonsActOnThePlayer() {
    FakeSoundPlayer player;
    MediaPlayerBar bar(player);
    bar.resize(253, 30);
    bar.show();
    QVERIFY(QTest::qWaitForWindowExposed(&bar));
    QVERIFY(player.open(u"ovix.dat"_s));
    player.clearCalls();
    const auto click = [&bar](MediaPlayerBar::Button which) {
        QTest::mouseClick(bar.button(which), Qt::LeftButton);
    };
    click(MediaPlayerBar::Play);
    QCOMPARE(player.mode(), Mode::Playing);
    click(MediaPlayerBar::Pause);
    QCOMPARE(player.mode(), Mode::Paused);
    click(MediaPlayerBar::Pause); // pressed again: goes on playing
    QCOMPARE(player.mode(), Mode::Playing);
    click(MediaPlayerBar::Next);
    click(MediaPlayerBar::Previous);
    click(MediaPlayerBar::Step);
    click(MediaPlayerBar::Back);
    click(MediaPlayerBar::Stop);
    click(MediaPlayerBar::Record); // disabled: nothing happens
    click(MediaPlayerBar::Eject);
    QCOMPARE(player.calls(), (QStringList{u"play"_s, u"pause"_s, u"play"_s, u"next"_s,
                                          u"previous"_s, u"step"_s, u"back"_s, u"stop"_s}));
    QCOMPARE(player.mode(), Mode::Stopped);
}

void TestMediaPlayerBar::keyboardPicksAndPressesAButton() {
    FakeSoundPlayer player;
    MediaPlayerBar bar(player);
    bar.resize(253, 30);
    QVERIFY(player.open(u"ovix.dat"_s));
    player.clearCalls();
    QCOMPARE(bar.focusPolicy(), Qt::StrongFocus);
    QCOMPARE(bar.currentButton(), int(MediaPlayerBar::Play));
    QTest::keyClick(&bar, Qt::Key_Space);
    QTest::keyClick(&bar, Qt::Key_Right);
    QTest::keyClick(&bar, Qt::Key_Right);
    QCOMPARE(bar.currentButton(), int(MediaPlayerBar::Stop));
    QTest::keyClick(&bar, Qt::Key_Return);
    QTest::keyClick(&bar, Qt::Key_Left);
    QTest::keyClick(&bar, Qt::Key_Left);
    QTest::keyClick(&bar, Qt::Key_Left);
    QCOMPARE(bar.currentButton(), int(MediaPlayerBar::Eject)); // round the end
    QCOMPARE(player.calls(), (QStringList{u"play"_s, u"stop"_s}));
}

TERVOX_TEST_MAIN(TestMediaPlayerBar)
#include "test_mediaplayerbar.moc"
