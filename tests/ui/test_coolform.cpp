// The skin: its picture under every other control, the window's outline from mask
// data or a mask file, picture assignment, and the drag of the window.
#include "coolform.h"
#include "maskdata.h"
#include "tervoxtestmain.h"

#include <QFile>
#include <QPainter>
#include <QTemporaryDir>

using namespace Qt::StringLiterals;
using tervox::maskdata::Mask;
using tervox::maskdata::Rect;
using tervox::ui::CoolForm;

namespace {

// A picture whose every pixel says where it is, so an offset or a scaling shows.
QImage PositionPicture(int width, int height) {
    QImage picture(width, height, QImage::Format_RGB32);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x)
            picture.setPixel(x, y, qRgb(x % 256, y % 256, (x / 256) * 64 + 7));
    return picture;
}

// An outline like the calculator window's: column 0 and the top rows outside.
Mask SteppedMask() {
    Mask mask;
    mask.rects = {{10, 2, 60, 10}, {1, 10, 80, 50}};
    mask.bounds = {1, 2, 80, 50};
    return mask;
}

// A borderless window with a skin over its whole client area.
struct SkinnedWindow {
    SkinnedWindow() {
        window.setWindowFlags(Qt::Window | Qt::FramelessWindowHint);
        window.resize(80, 50);
        skin = new CoolForm(&window);
        skin->setGeometry(0, 0, 80, 50);
    }
    QWidget window;
    CoolForm* skin;
};

} // namespace

class TestCoolForm : public QObject {
    Q_OBJECT
private slots:
    void paintsThePictureUnscaledAtTheTopLeftBeneathOtherControls();
    void appliesTheMaskToTheTopLevelWindow();
    void aMaskWithoutRectanglesChangesNothing();
    void loadsAMaskFromAFile();
    void aBadMaskFileChangesNothingAndSaysNothing_data();
    void aBadMaskFileChangesNothingAndSaysNothing();
    void assignedPictureIsACopyAndKeepsTheOutline();
    void leftButtonDragMovesTheWindow();
    void otherButtonsDoNotMoveTheWindow();
};

void TestCoolForm::paintsThePictureUnscaledAtTheTopLeftBeneathOtherControls() {
    SkinnedWindow w;
    QCOMPARE(w.skin->objectName(), u"CoolForm1"_s);
    // Larger than the window on the right, smaller below: cut off, never scaled.
    const QImage picture = PositionPicture(100, 40);
    w.skin->setPicture(picture);
    auto* control = new QWidget(&w.window);
    control->setGeometry(20, 20, 10, 10);
    control->setAutoFillBackground(true);
    QPalette red = control->palette();
    red.setColor(QPalette::Window, Qt::red);
    control->setPalette(red);
    const QColor background(12, 34, 56);
    QPalette windowPalette = w.window.palette();
    windowPalette.setColor(QPalette::Window, background);
    w.window.setPalette(windowPalette);
    w.window.setAutoFillBackground(true);

    const QImage shot = w.window.grab().toImage();
    QCOMPARE(shot.size(), QSize(80, 50));
    for (const QPoint p : {QPoint(0, 0), QPoint(79, 0), QPoint(40, 39), QPoint(5, 25)})
        QCOMPARE(shot.pixelColor(p), picture.pixelColor(p));
    QCOMPARE(shot.pixelColor(25, 25), QColor(Qt::red)); // the control lies above the skin
    QCOMPARE(shot.pixelColor(40, 45), background);      // below the picture
}

void TestCoolForm::appliesTheMaskToTheTopLevelWindow() {
    SkinnedWindow w;
    w.skin->setMaskData(SteppedMask());
    const QRegion outline = w.window.mask();
    QVERIFY(!outline.contains(QPoint(0, 20)));  // column 0
    QVERIFY(!outline.contains(QPoint(30, 1)));  // above the top
    QVERIFY(!outline.contains(QPoint(5, 5)));   // the notch at the top left
    QVERIFY(!outline.contains(QPoint(60, 5)));  // right edges are exclusive
    QVERIFY(outline.contains(QPoint(10, 2)));
    QVERIFY(outline.contains(QPoint(1, 10)));
    QVERIFY(outline.contains(QPoint(79, 49)));
    QCOMPARE(outline.boundingRect(), QRect(1, 2, 79, 48));
    QCOMPARE(w.skin->maskRegion(), outline);
    QVERIFY(w.skin->mask().isEmpty()); // the window is clipped, not the skin alone
}

void TestCoolForm::aMaskWithoutRectanglesChangesNothing() {
    SkinnedWindow w;
    w.skin->setMaskData(SteppedMask());
    const QRegion before = w.window.mask();
    w.skin->setMaskData(Mask{});
    QCOMPARE(w.window.mask(), before);
}

