#pragma once

#include "indicatordiagram.h"

#include <QRectF>
#include <QString>

class QPainter;

namespace tervox::ui {

// Paints an indicator diagram as the textbook draws it: pressure in MPa over volume
// in litres, the compression, combustion and expansion lines of the working loop,
// the gas-exchange loop at Pr and Pa, the ambient pressure p0 for reference, the
// characteristic points a, c, z', z, b, r marked and named, Vc and Va marked on the
// volume axis, and beneath it the loop's mean pressure beside the run's Pip.
// The same painting serves the window, the PNG and the SVG pictures.
class DiagramPlot {
public:
    // The diagram must outlive the plot. Numbers on the axes are written with the
    // decimal separator given.
    DiagramPlot(const calc::IndicatorDiagram& diagram, QString decimalSeparator);

    // log p over log V instead of p over V: both polytropes become straight lines.
    void setLogarithmic(bool on) { m_logarithmic = on; }
    bool logarithmic() const { return m_logarithmic; }

    // Paints the whole picture into area (white background included). Sizes of text
    // and lines grow with the area, so a large export looks like the window.
    void paint(QPainter& painter, const QRectF& area) const;

    // The plotting rectangle (inside the axes) that paint uses for area.
    QRectF plotRect(const QRectF& area) const;
    // Where a state (V in litres, p in MPa) lands in area.
    QPointF map(const QRectF& area, long double V, long double p) const;

private:
    struct Range {
        double low = 0, high = 1;
    };
    Range volumeRange() const;
    Range pressureRange() const;
    double scale(const QRectF& area) const;
    QString number(double value, int decimals) const;
    QString general(double value) const;

    const calc::IndicatorDiagram& m_diagram;
    QString m_separator;
    bool m_logarithmic = false;
};

} // namespace tervox::ui
