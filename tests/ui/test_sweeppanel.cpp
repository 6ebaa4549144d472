// The design study on the indicator diagram window's Sweep page: its points are the
// calculator's own runs on the same texts, points that stop are gaps with their
// messages, a range that does not read is told in the panel, the files read back,
// and a study changes nothing of the run.
#include "form1harness.h"
#include "indicatordiagramwindow.h"
#include "modalboxguard.h"
#include "opendiagram.h"
#include "parsereal.h"
#include "sweeppanel.h"
#include "sweepplot.h"
#include "sweepstudy.h"
#include "sweepview.h"
#include "tervoxtestmain.h"

#include <QComboBox>
#include <QFile>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPainter>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>
#include <QTemporaryDir>

#include <cstring>
#include <memory>

using namespace Qt::StringLiterals;
using tervox::calc::FieldId;
using tervox::ui::IndicatorDiagramWindow;
using tervox::ui::SweepPanel;
using tervox::ui::SweepPoint;
using tervox::ui::SweepStudy;
using tervox::ui::testing::Form1Harness;
using tervox::ui::testing::ModalBoxGuard;

namespace {

// The 80 bits of an extended value (the rest of its 16 bytes is padding).
bool SameBits(long double a, long double b) {
    return std::memcmp(&a, &b, 10) == 0;
}

QString Bits(long double v) {
    return QString::number(static_cast<double>(v), 'g', 21);
}

// The outcome of one calculator run: "ok" and its four figures, or the message.
struct Outcome {
    QString status;
    long double Pe = 0, eta_e = 0, ge = 0, D = 0;
};

} // namespace

class TestSweepPanel : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup();

    void beforeAnyRunThePanelCannotSweep();
    void pointsAreTheCalculatorsRunsBitForBit_data();
    void pointsAreTheCalculatorsRunsBitForBit();
    void theRunsOwnTextsAreKeptToTheLastDigit();
    void runTextsReadBackAsTheRunsInputs_data();
    void runTextsReadBackAsTheRunsInputs();
    void aRangeThroughOneStopsThatPointAndKeepsTheOthers();
    void aStoppedPointIsAGapInEveryPlot();
    void malformedRangesAreToldInThePanel_data();
    void malformedRangesAreToldInThePanel();
    void tableReadsBackAsThePoints();
    void picturesAreWrittenAndBadNamesRefused();
    void aStudyChangesNothingOfTheRun();
    void choosingAnInputSuggestsARangeAroundTheRun();
    void aNewRunClearsTheStudyAndKeepsTheRange();

private:
    IndicatorDiagramWindow* openDiagram();
    SweepPanel* openPanel();
    SweepPanel* sweep(FieldId field, const QString& from, const QString& to, const QString& step);
    Outcome calculatorRun(FieldId field, const QString& text);
    QString panelStatus(SweepPanel* panel) const;

    std::unique_ptr<Form1Harness> h;
    ModalBoxGuard m_guard;
};

void TestSweepPanel::init() {
    h = std::make_unique<Form1Harness>();
    QVERIFY(h->createShown());
    m_guard.start();
}

void TestSweepPanel::cleanup() {
    m_guard.stop();
    h.reset();
    QVERIFY2(!m_guard.sawModal(), qPrintable(m_guard.seen().join(u" | "_s)));
}

IndicatorDiagramWindow* TestSweepPanel::openDiagram() {
    return tervox::ui::testing::OpenIndicatorDiagram(*h->form);
}

SweepPanel* TestSweepPanel::openPanel() {
    IndicatorDiagramWindow* window = openDiagram();
    if (!window)
        return nullptr;
    auto* pages = window->findChild<QTabWidget*>(u"DiagramPages"_s);
    auto* panel = window->findChild<SweepPanel*>(u"SweepPanel"_s);
    if (!pages || !panel)
        return nullptr;
    pages->setCurrentWidget(panel);
    return panel;
}

