#pragma once

#include <QLineEdit>

class QToolButton;

namespace tervox::ui {

// An integer spin field: an edit field with up and down arrow buttons inside its
// right edge. Its text is what the user typed, not a parsed number: a text that is
// not a whole number stays as typed and reads as 0.
//
// Typed characters are limited to digits, "+", "-", the decimal separator and control
// characters (Backspace and the editing shortcuts); anything else, Enter included, is
// refused with a beep. The arrows and the Up and Down keys step the current value
// (0 when the text is not whole) and bring the result into range. Leaving the field
// puts a whole number outside the range to the nearer bound.
class SpinEdit : public QLineEdit {
    Q_OBJECT
public:
    explicit SpinEdit(QWidget* parent = nullptr);

    void setRange(int minimum, int maximum);
    int minimum() const { return m_minimum; }
    int maximum() const { return m_maximum; }

    // The text read as a signed whole number, or 0 when it is not one (the way a
    // calculation run reads the field).
    int value() const;
    // Shows the value brought into range.
    void setValue(int value);
    void stepBy(int steps);

    void setDecimalSeparator(const QString& separator) { m_decimalSeparator = separator; }
    const QString& decimalSeparator() const { return m_decimalSeparator; }

    QToolButton* upButton() const { return m_up; }
    QToolButton* downButton() const { return m_down; }

signals:
    // A key was refused (after the beep).
    void keyRefused();

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    bool acceptsTypedText(const QString& text) const;
    int bounded(long long value) const;
    void placeButtons();

    int m_minimum = 0;
    int m_maximum = 100;
    QString m_decimalSeparator = QStringLiteral(",");
    QToolButton* m_up = nullptr;
    QToolButton* m_down = nullptr;
};

} // namespace tervox::ui
