// The flat bitmap button, the bitmap push button and the image control.
#include "bitmapbutton.h"
#include "coolbutton.h"
#include "imagecontrol.h"
#include "tervoxtestmain.h"

#include <QSignalSpy>

using namespace Qt::StringLiterals;
using tervox::ui::BitmapButton;
using tervox::ui::CoolButton;
using tervox::ui::ImageControl;

namespace {

QImage Filled(QSize size, QColor colour) {
    QImage image(size, QImage::Format_RGB32);
    image.fill(colour);
    return image;
}

// A parent with a known background, so what a control leaves unpainted shows.
struct Backdrop {
    explicit Backdrop(QSize size) {
        widget.resize(size);
        QPalette palette = widget.palette();
        palette.setColor(QPalette::Window, colour);
        widget.setPalette(palette);
        widget.setAutoFillBackground(true);
    }
    QWidget widget;
    QColor colour{0, 0, 255};
};

} // namespace

class TestButtons : public QObject {
    Q_OBJECT
private slots:
    void coolButtonPaintsOnlyItsGlyphCentred();
    void coolButtonWithOneImageShowsItInEveryState();
    void coolButtonClicksOnReleaseInsideAfterPressOnIt();
    void coolButtonTakesNoFocus();
    void bitmapButtonDrawsItsGlyphCentredAndCutOff();
    void bitmapButtonAnswersEnterOnlyWhenFocused();
    void imageIsStretchedAndLeavesItsKeyColourOut();
    void imageReportsLeftClicksAndRightReleases();
};

void TestButtons::coolButtonPaintsOnlyItsGlyphCentred() {
    Backdrop back(QSize(80, 60));
    auto* button = new CoolButton(&back.widget);
    button->setGeometry(0, 0, 80, 60);
    QCOMPARE(button->numGlyphs(), 1);
    button->setGlyph(Filled(QSize(20, 10), Qt::green));
    const QImage shot = back.widget.grab().toImage();
    QCOMPARE(shot.pixelColor(40, 30), QColor(Qt::green));
    QCOMPARE(shot.pixelColor(30, 25), QColor(Qt::green)); // glyph's top-left at (30, 25)
    QCOMPARE(shot.pixelColor(29, 30), back.colour);        // no face and no frame around it
    QCOMPARE(shot.pixelColor(50, 30), back.colour);
    QCOMPARE(shot.pixelColor(0, 0), back.colour);
}

void TestButtons::coolButtonWithOneImageShowsItInEveryState() {
    Backdrop back(QSize(40, 40));
    auto* button = new CoolButton(&back.widget);
    button->setGeometry(0, 0, 40, 40);
    button->setGlyph(Filled(QSize(10, 10), Qt::yellow));
    button->setDown(true);
    QCOMPARE(back.widget.grab().toImage().pixelColor(20, 20), QColor(Qt::yellow));
    button->setDown(false);
    button->setEnabled(false);
    QCOMPARE(back.widget.grab().toImage().pixelColor(20, 20), QColor(Qt::yellow));
}

void TestButtons::coolButtonClicksOnReleaseInsideAfterPressOnIt() {
    CoolButton button;
    button.resize(65, 33);
    QSignalSpy clicks(&button, &CoolButton::clicked);
    QTest::mousePress(&button, Qt::LeftButton, {}, QPoint(10, 10));
    QCOMPARE(clicks.size(), 0);
    QTest::mouseRelease(&button, Qt::LeftButton, {}, QPoint(30, 20));
    QCOMPARE(clicks.size(), 1);
    // Released outside: no click.
    QTest::mousePress(&button, Qt::LeftButton, {}, QPoint(10, 10));
    QTest::mouseRelease(&button, Qt::LeftButton, {}, QPoint(100, 10));
    QCOMPARE(clicks.size(), 1);
    // Released on it without having been pressed on it: no click.
    QTest::mouseRelease(&button, Qt::LeftButton, {}, QPoint(10, 10));
    QCOMPARE(clicks.size(), 1);
    // The right button does not click.
    QTest::mouseClick(&button, Qt::RightButton, {}, QPoint(10, 10));
    QCOMPARE(clicks.size(), 1);
}

void TestButtons::coolButtonTakesNoFocus() {
    CoolButton button;
    QCOMPARE(button.focusPolicy(), Qt::NoFocus);
}