SweepPanel* TestSweepPanel::sweep(FieldId field, const QString& from, const QString& to,
                                  const QString& step) {
    SweepPanel* panel = openPanel();
    if (!panel)
        return nullptr;
    panel->setRange(field, from, to, step);
    panel->findChild<QPushButton*>(u"RunSweep"_s)->click();
    return panel;
}

Outcome TestSweepPanel::calculatorRun(FieldId field, const QString& text) {
    const std::string_view name = tervox::calc::kFieldNames[static_cast<std::size_t>(field)];
    QLineEdit* edit = h->child(QString::fromLatin1(name.data(), qsizetype(name.size())));
    const QString before = edit->text();
    edit->setText(text);
    Outcome out;
    try {
        h->form->Button1Click();
        out.status = u"ok"_s;
        const auto& r = h->state.results;
        out = {u"ok"_s, r.Pe.value(), r.eta_e.value(), r.ge.value(), r.D.value()};
    } catch (const std::exception& e) {
        out.status = QString::fromUtf8(e.what());
    }
    edit->setText(before);
    return out;
}

QString TestSweepPanel::panelStatus(SweepPanel* panel) const {
    return panel->findChild<QLabel*>(u"SweepStatus"_s)->text();
}

void TestSweepPanel::beforeAnyRunThePanelCannotSweep() {
    SweepPanel* panel = openPanel();
    QVERIFY(panel);
    QVERIFY(!panel->findChild<QPushButton*>(u"RunSweep"_s)->isEnabled());
    QVERIFY(!panel->findChild<QPushButton*>(u"ExportSweepTable"_s)->isEnabled());
    QVERIFY(panelStatus(panel).contains(u"No run has completed"_s));
    // Pressing it anyway (Enter in a field) makes no study.
    panel->sweep();
    QVERIFY(panel->study().points.empty());
}

void TestSweepPanel::pointsAreTheCalculatorsRunsBitForBit_data() {
    QTest::addColumn<bool>("gasoline");
    QTest::newRow("Diesel") << false;
    QTest::newRow("Gasoline") << true;
}

void TestSweepPanel::pointsAreTheCalculatorsRunsBitForBit() {
    QFETCH(bool, gasoline);
    h->child<QRadioButton>(gasoline ? u"RadioButton1"_s : u"RadioButton2"_s)->setChecked(true);
    h->form->Button1Click();
    const auto run = *h->form->lastCompletedRun();
    SweepPanel* panel = sweep(FieldId::StSzhatia, u"14"_s, u"18"_s, u"1"_s);
    QVERIFY(panel);
    const SweepStudy study = panel->study();
    QVERIFY2(study.ok(), study.failure.c_str());
    QCOMPARE(study.points.size(), std::size_t(5));
    QCOMPARE(study.type, run.type);

    // Each point against the calculator pressed with that compression ratio.
    for (std::size_t i = 0; i < 5; ++i) {
        const SweepPoint& p = study.points[i];
        QCOMPARE(static_cast<double>(p.x), 14.0 + static_cast<double>(i));
        QCOMPARE(QString::fromStdString(p.status), u"ok"_s);
        const Outcome ref = calculatorRun(FieldId::StSzhatia, QString::number(14 + i));
        QCOMPARE(ref.status, u"ok"_s);
        QVERIFY2(SameBits(p.y[0], ref.Pe), qPrintable(Bits(p.y[0]) + u" vs "_s + Bits(ref.Pe)));
        QVERIFY(SameBits(p.y[1], ref.eta_e));
        QVERIFY(SameBits(p.y[2], ref.ge));
        QVERIFY(SameBits(p.y[3], ref.D));
    }
    // The figures move with the ratio (no constant compared with itself).
    QVERIFY(study.points[0].y[0] != study.points[4].y[0]);
    QVERIFY(study.points[0].y[3] != study.points[4].y[3]);
    // The run's own point is marked where the run put it, which is the point at 16.
    QCOMPARE(static_cast<double>(study.runX), 16.0);
    QVERIFY(SameBits(study.runY[0], run.state.results.Pe.value()));
    for (std::size_t q = 0; q < 4; ++q)
        QVERIFY(SameBits(study.points[2].y[q], study.runY[q]));
    QVERIFY(panelStatus(panel).startsWith(u"5 points of \u03B5 from 14 to 18"_s));
    QVERIFY(!panel->findChild<QPlainTextEdit*>(u"SweepStopped"_s)->isVisible());
}

