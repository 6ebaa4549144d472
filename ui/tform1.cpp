#include "tform1.h"

#include "bevel.h"
#include "bitmapbutton.h"
#include "coolform.h"
#include "designfont.h"
#include "form1layout.h"
#include "imagecontrol.h"
#include "indicatordiagramwindow.h"
#include "mediaplayerbar.h"
#include "messagepresenter.h"
#include "parsereal.h"
#include "platformsettings.h"
#include "runcalculation.h"
#include "soundplayer.h"
#include "spinedit.h"
#include "storedartwork.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QDialog>
#include <QFile>
#include <QFileInfo>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QRadioButton>
#include <QScreen>

#include <exception>
#include <vector>

namespace tervox::ui {

namespace {

constexpr QSize kClientSize(701, 374);

// The sound track holds both sounds on one time line, in milliseconds: the start-up
// sound up to 19238, the exit sound from 19260 to the end.
constexpr qint64 kStartupSoundEndMs = 19238;
constexpr qint64 kExitSoundStartMs = 19260;
const char* const kSoundTrack = "ovix.dat";

// The windows' "button face" and the label's "inactive caption" colours.
QColor ButtonFace(const QPalette& palette) {
    return palette.color(QPalette::Button);
}
const QColor kInactiveCaption(191, 205, 219);

void FillWith(QWidget* widget, QPalette::ColorRole role, const QColor& colour) {
    QPalette palette = widget->palette();
    palette.setColor(role, colour);
    widget->setPalette(palette);
    if (role == QPalette::Window)
        widget->setAutoFillBackground(true);
}

QString BetaNote() {
    return QStringLiteral(
        "Это - бета-версия. Параметры процесса сгорания рассчитываются вручную и "
        "подставляются в раздел \"Расширение\". Окончательное кругление размеров поршня и "
        "вычисление момента, объема и т.д. также производится вручную.");
}

} // namespace

TForm1::TForm1(calc::CalcState& state, MessagePresenter& messages, SoundPlayer& player,
               QString reportPath, QWidget* parent)
    : QWidget(parent, Qt::Window | Qt::FramelessWindowHint),
      m_state(state),
      m_messages(messages),
      m_player(player),
      m_reportPath(std::move(reportPath)),
      m_settingsSource(&platform::SystemRegionalSettings) {
    setObjectName(QStringLiteral("Form1"));
    // The window has no title bar: this text names it to the window system only.
    setWindowTitle(QStringLiteral("Tervox Engine ovix-calculator"));
    setFixedSize(kClientSize);
    setFont(DesignFont());
    FillWith(this, QPalette::Window, ButtonFace(palette()));

    readRegionalSettings();
    buildControls();
    buildPopupMenu();
    setTabOrder();

    // The focus goes to the cylinder count when the window is first activated.
    m_chislocilind->setFocus(Qt::OtherFocusReason);

    start();
}

TForm1::~TForm1() = default;

void TForm1::buildControls() {
    // Drawn controls first, bottom to top: the skin, Bevel2, Image1, Label5, Bevel1.
    // Everything created later lies above them.
    m_coolForm = new CoolForm(this);
    m_coolForm->setGeometry(QRect(QPoint(0, 0), kClientSize));
    m_coolForm->setPicture(StoredPicture(QStringLiteral(":/skins/form1.bmp"), QSize(700, 379)));
    if (const auto mask = StoredMask(QStringLiteral(":/skins/form1.msk")))
        m_coolForm->setMaskData(*mask);

    auto* bevel2 = new Bevel(this);
    bevel2->setObjectName(QStringLiteral("Bevel2"));
    bevel2->setGeometry(183, 120, 18, 256);

    m_image1 = new ImageControl(this);
    m_image1->setObjectName(QStringLiteral("Image1"));
    m_image1->setGeometry(636, 305, 60, 60);
    m_image1->setPicture(
        StoredPicture(QStringLiteral(":/images/form1_image1.bmp"), QSize(120, 120)));
    m_image1->setToolTip(QStringLiteral("Right-Click..."));
    connect(m_image1, &ImageControl::clicked, this, &TForm1::mens);
    connect(m_image1, &ImageControl::contextMenuRequested, this,
            [this](const QPoint& globalPos) { m_popupMenu->popup(globalPos); });

    auto* label5 = new QLabel(QStringLiteral("Расширение"), this);
    label5->setObjectName(QStringLiteral("Label5"));
    label5->setGeometry(437, 256, 73, 13);
    label5->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    FillWith(label5, QPalette::Window, kInactiveCaption);

    auto* bevel1 = new Bevel(this);
    bevel1->setObjectName(QStringLiteral("Bevel1"));
    bevel1->setGeometry(355, 130, 10, 241);

    // The controls with windows of their own, in tab order (which is also the order in
    // which they stack where they overlap).
    auto* button1 = new QPushButton(QStringLiteral("Button1"), this);
    button1->setObjectName(QStringLiteral("Button1"));
    button1->setGeometry(574, 337, 43, 25);
    button1->setVisible(false); // never shown: neither clicked nor focused
    connect(button1, &QPushButton::clicked, this, [this] { reportErrors([this] { Button1Click(); }); });

    auto* radioGroup1 = new QGroupBox(QStringLiteral("Тип"), this);
    radioGroup1->setObjectName(QStringLiteral("RadioGroup1"));
    radioGroup1->setGeometry(73, 123, 93, 49);
    FillWith(radioGroup1, QPalette::Window, ButtonFace(palette()));

    for (const FieldLayout& layout : kForm1Fields) {
        if (layout.tabOrder > 9 && !m_radioButton1) {
            // The engine type sits between the pressure and the temperature fields in
            // the tab order; its buttons are children of the window, over the group.
            m_radioButton1 = new QRadioButton(QStringLiteral("Бензиновый"), this);
            m_radioButton1->setObjectName(QStringLiteral("RadioButton1"));
            m_radioButton1->setGeometry(76, 135, 85, 17);
            m_radioButton2 = new QRadioButton(QStringLiteral("Дизельный"), this);
            m_radioButton2->setObjectName(QStringLiteral("RadioButton2"));
            m_radioButton2->setGeometry(76, 151, 81, 17);
        }
        auto* box = new QGroupBox(QString::fromUtf8(layout.caption), this);
        box->setObjectName(QString::fromUtf8(layout.groupBox));
        box->setGeometry(layout.boxGeometry);
        FillWith(box, QPalette::Window, ButtonFace(palette()));

        QLineEdit* field = nullptr;
        if (QLatin1String(layout.field) == QLatin1String("DeltT")) {
            m_deltT = new SpinEdit(box);
            m_deltT->setRange(0, 50);
            m_deltT->setDecimalSeparator(QString::fromStdString(m_settings.decimalSeparator));
            field = m_deltT;
        } else {
            field = new QLineEdit(box);
        }
        field->setObjectName(QString::fromUtf8(layout.field));
        field->setGeometry(layout.fieldGeometry);
        field->setText(QString::fromUtf8(layout.defaultText));
        field->setCursorPosition(0);
        // Every hint is kept with its field; only some are shown.
        field->setProperty("hint", QString::fromUtf8(layout.hint));
        if (layout.hintShown)
            field->setToolTip(QString::fromUtf8(layout.hint));
        if (QLatin1String(layout.field) == QLatin1String("Chastota"))
            box->setToolTip(QString::fromUtf8(layout.hint));
        if (QLatin1String(layout.field) == QLatin1String("Dublw"))
            FillWith(field, QPalette::Base, ButtonFace(palette()));
        if (QLatin1String(layout.field) == QLatin1String("Chislocilind"))
            m_chislocilind = field;
    }
    FillWith(m_radioButton1, QPalette::Window, ButtonFace(palette()));
    FillWith(m_radioButton2, QPalette::Window, ButtonFace(palette()));
    m_radioButton2->setChecked(true);
    // Only the checked button of the group is a tab stop; a click still focuses either.
    const auto followCheck = [](QRadioButton* button) {
        button->setFocusPolicy(button->isChecked() ? Qt::StrongFocus : Qt::ClickFocus);
    };
    followCheck(m_radioButton1);
    followCheck(m_radioButton2);
    connect(m_radioButton1, &QRadioButton::toggled, this, [this, followCheck] { followCheck(m_radioButton1); });
    connect(m_radioButton2, &QRadioButton::toggled, this, [this, followCheck] { followCheck(m_radioButton2); });

    auto* bitBtn1 = new BitmapButton(this);
    bitBtn1->setObjectName(QStringLiteral("BitBtn1"));
    bitBtn1->setGeometry(564, 303, 67, 67);
    bitBtn1->setGlyph(StoredPicture(QStringLiteral(":/glyphs/form1_bitbtn1.bmp"), QSize(64, 64)));
    connect(bitBtn1, &QPushButton::clicked, this, [this] { reportErrors([this] { Button1Click(); }); });

    auto* staticText2 = new QLabel(BetaNote(), this);
    staticText2->setObjectName(QStringLiteral("StaticText2"));
    staticText2->setGeometry(477, 170, 217, 81);
    staticText2->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    staticText2->setLineWidth(1);
    staticText2->setAlignment(Qt::AlignCenter);
    staticText2->setWordWrap(true);
    staticText2->setFont(DesignFont());
    staticText2->setFocusPolicy(Qt::NoFocus);
    FillWith(staticText2, QPalette::Window, ButtonFace(palette()));

    m_mediaPlayer = new MediaPlayerBar(m_player, this);
    m_mediaPlayer->setObjectName(QStringLiteral("MediaPlayer1"));
    m_mediaPlayer->setGeometry(420, 15, 253, 30);

    // The cylinder count is converted as it is typed, and again when the field gets
    // the focus or a double click (watched in eventFilter). Connected only now, so the
    // default text set above does not count as a change.
    connect(m_chislocilind, &QLineEdit::textChanged, this,
            [this] { reportErrors([this] { ChislocilindChange(); }); });
    m_chislocilind->installEventFilter(this);
}

void TForm1::buildPopupMenu() {
    m_popupMenu = new QMenu(this);
    m_popupMenu->setObjectName(QStringLiteral("PopupMenu1"));
    QAction* about = m_popupMenu->addAction(QStringLiteral("About"));
    about->setObjectName(QStringLiteral("About1"));
    QAction* exitToWindows = m_popupMenu->addAction(QStringLiteral("Exit to windows"));
    exitToWindows->setObjectName(QStringLiteral("Exittowindows1"));
    QAction* exitToRealWorld = m_popupMenu->addAction(QStringLiteral("Exit to real world"));
    exitToRealWorld->setObjectName(QStringLiteral("Exittorealworld1"));
    connect(about, &QAction::triggered, this, &TForm1::proeto);
    connect(exitToWindows, &QAction::triggered, this, &TForm1::exittow);
    connect(exitToRealWorld, &QAction::triggered, this, &TForm1::exittow);
    m_popupMenu->addSeparator();
    QAction* indicatorDiagram = m_popupMenu->addAction(QStringLiteral("Indicator diagram"));
    indicatorDiagram->setObjectName(QStringLiteral("IndicatorDiagram1"));
    connect(indicatorDiagram, &QAction::triggered, this, &TForm1::IndicatorDiagram1Click);
}

void TForm1::setTabOrder() {
    std::vector<QWidget*> chain;
    chain.push_back(findChild<QWidget*>(QStringLiteral("Button1")));
    for (const FieldLayout& layout : kForm1Fields) {
        if (layout.tabOrder == 10) {
            chain.push_back(findChild<QWidget*>(QStringLiteral("RadioGroup1")));
            chain.push_back(m_radioButton1);
            chain.push_back(m_radioButton2);
        }
        if (layout.tabOrder == 25) {
            chain.push_back(findChild<QWidget*>(QStringLiteral("BitBtn1")));
            chain.push_back(findChild<QWidget*>(QStringLiteral("StaticText2")));
        }
        chain.push_back(findChild<QWidget*>(QString::fromUtf8(layout.field)));
    }
    chain.push_back(m_mediaPlayer);
    for (std::size_t i = 1; i < chain.size(); ++i)
        QWidget::setTabOrder(chain[i - 1], chain[i]);
}

void TForm1::setAboutBox(QDialog* about) {
    m_aboutBox = about;
}

void TForm1::setRegionalSettingsSource(SettingsSource source) {
    m_settingsSource = std::move(source);
}

void TForm1::readRegionalSettings() {
    m_settings = m_settingsSource();
    if (m_deltT)
        m_deltT->setDecimalSeparator(QString::fromStdString(m_settings.decimalSeparator));
}

template <typename Handler> void TForm1::reportErrors(Handler&& handler) {
    // The window's controls end here: whatever stopped the handler goes to the error
    // display, and the window goes on.
    try {
        handler();
    } catch (const std::exception& error) {
        m_messages.showError(QString::fromStdString(error.what()));
    }
}

void TForm1::Button1Click() {
    calc::FieldTexts texts;
    for (const std::string_view name : calc::kFieldNames) {
        const auto* field = findChild<QLineEdit*>(QString::fromLatin1(name.data(), qsizetype(name.size())));
        *texts.field(name) = field->text().toStdString();
    }
    const std::string path = m_reportPath.toStdString();
    const bool gasoline = m_radioButton1->isChecked();
    calc::RunCalculation(texts, gasoline, m_settings, path, m_state);
    // Kept for the indicator diagram: the state holds no engine type, and a later run
    // that stops must not change what this one completed.
    m_lastCompletedRun = calc::CompletedRun{
        gasoline ? calc::EngineType::Gasoline : calc::EngineType::Diesel, m_state};
    m_messages.showMessage(QString::fromStdString(calc::SavedResultsMessage(path)));
}

void TForm1::ChislocilindChange() {
    // Stored exactly as converted: a real, neither rounded nor range-checked. A
    // rejected text throws and leaves the stored count as it was.
    m_state.input.Chislocilind = calc::Ext(
        calc::ParseReal(m_chislocilind->text().toStdString(), m_settings.decimalSeparator));
}

void TForm1::mens() {
    // Beside the image: its left edge, 50 pixels below its top, wherever the window is.
    const QPoint corner(m_image1->x(), m_image1->y() + 50);
    m_popupMenu->popup(mapToGlobal(corner));
}

void TForm1::proeto() {
    if (m_aboutBox)
        m_aboutBox->exec();
}

void TForm1::start() {
    // A failed deletion is no reason to stop: the runs then update the file that is there.
    if (QFileInfo::exists(m_reportPath))
        QFile::remove(m_reportPath);

    if (!QFileInfo(QString::fromLatin1(kSoundTrack)).isFile()) {
        m_messages.showMessage(QStringLiteral("ovix.dat not found. :( Now exiting..."));
        requestTermination();
        return;
    }
    bool playing = false;
    try {
        m_player.setEndPosition(kStartupSoundEndMs);
        if (m_player.open(QString::fromLatin1(kSoundTrack))) {
            m_player.play(); // returns at once; a refused request just plays nothing
            playing = true;
        }
    } catch (const std::exception&) {
        playing = false;
    }
    if (!playing)
        m_messages.showMessage(QStringLiteral("Can`t create soundstream"));
}

void TForm1::exittow() {
    m_player.setWait(true);
    m_player.setStartPosition(kExitSoundStartMs);
    try {
        m_player.play(); // blocks until the exit sound has ended
    } catch (const std::exception&) {
        // No track was opened at start-up: leave in silence.
    }
    requestTermination();
}

void TForm1::query() {
    exittow();
}

void TForm1::IndicatorDiagram1Click() {
    OpenIndicatorDiagram(*this);
}

void TForm1::requestTermination() {
    emit terminationRequested();
    // Posted, so the handler that asks runs to its end first; this also ends an event
    // loop that only starts after the request (start-up asks before the loop runs).
    QMetaObject::invokeMethod(
        QCoreApplication::instance(), [] { QCoreApplication::quit(); }, Qt::QueuedConnection);
}

void TForm1::showEvent(QShowEvent* event) {
    if (!m_shownBefore) {
        m_shownBefore = true;
        if (const QScreen* screen = this->screen()) {
            const QRect area = screen->geometry();
            move(area.x() + (area.width() - width()) / 2, area.y() + (area.height() - height()) / 2);
        }
    }
    QWidget::showEvent(event);
}

void TForm1::closeEvent(QCloseEvent* event) {
    query();
    event->accept();
}

void TForm1::changeEvent(QEvent* event) {
    if (event->type() == QEvent::LocaleChange)
        readRegionalSettings();
    QWidget::changeEvent(event);
}

bool TForm1::eventFilter(QObject* watched, QEvent* event) {
    if (watched == m_chislocilind) {
        switch (event->type()) {
        case QEvent::FocusOut: {
            const auto reason = static_cast<QFocusEvent*>(event)->reason();
            m_chislocilindFocusParked =
                reason == Qt::ActiveWindowFocusReason || reason == Qt::PopupFocusReason;
            break;
        }
        case QEvent::FocusIn:
            // Coming back from a message box or another window is no change of focus
            // inside this window; without this, an error box would bring itself back.
            if (m_chislocilindFocusParked)
                m_chislocilindFocusParked = false;
            else
                reportErrors([this] { ChislocilindChange(); });
            break;
        case QEvent::MouseButtonDblClick:
            reportErrors([this] { ChislocilindChange(); });
            break;
        default:
            break;
        }
    }
    return QWidget::eventFilter(watched, event);
}

} // namespace tervox::ui
