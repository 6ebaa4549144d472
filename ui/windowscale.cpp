#include "windowscale.h"

#include <QGuiApplication>
#include <QScreen>
#include <QtMath>

namespace tervox::ui {

namespace {
constexpr qreal kDesignDpi = 96.0;
}

qreal DesignScale() {
    const QScreen* screen = QGuiApplication::primaryScreen();
    if (!screen || screen->logicalDotsPerInch() <= 0)
        return 1.0;
    return screen->logicalDotsPerInch() / kDesignDpi;
}

int Scaled(int length, qreal scale) {
    return qRound(length * scale);
}

QSize Scaled(QSize size, qreal scale) {
    return {Scaled(size.width(), scale), Scaled(size.height(), scale)};
}

QRect Scaled(QRect rect, qreal scale) {
    return {Scaled(rect.x(), scale), Scaled(rect.y(), scale), Scaled(rect.width(), scale),
            Scaled(rect.height(), scale)};
}

} // namespace tervox::ui