void TestSweepPanel::theRunsOwnTextsAreKeptToTheLastDigit() {
    // Texts with more digits than the report writes: the study must start from the
    // values the run read, not from their rounded report form.
    h->child(u"Izbytokvoz"_s)->setText(u"1,45678901234567890123"_s);
    h->child(u"roh"_s)->setText(u"1,4699999999999999999"_s);
    h->child(u"koefb"_s)->setText(u"0,013500000000000000007"_s);
    h->form->Button1Click();
    const auto& r = h->state.results;
    const long double Pe = r.Pe.value(), eta_e = r.eta_e.value(), ge = r.ge.value(),
                      D = r.D.value();
    SweepPanel* panel = sweep(FieldId::StSzhatia, u"15"_s, u"17"_s, u"1"_s);
    QVERIFY(panel);
    const SweepStudy& study = panel->study();
    QVERIFY2(study.ok(), study.failure.c_str());
    QCOMPARE(study.points.size(), std::size_t(3));
    const SweepPoint& at16 = study.points[1];
    QVERIFY(SameBits(at16.y[0], Pe));
    QVERIFY(SameBits(at16.y[1], eta_e));
    QVERIFY(SameBits(at16.y[2], ge));
    QVERIFY(SameBits(at16.y[3], D));
}

void TestSweepPanel::runTextsReadBackAsTheRunsInputs_data() {
    QTest::addColumn<QString>("separator");
    QTest::addColumn<QString>("text");
    // Field texts a user can type; each must come back as the same extended value.
    QTest::newRow("comma, short") << u","_s << u"0,0135"_s;
    QTest::newRow("comma, twenty digits") << u","_s << u"1,4567890123456789012"_s;
    QTest::newRow("point, twenty digits") << u"."_s << u"0.10000000000000000001"_s;
    QTest::newRow("tiny") << u","_s << u"1e-4900"_s;
    QTest::newRow("huge") << u","_s << u"1,189731495357231765e4932"_s;
    QTest::newRow("negative") << u","_s << u"-273,15"_s;
    QTest::newRow("negative zero") << u","_s << u"-0"_s;
}

void TestSweepPanel::runTextsReadBackAsTheRunsInputs() {
    QFETCH(QString, separator);
    QFETCH(QString, text);
    const std::string sep = separator.toStdString();
    const long double v = tervox::calc::ParseReal(text.toStdString(), sep);
    tervox::calc::EngineInput input;
    input.Izbytokvoz = tervox::calc::Ext(v);
    input.DeltT = tervox::calc::Ext(-27); // the spin field's integer
    const tervox::calc::FieldTexts texts = tervox::ui::RunFieldTexts(input, sep);
    const long double back = tervox::calc::ParseReal(texts.Izbytokvoz, sep);
    QVERIFY2(SameBits(back, v), texts.Izbytokvoz.c_str());
    QCOMPARE(QString::fromStdString(texts.DeltT), u"-27"_s);
    QCOMPARE(tervox::calc::ReadIntegerField(texts.DeltT), -27.0L);
}

