#pragma once

#include <QWidget>

#include <array>

class QToolButton;

namespace tervox::ui {

class SoundPlayer;

// The media-player bar: nine buttons side by side (play, pause, stop, next,
// previous, step, back, record, eject) acting on the sound player's opened track.
// Which buttons are enabled follows the player's mode. The bar takes the keyboard
// focus as one control: Left and Right pick a button, Space or Enter presses it.
class MediaPlayerBar : public QWidget {
    Q_OBJECT
public:
    enum Button { Play, Pause, Stop, Next, Previous, Step, Back, Record, Eject };
    static constexpr int kButtonCount = 9;

    explicit MediaPlayerBar(SoundPlayer& player, QWidget* parent = nullptr);

    QToolButton* button(Button which) const { return m_buttons[which]; }
    // The button that Space or Enter presses while the bar has the focus.
    int currentButton() const { return m_current; }

    // Brings the buttons' enabled state up to date with the player's mode.
    void updateButtons();

protected:
    void resizeEvent(QResizeEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;

private:
    void press(Button which);
    void placeButtons();
    void showFocusFrame();

    SoundPlayer& m_player;
    std::array<QToolButton*, kButtonCount> m_buttons{};
    int m_current = Play;
};

} // namespace tervox::ui
