#pragma once

#include <QAbstractButton>
#include <QImage>

namespace tervox::ui {

// A flat bitmap button: no frame and no face, only its glyph drawn centred, so the
// skin around it stays visible. The glyph holds numGlyphs images side by side (up,
// disabled, down, under the mouse); with one image it shows that image in every
// state. A click is reported when the left button is released inside the button
// after having been pressed on it.
class CoolButton : public QAbstractButton {
    Q_OBJECT
public:
    explicit CoolButton(QWidget* parent = nullptr);

    void setGlyph(const QImage& glyph);
    const QImage& glyph() const { return m_glyph; }
    void setNumGlyphs(int count);
    int numGlyphs() const { return m_numGlyphs; }

    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QImage m_glyph;
    int m_numGlyphs = 1;
};

} // namespace tervox::ui