void TestSweepPanel::aRangeThroughOneStopsThatPointAndKeepsTheOthers() {
    h->form->Button1Click();
    SweepPanel* panel = sweep(FieldId::StSzhatia, u"1"_s, u"3"_s, u"0,25"_s);
    QVERIFY(panel);
    const SweepStudy study = panel->study();
    QVERIFY2(study.ok(), study.failure.c_str());
    QCOMPARE(study.points.size(), std::size_t(9));

    // Every point as the calculator would end it: the same message, or the same figures.
    for (const SweepPoint& p : study.points) {
        const Outcome ref = calculatorRun(FieldId::StSzhatia,
                                          QString::fromStdString(tervox::ui::ExactText(p.x, ",")));
        QCOMPARE(QString::fromStdString(p.status), ref.status);
        if (p.ok())
            QVERIFY(SameBits(p.y[0], ref.Pe) && SameBits(p.y[2], ref.ge));
    }
    // epsilon = 1 divides by zero (eps - 1 in the residual-gas share); the points
    // from 2 up complete all the same.
    const SweepPoint& one = study.points[0];
    QCOMPARE(static_cast<double>(one.x), 1.0);
    QCOMPARE(QString::fromStdString(one.status), u"Floating point division by zero"_s);
    for (std::size_t i = 4; i < 9; ++i)
        QVERIFY2(study.points[i].ok(), study.points[i].status.c_str());

    // The panel lists each stopped point with its message, and only those.
    auto* stopped = panel->findChild<QPlainTextEdit*>(u"SweepStopped"_s);
    QVERIFY(stopped->isVisible());
    const QStringList lines = stopped->toPlainText().split(u'\n');
    QCOMPARE(static_cast<std::size_t>(lines.size()), study.stoppedCount());
    QCOMPARE(lines.first(), u"\u03B5 = 1: Floating point division by zero"_s);
    QVERIFY(panelStatus(panel).contains(u"stopped"_s));
}

void TestSweepPanel::aStoppedPointIsAGapInEveryPlot() {
    // A study made by hand, so that completed points stand on both sides of the one
    // that stopped: 1, 2 completed, 3 stopped, 4, 5 completed, each figure rising.
    SweepStudy study;
    study.field = FieldId::lambd;
    for (int i = 1; i <= 5; ++i) {
        SweepPoint p;
        p.x = i;
        p.y = {0.1L * i, 0.3L + 0.01L * i, 250.0L - i, 100.0L + i};
        p.status = i == 3 ? "Floating point overflow" : "ok";
        study.points.push_back(p);
    }
    study.runX = 2;
    study.runY = study.points[1].y;
    const tervox::ui::SweepPlot plot(study, u","_s);
    QVERIFY(plot.drawable());
    QImage picture(1000, 500, QImage::Format_RGB32);
    QPainter painter(&picture);
    const QRectF area(picture.rect());
    plot.paint(painter, area);
    painter.end();

    const auto inkAt = [&](QPointF at, auto&& is) {
        for (int dy = -1; dy <= 1; ++dy)
            for (int dx = -1; dx <= 1; ++dx)
                if (is(picture.pixelColor(at.toPoint() + QPoint(dx, dy))))
                    return true;
        return false;
    };
    const auto blue = [](QColor c) { return c.blue() > 140 && c.red() < 110 && c.green() < 140; };
    const auto red = [](QColor c) { return c.red() > 150 && c.green() < 110 && c.blue() < 110; };
    const auto orange = [](QColor c) {
        return c.red() > 180 && c.green() > 90 && c.green() < 150 && c.blue() < 80;
    };
    for (std::size_t q = 0; q < 4; ++q) {
        const auto at = [&](long double x, long double y) { return plot.map(area, q, x, y); };
        const auto& y = [&](int i) { return study.points[static_cast<std::size_t>(i)].y[q]; };
        const QString which = QString::number(q);
        // The line between 4 and 5...
        QVERIFY2(inkAt((at(4, y(3)) + at(5, y(4))) / 2, blue), qPrintable(which));
        // ...but none from 2 to 4 across the stopped point.
        QVERIFY2(!inkAt((at(2, y(1)) + at(4, y(3))) / 2, blue), qPrintable(which));
        // The stopped point is crossed out at the foot of the plot.
        const QRectF r = plot.plotRect(area, q);
        QVERIFY2(inkAt(QPointF(at(3, 0).x(), r.bottom() - 6), red), qPrintable(which));
        // The run's point is marked where the run put it.
        QVERIFY2(inkAt(at(2, y(1)), orange), qPrintable(which));
    }
}