void TestButtons::bitmapButtonDrawsItsGlyphCentredAndCutOff() {
    BitmapButton button;
    button.resize(60, 26);
    // Larger than the button: its outer rows and columns are cut off.
    button.setGlyph(Filled(QSize(64, 32), Qt::magenta));
    const QImage shot = button.grab().toImage();
    QCOMPARE(shot.size(), QSize(60, 26));
    QCOMPARE(shot.pixelColor(30, 13), QColor(Qt::magenta));
    QCOMPARE(shot.pixelColor(3, 3), QColor(Qt::magenta));
    QVERIFY(shot.pixelColor(0, 0) != QColor(Qt::magenta)); // the button's own border stays

    BitmapButton large;
    large.resize(67, 67);
    large.setGlyph(Filled(QSize(10, 10), Qt::cyan));
    const QImage face = large.grab().toImage();
    QCOMPARE(face.pixelColor(33, 33), QColor(Qt::cyan));
    QCOMPARE(face.pixelColor(28, 28), QColor(Qt::cyan)); // glyph from (28, 28) to (37, 37)
    QVERIFY(face.pixelColor(27, 33) != QColor(Qt::cyan));
    QVERIFY(face.pixelColor(38, 33) != QColor(Qt::cyan));
}

void TestButtons::bitmapButtonAnswersEnterOnlyWhenFocused() {
    QWidget window;
    auto* button = new BitmapButton(&window);
    auto* other = new QPushButton(u"other"_s, &window);
    other->move(0, 80);
    window.show();
    window.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&window));
    QSignalSpy clicks(button, &QPushButton::clicked);
    other->setFocus();
    QTest::keyClick(other, Qt::Key_Return);
    QCOMPARE(clicks.size(), 0); // not a default button
    button->setFocus();
    QTest::keyClick(button, Qt::Key_Return);
    QCOMPARE(clicks.size(), 1);
    QTest::keyClick(button, Qt::Key_Enter, Qt::KeypadModifier);
    QCOMPARE(clicks.size(), 2);
    QTest::keyClick(button, Qt::Key_Space);
    QCOMPARE(clicks.size(), 3);
}

void TestButtons::imageIsStretchedAndLeavesItsKeyColourOut() {
    // 120 x 120: a red square in the middle on a white ground; the bottom-left pixel
    // (white) is the colour left out.
    QImage picture = Filled(QSize(120, 120), Qt::white);
    for (int y = 40; y < 80; ++y)
        for (int x = 40; x < 80; ++x)
            picture.setPixel(x, y, qRgb(255, 0, 0));
    Backdrop back(QSize(60, 60));
    auto* image = new ImageControl(&back.widget);
    image->setGeometry(0, 0, 60, 60);
    image->setPicture(picture);
    QCOMPARE(image->transparentColor(), QColor(Qt::white));
    const QImage shot = back.widget.grab().toImage();
    QCOMPARE(shot.pixelColor(30, 30), QColor(Qt::red));  // stretched to half size
    QCOMPARE(shot.pixelColor(20, 20), QColor(Qt::red));
    QCOMPARE(shot.pixelColor(18, 30), back.colour);       // white is not drawn
    QCOMPARE(shot.pixelColor(5, 55), back.colour);
    QCOMPARE(shot.pixelColor(41, 30), back.colour);
}

void TestButtons::imageReportsLeftClicksAndRightReleases() {
    QWidget window;
    auto* image = new ImageControl(&window);
    image->setGeometry(10, 10, 60, 60);
    window.resize(100, 100);
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    QSignalSpy clicks(image, &ImageControl::clicked);
    QSignalSpy menus(image, &ImageControl::contextMenuRequested);
    QTest::mouseClick(image, Qt::LeftButton, {}, QPoint(5, 5));
    QCOMPARE(clicks.size(), 1);
    QCOMPARE(menus.size(), 0);
    QTest::mouseClick(image, Qt::RightButton, {}, QPoint(7, 9));
    QCOMPARE(clicks.size(), 1);
    QCOMPARE(menus.size(), 1);
    QCOMPARE(menus.first().first().toPoint(), image->mapToGlobal(QPoint(7, 9)));
    // A left press that ends outside is no click.
    QTest::mousePress(image, Qt::LeftButton, {}, QPoint(5, 5));
    QTest::mouseRelease(image, Qt::LeftButton, {}, QPoint(65, 5));
    QCOMPARE(clicks.size(), 1);
}

TERVOX_TEST_MAIN(TestButtons)
#include "test_buttons.moc"
