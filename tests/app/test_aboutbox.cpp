// The About window: the splash window's picture, the optional outline from "1.msk"
// in the working directory (good, missing and malformed files), the close button,
// modality and placement.
#include "coolbutton.h"
#include "coolform.h"
#include "maskdata.h"
#include "modalboxguard.h"
#include "regionpoints.h"
#include "taboutbox.h"
#include "tform3.h"

#include <QDir>
#include <QFile>
#include <QScreen>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTimer>
#include <QtEndian>
#include <QtTest>

using tervox::ui::CoolButton;
using tervox::ui::CoolForm;
using tervox::ui::TAboutBox;
using tervox::ui::TForm3;
using tervox::ui::testing::ModalBoxGuard;
using tervox::ui::testing::PointWellInside;

namespace {

QByteArray Le32(quint32 v) {
    QByteArray b(4, '\0');
    qToLittleEndian(v, b.data());
    return b;
}

// The splash window's stored outline, byte for byte, as a "1.msk" would hold it.
QByteArray SplashMaskFile() {
    QFile file(QStringLiteral(":/skins/form3.msk"));
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

} // namespace

class TestAboutBox : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();

    void isTheDesignedBorderlessModalDialog();
    void withoutMaskFileIsARectangleShowingTheSplashPicture();
    void withTheSplashMaskAsMaskFileHasTheSplashOutline();
    void malformedMaskFileLeavesTheRectangleSilently_data();
    void malformedMaskFileLeavesTheRectangleSilently();
    void readsTheMaskFileOnlyWhenCreated();
    void closeButtonEndsTheModalShowingAsCancel();
    void centredFirstThenReopenedWhereItWasLeft();
    void scalesClientAndButtonButNeverPictureOrOutline();

private:
    // Writes "1.msk" into the working directory.
    static void writeMaskFile(const QByteArray& bytes);

    QString m_startDir;
    std::unique_ptr<QTemporaryDir> m_dir;
    std::unique_ptr<TForm3> m_splash;
    ModalBoxGuard m_guard;
};

void TestAboutBox::initTestCase() {
    QStandardPaths::setTestModeEnabled(true);
    m_startDir = QDir::currentPath();
}

void TestAboutBox::init() {
    // Every test works in a folder of its own: "1.msk" is looked for in the
    // working directory.
    m_dir = std::make_unique<QTemporaryDir>();
    QVERIFY(m_dir->isValid());
    QVERIFY(QDir::setCurrent(m_dir->path()));
    m_splash = std::make_unique<TForm3>(nullptr, 1.0);
    m_guard.start();
}

void TestAboutBox::cleanup() {
    m_guard.stop();
    QVERIFY2(!m_guard.sawModal(), qPrintable(m_guard.seen().join(QStringLiteral("; "))));
    m_splash.reset();
    QDir::setCurrent(m_startDir);
    m_dir.reset();
}

void TestAboutBox::writeMaskFile(const QByteArray& bytes) {
    QFile file(QStringLiteral("1.msk"));
    QVERIFY(file.open(QIODevice::WriteOnly));
    QCOMPARE(file.write(bytes), bytes.size());
}

void TestAboutBox::isTheDesignedBorderlessModalDialog() {
    TAboutBox about(*m_splash, nullptr, 1.0);
    QCOMPARE(about.objectName(), QStringLiteral("AboutBox"));
    QCOMPARE(about.windowTitle(), QStringLiteral("About"));
    QVERIFY(about.windowFlags() & Qt::FramelessWindowHint);
    QVERIFY(about.isModal());
    QVERIFY(!about.isVisible());
    QCOMPARE(about.size(), QSize(318, 239));

    auto* skin = about.findChild<CoolForm*>(QStringLiteral("CoolForm1"));
    auto* button = about.findChild<CoolButton*>(QStringLiteral("CoolButton1"));
    QVERIFY(skin);
    QVERIFY(button);
    QCOMPARE(skin->geometry(), QRect(0, 0, 318, 239));
    QCOMPARE(button->geometry(), QRect(216, 176, 65, 33));
    QCOMPARE(button->numGlyphs(), 1);
    QCOMPARE(button->glyph().size(), QSize(64, 32));
    QVERIFY(button->text().isEmpty());
}

void TestAboutBox::withoutMaskFileIsARectangleShowingTheSplashPicture() {
    TAboutBox about(*m_splash, nullptr, 1.0);
    QVERIFY(about.mask().isEmpty()); // no outline: the whole rectangle
    QVERIFY(!m_splash->coolForm()->picture().isNull());
    QCOMPARE(about.coolForm()->picture(), m_splash->coolForm()->picture());

    // Shown, its left 318 columns are the splash picture's, hole area included.
    about.show();
    QVERIFY(QTest::qWaitForWindowExposed(&about));
    const QImage shot = about.grab().toImage().convertToFormat(QImage::Format_RGB32);
    const QImage picture = m_splash->coolForm()->picture().convertToFormat(QImage::Format_RGB32);
    for (const QPoint p : {QPoint(0, 0), QPoint(60, 50), QPoint(317, 100), QPoint(150, 238)})
        QCOMPARE(shot.pixel(p), picture.pixel(p));
}

void TestAboutBox::withTheSplashMaskAsMaskFileHasTheSplashOutline() {
    const QByteArray stored = SplashMaskFile();
    QVERIFY(!stored.isEmpty());
    writeMaskFile(stored);
    TAboutBox about(*m_splash, nullptr, 1.0);
    QVERIFY(!about.mask().isEmpty());
    QCOMPARE(about.mask(), m_splash->mask());
    // The same see-through hole as the splash window; the picture is still the splash's.
    const auto hole = PointWellInside(m_splash->mask(), QRect(20, 9, 91, 89), false);
    QVERIFY(hole);
    QVERIFY(!about.mask().contains(*hole));
    QCOMPARE(about.coolForm()->picture(), m_splash->coolForm()->picture());
}

