#pragma once

#include "maskdata.h"

#include <QImage>
#include <QPoint>
#include <QRegion>
#include <QWidget>

namespace tervox::ui {

// The skin of a borderless window: paints its picture unscaled at its top-left corner
// beneath every other control of the window, clips the top-level window to its mask,
// and moves the window while the left button is held down on it. Place it as the
// window's first child, covering the whole client area.
class CoolForm : public QWidget {
    Q_OBJECT
public:
    explicit CoolForm(QWidget* parent = nullptr);

    void setPicture(const QImage& picture);
    const QImage& picture() const { return m_picture; }
    // Takes a copy of another skin's picture; the outline stays as it is.
    void assignPicture(const CoolForm& other);

    // Makes the union of the mask's rectangles the outline of the top-level window.
    // A mask without rectangles leaves the outline as it is.
    void setMaskData(const maskdata::Mask& mask);
    // The outline set through this skin (empty when none was set).
    const QRegion& maskRegion() const { return m_region; }

    // Reads a mask file (mask data format) and applies it. Returns true when the file
    // held a valid mask with at least one rectangle; otherwise changes nothing and
    // returns false. Never raises and never reports anything.
    bool loadMaskFromFile(const QString& path);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    bool event(QEvent* event) override;

private:
    void applyMask();

    QImage m_picture;
    QRegion m_region;
    // Our own drag, for window systems that refuse a system move.
    bool m_dragging = false;
    QPoint m_dragOffset;
};

} // namespace tervox::ui
