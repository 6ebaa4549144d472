// The splash window Form3: its design, its outline with the see-through hole, the
// button that leads on to the calculator window, and its scaling.
#include "bitmapbutton.h"
#include "coolform.h"
#include "fakesoundplayer.h"
#include "recordingmessages.h"
#include "regionpoints.h"
#include "tform1.h"
#include "tform3.h"

#include <QDir>
#include <QFile>
#include <QScreen>
#include <QSignalSpy>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QtTest>

using tervox::ui::BitmapButton;
using tervox::ui::CoolForm;
using tervox::ui::TForm1;
using tervox::ui::TForm3;
using tervox::ui::testing::FakeSoundPlayer;
using tervox::ui::testing::PointWellInside;
using tervox::ui::testing::RecordingMessages;

class TestSplashWindow : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanup();

    void isTheDesignedBorderlessWindowAtItsPlace();
    void showsItsPictureUnscaledAndItsOutlineWithAHole();
    void buttonHasTheFocusWhenShown();
    void buttonHidesTheSplashAndShowsTheCalculatorCentred_data();
    void buttonHidesTheSplashAndShowsTheCalculatorCentred();
    void closingItAnnouncesTheEndOfTheProgram();
    void scalesClientAndButtonButNeverPictureOrOutline();
    void takesItsScaleFromTheScreensLogicalResolution();

private:
    QTemporaryDir m_dir;
    QString m_previousDir;
};

void TestSplashWindow::initTestCase() {
    QStandardPaths::setTestModeEnabled(true);
    QVERIFY(m_dir.isValid());
    // The calculator window's start-up looks for the sound track in the working
    // directory; the fake player never reads it.
    m_previousDir = QDir::currentPath();
    QVERIFY(QDir::setCurrent(m_dir.path()));
    QFile track(QStringLiteral("ovix.dat"));
    QVERIFY(track.open(QIODevice::WriteOnly));
}

void TestSplashWindow::cleanup() {
    for (QWidget* w : QApplication::topLevelWidgets())
        w->hide();
}

void TestSplashWindow::isTheDesignedBorderlessWindowAtItsPlace() {
    TForm3 form3(nullptr, 1.0);
    QCOMPARE(form3.objectName(), QStringLiteral("Form3"));
    QCOMPARE(form3.windowTitle(), QStringLiteral("Form3"));
    QVERIFY(form3.isWindow());
    QVERIFY(form3.windowFlags() & Qt::FramelessWindowHint);
    QVERIFY(!form3.isVisible()); // shown by the event loop, not by its creation
    QCOMPARE(form3.size(), QSize(320, 239));
    QCOMPARE(form3.pos(), QPoint(221, 170));

    // Two controls: the skin at the bottom, covering the client area, and the button.
    auto* skin = form3.findChild<CoolForm*>(QStringLiteral("CoolForm1"));
    auto* button = form3.findChild<BitmapButton*>(QStringLiteral("BitBtn1"));
    QVERIFY(skin);
    QVERIFY(button);
    QCOMPARE(skin->geometry(), QRect(0, 0, 320, 239));
    QCOMPARE(form3.children().indexOf(skin) < form3.children().indexOf(button), true);
    QCOMPARE(button->geometry(), QRect(230, 185, 60, 26));
    QVERIFY(button->text().isEmpty());
    QCOMPARE(button->glyph().size(), QSize(64, 32)); // larger than the button: cut off
}

void TestSplashWindow::showsItsPictureUnscaledAndItsOutlineWithAHole() {
    TForm3 form3(nullptr, 1.0);
    const QImage picture = form3.coolForm()->picture();
    QCOMPARE(picture.size(), QSize(320, 240)); // the last row falls outside the client area

    // The outline: column 0 outside, every row from 0 to 238 reaches column 319, and a
    // hole within columns 20 to 110 and rows 9 to 97.
    const QRegion outline = form3.mask();
    QVERIFY(!outline.isEmpty());
    QCOMPARE(outline, form3.coolForm()->maskRegion());
    for (int y = 0; y < 239; ++y) {
        QVERIFY2(!outline.contains(QPoint(0, y)), qPrintable(QStringLiteral("row %1").arg(y)));
        QVERIFY2(outline.contains(QPoint(319, y)), qPrintable(QStringLiteral("row %1").arg(y)));
    }
    const QRegion outsideHoleArea = QRegion(1, 0, 320, 240) - QRegion(20, 9, 91, 89);
    QCOMPARE(outline & outsideHoleArea, outsideHoleArea);
    const auto hole = PointWellInside(outline, QRect(20, 9, 91, 89), false);
    QVERIFY2(hole, "the outline has no see-through hole");

    // Shown, the window paints the picture unscaled at its top-left corner.
    form3.show();
    QVERIFY(QTest::qWaitForWindowExposed(&form3));
    const QImage shot = form3.grab().toImage().convertToFormat(QImage::Format_RGB32);
    const QImage expected = picture.convertToFormat(QImage::Format_RGB32);
    for (const QPoint p : {QPoint(5, 5), QPoint(160, 120), QPoint(318, 20), QPoint(100, 230)})
        QCOMPARE(shot.pixel(p), expected.pixel(p));
}