void TestAboutBox::malformedMaskFileLeavesTheRectangleSilently_data() {
    QTest::addColumn<QByteArray>("bytes");
    const QByteArray good = SplashMaskFile();
    // One rectangle (0, 0)-(10, 10) with a correct header; rows below vary one field.
    auto regionData = [](quint32 headerSize, quint32 type, quint32 count, quint32 rectBytes) {
        QByteArray d = Le32(headerSize) + Le32(type) + Le32(count) + Le32(rectBytes);
        d += Le32(0) + Le32(0) + Le32(10) + Le32(10); // bounds
        d += Le32(0) + Le32(0) + Le32(10) + Le32(10); // the rectangle
        return d;
    };
    QTest::newRow("zero bytes") << QByteArray();
    QTest::newRow("four zero bytes") << QByteArray(4, '\0');
    QTest::newRow("fewer than four bytes") << QByteArray("\x30\x00", 2);
    QTest::newRow("declared length beyond the file") << good.left(good.size() - 16);
    QTest::newRow("length of a huge region, nothing after") << Le32(0xFFFFFFF0u);
    QTest::newRow("wrong header size") << Le32(48) + regionData(16, 1, 1, 16);
    QTest::newRow("not a rectangle list") << Le32(48) + regionData(32, 2, 1, 16);
    QTest::newRow("count disagrees with length") << Le32(48) + regionData(32, 1, 2, 32);
    QTest::newRow("no rectangles") << Le32(32) + regionData(32, 1, 0, 0).left(32);
    QTest::newRow("text") << QByteArray("this is no outline\n");
}

void TestAboutBox::malformedMaskFileLeavesTheRectangleSilently() {
    QFETCH(QByteArray, bytes);
    writeMaskFile(bytes);
    TAboutBox about(*m_splash, nullptr, 1.0);
    QVERIFY(about.mask().isEmpty());
    QCOMPARE(about.coolForm()->picture(), m_splash->coolForm()->picture());
    // It works as without the file: shown and closed by its button, with no box.
    about.show();
    QVERIFY(QTest::qWaitForWindowExposed(&about));
    QTest::mouseClick(about.coolButton1(), Qt::LeftButton);
    QVERIFY(!about.isVisible());
}

void TestAboutBox::readsTheMaskFileOnlyWhenCreated() {
    TAboutBox about(*m_splash, nullptr, 1.0);
    writeMaskFile(SplashMaskFile()); // too late for this window
    about.show();
    QVERIFY(QTest::qWaitForWindowExposed(&about));
    about.hide();
    about.show();
    QVERIFY(about.mask().isEmpty());

    // And a file removed after creation does not take the outline away.
    TAboutBox masked(*m_splash, nullptr, 1.0);
    QVERIFY(QFile::remove(QStringLiteral("1.msk")));
    masked.show();
    QVERIFY(QTest::qWaitForWindowExposed(&masked));
    QCOMPARE(masked.mask(), m_splash->mask());
}

void TestAboutBox::closeButtonEndsTheModalShowingAsCancel() {
    m_guard.stop(); // this test opens a modal window on purpose
    TAboutBox about(*m_splash, nullptr, 1.0);
    bool wasModal = false;
    QTimer::singleShot(0, &about, [&] {
        wasModal = QApplication::activeModalWidget() == &about;
        QTest::mouseClick(about.coolButton1(), Qt::LeftButton);
    });
    // A watchdog, so a button that fails to close the window fails the test instead
    // of hanging it.
    QTimer::singleShot(5000, &about, [&] { about.done(42); });
    QCOMPARE(about.exec(), int(QDialog::Rejected));
    QVERIFY(wasModal);
    QVERIFY(!about.isVisible());

    // The window stays and can be shown again, with the same picture and outline.
    const QImage picture = about.coolForm()->picture();
    QTimer::singleShot(0, &about, [&] { about.coolButton1()->click(); });
    QCOMPARE(about.exec(), int(QDialog::Rejected));
    QCOMPARE(about.coolForm()->picture(), picture);
    m_guard.start();
}

void TestAboutBox::centredFirstThenReopenedWhereItWasLeft() {
    TAboutBox about(*m_splash, nullptr, 1.0);
    about.show();
    QVERIFY(QTest::qWaitForWindowExposed(&about));
    const QRect screen = about.screen()->geometry();
    QCOMPARE(about.pos(), QPoint((screen.width() - 318) / 2, (screen.height() - 239) / 2));

    // The user drags it elsewhere and closes it; the next showing keeps the place.
    about.move(40, 50);
    about.coolButton1()->click();
    QVERIFY(!about.isVisible());
    about.show();
    QVERIFY(QTest::qWaitForWindowExposed(&about));
    QCOMPARE(about.pos(), QPoint(40, 50));
}

void TestAboutBox::scalesClientAndButtonButNeverPictureOrOutline() {
    writeMaskFile(SplashMaskFile());
    TAboutBox about(*m_splash, nullptr, 1.5);
    // 318 x 239 and 216, 176, 65, 33 times 1.5, rounded to the nearest pixel.
    QCOMPARE(about.size(), QSize(477, 359));
    QCOMPARE(about.coolButton1()->geometry(), QRect(324, 264, 98, 50));
    QCOMPARE(about.coolForm()->picture(), m_splash->coolForm()->picture());
    QCOMPARE(about.mask(), m_splash->mask());
}

QTEST_MAIN(TestAboutBox)
#include "test_aboutbox.moc"
