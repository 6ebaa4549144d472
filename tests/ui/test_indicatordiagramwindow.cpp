// The indicator diagram window as the calculator opens it: for the last completed
// run only, the log switch, the copy of the estimate into Tz and Pz without a run,
// and the saved files.
#include "diagramview.h"
#include "form1harness.h"
#include "indicatordiagramwindow.h"
#include "modalboxguard.h"
#include "opendiagram.h"
#include "tervoxtestmain.h"

#include <QCheckBox>
#include <QFile>
#include <QLabel>
#include <QMenu>
#include <QPushButton>
#include <QRadioButton>
#include <QTemporaryDir>

#include <memory>

using namespace Qt::StringLiterals;
using tervox::calc::EngineType;
using tervox::ui::IndicatorDiagramWindow;
using tervox::ui::testing::Form1Harness;
using tervox::ui::testing::ModalBoxGuard;

class TestIndicatorDiagramWindow : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup();

    void menuEndsWithASeparatorAndTheDiagramEntry();
    void beforeAnyRunTheWindowSaysSo();
    void opensForTheLastCompletedRun();
    void aStoppedRunLeavesTheLastCompletedDiagram();
    void gasolineRunShowsNoPreExpansionRow();
    void reopeningReusesTheWindowWithTheNewRun();
    void logSwitchRedrawsTheDiagram();
    void copyFillsTzAndPzWithoutARun();
    void savesPictureAndCurvesByTheirExtension();
    void aDiagramBeyondDrawingIsToldNotDrawn();

private:
    IndicatorDiagramWindow* openDiagram();
    QImage grabView(IndicatorDiagramWindow* window);

    std::unique_ptr<Form1Harness> h;
    ModalBoxGuard m_guard;
};

void TestIndicatorDiagramWindow::init() {
    h = std::make_unique<Form1Harness>();
    QVERIFY(h->createShown());
    m_guard.start();
}

void TestIndicatorDiagramWindow::cleanup() {
    m_guard.stop();
    h.reset();
    QVERIFY2(!m_guard.sawModal(), qPrintable(m_guard.seen().join(u" | "_s)));
}

IndicatorDiagramWindow* TestIndicatorDiagramWindow::openDiagram() {
    return tervox::ui::testing::OpenIndicatorDiagram(*h->form);
}

QImage TestIndicatorDiagramWindow::grabView(IndicatorDiagramWindow* window) {
    return window->findChild<tervox::ui::DiagramView*>(u"DiagramView"_s)->grab().toImage();
}

void TestIndicatorDiagramWindow::menuEndsWithASeparatorAndTheDiagramEntry() {
    const auto actions = h->form->popupMenu()->actions();
    QCOMPARE(actions.size(), 5);
    QVERIFY(actions.at(3)->isSeparator());
    QCOMPARE(actions.at(4)->text(), u"Indicator diagram"_s);
    QCOMPARE(actions.at(4)->objectName(), u"IndicatorDiagram1"_s);
}

void TestIndicatorDiagramWindow::beforeAnyRunTheWindowSaysSo() {
    IndicatorDiagramWindow* window = openDiagram();
    QVERIFY(window);
    QVERIFY(window->isVisible());
    QVERIFY(!window->diagram().ok());
    QVERIFY(QString::fromStdString(window->diagram().failure).contains(u"No run has completed"_s));
    QVERIFY(!window->findChild<QPushButton*>(u"CopyEstimate"_s)->isEnabled());
    QVERIFY(!window->findChild<QPushButton*>(u"ExportPicture"_s)->isEnabled());
    QVERIFY(h->messages.messages().isEmpty());
}

void TestIndicatorDiagramWindow::opensForTheLastCompletedRun() {
    h->form->Button1Click();
    QCOMPARE(h->messages.messages().size(), 1);
    IndicatorDiagramWindow* window = openDiagram();
    QVERIFY(window);
    const auto& d = window->diagram();
    QVERIFY2(d.ok(), d.failure.c_str());
    QCOMPARE(d.type, EngineType::Diesel);
    QCOMPARE(d.Pip, h->state.results.Pip.value());
    QCOMPARE(d.point("b")->at.p, h->state.results.Pb.value());
    QVERIFY(window->estimate().ok());
    // The estimate beside the entered values, written with the comma in force.
    QCOMPARE(window->findChild<QLabel*>(u"EnteredTz"_s)->text(), u"2098"_s);
    QCOMPARE(window->findChild<QLabel*>(u"EnteredPz"_s)->text(), u"7,1784"_s);
    QVERIFY(window->findChild<QLabel*>(u"EstimateTz"_s)->text().contains(u','));
    QVERIFY(window->findChild<QLabel*>(u"EstimateRho"_s)->isVisible());
    QVERIFY(window->findChild<QPushButton*>(u"CopyEstimate"_s)->isEnabled());
    // It does not stand in the way of the calculator: a window of its own.
    QVERIFY(window->isWindow());
    QVERIFY(!window->isModal());
}