void TestSweepPanel::malformedRangesAreToldInThePanel_data() {
    QTest::addColumn<int>("field");
    QTest::addColumn<QString>("from");
    QTest::addColumn<QString>("to");
    QTest::addColumn<QString>("step");
    QTest::addColumn<QString>("told");
    const int eps = static_cast<int>(FieldId::StSzhatia);
    QTest::newRow("word") << eps << u"abc"_s << u"18"_s << u"1"_s
                          << u"From: 'abc' is not a number (the decimal separator is ',')."_s;
    QTest::newRow("empty") << eps << u""_s << u"18"_s << u"1"_s << u"From: '' is not a number"_s;
    QTest::newRow("other decimal mark")
        << eps << u"14"_s << u"18"_s << u"0.5"_s << u"Step: '0.5' is not a number"_s;
    QTest::newRow("range syntax in a field")
        << eps << u"14"_s << u"18:20"_s << u"1"_s << u"To: '18:20' is not a number"_s;
    QTest::newRow("beyond extended")
        << eps << u"1e5000"_s << u"18"_s << u"1"_s << u"From: '1e5000' is not a number"_s;
    QTest::newRow("zero step") << eps << u"14"_s << u"18"_s << u"0"_s << u"The step is zero."_s;
    QTest::newRow("wrong way") << eps << u"18"_s << u"14"_s << u"1"_s
                               << u"A step of 1 does not lead from 18 to 14"_s;
    QTest::newRow("too many") << eps << u"14"_s << u"18"_s << u"0,001"_s
                              << u"gives 4001 points; a study takes at most 2000"_s;
    QTest::newRow("far too many") << eps << u"-1e4900"_s << u"1e4900"_s << u"1"_s
                                  << u"gives too many points"_s;
    QTest::newRow("fractional heating") << static_cast<int>(FieldId::DeltT) << u"20"_s << u"30"_s
                                        << u"0,5"_s << u"must be whole numbers"_s;
}

void TestSweepPanel::malformedRangesAreToldInThePanel() {
    QFETCH(int, field);
    QFETCH(QString, from);
    QFETCH(QString, to);
    QFETCH(QString, step);
    QFETCH(QString, told);
    h->form->Button1Click();
    // A good study first: a malformed range must not leave it on show.
    SweepPanel* panel = sweep(FieldId::StSzhatia, u"14"_s, u"18"_s, u"1"_s);
    QVERIFY(panel && panel->study().ok());
    panel->setRange(static_cast<FieldId>(field), from, to, step);
    // Enter in the step field, as a user ends typing.
    QTest::keyClick(panel->findChild<QLineEdit*>(u"SweepStep"_s), Qt::Key_Return);
    QVERIFY(!panel->study().ok());
    QVERIFY(panel->study().points.empty());
    QVERIFY2(panelStatus(panel).contains(told), qPrintable(panelStatus(panel)));
    QCOMPARE(QString::fromStdString(panel->study().failure), panelStatus(panel));
    QVERIFY(!panel->findChild<QPushButton*>(u"ExportSweepPicture"_s)->isEnabled());
    QVERIFY(!panel->findChild<QPushButton*>(u"ExportSweepTable"_s)->isEnabled());
    QVERIFY(h->messages.errors().isEmpty());
    // The view says it too.
    const QImage picture =
        panel->findChild<tervox::ui::SweepView*>(u"SweepView"_s)->grab().toImage();
    int inked = 0;
    for (int y = 0; y < picture.height(); y += 2)
        for (int x = 0; x < picture.width(); x += 2)
            inked += picture.pixelColor(x, y) != Qt::white;
    QVERIFY(inked > 20);
}

