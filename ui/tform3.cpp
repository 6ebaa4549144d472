#include "tform3.h"

#include "bitmapbutton.h"
#include "coolform.h"
#include "designfont.h"
#include "storedartwork.h"

#include <QCloseEvent>

namespace tervox::ui {

namespace {
// The design: client area, screen position, and the button's place in the client area.
constexpr QSize kClientSize(320, 239);
constexpr QPoint kScreenPosition(221, 170);
constexpr QRect kBitBtn1Geometry(230, 185, 60, 26);
// The stored artwork: a 320 x 240 picture (its last row falls outside the window),
// its outline, and the button's 64 x 32 glyph (cut off by the smaller button).
constexpr QSize kPictureSize(320, 240);
constexpr QSize kGlyphSize(64, 32);
} // namespace

TForm3::TForm3(QWidget* parent, qreal scale) : QWidget(parent, Qt::Window | Qt::FramelessWindowHint) {
    setObjectName(QStringLiteral("Form3"));
    // The window has no title bar: this text names it to the window system only.
    setWindowTitle(QStringLiteral("Form3"));
    setFont(DesignFont());
    setFixedSize(Scaled(kClientSize, scale));
    move(kScreenPosition);

    m_coolForm = new CoolForm(this);
    m_coolForm->setGeometry(rect());
    m_coolForm->setPicture(StoredPicture(QStringLiteral(":/skins/form3.bmp"), kPictureSize));
    if (const auto mask = StoredMask(QStringLiteral(":/skins/form3.msk")))
        m_coolForm->setMaskData(*mask);

    m_bitBtn1 = new BitmapButton(this);
    m_bitBtn1->setObjectName(QStringLiteral("BitBtn1"));
    m_bitBtn1->setGeometry(Scaled(kBitBtn1Geometry, scale));
    m_bitBtn1->setGlyph(StoredPicture(QStringLiteral(":/glyphs/form3_bitbtn1.bmp"), kGlyphSize));
    m_bitBtn1->setFocusPolicy(Qt::StrongFocus);
    connect(m_bitBtn1, &QAbstractButton::clicked, this, &TForm3::BitBtn1Click);
    // The only control, first in tab order: Enter or Space press it once shown.
    setFocusProxy(m_bitBtn1);

    intro();
}

TForm3::~TForm3() = default;

void TForm3::setCalculatorWindow(QWidget* form1) {
    m_form1 = form1;
}

void TForm3::BitBtn1Click() {
    hide();
    if (!m_form1)
        return;
    m_form1->show();
    m_form1->raise();
    m_form1->activateWindow();
}

void TForm3::intro() {}

void TForm3::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    activateWindow();
    m_bitBtn1->setFocus(Qt::ActiveWindowFocusReason);
}

void TForm3::closeEvent(QCloseEvent* event) {
    event->accept();
    emit closed();
}

} // namespace tervox::ui
