// The program's start-up and its ways out: the working directory, the three windows
// and their order, the start-up sound, the missing sound track, the exit paths and
// the main window's close, each run through a real event loop against a fake player.
#include "bitmapbutton.h"
#include "coolbutton.h"
#include "coolform.h"
#include "datafolder.h"
#include "fakesoundplayer.h"
#include "program.h"
#include "recordingmessages.h"
#include "taboutbox.h"
#include "tform1.h"
#include "tform3.h"

#include <QAction>
#include <QDir>
#include <QFile>
#include <QMenu>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTimer>
#include <QtTest>

using tervox::app::ChooseWorkingDirectory;
using tervox::app::DataFolders;
using tervox::app::EnterWorkingDirectory;
using tervox::app::Program;
using tervox::ui::testing::FakeSoundPlayer;
using tervox::ui::testing::RecordingMessages;
using Play = FakeSoundPlayer::Play;

namespace {

bool Touch(const QString& path) {
    QDir().mkpath(QFileInfo(path).path());
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write("x") == 1;
}

// Counts the times a widget is shown.
class ShowCounter : public QObject {
public:
    int shows = 0;
    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() == QEvent::Show)
            ++shows;
        return false;
    }
};

// Runs the event loop until the program ends it, or fails after a while.
int RunEventLoop() {
    QTimer watchdog;
    watchdog.setSingleShot(true);
    QObject::connect(&watchdog, &QTimer::timeout, [] { QCoreApplication::exit(99); });
    watchdog.start(10000);
    return QCoreApplication::exec();
}

const QString kNoTrack = QStringLiteral("ovix.dat not found. :( Now exiting...");
// The start-up play: to 19238 ms in the background; the exit play: from 19260 ms to the
// end, waited for.
const Play kStartupPlay{-1, 19238, false};
const Play kExitPlay{19260, -1, true};

} // namespace

class TestProgram : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();

    void workingDirectoryIsTheFirstFolderHoldingTheTrack_data();
    void workingDirectoryIsTheFirstFolderHoldingTheTrack();
    void dataFoldersAreTheProgramsFolderAndTheInstalledShare();
    void enteringTheWorkingDirectoryChangesToTheDataFolder();

    void startupBuildsTheWindowsInOrderAndStartsTheSound();
    void withoutSoundTrackTheProgramEndsBeforeShowingAWindow();
    void exitPathsPlayTheExitSoundOnceThenEnd_data();
    void exitPathsPlayTheExitSoundOnceThenEnd();
    void closingTheMainWindowEndsWithoutTheExitSound();
    void hidingTheSplashOrClosingAboutEndsNothing();

private:
    QString m_startDir;
    std::unique_ptr<QTemporaryDir> m_dir;
    QString m_report;
};

void TestProgram::initTestCase() {
    QStandardPaths::setTestModeEnabled(true);
    m_startDir = QDir::currentPath();
}

void TestProgram::init() {
    m_dir = std::make_unique<QTemporaryDir>();
    QVERIFY(m_dir->isValid());
    QVERIFY(QDir::setCurrent(m_dir->path()));
    m_report = m_dir->filePath(QStringLiteral("Documents/Tervox/result.txt"));
}

void TestProgram::cleanup() {
    QDir::setCurrent(m_startDir);
    m_dir.reset();
}

void TestProgram::workingDirectoryIsTheFirstFolderHoldingTheTrack_data() {
    QTest::addColumn<QStringList>("withTrack");   // of "current", "bin", "share"
    QTest::addColumn<QString>("expected");
    QTest::newRow("current folder has it") << QStringList{"current", "bin", "share"} << "current";
    QTest::newRow("build tree: next to the program") << QStringList{"bin", "share"} << "bin";
    QTest::newRow("installed: share/tervox") << QStringList{"share"} << "share";
    QTest::newRow("nowhere: stay") << QStringList{} << "current";
}