void TestIndicatorDiagramWindow::aStoppedRunLeavesTheLastCompletedDiagram() {
    h->form->Button1Click();
    const long double pip = h->state.results.Pip.value();
    // A gasoline run that stops at a conversion error keeps neither its type nor
    // its half-read state on the diagram.
    h->child<QRadioButton>(u"RadioButton1"_s)->setChecked(true);
    h->child(u"nodin"_s)->setText(u"x"_s);
    QVERIFY_THROWS_EXCEPTION(std::exception, h->form->Button1Click());
    // A run that stops at an arithmetic fault after changing the state.
    h->child<QRadioButton>(u"RadioButton2"_s)->setChecked(true);
    h->child(u"nodin"_s)->setText(u"1,37"_s);
    h->child(u"lambd"_s)->setText(u"2"_s);
    h->child(u"Chislocilind"_s)->setText(u"0"_s);
    QVERIFY_THROWS_EXCEPTION(std::exception, h->form->Button1Click());
    QVERIFY(h->state.results.Pip.value() != pip);

    IndicatorDiagramWindow* window = openDiagram();
    QVERIFY(window);
    QVERIFY(window->diagram().ok());
    QCOMPARE(window->diagram().type, EngineType::Diesel);
    QCOMPARE(window->diagram().Pip, pip);
}

void TestIndicatorDiagramWindow::gasolineRunShowsNoPreExpansionRow() {
    h->child<QRadioButton>(u"RadioButton1"_s)->setChecked(true);
    h->form->Button1Click();
    IndicatorDiagramWindow* window = openDiagram();
    QVERIFY(window);
    QCOMPARE(window->diagram().type, EngineType::Gasoline);
    QVERIFY(!window->diagram().point("z'"));
    QVERIFY(!window->findChild<QLabel*>(u"EstimateRho"_s)->isVisible());
    QVERIFY(!window->estimate().rho.has_value());
}

void TestIndicatorDiagramWindow::reopeningReusesTheWindowWithTheNewRun() {
    h->form->Button1Click();
    IndicatorDiagramWindow* first = openDiagram();
    QVERIFY(first);
    h->child(u"StSzhatia"_s)->setText(u"18"_s);
    h->form->Button1Click();
    IndicatorDiagramWindow* second = openDiagram();
    QCOMPARE(second, first);
    QCOMPARE(h->form->findChildren<IndicatorDiagramWindow*>().size(), 1);
    QCOMPARE(second->diagram().eps, 18.0L);
}

void TestIndicatorDiagramWindow::logSwitchRedrawsTheDiagram() {
    h->form->Button1Click();
    IndicatorDiagramWindow* window = openDiagram();
    QVERIFY(window);
    const QImage linear = grabView(window);
    auto* box = window->findChild<QCheckBox*>(u"LogAxes"_s);
    QVERIFY(box && !box->isChecked());
    QVERIFY(!window->logarithmic());
    box->click();
    QVERIFY(window->logarithmic());
    const QImage logarithmic = grabView(window);
    QVERIFY(logarithmic != linear);
    box->click();
    QVERIFY(!window->logarithmic());
    QCOMPARE(grabView(window), linear);
}

