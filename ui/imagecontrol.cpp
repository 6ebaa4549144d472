#include "imagecontrol.h"

#include <QMouseEvent>
#include <QPainter>

namespace tervox::ui {

ImageControl::ImageControl(QWidget* parent) : QWidget(parent) {}

void ImageControl::setPicture(const QImage& picture) {
    m_picture = picture;
    prepare();
    update();
}

QColor ImageControl::transparentColor() const {
    if (m_picture.isNull())
        return {};
    return m_picture.pixelColor(0, m_picture.height() - 1);
}

void ImageControl::prepare() {
    if (m_picture.isNull() || width() <= 0 || height() <= 0) {
        m_drawn = QImage();
        return;
    }
    // Clear the transparent colour first, then stretch without smoothing, so no
    // blended fringe of that colour survives at the edges.
    QImage source = m_picture.convertToFormat(QImage::Format_ARGB32);
    const QRgb key = m_picture.pixel(0, m_picture.height() - 1) | 0xff000000u;
    for (int y = 0; y < source.height(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(source.scanLine(y));
        for (int x = 0; x < source.width(); ++x) {
            if ((line[x] | 0xff000000u) == key)
                line[x] = qRgba(0, 0, 0, 0);
        }
    }
    m_drawn = source.scaled(size(), Qt::IgnoreAspectRatio, Qt::FastTransformation);
}

void ImageControl::paintEvent(QPaintEvent*) {
    if (m_drawn.isNull())
        return;
    QPainter painter(this);
    painter.drawImage(QPoint(0, 0), m_drawn);
}

void ImageControl::resizeEvent(QResizeEvent*) {
    prepare();
}

void ImageControl::mousePressEvent(QMouseEvent* event) {
    // Presses on the image are its own: they neither move the window nor reach the skin.
    if (event->button() == Qt::LeftButton)
        m_leftPressed = true;
    event->accept();
}

void ImageControl::mouseReleaseEvent(QMouseEvent* event) {
    event->accept();
    const bool inside = rect().contains(event->position().toPoint());
    if (event->button() == Qt::LeftButton) {
        const bool wasPressed = m_leftPressed;
        m_leftPressed = false;
        if (wasPressed && inside)
            emit clicked();
    } else if (event->button() == Qt::RightButton && inside) {
        emit contextMenuRequested(event->globalPosition().toPoint());
    }
}

} // namespace tervox::ui
