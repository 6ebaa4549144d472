#include "diagramview.h"

#include <QPainter>

namespace tervox::ui {

DiagramView::DiagramView(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("DiagramView"));
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
}

void DiagramView::setDiagram(const calc::IndicatorDiagram* diagram, const QString& decimalSeparator) {
    m_plot = diagram ? std::make_unique<DiagramPlot>(*diagram, decimalSeparator) : nullptr;
    if (m_plot)
        m_plot->setLogarithmic(m_logarithmic);
    update();
}

void DiagramView::setLogarithmic(bool on) {
    m_logarithmic = on;
    if (m_plot)
        m_plot->setLogarithmic(on);
    update();
}

void DiagramView::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    if (m_plot)
        m_plot->paint(painter, QRectF(rect()));
    else
        painter.fillRect(rect(), Qt::white);
}

} // namespace tervox::ui