void TestCoolForm::loadsAMaskFromAFile() {
    QTemporaryDir dir;
    const QString path = dir.filePath(u"1.msk"_s);
    QVERIFY(tervox::maskdata::WriteMaskFile(path.toStdString(), SteppedMask()));
    SkinnedWindow w;
    QVERIFY(w.window.mask().isEmpty());
    QVERIFY(w.skin->loadMaskFromFile(path));
    QVERIFY(!w.window.mask().contains(QPoint(0, 20)));
    QVERIFY(w.window.mask().contains(QPoint(1, 20)));
}

void TestCoolForm::aBadMaskFileChangesNothingAndSaysNothing_data() {
    QTest::addColumn<QByteArray>("content");
    QTest::addColumn<bool>("exists");
    const QByteArray good = [] {
        const auto bytes = tervox::maskdata::EncodeMask(SteppedMask());
        return QByteArray(reinterpret_cast<const char*>(bytes.data()), qsizetype(bytes.size()));
    }();
    QTest::newRow("no file") << QByteArray() << false;
    QTest::newRow("zero bytes") << QByteArray() << true;
    QTest::newRow("length 0") << QByteArray(4, '\0') << true;
    QTest::newRow("length beyond the file") << good.left(good.size() - 1) << true;
    QByteArray badType = good;
    badType[8] = 2;
    QTest::newRow("not a rectangle list") << badType << true;
}

void TestCoolForm::aBadMaskFileChangesNothingAndSaysNothing() {
    QFETCH(QByteArray, content);
    QFETCH(bool, exists);
    QTemporaryDir dir;
    const QString path = dir.filePath(u"1.msk"_s);
    if (exists) {
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(content);
    }
    SkinnedWindow w;
    QVERIFY(!w.skin->loadMaskFromFile(path));
    QVERIFY(w.window.mask().isEmpty()); // still the whole rectangle

    Mask earlier;
    earlier.rects = {{3, 3, 30, 30}};
    earlier.bounds = earlier.rects.front();
    w.skin->setMaskData(earlier);
    QVERIFY(!w.skin->loadMaskFromFile(path));
    QCOMPARE(w.window.mask(), QRegion(3, 3, 27, 27)); // an earlier outline stays
}

void TestCoolForm::assignedPictureIsACopyAndKeepsTheOutline() {
    SkinnedWindow from;
    from.skin->setPicture(PositionPicture(60, 40));
    SkinnedWindow to;
    to.skin->setMaskData(SteppedMask());
    const QRegion outline = to.window.mask();
    to.skin->assignPicture(*from.skin);
    QCOMPARE(to.skin->picture(), from.skin->picture());
    QCOMPARE(to.window.mask(), outline);
    from.skin->setPicture(PositionPicture(10, 10));
    QCOMPARE(to.skin->picture().size(), QSize(60, 40));
}

void TestCoolForm::leftButtonDragMovesTheWindow() {
    SkinnedWindow w;
    w.window.move(100, 100);
    w.window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&w.window));
    QTRY_COMPARE(w.window.pos(), QPoint(100, 100));
    // The offscreen window system refuses a system move: the skin follows the mouse.
    QTest::mousePress(w.skin, Qt::LeftButton, {}, QPoint(10, 20));
    QTest::mouseMove(w.skin, QPoint(40, 35));
    QTRY_COMPARE(w.window.pos(), QPoint(130, 115));
    QTest::mouseMove(w.skin, QPoint(15, 25)); // relative to the moved window
    QTRY_COMPARE(w.window.pos(), QPoint(135, 120));
    QTest::mouseRelease(w.skin, Qt::LeftButton, {}, QPoint(15, 25));
    QTest::mouseMove(w.skin, QPoint(60, 40)); // released: no more moving
    QTest::qWait(50);
    QCOMPARE(w.window.pos(), QPoint(135, 120));
}

void TestCoolForm::otherButtonsDoNotMoveTheWindow() {
    SkinnedWindow w;
    w.window.move(100, 100);
    w.window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&w.window));
    for (const Qt::MouseButton button : {Qt::RightButton, Qt::MiddleButton}) {
        QTest::mousePress(w.skin, button, {}, QPoint(10, 20));
        QTest::mouseMove(w.skin, QPoint(40, 35));
        QTest::mouseRelease(w.skin, button, {}, QPoint(40, 35));
    }
    QTest::qWait(50);
    QCOMPARE(w.window.pos(), QPoint(100, 100));
}

TERVOX_TEST_MAIN(TestCoolForm)
#include "test_coolform.moc"
