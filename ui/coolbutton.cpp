#include "coolbutton.h"

#include <QPainter>

#include <algorithm>

namespace tervox::ui {

CoolButton::CoolButton(QWidget* parent) : QAbstractButton(parent) {
    // A drawn button on the skin: it takes no keyboard focus.
    setFocusPolicy(Qt::NoFocus);
    setAttribute(Qt::WA_Hover);
}

void CoolButton::setGlyph(const QImage& glyph) {
    m_glyph = glyph;
    updateGeometry();
    update();
}

void CoolButton::setNumGlyphs(int count) {
    m_numGlyphs = std::clamp(count, 1, 4);
    updateGeometry();
    update();
}

QSize CoolButton::sizeHint() const {
    if (m_glyph.isNull())
        return {16, 16};
    return {m_glyph.width() / m_numGlyphs, m_glyph.height()};
}

void CoolButton::paintEvent(QPaintEvent*) {
    if (m_glyph.isNull())
        return;
    // The images stand side by side: up, disabled, down, under the mouse. A state
    // whose image the glyph does not hold shows the first one.
    int index = 0;
    if (!isEnabled())
        index = 1;
    else if (isDown())
        index = 2;
    else if (underMouse())
        index = 3;
    if (index >= m_numGlyphs)
        index = 0;

    const int imageWidth = m_glyph.width() / m_numGlyphs;
    const QRect source(index * imageWidth, 0, imageWidth, m_glyph.height());
    const QPoint topLeft((width() - imageWidth) / 2, (height() - m_glyph.height()) / 2);
    QPainter painter(this);
    painter.drawImage(topLeft, m_glyph, source);
}

} // namespace tervox::ui
