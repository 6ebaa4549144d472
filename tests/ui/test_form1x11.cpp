// The calculator window on a real X server without a window manager: its size, its
// outline as the server applies it, and a drag on the skin with the real mouse.
// Run through run_under_xvfb.sh.
#include "form1harness.h"
#include "tervoxtestmain.h"

#include <QProcess>
#include <QRegularExpression>

using namespace Qt::StringLiterals;
using tervox::ui::testing::Form1Harness;

namespace {

QString Run(const QString& program, const QStringList& arguments) {
    QProcess process;
    process.start(program, arguments);
    if (!process.waitForFinished(10000))
        return {};
    return QString::fromLocal8Bit(process.readAllStandardOutput());
}

QString WindowInfo(const QWidget& window, const QStringList& extra = {}) {
    return Run(u"xwininfo"_s, extra + QStringList{u"-id"_s, QString::number(window.winId())});
}

int Field(const QString& info, const QString& label) {
    const QRegularExpression pattern(QRegularExpression::escape(label) + u":\\s*(-?\\d+)"_s);
    const QRegularExpressionMatch match = pattern.match(info);
    return match.hasMatch() ? match.captured(1).toInt() : -99999;
}

void Xdotool(const QStringList& arguments) {
    QProcess::execute(u"xdotool"_s, arguments);
}

} // namespace

class TestForm1X11 : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void windowShowsAt701By374WithItsOutline();
    void leftButtonDragOnTheSkinMovesTheWindow();
    void dragOnAFieldDoesNotMoveTheWindow();
};

void TestForm1X11::initTestCase() {
    QCOMPARE(QGuiApplication::platformName(), u"xcb"_s);
    QVERIFY2(!Run(u"xwininfo"_s, {u"-root"_s}).isEmpty(), "xwininfo (x11-utils) is needed");
}

void TestForm1X11::windowShowsAt701By374WithItsOutline() {
    Form1Harness h;
    h.create();
    h.form->show();
    QVERIFY(QTest::qWaitForWindowExposed(h.form.get()));
    const QString info = WindowInfo(*h.form);
    QCOMPARE(Field(info, u"Width"_s), 701);
    QCOMPARE(Field(info, u"Height"_s), 374);
    // Centred on the 1280 x 1024 screen.
    QCOMPARE(Field(info, u"Absolute upper-left X"_s), (1280 - 701) / 2);
    QCOMPARE(Field(info, u"Absolute upper-left Y"_s), (1024 - 374) / 2);

    // The shape the server applies starts at column 1 and row 2: column 0 and the two
    // top rows are outside the window.
    const QString shape = WindowInfo(*h.form, {u"-shape"_s});
    const QRegularExpression extents(u"Window shape extents:\\s*(\\d+)x(\\d+)\\+(\\d+)\\+(\\d+)"_s);
    const QRegularExpressionMatch match = extents.match(shape);
    QVERIFY2(match.hasMatch(), qPrintable(shape));
    QCOMPARE(match.captured(3).toInt(), 1);
    QCOMPARE(match.captured(4).toInt(), 2);
    QCOMPARE(match.captured(1).toInt(), 700);
    QVERIFY(!h.form->mask().contains(QPoint(0, 300)));
}

void TestForm1X11::leftButtonDragOnTheSkinMovesTheWindow() {
    Form1Harness h;
    h.create();
    h.form->show();
    QVERIFY(QTest::qWaitForWindowExposed(h.form.get()));
    const QPoint before = h.form->pos();
    // A point of the skin inside the outline that no control covers.
    const QPoint grip = before + QPoint(230, 160);
    QCOMPARE(h.form->childAt(QPoint(230, 160))->objectName(), u"CoolForm1"_s);
    Xdotool({u"mousemove"_s, QString::number(grip.x()), QString::number(grip.y())});
    Xdotool({u"mousedown"_s, u"1"_s});
    for (int step = 1; step <= 4; ++step) {
        Xdotool({u"mousemove"_s, QString::number(grip.x() + 10 * step),
                 QString::number(grip.y() - 15 * step)});
        QTest::qWait(30);
    }
    Xdotool({u"mouseup"_s, u"1"_s});
    QTRY_COMPARE(h.form->pos(), before + QPoint(40, -60));
    // The server agrees.
    QTest::qWait(100);
    const QString info = WindowInfo(*h.form);
    QCOMPARE(Field(info, u"Absolute upper-left X"_s), before.x() + 40);
    QCOMPARE(Field(info, u"Absolute upper-left Y"_s), before.y() - 60);
}

void TestForm1X11::dragOnAFieldDoesNotMoveTheWindow() {
    Form1Harness h;
    h.create();
    h.form->show();
    QVERIFY(QTest::qWaitForWindowExposed(h.form.get()));
    const QPoint before = h.form->pos();
    QWidget* field = h.child(u"Chastota"_s);
    const QPoint grip = field->mapToGlobal(QPoint(10, 10));
    Xdotool({u"mousemove"_s, QString::number(grip.x()), QString::number(grip.y())});
    Xdotool({u"mousedown"_s, u"1"_s});
    Xdotool({u"mousemove"_s, QString::number(grip.x() + 50), QString::number(grip.y() + 50)});
    Xdotool({u"mouseup"_s, u"1"_s});
    QTest::qWait(200);
    QCOMPARE(h.form->pos(), before);
}

TERVOX_TEST_MAIN(TestForm1X11)
#include "test_form1x11.moc"
