#pragma once

#include <QRect>
#include <QSize>

namespace tervox::ui {

// The scaling of the splash and About windows: the screen's logical resolution over
// the 96 pixels per inch they were designed at (1 on a 96 dpi screen). Pictures and
// masks never scale; only client sizes and the buttons' places do.
qreal DesignScale();

// A design length at a scale, rounded to the nearest pixel.
int Scaled(int length, qreal scale);
QSize Scaled(QSize size, qreal scale);
QRect Scaled(QRect rect, qreal scale);

} // namespace tervox::ui