void TestProgram::workingDirectoryIsTheFirstFolderHoldingTheTrack() {
    QFETCH(QStringList, withTrack);
    QFETCH(QString, expected);
    for (const char* name : {"current", "bin", "share"}) {
        QVERIFY(QDir(m_dir->path()).mkpath(name));
        if (withTrack.contains(QString::fromLatin1(name)))
            QVERIFY(Touch(m_dir->filePath(QString::fromLatin1(name) + "/ovix.dat")));
    }
    // A folder called ovix.dat is no sound track.
    QVERIFY(QDir(m_dir->path()).mkpath(QStringLiteral("current/x/ovix.dat")));
    const QString current = m_dir->filePath(QStringLiteral("current"));
    const QStringList data{m_dir->filePath(QStringLiteral("bin")), m_dir->filePath(QStringLiteral("share"))};
    QCOMPARE(ChooseWorkingDirectory(current, data), m_dir->filePath(expected));
    QCOMPARE(ChooseWorkingDirectory(m_dir->filePath(QStringLiteral("current/x")), {}),
             m_dir->filePath(QStringLiteral("current/x")));
}

void TestProgram::dataFoldersAreTheProgramsFolderAndTheInstalledShare() {
    // The install layout puts the program in <prefix>/bin, its data in <prefix>/share/tervox.
    QCOMPARE(DataFolders(QStringLiteral("/opt/tervox/bin")),
             (QStringList{"/opt/tervox/bin", "/opt/tervox/share/tervox"}));
}

void TestProgram::enteringTheWorkingDirectoryChangesToTheDataFolder() {
    QVERIFY(Touch(m_dir->filePath(QStringLiteral("prefix/share/tervox/ovix.dat"))));
    QVERIFY(QDir(m_dir->path()).mkpath(QStringLiteral("prefix/bin")));
    QVERIFY(QDir(m_dir->path()).mkpath(QStringLiteral("home")));
    QVERIFY(QDir::setCurrent(m_dir->filePath(QStringLiteral("home"))));
    const QString entered = EnterWorkingDirectory(m_dir->filePath(QStringLiteral("prefix/bin")));
    QCOMPARE(QDir::currentPath(), QDir(m_dir->filePath(QStringLiteral("prefix/share/tervox"))).canonicalPath());
    QCOMPARE(entered, QDir::currentPath());

    // A user's own folder with a sound track is kept.
    QVERIFY(Touch(m_dir->filePath(QStringLiteral("own/ovix.dat"))));
    QVERIFY(QDir::setCurrent(m_dir->filePath(QStringLiteral("own"))));
    EnterWorkingDirectory(m_dir->filePath(QStringLiteral("prefix/bin")));
    QCOMPARE(QDir::currentPath(), QDir(m_dir->filePath(QStringLiteral("own"))).canonicalPath());
}

void TestProgram::startupBuildsTheWindowsInOrderAndStartsTheSound() {
    QVERIFY(Touch(QStringLiteral("ovix.dat")));
    QVERIFY(Touch(m_report));
    RecordingMessages messages;
    FakeSoundPlayer player;
    Program program(messages, player, m_report);

    QVERIFY(!QFile::exists(m_report)); // deleted at start-up
    QCOMPARE(player.lastOpenedFile(), QStringLiteral("ovix.dat"));
    QCOMPARE(player.plays(), QVector<Play>{kStartupPlay});
    QVERIFY(messages.messages().isEmpty());
    QVERIFY(!program.terminationRequested());

    // Nothing is shown before the event loop runs; the About window has the splash
    // window's picture, which exists only because Form3 was made first.
    QVERIFY(!program.form3().isVisible());
    QVERIFY(!program.form1().isVisible());
    QVERIFY(!program.aboutBox().isVisible());
    QCOMPARE(program.aboutBox().coolForm()->picture(), program.form3().coolForm()->picture());
    QCOMPARE(program.form1().aboutBox(), static_cast<QDialog*>(&program.aboutBox()));

    program.showMainWindowWhenLoopRuns();
    QVERIFY(!program.form3().isVisible());
    QTRY_VERIFY(program.form3().isVisible());
    QVERIFY(!program.form1().isVisible());
}

void TestProgram::withoutSoundTrackTheProgramEndsBeforeShowingAWindow() {
    QVERIFY(Touch(m_report));
    RecordingMessages messages;
    FakeSoundPlayer player;
    Program program(messages, player, m_report);
    ShowCounter counter;
    program.form3().installEventFilter(&counter);
    program.form1().installEventFilter(&counter);

    QCOMPARE(messages.messages(), QStringList{kNoTrack});
    QVERIFY(!QFile::exists(m_report)); // deleted all the same
    QVERIFY(player.plays().isEmpty());
    QVERIFY(!player.calls().contains(QStringLiteral("open ovix.dat")));

    program.showMainWindowWhenLoopRuns();
    QCOMPARE(RunEventLoop(), 0);
    QCOMPARE(counter.shows, 0);
    QVERIFY(program.terminationRequested());
}