void TestIndicatorDiagramWindow::copyFillsTzAndPzWithoutARun() {
    h->form->Button1Click();
    const int messages = h->messages.messages().size();
    QFile report(h->reportPath);
    QVERIFY(report.open(QIODevice::ReadOnly));
    const QByteArray before = report.readAll();
    report.close();

    IndicatorDiagramWindow* window = openDiagram();
    QVERIFY(window);
    const auto& e = window->estimate();
    QVERIFY(e.ok());
    window->findChild<QPushButton*>(u"CopyEstimate"_s)->click();

    // The fields hold the estimate as a run would read it under a comma...
    const QString tz = h->child(u"tzet"_s)->text();
    const QString pz = h->child(u"Pzet"_s)->text();
    QCOMPARE(tz, QString::fromStdString(tervox::calc::FormatFixed(e.Tz, 1, ",")));
    QCOMPARE(pz, QString::fromStdString(tervox::calc::FormatFixed(e.Pz, 4, ",")));
    QVERIFY(tz != u"2098"_s);
    // ...the pre-expansion ratio stays as entered...
    QCOMPARE(h->child(u"roh"_s)->text(), u"1,47"_s);
    // ...and nothing ran: no message, the state and the report as they were.
    QCOMPARE(h->messages.messages().size(), messages);
    QCOMPARE(h->state.input.tzet.value(), 2098.0L);
    QVERIFY(report.open(QIODevice::ReadOnly));
    QCOMPARE(report.readAll(), before);
    QVERIFY(window->findChild<QLabel*>(u"Status"_s)->text().contains(u"calculate button"_s));

    // The next press of the calculate button runs with them.
    h->form->Button1Click();
    QVERIFY(std::fabs(h->state.input.tzet.value() - e.Tz) <= 0.05L);
}

void TestIndicatorDiagramWindow::savesPictureAndCurvesByTheirExtension() {
    h->form->Button1Click();
    IndicatorDiagramWindow* window = openDiagram();
    QVERIFY(window);
    QTemporaryDir dir;
    const auto read = [&](const QString& name) {
        QFile f(dir.filePath(name));
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    };

    QCOMPARE(window->exportTo(dir.filePath(u"d.png"_s)), QString());
    QVERIFY(read(u"d.png"_s).startsWith("\x89PNG\r\n\x1a\n"));
    QImage png(dir.filePath(u"d.png"_s));
    QCOMPARE(png.size(), QSize(1200, 840));

    QCOMPARE(window->exportTo(dir.filePath(u"d.SVG"_s)), QString());
    const QByteArray svg = read(u"d.SVG"_s);
    QVERIFY(svg.contains("<svg"));
    QVERIFY(svg.contains("Indicator diagram"));

    QCOMPARE(window->exportTo(dir.filePath(u"d.csv"_s)), QString());
    const QByteArray csv = read(u"d.csv"_s);
    QVERIFY(csv.startsWith("kind;name;V_l;p_MPa\n"));
    QVERIFY(csv.contains("point;z';"));
    QVERIFY(csv.count('\n') > 300);

    const QString refused = window->exportTo(dir.filePath(u"d.pdf"_s));
    QVERIFY(refused.contains(u".png, .svg or .csv"_s));
    QVERIFY(!QFile::exists(dir.filePath(u"d.pdf"_s)));
    const QString unwritable = window->exportTo(dir.filePath(u"d.png/inside.png"_s));
    QVERIFY(unwritable.startsWith(u"Could not write"_s));
    QCOMPARE(window->findChild<QLabel*>(u"Status"_s)->text(), unwritable);
}

void TestIndicatorDiagramWindow::aDiagramBeyondDrawingIsToldNotDrawn() {
    // A state no run of the window leaves, but which the diagram accepts: pressures
    // far beyond a double. The window shows a sentence and stays usable.
    h->form->Button1Click();
    tervox::calc::CompletedRun run = *h->form->lastCompletedRun();
    run.state.input.Pzet = tervox::calc::Ext(1e4000L);
    run.state.results.Pb = tervox::calc::Ext(1e3990L);
    IndicatorDiagramWindow window;
    window.setRun(run, h->form->regionalSettings());
    window.resize(1000, 600);
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    QVERIFY(window.diagram().ok());
    const QImage picture = grabView(&window);
    // Text in the middle, nothing else: no axes along the left edge.
    int inked = 0;
    for (int y = 0; y < picture.height(); ++y)
        for (int x = 0; x < picture.width(); ++x)
            inked += picture.pixelColor(x, y) != Qt::white;
    QVERIFY(inked > 50);
    for (int y = 0; y < picture.height(); ++y)
        QCOMPARE(picture.pixelColor(80, y), QColor(Qt::white));
}

TERVOX_TEST_MAIN(TestIndicatorDiagramWindow)
#include "test_indicatordiagramwindow.moc"
