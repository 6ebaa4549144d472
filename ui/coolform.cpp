#include "coolform.h"

#include <QMouseEvent>
#include <QPainter>
#include <QWindow>

namespace tervox::ui {

namespace {

// The outline as a region: the union of the rectangles, right and bottom exclusive.
QRegion RegionOf(const maskdata::Mask& mask) {
    QRegion region;
    for (const maskdata::Rect& r : mask.rects) {
        if (r.right > r.left && r.bottom > r.top)
            region += QRect(r.left, r.top, r.right - r.left, r.bottom - r.top);
    }
    return region;
}

} // namespace

CoolForm::CoolForm(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("CoolForm1"));
    // The picture covers what it covers; elsewhere the window's own background shows.
    setAttribute(Qt::WA_OpaquePaintEvent, false);
}

void CoolForm::setPicture(const QImage& picture) {
    m_picture = picture;
    update();
}

void CoolForm::assignPicture(const CoolForm& other) {
    setPicture(other.picture());
}

void CoolForm::setMaskData(const maskdata::Mask& mask) {
    QRegion region = RegionOf(mask);
    if (region.isEmpty())
        return;
    m_region = std::move(region);
    applyMask();
}

bool CoolForm::loadMaskFromFile(const QString& path) {
    const std::optional<maskdata::Mask> mask = maskdata::ReadMaskFile(path.toStdString());
    if (!mask || RegionOf(*mask).isEmpty())
        return false;
    setMaskData(*mask);
    return true;
}

void CoolForm::applyMask() {
    if (!m_region.isEmpty())
        window()->setMask(m_region);
}

void CoolForm::paintEvent(QPaintEvent*) {
    if (m_picture.isNull())
        return;
    QPainter painter(this);
    painter.drawImage(QPoint(0, 0), m_picture);
}

void CoolForm::mousePressEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton) {
        event->accept();
        return;
    }
    event->accept();
    QWidget* top = window();
    if (QWindow* handle = top->windowHandle(); handle && handle->startSystemMove())
        return;
    // No window manager to do it (a bare X server, for one): follow the mouse ourselves.
    m_dragging = true;
    m_dragOffset = event->globalPosition().toPoint() - top->pos();
}

void CoolForm::mouseMoveEvent(QMouseEvent* event) {
    if (m_dragging && (event->buttons() & Qt::LeftButton)) {
        window()->move(event->globalPosition().toPoint() - m_dragOffset);
        event->accept();
        return;
    }
    QWidget::mouseMoveEvent(event);
}

void CoolForm::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton)
        m_dragging = false;
    event->accept();
}

bool CoolForm::event(QEvent* event) {
    // A skin created before it was put into its window clips the window once it is.
    if (event->type() == QEvent::ParentChange)
        applyMask();
    return QWidget::event(event);
}

} // namespace tervox::ui