void TestSweepPanel::tableReadsBackAsThePoints() {
    h->form->Button1Click();
    SweepPanel* panel = sweep(FieldId::StSzhatia, u"0,5"_s, u"2"_s, u"0,25"_s);
    QVERIFY(panel);
    const SweepStudy study = panel->study();
    QTemporaryDir dir;
    const QString path = dir.filePath(u"study.csv"_s);
    QCOMPARE(panel->exportTo(path), QString());
    QCOMPARE(panelStatus(panel), u"Saved "_s + path);
    QFile file(path);
    QVERIFY(file.open(QIODevice::ReadOnly));
    const QString text = QString::fromUtf8(file.readAll());
    QVERIFY(text.endsWith(u'\n'));
    const QStringList lines = text.chopped(1).split(u'\n');
    QCOMPARE(lines.size(), 1 + 7);
    QCOMPARE(lines[0], u"StSzhatia;Pe;eta_e;ge;D;status"_s);
    for (std::size_t i = 0; i < study.points.size(); ++i) {
        const SweepPoint& p = study.points[i];
        const QStringList cells = lines[static_cast<qsizetype>(i) + 1].split(u';');
        QCOMPARE(cells.size(), 6);
        QVERIFY(SameBits(tervox::calc::ParseReal(cells[0].toStdString(), ","), p.x));
        QCOMPARE(cells[5], QString::fromStdString(p.status));
        for (std::size_t q = 0; q < 4; ++q) {
            const QString cell = cells[static_cast<qsizetype>(q) + 1];
            if (!p.ok()) {
                QCOMPARE(cell, QString());
                continue;
            }
            QVERIFY2(SameBits(tervox::calc::ParseReal(cell.toStdString(), ","), p.y[q]),
                     qPrintable(cell));
        }
    }
    QCOMPARE(lines[3], u"1;;;;;Floating point division by zero"_s);
}

void TestSweepPanel::picturesAreWrittenAndBadNamesRefused() {
    h->form->Button1Click();
    SweepPanel* panel = sweep(FieldId::Izbytokvoz, u"1,2"_s, u"1,8"_s, u"0,05"_s);
    QVERIFY(panel && panel->study().ok());
    QVERIFY(panel->findChild<QPushButton*>(u"ExportSweepPicture"_s)->isEnabled());
    QTemporaryDir dir;
    const auto read = [&](const QString& name) {
        QFile f(dir.filePath(name));
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    };
    QCOMPARE(panel->exportTo(dir.filePath(u"s.png"_s)), QString());
    QVERIFY(read(u"s.png"_s).startsWith("\x89PNG\r\n\x1a\n"));
    const QImage png(dir.filePath(u"s.png"_s));
    QCOMPARE(png.size(), QSize(1200, 840));
    // Drawn, not blank: the series' blue is on it.
    int blue = 0;
    for (int y = 0; y < png.height(); y += 2)
        for (int x = 0; x < png.width(); x += 2)
            blue += png.pixelColor(x, y) == QColor(0x1f, 0x5f, 0xa8);
    QVERIFY(blue > 100);

    QCOMPARE(panel->exportTo(dir.filePath(u"s.SVG"_s)), QString());
    const QByteArray svg = read(u"s.SVG"_s);
    QVERIFY(svg.contains("<svg"));
    QVERIFY(svg.contains("Design study"));
    QVERIFY(svg.contains("<path"));

    const QString refused = panel->exportTo(dir.filePath(u"s.pdf"_s));
    QVERIFY(refused.contains(u".png, .svg or .csv"_s));
    QVERIFY(!QFile::exists(dir.filePath(u"s.pdf"_s)));
    const QString unwritable = panel->exportTo(dir.filePath(u"s.png/inside.csv"_s));
    QVERIFY(unwritable.startsWith(u"Could not write"_s));
    QCOMPARE(panelStatus(panel), unwritable);
}

