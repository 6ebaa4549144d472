#include "sweepplot.h"

#include "plotpalette.h"
#include "plotscale.h"
#include "sweepinputs.h"

#include "numberformat.h"

#include <QFontMetricsF>
#include <QPainter>
#include <QPainterPath>

#include <algorithm>
#include <cmath>
#include <vector>

namespace tervox::ui {

namespace {

// What each colour of the palette stands for in a study.
const QColor& kSeries = plotpalette::kBlue;
const QColor& kStopped = plotpalette::kRed;
const QColor& kRun = plotpalette::kOrange;
const QColor& kRunLine = plotpalette::kMidGrey;
const QColor& kGrid = plotpalette::kGridMajor;
const QColor& kFrame = plotpalette::kFrameGrey;
const QColor& kInk = plotpalette::kInk;

// Far inside a double's range, so that scaling and painting stay finite.
constexpr double kDrawableMagnitude = 1e290;

// Points are dotted while they stand far enough apart to be told from the line.
constexpr std::size_t kDottedPoints = 60;

bool Drawable(long double v) {
    const double d = static_cast<double>(v);
    return std::isfinite(d) && std::fabs(d) < kDrawableMagnitude;
}

std::vector<double> Ticks(double low, double high, double step) {
    std::vector<double> ticks;
    for (double v = std::ceil(low / step - 1e-9) * step;
         v <= high + step * 1e-9 && ticks.size() < 50; v += step)
        ticks.push_back(std::fabs(v) < step * 1e-9 ? 0.0 : v);
    return ticks;
}

// A range around the values, a little wider than they are, never empty.
template <typename Range> Range Around(double low, double high, double margin) {
    if (!(high > low)) {
        const double pad = low != 0 ? std::fabs(low) * 0.05 : 1.0;
        return {low - pad, high + pad};
    }
    const double pad = (high - low) * margin;
    return {low - pad, high + pad};
}

QString Title(std::size_t q) {
    switch (q) {
    case 0:
        return QStringLiteral("Pe, MPa \u2013 mean effective pressure");
    case 1:
        return QStringLiteral("\u03B7e (eta_e) \u2013 effective efficiency");
    case 2:
        return QStringLiteral("ge, g/(kW\u00B7h) \u2013 specific fuel consumption");
    default:
        return QStringLiteral("D, mm \u2013 cylinder bore");
    }
}

void Cross(QPainter& p, QPointF at, double r) {
    p.drawLine(at + QPointF(-r, -r), at + QPointF(r, r));
    p.drawLine(at + QPointF(-r, r), at + QPointF(r, -r));
}

void RunMark(QPainter& p, QPointF at, double u) {
    p.setPen(QPen(kInk, 1.2 * u));
    p.setBrush(kRun);
    p.drawEllipse(at, 4.5 * u, 4.5 * u);
}

} // namespace

SweepPlot::SweepPlot(const SweepStudy& study, QString decimalSeparator)
    : m_study(study), m_separator(std::move(decimalSeparator)) {
    if (!study.ok() || study.points.empty())
        return;
    double xLow = HUGE_VAL, xHigh = -HUGE_VAL;
    m_drawable = true;
    for (const SweepPoint& p : study.points) {
        m_drawable = m_drawable && Drawable(p.x);
        xLow = std::min(xLow, static_cast<double>(p.x));
        xHigh = std::max(xHigh, static_cast<double>(p.x));
    }
    if (!m_drawable)
        return;
    m_x = Around<Range>(xLow, xHigh, 0.03);
    m_runInRange = Drawable(study.runX) && study.runX >= xLow && study.runX <= xHigh;

    for (std::size_t q = 0; q < kSweepQuantityCount; ++q) {
        double low = HUGE_VAL, high = -HUGE_VAL;
        const auto take = [&](long double v) {
            if (!Drawable(v))
                return;
            low = std::min(low, static_cast<double>(v));
            high = std::max(high, static_cast<double>(v));
        };
        for (const SweepPoint& p : study.points)
            if (p.ok())
                take(p.y[q]);
        m_hasValues[q] = low <= high;
        if (m_runInRange)
            take(study.runY[q]);
        if (low <= high)
            m_y[q] = Around<Range>(low, high, 0.08);
    }
}

double SweepPlot::scale(const QRectF& area) const {
    // The panel's plot is about 420 pixels high; larger pictures scale up from it.
    return std::max(1.0, std::min(area.height() / 460.0, area.width() / 900.0));
}

QRectF SweepPlot::cellRect(const QRectF& area, std::size_t q) const {
    const double u = scale(area);
    const QRectF cells = area.adjusted(0, 34 * u, 0, -30 * u);
    const double w = cells.width() / 2, h = cells.height() / 2;
    return {cells.left() + w * static_cast<double>(q % 2),
            cells.top() + h * static_cast<double>(q / 2), w, h};
}

QRectF SweepPlot::plotRect(const QRectF& area, std::size_t q) const {
    const double u = scale(area);
    return cellRect(area, q).adjusted(72 * u, 24 * u, -22 * u, -40 * u);
}

QPointF SweepPlot::map(const QRectF& area, std::size_t q, long double x, long double y) const {
    const QRectF plot = plotRect(area, q);
    const Range& yr = m_y[q];
    return {plot.left() + (static_cast<double>(x) - m_x.low) / (m_x.high - m_x.low) * plot.width(),
            plot.bottom() - (static_cast<double>(y) - yr.low) / (yr.high - yr.low) * plot.height()};
}

QString SweepPlot::number(double value, int decimals) const {
    QString text = QString::number(value, 'f', decimals);
    if (m_separator != QLatin1String("."))
        text.replace(QLatin1Char('.'), m_separator);
    return text.replace(QLatin1Char('-'), QChar(0x2212));
}

QString SweepPlot::tickText(double value, double step, Range range) const {
    const double magnitude = std::max(std::fabs(range.low), std::fabs(range.high));
    if (step >= 1e-4 && magnitude < 1e7)
        return number(value, DecimalsFor(step));
    // Very large or very fine scales: a few significant digits with an exponent.
    QString text = QString::number(value, 'g', 6);
    if (m_separator != QLatin1String("."))
        text.replace(QLatin1Char('.'), m_separator);
    return text.replace(QLatin1Char('-'), QChar(0x2212));
}

void SweepPlot::paint(QPainter& p, const QRectF& area) const {
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

    if (!m_drawable) {
        QString why;
        if (!m_study.ok())
            why = QString::fromStdString(m_study.failure);
        else if (m_study.points.empty())
            why = QStringLiteral("The study has no points.");
        else
            why = QStringLiteral("The values of the input are beyond what can be drawn.");
        p.drawText(area.adjusted(20 * u, 20 * u, -20 * u, -20 * u),
                   Qt::AlignCenter | Qt::TextWordWrap, why);
        p.restore();
        return;
    }

    QFont titleFont = font;
    titleFont.setBold(true);
    titleFont.setPixelSize(static_cast<int>(std::lround(14 * u)));
    p.setFont(titleFont);
    const QString type = m_study.type == calc::EngineType::Diesel ? QStringLiteral("Diesel")
                                                                  : QStringLiteral("Gasoline");
    const std::size_t n = m_study.points.size();
    const std::size_t stopped = m_study.stoppedCount();
    QString title = QStringLiteral("%1: Pe, \u03B7e, ge and D against %2 (%3) \u2013 %4 point%5")
                        .arg(type, InputLabel(m_study.field).symbol,
                             QString::fromLatin1(
                                 calc::kFieldNames[static_cast<std::size_t>(m_study.field)].data()),
                             QString::number(n), n == 1 ? QString() : QStringLiteral("s"));
    if (stopped)
        title += QStringLiteral(", %1 stopped").arg(stopped);
    p.drawText(QRectF(area.left() + 12 * u, area.top() + 6 * u, area.width() - 24 * u, 24 * u),
               Qt::AlignLeft | Qt::AlignVCenter, title);
    p.setFont(font);

    for (std::size_t q = 0; q < kSweepQuantityCount; ++q)
        paintCell(p, area, q);
    paintLegend(p, area);
    p.restore();
}

void SweepPlot::paintCell(QPainter& p, const QRectF& area, std::size_t q) const {
    const double u = scale(area);
    const QRectF cell = cellRect(area, q);
    const QRectF plot = plotRect(area, q);
    const QFontMetricsF fm(p.font());

    QFont titleFont = p.font();
    titleFont.setBold(true);
    p.save();
    p.setFont(titleFont);
    p.setPen(kInk);
    p.drawText(QRectF(plot.left(), cell.top() + 2 * u, plot.width(), 20 * u),
               Qt::AlignLeft | Qt::AlignVCenter, Title(q));
    p.restore();

    // Grid, tick labels and the frame.
    const double xStep = NiceStep(m_x.high - m_x.low, 6);
    for (double v : Ticks(m_x.low, m_x.high, xStep)) {
        const double x = map(area, q, v, 0).x();
        p.setPen(QPen(kGrid, 1 * u));
        p.drawLine(QPointF(x, plot.top()), QPointF(x, plot.bottom()));
        p.setPen(kInk);
        p.drawLine(QPointF(x, plot.bottom()), QPointF(x, plot.bottom() + 4 * u));
        p.drawText(QRectF(x - 50 * u, plot.bottom() + 5 * u, 100 * u, fm.height()),
                   Qt::AlignHCenter | Qt::AlignTop, tickText(v, xStep, m_x));
    }
    if (m_hasValues[q]) {
        const Range& yr = m_y[q];
        const double yStep = NiceStep(yr.high - yr.low, 5);
        for (double v : Ticks(yr.low, yr.high, yStep)) {
            const double y = map(area, q, m_x.low, v).y();
            p.setPen(QPen(kGrid, 1 * u));
            p.drawLine(QPointF(plot.left(), y), QPointF(plot.right(), y));
            p.setPen(kInk);
            p.drawLine(QPointF(plot.left() - 4 * u, y), QPointF(plot.left(), y));
            p.drawText(QRectF(cell.left(), y - fm.height() / 2, plot.left() - cell.left() - 7 * u,
                              fm.height()),
                       Qt::AlignRight | Qt::AlignVCenter, tickText(v, yStep, yr));
        }
    }
    p.setPen(QPen(kFrame, 1 * u));
    p.setBrush(Qt::NoBrush);
    p.drawRect(plot);

    // The input's name under the lower plots, which carry the shared axis.
    if (q >= 2) {
        p.setPen(kInk);
        p.drawText(QRectF(plot.left(), plot.bottom() + 5 * u + fm.height(), plot.width(),
                          fm.height() + 4 * u),
                   Qt::AlignHCenter | Qt::AlignVCenter, InputAxisText(m_study.field));
    }

    p.save();
    p.setClipRect(plot.adjusted(-6 * u, -6 * u, 6 * u, 6 * u));

    // The run's value of the input, through every plot.
    if (m_runInRange) {
        const double x = map(area, q, m_study.runX, 0).x();
        p.setPen(QPen(kRunLine, 1 * u, Qt::DotLine));
        p.drawLine(QPointF(x, plot.top()), QPointF(x, plot.bottom()));
    }

    if (!m_hasValues[q]) {
        p.setPen(kInk);
        p.drawText(plot, Qt::AlignCenter | Qt::TextWordWrap, QStringLiteral("No point completed."));
    }

    // Completed points joined in order; a stopped point breaks the line.
    const auto& points = m_study.points;
    const auto usable = [&](const SweepPoint& pt) { return pt.ok() && Drawable(pt.y[q]); };
    QPainterPath line;
    bool open = false;
    for (const SweepPoint& pt : points) {
        if (!usable(pt)) {
            open = false;
            continue;
        }
        const QPointF at = map(area, q, pt.x, pt.y[q]);
        if (open)
            line.lineTo(at);
        else
            line.moveTo(at);
        open = true;
    }
    QPen pen(kSeries, 2 * u);
    pen.setJoinStyle(Qt::RoundJoin);
    pen.setCapStyle(Qt::RoundCap);
    p.setPen(pen);
    p.setBrush(Qt::NoBrush);
    p.drawPath(line);
    p.setPen(Qt::NoPen);
    p.setBrush(kSeries);
    for (std::size_t i = 0; i < points.size(); ++i) {
        if (!usable(points[i]))
            continue;
        // An isolated point has no line to show it.
        const bool isolated = (i == 0 || !usable(points[i - 1])) &&
                              (i + 1 == points.size() || !usable(points[i + 1]));
        if (points.size() <= kDottedPoints || isolated)
            p.drawEllipse(map(area, q, points[i].x, points[i].y[q]), 2.6 * u, 2.6 * u);
    }

    // Points that stopped: a cross on the input's axis.
    p.setPen(QPen(kStopped, 1.6 * u));
    for (const SweepPoint& pt : points)
        if (!usable(pt)) {
            const double x = map(area, q, pt.x, 0).x();
            Cross(p, QPointF(x, plot.bottom() - 6 * u), 4 * u);
        }

    if (m_runInRange && Drawable(m_study.runY[q]))
        RunMark(p, map(area, q, m_study.runX, m_study.runY[q]), u);
    p.restore();
}

void SweepPlot::paintLegend(QPainter& p, const QRectF& area) const {
    const double u = scale(area);
    const QFontMetricsF fm(p.font());
    const double y = area.bottom() - 15 * u;
    double x = area.left() + 16 * u;
    const QString symbol = InputLabel(m_study.field).symbol;
    const QString runValue =
        QString::fromStdString(report::FormatNumber(m_study.runX, m_separator.toStdString()));

    RunMark(p, QPointF(x + 5 * u, y), u);
    x += 16 * u;
    p.setPen(kInk);
    const QString runText =
        m_runInRange ? QStringLiteral("the completed run, %1 = %2").arg(symbol, runValue)
                     : QStringLiteral("the completed run, %1 = %2, lies outside the range")
                           .arg(symbol, runValue);
    p.drawText(QPointF(x, y + fm.ascent() / 2 - 1 * u), runText);
    x += fm.horizontalAdvance(runText) + 28 * u;

    const std::size_t stopped = m_study.stoppedCount();
    if (stopped == 0)
        return;
    p.setPen(QPen(kStopped, 1.6 * u));
    Cross(p, QPointF(x + 5 * u, y), 4 * u);
    x += 16 * u;
    // Neighbouring points that stopped with the same message are told together:
    // "stopped at ε = 1: Floating point division by zero; ε = 1,25 ... 1,75: ...".
    const auto value = [this](long double v) {
        return QString::fromStdString(report::FormatNumber(v, m_separator.toStdString()));
    };
    QStringList groups;
    const auto& points = m_study.points;
    for (std::size_t i = 0; i < points.size();) {
        if (points[i].ok()) {
            ++i;
            continue;
        }
        std::size_t j = i;
        while (j + 1 < points.size() && !points[j + 1].ok() &&
               points[j + 1].status == points[i].status)
            ++j;
        const QString where =
            i == j ? value(points[i].x)
                   : QStringLiteral("%1 \u2026 %2").arg(value(points[i].x), value(points[j].x));
        groups << QStringLiteral("%1 = %2: %3")
                      .arg(symbol, where, QString::fromStdString(points[i].status));
        i = j + 1;
    }
    QString text = QStringLiteral("%1 point%2 stopped: ")
                       .arg(stopped)
                       .arg(stopped == 1 ? QString() : QStringLiteral("s")) +
                   groups.join(QStringLiteral("; "));
    p.setPen(kInk);
    p.drawText(QPointF(x, y + fm.ascent() / 2 - 1 * u),
               fm.elidedText(text, Qt::ElideRight, area.right() - x - 12 * u));
}

} // namespace tervox::ui
