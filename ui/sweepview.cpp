#include "sweepview.h"

#include <QPainter>

namespace tervox::ui {

SweepView::SweepView(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("SweepView"));
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
}

void SweepView::setStudy(const SweepStudy* study, const QString& decimalSeparator) {
    m_plot = study ? std::make_unique<SweepPlot>(*study, decimalSeparator) : nullptr;
    update();
}

void SweepView::setHint(const QString& hint) {
    m_hint = hint;
    update();
}

void SweepView::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    if (m_plot) {
        m_plot->paint(painter, QRectF(rect()));
        return;
    }
    painter.fillRect(rect(), Qt::white);
    painter.setPen(QColor(0x6b, 0x6b, 0x6b));
    painter.drawText(rect().adjusted(20, 20, -20, -20), Qt::AlignCenter | Qt::TextWordWrap, m_hint);
}

} // namespace tervox::ui
