#pragma once

#include <QColor>
#include <QImage>
#include <QWidget>

namespace tervox::ui {

// A picture drawn stretched to the control's size, transparent where the picture has
// the colour of its bottom-left pixel. A left click (press and release on it) emits
// clicked(); releasing the right button over it emits contextMenuRequested() with the
// pointer's screen position.
class ImageControl : public QWidget {
    Q_OBJECT
public:
    explicit ImageControl(QWidget* parent = nullptr);

    void setPicture(const QImage& picture);
    const QImage& picture() const { return m_picture; }
    // The colour that is not drawn (invalid for an empty picture).
    QColor transparentColor() const;

signals:
    void clicked();
    void contextMenuRequested(const QPoint& globalPos);

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    void prepare();

    QImage m_picture;
    QImage m_drawn; // stretched to the control, the transparent colour cleared
    bool m_leftPressed = false;
};

} // namespace tervox::ui
