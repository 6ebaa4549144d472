#include "diagramplot.h"

#include "plotpalette.h"
#include "plotscale.h"

#include <QFontMetricsF>
#include <QPainter>
#include <QPainterPath>

#include <algorithm>
#include <cmath>
#include <vector>

namespace tervox::ui {

namespace {

// What each colour of the palette stands for in the diagram.
const QColor& kCompression = plotpalette::kBlue;
const QColor& kCombustion = plotpalette::kRed;
const QColor& kExpansion = plotpalette::kOrange;
const QColor& kGasExchange = plotpalette::kDarkGrey;
const QColor& kAmbient = plotpalette::kMidGrey;
const QColor& kGridMajor = plotpalette::kGridMajor;
const QColor& kGridMinor = plotpalette::kGridMinor;
const QColor& kInk = plotpalette::kInk;

struct Tick {
    double value;
    bool labelled;
};

std::vector<Tick> LinearTicks(double low, double high, double step) {
    std::vector<Tick> ticks;
    for (double v = std::ceil(low / step - 1e-9) * step;
         v <= high + step * 1e-9 && ticks.size() < 100; v += step)
        ticks.push_back({std::fabs(v) < step * 1e-9 ? 0.0 : v, true});
    return ticks;
}

// 1, 2 and 5 of every decade labelled, the other digits as fainter grid lines.
std::vector<Tick> LogTicks(double low, double high) {
    std::vector<Tick> ticks;
    if (!(low > 0) || !(high > low) || !std::isfinite(high) || high / low > 1e12)
        return ticks;
    for (int k = static_cast<int>(std::floor(std::log10(low)));
         k <= static_cast<int>(std::ceil(std::log10(high))); ++k)
        for (int m = 1; m <= 9; ++m) {
            const double v = m * std::pow(10.0, k);
            if (v >= low * (1 - 1e-9) && v <= high * (1 + 1e-9))
                ticks.push_back({v, m == 1 || m == 2 || m == 5});
        }
    return ticks;
}

void Arrowhead(QPainter& p, QPointF tip, QPointF direction, double size) {
    const QPointF back = tip - direction * size;
    const QPointF side(-direction.y() * size * 0.4, direction.x() * size * 0.4);
    QPainterPath head;
    head.moveTo(tip);
    head.lineTo(back + side);
    head.lineTo(back - side);
    head.closeSubpath();
    p.fillPath(head, p.pen().color());
}

} // namespace

DiagramPlot::DiagramPlot(const calc::IndicatorDiagram& diagram, QString decimalSeparator)
    : m_diagram(diagram), m_separator(std::move(decimalSeparator)) {}

double DiagramPlot::scale(const QRectF& area) const {
    // The window's plot is about 450 pixels high; larger pictures scale up from it.
    return std::max(1.0, std::min(area.height() / 450.0, area.width() / 640.0));
}

QString DiagramPlot::number(double value, int decimals) const {
    QString text = QString::number(value, 'f', decimals);
    if (m_separator != QLatin1String("."))
        text.replace(QLatin1Char('.'), m_separator);
    return text.replace(QLatin1Char('-'), QChar(0x2212));
}

QString DiagramPlot::general(double value) const {
    // An input as the user typed it: 16, 1,37.
    QString text = QString::number(value, 'g', 6);
    if (m_separator != QLatin1String("."))
        text.replace(QLatin1Char('.'), m_separator);
    return text;
}

DiagramPlot::Range DiagramPlot::volumeRange() const {
    const double Vc = static_cast<double>(m_diagram.Vc);
    const double Va = static_cast<double>(m_diagram.Va);
    if (m_logarithmic)
        return {Vc / 1.3, Va * 1.3};
    const double step = NiceStep(Va * 1.05, 6);
    return {0, std::ceil(Va * 1.05 / step) * step};
}

DiagramPlot::Range DiagramPlot::pressureRange() const {
    double highest = 0, lowest = HUGE_VAL;
    for (const calc::DiagramCurve& c : m_diagram.curves)
        for (const calc::DiagramSample& s : c.samples) {
            highest = std::max(highest, static_cast<double>(s.p));
            lowest = std::min(lowest, static_cast<double>(s.p));
        }
    if (m_diagram.P0 > 0)
        lowest = std::min(lowest, static_cast<double>(m_diagram.P0));
    if (m_logarithmic)
        return {lowest / 1.5, highest * 1.5};
    const double step = NiceStep(highest * 1.08, 8);
    return {0, std::ceil(highest * 1.08 / step) * step};
}

QRectF DiagramPlot::plotRect(const QRectF& area) const {
    const double u = scale(area);
    return area.adjusted(70 * u, 56 * u, -74 * u, -70 * u);
}

QPointF DiagramPlot::map(const QRectF& area, long double V, long double p) const {
    const QRectF plot = plotRect(area);
    const Range vr = volumeRange(), pr = pressureRange();
    const auto along = [this](double x, Range r) {
        if (m_logarithmic)
            return (std::log10(x) - std::log10(r.low)) / (std::log10(r.high) - std::log10(r.low));
        return (x - r.low) / (r.high - r.low);
    };
    return {plot.left() + along(static_cast<double>(V), vr) * plot.width(),
            plot.bottom() - along(static_cast<double>(p), pr) * plot.height()};
}

void DiagramPlot::paint(QPainter& p, const QRectF& area) const {
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::TextAntialiasing);
    p.fillRect(area, Qt::white);
    const double u = scale(area);
    QFont font(QStringLiteral("Liberation Sans"));
    font.setStyleHint(QFont::SansSerif);
    font.setPixelSize(static_cast<int>(std::lround(12 * u)));
    p.setFont(font);
    p.setPen(kInk);

