#include "mediaplayerbar.h"

#include "soundplayer.h"

#include <QKeyEvent>
#include <QPainter>
#include <QPainterPath>
#include <QStyleOptionFocusRect>
#include <QStylePainter>
#include <QToolButton>

#include <exception>

namespace tervox::ui {

namespace {

constexpr std::array<const char*, MediaPlayerBar::kButtonCount> kButtonNames = {
    "play", "pause", "stop", "next", "previous", "step", "back", "record", "eject"};

// The coloured glyph of one button, drawn on a 16 x 16 grid.
QIcon ButtonGlyph(MediaPlayerBar::Button which) {
    QPixmap pixmap(16, 16);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(Qt::NoPen);

    const auto triangle = [&p](QPointF a, QPointF b, QPointF c, QColor colour) {
        QPainterPath path;
        path.moveTo(a);
        path.lineTo(b);
        path.lineTo(c);
        path.closeSubpath();
        p.fillPath(path, colour);
    };
    const QColor green(0, 160, 0), yellow(210, 170, 0), red(200, 0, 0), blue(0, 60, 200),
        teal(0, 130, 130), black(30, 30, 30);

    switch (which) {
    case MediaPlayerBar::Play:
        triangle({4, 2}, {13, 8}, {4, 14}, green);
        break;
    case MediaPlayerBar::Pause:
        p.fillRect(QRectF(4, 3, 3, 10), yellow);
        p.fillRect(QRectF(9, 3, 3, 10), yellow);
        break;
    case MediaPlayerBar::Stop:
        p.fillRect(QRectF(4, 4, 8, 8), red);
        break;
    case MediaPlayerBar::Next:
        triangle({3, 3}, {10, 8}, {3, 13}, blue);
        p.fillRect(QRectF(11, 3, 2, 10), blue);
        break;
    case MediaPlayerBar::Previous:
        p.fillRect(QRectF(3, 3, 2, 10), blue);
        triangle({13, 3}, {6, 8}, {13, 13}, blue);
        break;
    case MediaPlayerBar::Step:
        triangle({2, 3}, {8, 8}, {2, 13}, teal);
        triangle({8, 3}, {14, 8}, {8, 13}, teal);
        break;
    case MediaPlayerBar::Back:
        triangle({14, 3}, {8, 8}, {14, 13}, teal);
        triangle({8, 3}, {2, 8}, {8, 13}, teal);
        break;
    case MediaPlayerBar::Record:
        p.setBrush(red);
        p.drawEllipse(QRectF(3.5, 3.5, 9, 9));
        break;
    case MediaPlayerBar::Eject:
        triangle({3, 9}, {8, 3}, {13, 9}, black);
        p.fillRect(QRectF(3, 11, 10, 2), black);
        break;
    }
    p.end();
    return QIcon(pixmap);
}

// A bar button that can show the bar's keyboard focus on itself.
class BarButton : public QToolButton {
public:
    using QToolButton::QToolButton;
    void setFocusShown(bool shown) {
        if (m_focusShown != shown) {
            m_focusShown = shown;
            update();
        }
    }

protected:
    void paintEvent(QPaintEvent* event) override {
        QToolButton::paintEvent(event);
        if (!m_focusShown)
            return;
        QStylePainter painter(this);
        QStyleOptionFocusRect focus;
        focus.initFrom(this);
        focus.rect = rect().adjusted(3, 3, -3, -3);
        painter.drawPrimitive(QStyle::PE_FrameFocusRect, focus);
    }

private:
    bool m_focusShown = false;
};

} // namespace

MediaPlayerBar::MediaPlayerBar(SoundPlayer& player, QWidget* parent)
    : QWidget(parent), m_player(player) {
    setFocusPolicy(Qt::StrongFocus);
    for (int i = 0; i < kButtonCount; ++i) {
        const auto which = static_cast<Button>(i);
        auto* button = new BarButton(this);
        button->setObjectName(QStringLiteral("MediaPlayer1_") + QLatin1String(kButtonNames[i]));
        button->setIcon(ButtonGlyph(which));
        button->setIconSize(QSize(16, 16));
        button->setFocusPolicy(Qt::NoFocus);
        connect(button, &QToolButton::clicked, this, [this, which] { press(which); });
        m_buttons[i] = button;
    }
    connect(&m_player, &SoundPlayer::modeChanged, this, &MediaPlayerBar::updateButtons);
    placeButtons();
    updateButtons();
}

void MediaPlayerBar::updateButtons() {
    using Mode = SoundPlayer::Mode;
    const Mode mode = m_player.mode();
    const bool open = mode != Mode::NotOpen;
    m_buttons[Play]->setEnabled(mode == Mode::Stopped || mode == Mode::Paused);
    m_buttons[Pause]->setEnabled(mode == Mode::Playing || mode == Mode::Paused);
    m_buttons[Stop]->setEnabled(mode == Mode::Playing || mode == Mode::Paused);
    m_buttons[Next]->setEnabled(open);
    m_buttons[Previous]->setEnabled(open);
    m_buttons[Step]->setEnabled(open);
    m_buttons[Back]->setEnabled(open);
    // A wave file can neither be recorded into from here nor ejected.
    m_buttons[Record]->setEnabled(false);
    m_buttons[Eject]->setEnabled(false);
}

void MediaPlayerBar::press(Button which) {
    if (!m_buttons[which]->isEnabled())
        return;
    // The bar is the player's own: a request the device refuses just plays nothing.
    try {
        switch (which) {
        case Play:
            m_player.play();
            break;
        case Pause:
            if (m_player.mode() == SoundPlayer::Mode::Paused)
                m_player.play();
            else
                m_player.pause();
            break;
        case Stop:
            m_player.stop();
            break;
        case Next:
            m_player.next();
            break;
        case Previous:
            m_player.previous();
            break;
        case Step:
            m_player.step();
            break;
        case Back:
            m_player.back();
            break;
        case Record:
        case Eject:
            break;
        }
    } catch (const std::exception&) {
    }
    updateButtons();
}

void MediaPlayerBar::placeButtons() {
    // Equal widths; the last button takes what the division leaves over.
    const int each = width() / kButtonCount;
    for (int i = 0; i < kButtonCount; ++i) {
        const int w = i == kButtonCount - 1 ? width() - each * (kButtonCount - 1) : each;
        m_buttons[i]->setGeometry(i * each, 0, w, height());
    }
}

void MediaPlayerBar::resizeEvent(QResizeEvent*) {
    placeButtons();
}

void MediaPlayerBar::keyPressEvent(QKeyEvent* event) {
    switch (event->key()) {
    case Qt::Key_Left:
    case Qt::Key_Right: {
        const int step = event->key() == Qt::Key_Right ? 1 : kButtonCount - 1;
        m_current = (m_current + step) % kButtonCount;
        showFocusFrame();
        event->accept();
        return;
    }
    case Qt::Key_Space:
    case Qt::Key_Return:
    case Qt::Key_Enter:
        press(static_cast<Button>(m_current));
        event->accept();
        return;
    default:
        QWidget::keyPressEvent(event);
    }
}

void MediaPlayerBar::showFocusFrame() {
    for (int i = 0; i < kButtonCount; ++i)
        static_cast<BarButton*>(m_buttons[i])->setFocusShown(hasFocus() && i == m_current);
}

void MediaPlayerBar::focusInEvent(QFocusEvent* event) {
    QWidget::focusInEvent(event);
    showFocusFrame();
}

void MediaPlayerBar::focusOutEvent(QFocusEvent* event) {
    QWidget::focusOutEvent(event);
    showFocusFrame();
}

} // namespace tervox::ui
