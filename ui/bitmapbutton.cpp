#include "bitmapbutton.h"

#include <QKeyEvent>
#include <QPainter>
#include <QStyleOptionButton>
#include <QStylePainter>

namespace tervox::ui {

BitmapButton::BitmapButton(QWidget* parent) : QPushButton(parent) {
    setAutoDefault(false);
    setDefault(false);
}

void BitmapButton::setGlyph(const QImage& glyph) {
    m_glyph = glyph;
    update();
}

void BitmapButton::paintEvent(QPaintEvent*) {
    QStylePainter painter(this);
    QStyleOptionButton option;
    initStyleOption(&option);
    option.text.clear();
    option.icon = QIcon();
    painter.drawControl(QStyle::CE_PushButtonBevel, option);

    if (m_glyph.isNull())
        return;
    // Centred on the face; a pressed button shows its glyph one pixel down and right.
    QPoint topLeft((width() - m_glyph.width()) / 2, (height() - m_glyph.height()) / 2);
    if (isDown() || isChecked())
        topLeft += QPoint(1, 1);
    const int inset = 2; // keep the button's own border visible around a large glyph
    painter.setClipRect(rect().adjusted(inset, inset, -inset, -inset));
    painter.drawImage(topLeft, m_glyph);
    if (hasFocus()) {
        QStyleOptionFocusRect focus;
        focus.initFrom(this);
        focus.rect = rect().adjusted(4, 4, -4, -4);
        painter.setClipping(false);
        painter.drawPrimitive(QStyle::PE_FrameFocusRect, focus);
    }
}

void BitmapButton::keyPressEvent(QKeyEvent* event) {
    // The focused button answers Enter like Space; no other button is a default one.
    if ((event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) &&
        (event->modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier) {
        event->accept();
        click();
        return;
    }
    QPushButton::keyPressEvent(event);
}

} // namespace tervox::ui