    // The picture works in doubles: a state beyond their range is told, not drawn.
    bool drawable = m_diagram.ok() && !m_diagram.curves.empty();
    for (const calc::DiagramCurve& c : m_diagram.curves)
        for (const calc::DiagramSample& s : c.samples)
            drawable = drawable && static_cast<double>(s.V) > 1e-290 && static_cast<double>(s.V) < 1e290 &&
                       static_cast<double>(s.p) > 1e-290 && static_cast<double>(s.p) < 1e290;
    if (!drawable) {
        const QString why = m_diagram.ok() ? QStringLiteral("The diagram's volumes and pressures "
                                                             "are beyond what can be drawn.")
                                           : QString::fromStdString(m_diagram.failure);
        p.drawText(area.adjusted(20 * u, 20 * u, -20 * u, -20 * u),
                   Qt::AlignCenter | Qt::TextWordWrap, why);
        p.restore();
        return;
    }

    const QRectF plot = plotRect(area);
    const Range vr = volumeRange(), pr = pressureRange();
    const QFontMetricsF fm(font);

    // Vc and Va on the volume axis, with the displacement Vh between them.
    {
        const double xc = map(area, m_diagram.Vc, pr.low).x();
        const double xa = map(area, m_diagram.Va, pr.low).x();
        const double y = plot.bottom() + 5 * u + fm.height() + 12 * u;
        p.setPen(QPen(kInk, 1 * u));
        p.drawLine(QPointF(xc, y - 7 * u), QPointF(xc, y + 7 * u));
        p.drawLine(QPointF(xa, y - 7 * u), QPointF(xa, y + 7 * u));
        p.drawLine(QPointF(xc, y), QPointF(xa, y));
        Arrowhead(p, QPointF(xc, y), QPointF(-1, 0), 7 * u);
        Arrowhead(p, QPointF(xa, y), QPointF(1, 0), 7 * u);
        p.setPen(QPen(kInk, 1 * u, Qt::DotLine));
        p.drawLine(QPointF(xc, plot.bottom()), QPointF(xc, y - 7 * u));
        p.drawLine(QPointF(xa, plot.bottom()), QPointF(xa, y - 7 * u));
        QFont italic = font;
        italic.setItalic(true);
        p.setFont(italic);
        p.setPen(kInk);
        const QString vh = QStringLiteral("Vh = %1 l").arg(number(static_cast<double>(m_diagram.Vh), 3));
        const double w = fm.horizontalAdvance(vh) + 10 * u;
        p.fillRect(QRectF((xc + xa - w) / 2, y - fm.height() / 2, w, fm.height()), Qt::white);
        p.drawText(QRectF((xc + xa - w) / 2, y - fm.height() / 2, w, fm.height()), Qt::AlignCenter, vh);
        p.drawText(QRectF(xc - 50 * u - 4 * u, y - fm.height() / 2, 50 * u, fm.height()),
                   Qt::AlignRight | Qt::AlignVCenter, QStringLiteral("Vc"));
        p.drawText(QRectF(xa + 4 * u, y - fm.height() / 2, 50 * u, fm.height()),
                   Qt::AlignLeft | Qt::AlignVCenter, QStringLiteral("Va"));
        p.setFont(font);
    }

