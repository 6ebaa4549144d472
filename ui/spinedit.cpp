#include "spinedit.h"

#include "parsereal.h"

#include <QApplication>
#include <QKeyEvent>
#include <QToolButton>

#include <algorithm>

namespace tervox::ui {

namespace {

constexpr int kButtonWidth = 13;

QToolButton* MakeArrowButton(QWidget* parent, Qt::ArrowType arrow) {
    auto* button = new QToolButton(parent);
    button->setArrowType(arrow);
    button->setAutoRepeat(true);
    button->setFocusPolicy(Qt::NoFocus);
    button->setCursor(Qt::ArrowCursor);
    return button;
}

} // namespace

SpinEdit::SpinEdit(QWidget* parent) : QLineEdit(parent) {
    m_up = MakeArrowButton(this, Qt::UpArrow);
    m_down = MakeArrowButton(this, Qt::DownArrow);
    // A click on an arrow puts the focus into the field, as a click on the text would.
    connect(m_up, &QToolButton::pressed, this, [this] { setFocus(Qt::MouseFocusReason); });
    connect(m_down, &QToolButton::pressed, this, [this] { setFocus(Qt::MouseFocusReason); });
    connect(m_up, &QToolButton::clicked, this, [this] { stepBy(1); });
    connect(m_down, &QToolButton::clicked, this, [this] { stepBy(-1); });
    setTextMargins(0, 0, kButtonWidth, 0);
    placeButtons();
}

void SpinEdit::setRange(int minimum, int maximum) {
    m_minimum = minimum;
    m_maximum = std::max(minimum, maximum);
}

int SpinEdit::value() const {
    return static_cast<int>(calc::ReadIntegerField(text().toStdString()));
}

int SpinEdit::bounded(long long value) const {
    return static_cast<int>(std::clamp<long long>(value, m_minimum, m_maximum));
}

void SpinEdit::setValue(int value) {
    setText(QString::number(bounded(value)));
}

void SpinEdit::stepBy(int steps) {
    setValue(bounded(static_cast<long long>(value()) + steps));
}

bool SpinEdit::acceptsTypedText(const QString& text) const {
    const QChar c = text.front();
    if (c >= QLatin1Char('0') && c <= QLatin1Char('9'))
        return true;
    if (c == QLatin1Char('+') || c == QLatin1Char('-'))
        return true;
    if (!m_decimalSeparator.isEmpty() && text.startsWith(m_decimalSeparator))
        return true;
    // Control characters (Backspace, the editing shortcuts, Tab, Escape) pass; Enter
    // does not, since nothing in the field answers it.
    return c.unicode() < 32 && c != QLatin1Char('\r') && c != QLatin1Char('\n');
}

void SpinEdit::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Up || event->key() == Qt::Key_Down) {
        stepBy(event->key() == Qt::Key_Up ? 1 : -1);
        event->accept();
        return;
    }
    const QString typed = event->text();
    const bool enter = event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
    // Shortcuts (Ctrl+A, Ctrl+V ...) are editing commands, not typed characters.
    const bool shortcut = event->modifiers() & (Qt::ControlModifier | Qt::MetaModifier);
    if (enter || (!shortcut && !typed.isEmpty() && !acceptsTypedText(typed))) {
        QApplication::beep();
        event->accept();
        emit keyRefused();
        return;
    }
    QLineEdit::keyPressEvent(event);
}

void SpinEdit::focusOutEvent(QFocusEvent* event) {
    QLineEdit::focusOutEvent(event);
    // Only a move of the focus inside the window leaves the field; another window
    // (a message box, a menu, another program) taking it over does not.
    if (event->reason() == Qt::ActiveWindowFocusReason || event->reason() == Qt::PopupFocusReason)
        return;
    // A text that is not whole reads as 0, which is in range: it stays as typed.
    const int current = value();
    if (bounded(current) != current)
        setValue(current);
}

void SpinEdit::resizeEvent(QResizeEvent* event) {
    QLineEdit::resizeEvent(event);
    placeButtons();
}

void SpinEdit::placeButtons() {
    // Inside the field's frame, along its right edge, one above the other.
    const int frame = 2;
    const int inner = std::max(2, height() - 2 * frame);
    const int upHeight = inner / 2;
    const int x = width() - frame - kButtonWidth;
    m_up->setGeometry(x, frame, kButtonWidth, upHeight);
    m_down->setGeometry(x, frame + upHeight, kButtonWidth, inner - upHeight);
}

} // namespace tervox::ui