void TestSplashWindow::buttonHasTheFocusWhenShown() {
    TForm3 form3(nullptr, 1.0);
    form3.show();
    QVERIFY(QTest::qWaitForWindowActive(&form3));
    QTRY_COMPARE(QApplication::focusWidget(), static_cast<QWidget*>(form3.bitBtn1()));
}

void TestSplashWindow::buttonHidesTheSplashAndShowsTheCalculatorCentred_data() {
    QTest::addColumn<int>("key");
    QTest::newRow("Return") << int(Qt::Key_Return);
    QTest::newRow("Enter") << int(Qt::Key_Enter);
    QTest::newRow("Space") << int(Qt::Key_Space);
    QTest::newRow("click") << 0;
}

void TestSplashWindow::buttonHidesTheSplashAndShowsTheCalculatorCentred() {
    QFETCH(int, key);
    tervox::calc::CalcState state;
    RecordingMessages messages;
    FakeSoundPlayer player;
    TForm3 form3(nullptr, 1.0);
    TForm1 form1(state, messages, player, m_dir.filePath(QStringLiteral("Tervox/result.txt")));
    form3.setCalculatorWindow(&form1);
    form3.show();
    QVERIFY(QTest::qWaitForWindowActive(&form3));
    QTRY_COMPARE(QApplication::focusWidget(), static_cast<QWidget*>(form3.bitBtn1()));

    if (key == 0) {
        QTest::mouseClick(form3.bitBtn1(), Qt::LeftButton);
    } else {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key(key));
    }
    QVERIFY(!form3.isVisible());
    QVERIFY(form1.isVisible());
    QVERIFY(QTest::qWaitForWindowActive(&form1));
    // Centred on the screen, as the calculator window places itself on its first showing.
    const QRect screen = form1.screen()->geometry();
    QVERIFY(qAbs(form1.x() - (screen.width() - 701) / 2) <= 1);
    QVERIFY(qAbs(form1.y() - (screen.height() - 374) / 2) <= 1);
    QVERIFY(messages.messages().isEmpty());
    QVERIFY(messages.errors().isEmpty());
}

void TestSplashWindow::closingItAnnouncesTheEndOfTheProgram() {
    TForm3 form3(nullptr, 1.0);
    QSignalSpy closed(&form3, &TForm3::closed);
    form3.show();
    QVERIFY(QTest::qWaitForWindowExposed(&form3));
    form3.bitBtn1()->click(); // hiding it is not closing it
    QCOMPARE(closed.count(), 0);
    form3.show();
    QVERIFY(form3.close());
    QCOMPARE(closed.count(), 1);
}

void TestSplashWindow::scalesClientAndButtonButNeverPictureOrOutline() {
    TForm3 designed(nullptr, 1.0);
    TForm3 scaled(nullptr, 1.25); // 120 dpi
    // 320 x 239 and 230, 185, 60, 26 times 1.25, rounded to the nearest pixel.
    QCOMPARE(scaled.size(), QSize(400, 299));
    QCOMPARE(scaled.bitBtn1()->geometry(), QRect(288, 231, 75, 33));
    QCOMPARE(scaled.pos(), QPoint(221, 170));
    QCOMPARE(scaled.coolForm()->picture(), designed.coolForm()->picture());
    QCOMPARE(scaled.mask(), designed.mask());
}

void TestSplashWindow::takesItsScaleFromTheScreensLogicalResolution() {
    // Run under two screen configurations (96 and 120 dpi, see CMakeLists.txt), each
    // naming the resolution it sets up.
    const qreal dpi = QGuiApplication::primaryScreen()->logicalDotsPerInch();
    QCOMPARE(dpi, qEnvironmentVariable("TERVOX_TEST_SCREEN_DPI").toDouble());
    TForm3 form3;
    QCOMPARE(form3.size(), QSize(qRound(320 * dpi / 96), qRound(239 * dpi / 96)));
    QCOMPARE(form3.bitBtn1()->size(), QSize(qRound(60 * dpi / 96), qRound(26 * dpi / 96)));
    QCOMPARE(form3.coolForm()->picture().size(), QSize(320, 240));
}

QTEST_MAIN(TestSplashWindow)
#include "test_splashwindow.moc"
