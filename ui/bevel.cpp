#include "bevel.h"

#include <QPainter>

namespace tervox::ui {

Bevel::Bevel(QWidget* parent) : QWidget(parent) {}

void Bevel::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    const int right = width() - 1;
    painter.setPen(palette().color(QPalette::Light));
    painter.drawLine(right - 1, 0, right - 1, height() - 1);
    painter.setPen(palette().color(QPalette::Dark));
    painter.drawLine(right, 0, right, height() - 1);
}

} // namespace tervox::ui