void TestProgram::exitPathsPlayTheExitSoundOnceThenEnd_data() {
    QTest::addColumn<QString>("way");
    QTest::addColumn<bool>("trackOpens");
    for (const bool opens : {true, false}) {
        const char* suffix = opens ? "" : ", unplayable track";
        QTest::addRow("Exit to windows%s", suffix) << QStringLiteral("Exittowindows1") << opens;
        QTest::addRow("Exit to real world%s", suffix) << QStringLiteral("Exittorealworld1") << opens;
        QTest::addRow("close request%s", suffix) << QString() << opens;
    }
}

void TestProgram::exitPathsPlayTheExitSoundOnceThenEnd() {
    QFETCH(QString, way);
    QFETCH(bool, trackOpens);
    QVERIFY(Touch(QStringLiteral("ovix.dat")));
    RecordingMessages messages;
    FakeSoundPlayer player;
    player.setOpenSucceeds(trackOpens);
    Program program(messages, player, m_report);
    QCOMPARE(messages.messages(),
             trackOpens ? QStringList() : QStringList{QStringLiteral("Can`t create soundstream")});
    program.showMainWindowWhenLoopRuns();

    bool form1WasShown = false;
    QTimer::singleShot(50, &program, [&] {
        // The user leaves the splash window for the calculator and then leaves.
        program.form3().bitBtn1()->click();
        form1WasShown = program.form1().isVisible();
        if (way.isEmpty()) {
            program.form1().close();
        } else {
            QAction* entry = program.form1().popupMenu()->findChild<QAction*>(way);
            QVERIFY(entry);
            entry->trigger();
        }
    });
    QCOMPARE(RunEventLoop(), 0);
    QVERIFY(form1WasShown);
    // Once, and not again when the program ends with the calculator window open.
    if (trackOpens)
        QCOMPARE(player.plays(), (QVector<Play>{kStartupPlay, kExitPlay}));
    else
        QVERIFY(player.plays().isEmpty()); // nothing opened: the exit play fails silently
    QVERIFY(messages.errors().isEmpty());
    QCOMPARE(messages.messages().size(), trackOpens ? 0 : 1);
    QVERIFY(program.terminationRequested());
}

void TestProgram::closingTheMainWindowEndsWithoutTheExitSound() {
    QVERIFY(Touch(QStringLiteral("ovix.dat")));
    RecordingMessages messages;
    FakeSoundPlayer player;
    Program program(messages, player, m_report);
    QSignalSpy closed(&program, &Program::mainWindowClosed);
    program.showMainWindowWhenLoopRuns();
    QTimer::singleShot(50, &program, [&] { program.form3().close(); });
    QCOMPARE(RunEventLoop(), 0);
    QCOMPARE(closed.count(), 1);
    QCOMPARE(player.plays(), QVector<Play>{kStartupPlay});
    QVERIFY(!player.calls().contains(QStringLiteral("setWait true")));
}

void TestProgram::hidingTheSplashOrClosingAboutEndsNothing() {
    QVERIFY(Touch(QStringLiteral("ovix.dat")));
    RecordingMessages messages;
    FakeSoundPlayer player;
    Program program(messages, player, m_report);
    program.showMainWindowWhenLoopRuns();
    bool stillRunning = false;
    QTimer::singleShot(50, &program, [&] {
        program.form3().bitBtn1()->click();
        // "About" shows the window modally; its button closes it.
        QTimer::singleShot(50, &program, [&] { program.aboutBox().coolButton1()->click(); });
        program.form1().proeto();
        QTimer::singleShot(100, &program, [&] {
            stillRunning = !program.terminationRequested();
            QCoreApplication::exit(7);
        });
    });
    QCOMPARE(RunEventLoop(), 7);
    QVERIFY(stillRunning);
    QCOMPARE(player.plays(), QVector<Play>{kStartupPlay});
}

QTEST_MAIN(TestProgram)
#include "test_program.moc"
