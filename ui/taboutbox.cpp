#include "taboutbox.h"

#include "coolbutton.h"
#include "coolform.h"
#include "designfont.h"
#include "storedartwork.h"
#include "tform3.h"

#include <QFileInfo>
#include <QGuiApplication>
#include <QScreen>

namespace tervox::ui {

namespace {
constexpr QSize kClientSize(318, 239);
constexpr QRect kCoolButton1Geometry(216, 176, 65, 33);
constexpr QSize kGlyphSize(64, 32);
// The optional outline, looked for in the working directory under exactly this name.
constexpr char kMaskFile[] = "1.msk";
} // namespace

TAboutBox::TAboutBox(const TForm3& splash, QWidget* parent, qreal scale)
    : QDialog(parent, Qt::Dialog | Qt::FramelessWindowHint) {
    setObjectName(QStringLiteral("AboutBox"));
    // The window has no title bar: this text names it to the window system only.
    setWindowTitle(QStringLiteral("About"));
    setFont(DesignFont());
    setModal(true);
    setFixedSize(Scaled(kClientSize, scale));

    m_coolForm = new CoolForm(this);
    m_coolForm->setGeometry(rect());

    m_coolButton1 = new CoolButton(this);
    m_coolButton1->setObjectName(QStringLiteral("CoolButton1"));
    m_coolButton1->setGeometry(Scaled(kCoolButton1Geometry, scale));
    m_coolButton1->setGlyph(StoredPicture(QStringLiteral(":/glyphs/aboutbox_coolbutton1.bmp"), kGlyphSize));
    m_coolButton1->setNumGlyphs(1);
    connect(m_coolButton1, &QAbstractButton::clicked, this, &TAboutBox::CoolButton1Click);

    aboutcre(splash);
}

TAboutBox::~TAboutBox() = default;

void TAboutBox::aboutcre(const TForm3& splash) {
    // A missing, unreadable or malformed file leaves the whole rectangle, silently.
    if (QFileInfo(QString::fromLatin1(kMaskFile)).isFile())
        m_coolForm->loadMaskFromFile(QString::fromLatin1(kMaskFile));
    m_coolForm->assignPicture(*splash.coolForm());
}

void TAboutBox::setVisible(bool visible) {
    // Centred on the screen the first time only; placing it marks it as moved, so
    // later showings keep wherever the user left it.
    if (visible && !m_placed) {
        m_placed = true;
        const QScreen* screen = this->screen() ? this->screen() : QGuiApplication::primaryScreen();
        if (screen) {
            const QRect area = screen->geometry();
            move(area.x() + (area.width() - width()) / 2, area.y() + (area.height() - height()) / 2);
        }
    }
    QDialog::setVisible(visible);
}

void TAboutBox::CoolButton1Click() {
    reject();
}

} // namespace tervox::ui
