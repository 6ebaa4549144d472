#pragma once

#include "sweepstudy.h"

#include <QPointF>
#include <QRectF>
#include <QString>

#include <cstddef>

class QPainter;

namespace tervox::ui {

// Paints a design study as four small plots, two by two: Pe, eta_e, ge and D over
// the input studied, each on its own scale. Consecutive completed points are joined;
// a point that stopped leaves a gap and is marked with a cross on the input's axis.
// The completed run's own point is marked on each plot, with a dotted line through
// its value of the input. The same painting serves the window, the PNG and the SVG.
class SweepPlot {
public:
    // The study must outlive the plot. Numbers are written with the decimal
    // separator given.
    SweepPlot(const SweepStudy& study, QString decimalSeparator);

    // Paints the whole picture into area (white background included). Text and
    // lines grow with the area, so a large export looks like the window.
    void paint(QPainter& painter, const QRectF& area) const;

    // The plotting rectangle (inside the axes) of quantity q (0 Pe, 1 eta_e, 2 ge, 3 D).
    QRectF plotRect(const QRectF& area, std::size_t q) const;
    // Where a value of the input and of quantity q land in area.
    QPointF map(const QRectF& area, std::size_t q, long double x, long double y) const;
    // Whether the study's numbers fit a drawing (doubles, far from their limits).
    bool drawable() const { return m_drawable; }

private:
    struct Range {
        double low = 0, high = 1;
    };
    double scale(const QRectF& area) const;
    QRectF cellRect(const QRectF& area, std::size_t q) const;
    QString number(double value, int decimals) const;
    QString tickText(double value, double step, Range range) const;
    void paintCell(QPainter& painter, const QRectF& area, std::size_t q) const;
    void paintLegend(QPainter& painter, const QRectF& area) const;

    const SweepStudy& m_study;
    QString m_separator;
    bool m_drawable = false;
    bool m_runInRange = false;
    Range m_x;
    Range m_y[kSweepQuantityCount];
    bool m_hasValues[kSweepQuantityCount] = {};
};

} // namespace tervox::ui