    // Grid and tick labels.
    const double vStep = NiceStep(vr.high - vr.low, 6);
    const double pStep = NiceStep(pr.high - pr.low, 8);
    const auto vTicks = m_logarithmic ? LogTicks(vr.low, vr.high) : LinearTicks(vr.low, vr.high, vStep);
    const auto pTicks = m_logarithmic ? LogTicks(pr.low, pr.high) : LinearTicks(pr.low, pr.high, pStep);
    const auto label = [&](double v, double step) {
        return number(v, m_logarithmic ? DecimalsFor(v) : DecimalsFor(step));
    };
    for (const Tick& t : vTicks) {
        const double x = map(area, t.value, pr.low).x();
        p.setPen(QPen(t.labelled ? kGridMajor : kGridMinor, 1 * u));
        p.drawLine(QPointF(x, plot.top()), QPointF(x, plot.bottom()));
        if (!t.labelled)
            continue;
        p.setPen(kInk);
        p.drawLine(QPointF(x, plot.bottom()), QPointF(x, plot.bottom() + 4 * u));
        const QString text = label(t.value, vStep);
        const double w = fm.horizontalAdvance(text) + 4 * u;
        p.fillRect(QRectF(x - w / 2, plot.bottom() + 5 * u, w, fm.height()), Qt::white);
        p.drawText(QRectF(x - 40 * u, plot.bottom() + 5 * u, 80 * u, fm.height()),
                   Qt::AlignHCenter | Qt::AlignTop, text);
    }
    for (const Tick& t : pTicks) {
        const double y = map(area, vr.low, t.value).y();
        p.setPen(QPen(t.labelled ? kGridMajor : kGridMinor, 1 * u));
        p.drawLine(QPointF(plot.left(), y), QPointF(plot.right(), y));
        if (!t.labelled)
            continue;
        p.setPen(kInk);
        p.drawLine(QPointF(plot.left() - 4 * u, y), QPointF(plot.left(), y));
        p.drawText(QRectF(area.left(), y - fm.height() / 2, plot.left() - area.left() - 7 * u,
                          fm.height()),
                   Qt::AlignRight | Qt::AlignVCenter, label(t.value, pStep));
    }

    // Axes with arrows, named at their tips.
    p.setPen(QPen(kInk, 1.3 * u));
    const QPointF origin(plot.left(), plot.bottom());
    const QPointF pTip(plot.left(), plot.top() - 16 * u);
    const QPointF vTip(plot.right() + 18 * u, plot.bottom());
    p.drawLine(origin, pTip);
    p.drawLine(origin, vTip);
    Arrowhead(p, pTip, QPointF(0, -1), 9 * u);
    Arrowhead(p, vTip, QPointF(1, 0), 9 * u);
    p.drawText(QPointF(pTip.x() + 8 * u, pTip.y() + fm.ascent() / 2),
               m_logarithmic ? QStringLiteral("p, MPa (log)") : QStringLiteral("p, MPa"));
    p.drawText(QPointF(vTip.x() + 4 * u, vTip.y() + fm.ascent() / 2 - 1 * u),
               QStringLiteral("V, l"));

    // Ambient pressure, for reference.
    if (m_diagram.P0 > 0 && m_diagram.P0 > pr.low && m_diagram.P0 < pr.high) {
        const double y = map(area, vr.low, m_diagram.P0).y();
        p.setPen(QPen(kAmbient, 1 * u, Qt::DashLine));
        p.drawLine(QPointF(plot.left(), y), QPointF(plot.right(), y));
        // On linear axes p0 lies among the gas-exchange lines just above the axis; the
        // legend names it there. On logarithmic axes it stands clear: named outside.
        if (m_logarithmic) {
            p.setPen(kAmbient);
            p.drawText(QPointF(plot.right() + 4 * u, y + fm.ascent() / 2 - 1 * u), QStringLiteral("p0"));
        }
    }

    // The lines of the cycle, the gas exchange beneath the working loop.
    const auto path = [&](const calc::DiagramCurve& c) {
        QPainterPath line;
        for (std::size_t i = 0; i < c.samples.size(); ++i) {
            const QPointF at = map(area, c.samples[i].V, c.samples[i].p);
            if (i == 0)
                line.moveTo(at);
            else
                line.lineTo(at);
        }
        return line;
    };
    const auto colourOf = [](const std::string& name) {
        if (name == "compression")
            return kCompression;
        if (name == "combustion")
            return kCombustion;
        if (name == "expansion")
            return kExpansion;
        return kGasExchange;
    };
    p.save();
    p.setClipRect(plot.adjusted(-2 * u, -2 * u, 2 * u, 2 * u));
    for (const calc::DiagramCurve& c : m_diagram.curves) {
        const bool working = c.name == "compression" || c.name == "combustion" ||
                             c.name == "expansion";
        QPen pen(colourOf(c.name), (working ? 2.2 : 1.4) * u);
        pen.setJoinStyle(Qt::RoundJoin);
        pen.setCapStyle(Qt::RoundCap);
        p.setPen(pen);
        p.setBrush(Qt::NoBrush);
        p.drawPath(path(c));
    }
    p.restore();

