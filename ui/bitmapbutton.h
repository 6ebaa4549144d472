#pragma once

#include <QImage>
#include <QPushButton>

namespace tervox::ui {

// A push button that shows a bitmap glyph centred on its face instead of a caption.
// A glyph larger than the button is cut off at the button's edges. Neither a default
// button nor an automatic one: Enter presses it only while it has the focus, as
// Space does.
class BitmapButton : public QPushButton {
    Q_OBJECT
public:
    explicit BitmapButton(QWidget* parent = nullptr);

    void setGlyph(const QImage& glyph);
    const QImage& glyph() const { return m_glyph; }

protected:
    void paintEvent(QPaintEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    QImage m_glyph;
};

} // namespace tervox::ui
