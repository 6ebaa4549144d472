#pragma once

#include "diagramplot.h"

#include <QWidget>

#include <memory>

namespace tervox::ui {

// The drawing area of the indicator diagram window: paints a DiagramPlot over its
// whole area.
class DiagramView : public QWidget {
    Q_OBJECT
public:
    explicit DiagramView(QWidget* parent = nullptr);

    // The diagram must outlive the view or the next call.
    void setDiagram(const calc::IndicatorDiagram* diagram, const QString& decimalSeparator);
    void setLogarithmic(bool on);
    bool logarithmic() const { return m_logarithmic; }

    QSize sizeHint() const override { return {640, 460}; }
    QSize minimumSizeHint() const override { return {480, 340}; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    std::unique_ptr<DiagramPlot> m_plot;
    bool m_logarithmic = false;
};

} // namespace tervox::ui