void TestSweepPanel::aStudyChangesNothingOfTheRun() {
    h->form->Button1Click();
    const int messages = h->messages.messages().size();
    QFile report(h->reportPath);
    QVERIFY(report.open(QIODevice::ReadOnly));
    const QByteArray before = report.readAll();
    report.close();
    const tervox::calc::CalcState state = h->state;
    const auto run = *h->form->lastCompletedRun();

    SweepPanel* panel = sweep(FieldId::Chastota, u"1000"_s, u"3000"_s, u"100"_s);
    QVERIFY(panel && panel->study().ok());
    QCOMPARE(panel->study().points.size(), std::size_t(21));

    QCOMPARE(h->messages.messages().size(), messages);
    QVERIFY(h->messages.errors().isEmpty());
    QVERIFY(report.open(QIODevice::ReadOnly));
    QCOMPARE(report.readAll(), before);
    QVERIFY(std::memcmp(&h->state.input, &state.input, sizeof state.input) == 0);
    QVERIFY(std::memcmp(&h->state.results, &state.results, sizeof state.results) == 0);
    QVERIFY(std::memcmp(&h->form->lastCompletedRun()->state.results, &run.state.results,
                        sizeof run.state.results) == 0);
    QCOMPARE(h->child(u"Chastota"_s)->text(), u"2300"_s);
}

void TestSweepPanel::choosingAnInputSuggestsARangeAroundTheRun() {
    h->form->Button1Click();
    SweepPanel* panel = openPanel();
    QVERIFY(panel);
    auto* combo = panel->findChild<QComboBox*>(u"SweepInput"_s);
    QCOMPARE(combo->count(), 26);
    QVERIFY(combo->currentText().contains(u"(StSzhatia)"_s));
    // Opened for a run, the panel offers a range around its compression ratio.
    const auto value = [&](const char* name) {
        return tervox::calc::ParseReal(
            panel->findChild<QLineEdit*>(QLatin1String(name))->text().toStdString(), ",");
    };
    QVERIFY(value("SweepFrom") < 16 && value("SweepTo") > 16);

    const int speed = static_cast<int>(FieldId::Chastota);
    QVERIFY(combo->itemText(speed).contains(u"(Chastota)"_s));
    combo->setCurrentIndex(speed);
    emit combo->activated(speed);
    QVERIFY(value("SweepFrom") < 2300 && value("SweepTo") > 2300);
    panel->findChild<QPushButton*>(u"RunSweep"_s)->click();
    const SweepStudy& study = panel->study();
    QVERIFY2(study.ok(), study.failure.c_str());
    QVERIFY(study.points.size() >= 8 && study.points.size() <= 40);
    QCOMPARE(study.field, FieldId::Chastota);
    QCOMPARE(static_cast<double>(study.runX), 2300.0);

    // The heating of the charge steps by whole kelvins.
    const int heating = static_cast<int>(FieldId::DeltT);
    combo->setCurrentIndex(heating);
    emit combo->activated(heating);
    panel->findChild<QPushButton*>(u"RunSweep"_s)->click();
    QVERIFY2(panel->study().ok(), panel->study().failure.c_str());
    for (const SweepPoint& p : panel->study().points)
        QCOMPARE(p.x, std::floor(p.x));
}

void TestSweepPanel::aNewRunClearsTheStudyAndKeepsTheRange() {
    h->form->Button1Click();
    SweepPanel* panel = sweep(FieldId::lambd, u"1,5"_s, u"2,1"_s, u"0,1"_s);
    QVERIFY(panel && panel->study().ok());
    h->child(u"StSzhatia"_s)->setText(u"18"_s);
    h->form->Button1Click();
    SweepPanel* again = openPanel();
    QCOMPARE(again, panel);
    QVERIFY(panel->study().points.empty());
    QVERIFY(!panel->findChild<QPushButton*>(u"ExportSweepTable"_s)->isEnabled());
    QCOMPARE(panel->field(), FieldId::lambd);
    QCOMPARE(panel->findChild<QLineEdit*>(u"SweepFrom"_s)->text(), u"1,5"_s);
    panel->findChild<QPushButton*>(u"RunSweep"_s)->click();
    // The new study is around the new run: its compression ratio is 18.
    QVERIFY(panel->study().ok());
    QCOMPARE(static_cast<double>(panel->study().runX), 1.8);
    QCOMPARE(panel->study().points.size(), std::size_t(7));
    QVERIFY(SameBits(panel->study().points[3].y[0], h->state.results.Pe.value()));
}

TERVOX_TEST_MAIN(TestSweepPanel)
#include "test_sweeppanel.moc"