    // The characteristic points, named beside them as in the textbook's figure.
    QFont pointFont = font;
    pointFont.setItalic(true);
    pointFont.setBold(true);
    pointFont.setPixelSize(static_cast<int>(std::lround(14 * u)));
    const QFontMetricsF pfm(pointFont);
    p.setFont(pointFont);
    for (const calc::DiagramPoint& point : m_diagram.points) {
        const QPointF at = map(area, point.at.V, point.at.p);
        p.setPen(Qt::NoPen);
        p.setBrush(kInk);
        p.drawEllipse(at, 3.2 * u, 3.2 * u);
        const QString name = QString::fromStdString(point.name);
        const double w = pfm.horizontalAdvance(name);
        QPointF offset;
        if (point.name == "a")
            offset = {7 * u, pfm.ascent() / 2};
        else if (point.name == "b") // above a, which may lie close below it
            offset = {7 * u, -3 * u};
        else if (point.name == "z" && m_diagram.type == calc::EngineType::Diesel)
            offset = {-w / 2, -8 * u};
        else if (point.name == "r")
            offset = {-w - 7 * u, -3 * u};
        else
            offset = {-w - 7 * u, pfm.ascent() / 2};
        p.setPen(kInk);
        p.drawText(at + offset, name);
    }
    p.setFont(font);

    // Title and legend.
    QFont titleFont = font;
    titleFont.setBold(true);
    titleFont.setPixelSize(static_cast<int>(std::lround(14 * u)));
    p.setFont(titleFont);
    p.setPen(kInk);
    const QString type = m_diagram.type == calc::EngineType::Diesel ? QStringLiteral("Diesel")
                                                                     : QStringLiteral("Gasoline");
    p.drawText(QRectF(plot.left() + 40 * u, area.top() + 8 * u, plot.width() - 40 * u, 20 * u),
               Qt::AlignLeft | Qt::AlignVCenter,
               QStringLiteral("Indicator diagram, %1, \u03B5 = %2")
                   .arg(type, general(static_cast<double>(m_diagram.eps))));
    p.setFont(font);

    struct LegendRow {
        QColor colour;
        Qt::PenStyle style;
        QString text;
    };
    const LegendRow rows[] = {
        {kCompression, Qt::SolidLine,
         QStringLiteral("compression, n1 = %1").arg(general(static_cast<double>(m_diagram.n1)))},
        {kCombustion, Qt::SolidLine, QStringLiteral("combustion")},
        {kExpansion, Qt::SolidLine,
         QStringLiteral("expansion, n2 = %1").arg(general(static_cast<double>(m_diagram.n2)))},
        {kGasExchange, Qt::SolidLine, QStringLiteral("release, exhaust, intake")},
        {kAmbient, Qt::DashLine, QStringLiteral("ambient pressure p0")},
    };
    double legendWidth = 0;
    for (const LegendRow& row : rows)
        legendWidth = std::max(legendWidth, fm.horizontalAdvance(row.text));
    legendWidth += 44 * u;
    const double rowHeight = fm.height() + 3 * u;
    const QRectF legend(plot.right() - legendWidth - 8 * u, plot.top() + 8 * u, legendWidth,
                        rowHeight * std::size(rows) + 8 * u);
    p.setPen(QPen(kGridMajor, 1 * u));
    p.setBrush(QColor(255, 255, 255, 235));
    p.drawRect(legend);
    for (std::size_t i = 0; i < std::size(rows); ++i) {
        const double y = legend.top() + 4 * u + rowHeight * (i + 0.5);
        p.setPen(QPen(rows[i].colour, 2.2 * u, rows[i].style));
        p.drawLine(QPointF(legend.left() + 8 * u, y), QPointF(legend.left() + 34 * u, y));
        p.setPen(kInk);
        p.drawText(QRectF(legend.left() + 40 * u, y - rowHeight / 2, legendWidth, rowHeight),
                   Qt::AlignLeft | Qt::AlignVCenter, rows[i].text);
    }

    // The loop's own mean pressure beside the run's.
    const double loop = static_cast<double>(m_diagram.meanIndicatedPressure);
    const double pip = static_cast<double>(m_diagram.Pip);
    QString footer = QStringLiteral("Mean pressure of the loop: %1 MPa    Pip of the run: %2 MPa")
                         .arg(number(loop, 4), number(pip, 4));
    if (pip != 0)
        footer += QStringLiteral("    difference: %1 %").arg(number(100 * (loop / pip - 1), 2));
    p.drawText(QRectF(plot.left(), area.bottom() - fm.height() - 6 * u, area.width(), fm.height()),
               Qt::AlignLeft | Qt::AlignVCenter, footer);
    p.restore();
}

} // namespace tervox::ui
