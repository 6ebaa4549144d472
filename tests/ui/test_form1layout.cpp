// The calculator window as it is built: window settings, every control's place,
// caption, default text, hint, colours, stacking and the tab order.
#include "form1harness.h"
#include "tervoxtestmain.h"

#include "bitmapbutton.h"
#include "coolform.h"
#include "imagecontrol.h"

#include <QFontInfo>
#include <QGroupBox>
#include <QLabel>
#include <QMenu>
#include <QRadioButton>
#include <QToolButton>

using namespace Qt::StringLiterals;
using tervox::ui::testing::Form1Harness;

class TestForm1Layout : public QObject {
    Q_OBJECT
private slots:
    void windowIsABorderlessFixedSizeHiddenWindow();
    void everyControlUsesTheDesignFontWithCyrillicGlyphs();
    void fieldsHaveTheirGroupBoxCaptionPlaceDefaultAndHint_data();
    void fieldsHaveTheirGroupBoxCaptionPlaceDefaultAndHint();
    void storedButHiddenHintsAreNotShown();
    void engineTypeButtonsStartWithDiesel();
    void otherControlsHaveTheirPlacesAndSettings();
    void dublwHasTheButtonFaceBackground();
    void mediaPlayerBarHasNineButtonsInOrder();
    void skinIsLowestAndWindowedControlsLieAboveDrawnOnes_data();
    void skinIsLowestAndWindowedControlsLieAboveDrawnOnes();
    void tabVisitsTheTabStopsInDesignOrder();
    void shownCentredWithTheFocusInTheCylinderCount();
};

void TestForm1Layout::windowIsABorderlessFixedSizeHiddenWindow() {
    Form1Harness h;
    tervox::ui::TForm1& form = h.create();
    QCOMPARE(form.objectName(), u"Form1"_s);
    QVERIFY(form.isWindow());
    QVERIFY(form.windowFlags().testFlag(Qt::FramelessWindowHint));
    QCOMPARE(form.size(), QSize(701, 374));
    QCOMPARE(form.minimumSize(), QSize(701, 374));
    QCOMPARE(form.maximumSize(), QSize(701, 374));
    QCOMPARE(form.windowTitle(), u"Tervox Engine ovix-calculator"_s);
    QVERIFY(!form.isVisible());
    // The skin covers the client area and the outline is applied before showing.
    auto* skin = form.findChild<tervox::ui::CoolForm*>(u"CoolForm1"_s);
    QVERIFY(skin);
    QCOMPARE(skin->geometry(), QRect(0, 0, 701, 374));
    QCOMPARE(skin->picture().size(), QSize(700, 379));
    QVERIFY(!form.mask().isEmpty());
    // Rows 0 and 1 and column 0 lie outside; the lower part is covered to column 700.
    QVERIFY(!form.mask().contains(QPoint(0, 200)));
    QVERIFY(!form.mask().contains(QPoint(350, 0)));
    QVERIFY(!form.mask().contains(QPoint(350, 1)));
    QVERIFY(form.mask().contains(QPoint(1, 200)));
    QVERIFY(form.mask().contains(QPoint(700, 373)));
    QCOMPARE(form.palette().color(QPalette::Window), form.palette().color(QPalette::Button));
}

void TestForm1Layout::everyControlUsesTheDesignFontWithCyrillicGlyphs() {
    Form1Harness h;
    h.create();
    const QList<QWidget*> controls = h.form->findChildren<QWidget*>();
    QVERIFY(controls.size() > 60);
    for (QWidget* control : controls) {
        if (qobject_cast<QMenu*>(control))
            continue; // menus use the desktop's menu font
        QCOMPARE(control->font().family(), u"MS Sans Serif"_s);
        QCOMPARE(control->font().pixelSize(), 11);
        QVERIFY(!control->font().bold());
    }
    // The design family is not installed; the substitute must draw Cyrillic.
    const QFontInfo info(h.form->font());
    QVERIFY2(info.family() == u"Liberation Sans"_s || info.family() == u"DejaVu Sans"_s,
             qPrintable(info.family()));
    QCOMPARE(info.pixelSize(), 11);
    QVERIFY(QFontMetrics(h.form->font()).inFontUcs4(U'Ж'));
    QVERIFY(QFontMetrics(h.form->font()).inFontUcs4(U'є'));
}

void TestForm1Layout::fieldsHaveTheirGroupBoxCaptionPlaceDefaultAndHint_data() {
    QTest::addColumn<QString>("groupBox");
    QTest::addColumn<QString>("caption");
    QTest::addColumn<QRect>("boxGeometry");
    QTest::addColumn<QRect>("fieldGeometry");
    QTest::addColumn<QString>("defaultText");
    QTest::addColumn<QString>("shownHint");
    // Captions, positions (left, top, width, height), defaults and shown hints of the
    // design; a field's position is inside its group box.
    QTest::newRow("Chislocilind") << u"GroupBox1"_s << u"i"_s << QRect(38, 134, 33, 37) << QRect(8, 12, 18, 21) << u"4"_s << u"Число цилиндров"_s;
    QTest::newRow("Nmosnost") << u"GroupBox2"_s << u"Ne"_s << QRect(3, 134, 38, 37) << QRect(5, 13, 28, 21) << u"45"_s << u"Номиналная мощность"_s;
    QTest::newRow("Chastota") << u"GroupBox3"_s << u"n"_s << QRect(3, 175, 48, 36) << QRect(8, 15, 33, 21) << u"2300"_s << u"Номинальная частота вращения"_s;
    QTest::newRow("StSzhatia") << u"GroupBox4"_s << u"є"_s << QRect(53, 175, 33, 36) << QRect(5, 13, 23, 21) << u"16"_s << u"Степень сжатия"_s;
    QTest::newRow("Izbytokvoz") << u"GroupBox5"_s << u"Альфа"_s << QRect(15, 335, 53, 35) << QRect(8, 12, 38, 21) << u"1,5"_s << u""_s;
    QTest::newRow("Poe") << u"GroupBox11"_s << u"Po"_s << QRect(5, 255, 46, 36) << QRect(8, 12, 28, 21) << u"0,1"_s << u"Атмосферное давление, МПа"_s;
    QTest::newRow("Toe") << u"GroupBox12"_s << u"To, K"_s << QRect(5, 215, 48, 36) << QRect(8, 12, 33, 21) << u"298"_s << u""_s;
    QTest::newRow("betaplusksi") << u"GroupBox13"_s << u"Beta^2+Ksi"_s << QRect(65, 335, 71, 35) << QRect(8, 13, 53, 21) << u"3,2"_s << u""_s;
    QTest::newRow("Dublw") << u"GroupBox14"_s << u"W"_s << QRect(321, 195, 40, 41) << QRect(8, 16, 28, 21) << u"80"_s << u""_s;
    QTest::newRow("DeltT") << u"GroupBox15"_s << u"Delta T"_s << QRect(262, 238, 49, 41) << QRect(8, 16, 38, 22) << u"27"_s << u""_s;
    QTest::newRow("fii") << u"GroupBox16"_s << u"Фи "_s << QRect(313, 238, 48, 41) << QRect(8, 16, 33, 21) << u"1,01"_s << u""_s;
    QTest::newRow("fi1") << u"GroupBox17"_s << u"Дозар. фи1"_s << QRect(291, 288, 70, 41) << QRect(8, 16, 49, 21) << u"1,02"_s << u""_s;
    QTest::newRow("nodin") << u"GroupBox18"_s << u"n1"_s << QRect(266, 334, 45, 41) << QRect(8, 16, 33, 21) << u"1,37"_s << u"Политропа n1"_s;
    QTest::newRow("ksizet") << u"GroupBox19"_s << u"KSI z"_s << QRect(314, 334, 47, 41) << QRect(8, 16, 33, 21) << u"0,75"_s << u""_s;
    QTest::newRow("lambd") << u"GroupBox20"_s << u"Лямбда"_s << QRect(210, 334, 57, 41) << QRect(8, 16, 41, 21) << u"1,8"_s << u""_s;
    QTest::newRow("Pzet") << u"GroupBox21"_s << u"Pz"_s << QRect(392, 282, 59, 41) << QRect(8, 16, 41, 21) << u"7,1784"_s << u""_s;
    QTest::newRow("ndva") << u"GroupBox22"_s << u"Пол. n2"_s << QRect(502, 282, 54, 41) << QRect(8, 16, 43, 21) << u"1,25"_s << u""_s;
    QTest::newRow("poctkoeff") << u"GroupBox10"_s << u"Ост г. х P"_s << QRect(136, 335, 60, 35) << QRect(8, 13, 41, 21) << u"1,15"_s << u""_s;
    QTest::newRow("totrab") << u"GroupBox23"_s << u"T отр. г."_s << QRect(262, 195, 54, 41) << QRect(8, 16, 33, 21) << u"750"_s << u""_s;
    QTest::newRow("tzet") << u"GroupBox24"_s << u"Tz"_s << QRect(449, 282, 54, 41) << QRect(8, 16, 41, 21) << u"2098"_s << u""_s;
    QTest::newRow("roh") << u"GroupBox26"_s << u"ro"_s << QRect(521, 330, 40, 41) << QRect(8, 16, 28, 21) << u"1,47"_s << u""_s;
    QTest::newRow("phii") << u"GroupBox27"_s << u"Фи i"_s << QRect(585, 260, 49, 41) << QRect(8, 16, 33, 21) << u"0,93"_s << u""_s;
    QTest::newRow("koefa") << u"GroupBox29"_s << u"К-т а"_s << QRect(410, 330, 51, 41) << QRect(10, 15, 36, 21) << u"0,089"_s << u""_s;
    QTest::newRow("koefb") << u"GroupBox30"_s << u"К-т b"_s << QRect(460, 330, 61, 41) << QRect(10, 15, 46, 21) << u"0,0135"_s << u""_s;
    QTest::newRow("skpor") << u"GroupBox31"_s << u"Cп"_s << QRect(640, 260, 56, 41) << QRect(10, 15, 36, 21) << u"9,2"_s << u""_s;
    QTest::newRow("k_tk") << u"GroupBox32"_s << u"К-т К"_s << QRect(370, 330, 41, 41) << QRect(5, 15, 31, 21) << u"1,2"_s << u""_s;
}

void TestForm1Layout::fieldsHaveTheirGroupBoxCaptionPlaceDefaultAndHint() {
    QFETCH(QString, groupBox);
    QFETCH(QString, caption);
    QFETCH(QRect, boxGeometry);
    QFETCH(QRect, fieldGeometry);
    QFETCH(QString, defaultText);
    QFETCH(QString, shownHint);

    Form1Harness h;
    h.create();
    const QString name = QString::fromLatin1(QTest::currentDataTag());
    auto* field = h.child(name);
    QVERIFY2(field, qPrintable(name));
    auto* box = h.child<QGroupBox>(groupBox);
    QVERIFY(box);
    QCOMPARE(field->parentWidget(), box);
    QCOMPARE(box->parentWidget(), h.form.get());
    QCOMPARE(box->title(), caption);
    QCOMPARE(box->geometry(), boxGeometry);
    QCOMPARE(field->geometry(), fieldGeometry);
    QCOMPARE(field->text(), defaultText);
    QCOMPARE(field->toolTip(), shownHint);
    QVERIFY(field->isVisibleTo(h.form.get()));
    QVERIFY(field->isEnabled());
    // Each field is alone in its box.
    QCOMPARE(box->findChildren<QLineEdit*>(Qt::FindDirectChildrenOnly).size(), 1);
}

void TestForm1Layout::storedButHiddenHintsAreNotShown() {
    Form1Harness h;
    h.create();
    // Kept with the field, not shown on it.
    QCOMPARE(h.child(u"Toe"_s)->property("hint").toString(), u"Температура окр. среды"_s);
    QCOMPARE(h.child(u"fi1"_s)->property("hint").toString(), u"Коэффициент дозарядки фи1"_s);
    QCOMPARE(h.child(u"poctkoeff"_s)->property("hint").toString(),
             u"Коэффициент остаточных газов (= х Ро)"_s);
    for (const QString& name : {u"Toe"_s, u"fi1"_s, u"poctkoeff"_s}) {
        QVERIFY(h.child(name)->toolTip().isEmpty());
        QVERIFY(h.child(name)->parentWidget()->toolTip().isEmpty());
    }
    // The speed field's box shows the field's hint on its frame as well.
    QCOMPARE(h.child<QGroupBox>(u"GroupBox3"_s)->toolTip(), u"Номинальная частота вращения"_s);
    QCOMPARE(h.child<QWidget>(u"Image1"_s)->toolTip(), u"Right-Click..."_s);
    // Mixed scripts exactly as designed: Latin n in the hint of nodin.
    QCOMPARE(h.child(u"nodin"_s)->toolTip(), QString::fromUtf8("\xd0\x9f\xd0\xbe\xd0\xbb\xd0\xb8\xd1\x82\xd1\x80\xd0\xbe\xd0\xbf\xd0\xb0 n1"));
}

void TestForm1Layout::engineTypeButtonsStartWithDiesel() {
    Form1Harness h;
    h.create();
    auto* gasoline = h.child<QRadioButton>(u"RadioButton1"_s);
    auto* diesel = h.child<QRadioButton>(u"RadioButton2"_s);
    auto* group = h.child<QGroupBox>(u"RadioGroup1"_s);
    QVERIFY(gasoline && diesel && group);
    QCOMPARE(gasoline->text(), u"Бензиновый"_s);
    QCOMPARE(diesel->text(), u"Дизельный"_s);
    QCOMPARE(gasoline->geometry(), QRect(76, 135, 85, 17));
    QCOMPARE(diesel->geometry(), QRect(76, 151, 81, 17));
    QCOMPARE(group->title(), u"Тип"_s);
    QCOMPARE(group->geometry(), QRect(73, 123, 93, 49));
    // Children of the window, so one exclusive group, lying over the radio group.
    QCOMPARE(gasoline->parentWidget(), h.form.get());
    QCOMPARE(diesel->parentWidget(), h.form.get());
    QVERIFY(!gasoline->isChecked());
    QVERIFY(diesel->isChecked());
    // Only the checked one is a tab stop.
    QVERIFY(!(gasoline->focusPolicy() & Qt::TabFocus));
    QVERIFY(diesel->focusPolicy() & Qt::TabFocus);
    gasoline->setChecked(true);
    QVERIFY(!diesel->isChecked());
    QVERIFY(gasoline->focusPolicy() & Qt::TabFocus);
    QVERIFY(!(diesel->focusPolicy() & Qt::TabFocus));
    QVERIFY(gasoline->autoFillBackground());
    QCOMPARE(gasoline->palette().color(QPalette::Window), h.form->palette().color(QPalette::Button));
}

void TestForm1Layout::otherControlsHaveTheirPlacesAndSettings() {
    Form1Harness h;
    h.create();

    auto* bitBtn1 = h.child<tervox::ui::BitmapButton>(u"BitBtn1"_s);
    QVERIFY(bitBtn1);
    QCOMPARE(bitBtn1->geometry(), QRect(564, 303, 67, 67));
    QVERIFY(bitBtn1->text().isEmpty());
    QCOMPARE(bitBtn1->glyph().size(), QSize(64, 64));
    QVERIFY(!bitBtn1->isDefault());
    QVERIFY(!bitBtn1->autoDefault());

    auto* button1 = h.child<QPushButton>(u"Button1"_s);
    QVERIFY(button1);
    QCOMPARE(button1->text(), u"Button1"_s);
    QCOMPARE(button1->geometry(), QRect(574, 337, 43, 25));
    QVERIFY(!button1->isVisibleTo(h.form.get()));

    auto* image1 = h.child<tervox::ui::ImageControl>(u"Image1"_s);
    QVERIFY(image1);
    QCOMPARE(image1->geometry(), QRect(636, 305, 60, 60));
    QCOMPARE(image1->picture().size(), QSize(120, 120));

    auto* note = h.child<QLabel>(u"StaticText2"_s);
    QVERIFY(note);
    QCOMPARE(note->geometry(), QRect(477, 170, 217, 81));
    QCOMPARE(note->text(),
             u"Это - бета-версия. Параметры процесса сгорания рассчитываются вручную и "
             "подставляются в раздел \"Расширение\". Окончательное кругление размеров поршня и "
             "вычисление момента, объема и т.д. также производится вручную."_s);
    QVERIFY(note->wordWrap());
    QCOMPARE(note->alignment(), Qt::AlignCenter);
    QCOMPARE(note->frameShadow(), QFrame::Sunken);
    QVERIFY(note->frameShape() != QFrame::NoFrame);
    QCOMPARE(note->focusPolicy(), Qt::NoFocus);
    // The whole note fits its fixed box.
    const QRect needed = note->fontMetrics().boundingRect(
        note->contentsRect(), Qt::AlignCenter | Qt::TextWordWrap, note->text());
    QVERIFY2(note->contentsRect().contains(needed),
             qPrintable(u"needs %1x%2"_s.arg(needed.width()).arg(needed.height())));

    auto* label5 = h.child<QLabel>(u"Label5"_s);
    QVERIFY(label5);
    QCOMPARE(label5->text(), u"Расширение"_s);
    QCOMPARE(label5->geometry(), QRect(437, 256, 73, 13));
    QVERIFY(label5->autoFillBackground());
    QVERIFY(label5->palette().color(QPalette::Window) != h.form->palette().color(QPalette::Window));
    QVERIFY(label5->fontMetrics().horizontalAdvance(label5->text()) <= 73);

    QCOMPARE(h.child<QWidget>(u"Bevel2"_s)->geometry(), QRect(183, 120, 18, 256));
    QCOMPARE(h.child<QWidget>(u"Bevel1"_s)->geometry(), QRect(355, 130, 10, 241));

    auto* menu = h.form->popupMenu();
    QCOMPARE(menu->objectName(), u"PopupMenu1"_s);
    QStringList entries, names;
    for (QAction* action : menu->actions()) {
        entries << action->text();
        names << action->objectName();
    }
    // The three entries of the design, then a separator and the indicator diagram.
    QCOMPARE(entries, (QStringList{u"About"_s, u"Exit to windows"_s, u"Exit to real world"_s,
                                   QString(), u"Indicator diagram"_s}));
    QCOMPARE(names, (QStringList{u"About1"_s, u"Exittowindows1"_s, u"Exittorealworld1"_s,
                                 QString(), u"IndicatorDiagram1"_s}));
    QVERIFY(menu->actions().at(3)->isSeparator());
}

void TestForm1Layout::dublwHasTheButtonFaceBackground() {
    Form1Harness h;
    h.create();
    const QColor face = h.form->palette().color(QPalette::Button);
    QCOMPARE(h.child(u"Dublw"_s)->palette().color(QPalette::Base), face);
    QVERIFY(h.child(u"Chastota"_s)->palette().color(QPalette::Base) != face);
}

void TestForm1Layout::mediaPlayerBarHasNineButtonsInOrder() {
    Form1Harness h;
    QVERIFY(h.createShown());
    auto* bar = h.child<QWidget>(u"MediaPlayer1"_s);
    QVERIFY(bar);
    QCOMPARE(bar->geometry(), QRect(420, 15, 253, 30));
    QVERIFY(bar->isVisibleTo(h.form.get()));
    const QStringList order = {u"play"_s, u"pause"_s, u"stop"_s, u"next"_s, u"previous"_s,
                               u"step"_s, u"back"_s, u"record"_s, u"eject"_s};
    int right = 0;
    for (const QString& name : order) {
        auto* button = bar->findChild<QToolButton*>(u"MediaPlayer1_"_s + name);
        QVERIFY2(button, qPrintable(name));
        QVERIFY(button->isVisibleTo(bar));
        QCOMPARE(button->x(), right); // side by side, left to right in this order
        right = button->geometry().right() + 1;
    }
    QCOMPARE(right, 253);
}

void TestForm1Layout::skinIsLowestAndWindowedControlsLieAboveDrawnOnes_data() {
    QTest::addColumn<QPoint>("point");
    QTest::addColumn<QString>("topmost");
    // Points of the client area and the control that a click there reaches.
    QTest::newRow("bare skin") << QPoint(230, 160) << u"CoolForm1"_s;
    QTest::newRow("Bevel1 alone") << QPoint(360, 140) << u"Bevel1"_s;
    QTest::newRow("Bevel2 alone") << QPoint(195, 200) << u"Bevel2"_s;
    QTest::newRow("KSI z box over Bevel1") << QPoint(357, 360) << u"GroupBox19"_s;
    QTest::newRow("residual-gas box over Bevel2") << QPoint(190, 360) << u"GroupBox10"_s;
    QTest::newRow("Label5") << QPoint(440, 260) << u"Label5"_s;
    QTest::newRow("Image1") << QPoint(666, 335) << u"Image1"_s;
    QTest::newRow("radio button over its group") << QPoint(120, 143) << u"RadioButton1"_s;
    QTest::newRow("note") << QPoint(480, 240) << u"StaticText2"_s;
}

void TestForm1Layout::skinIsLowestAndWindowedControlsLieAboveDrawnOnes() {
    QFETCH(QPoint, point);
    QFETCH(QString, topmost);
    Form1Harness h;
    h.create();
    QWidget* hit = h.form->childAt(point);
    QVERIFY(hit);
    // A click on a field or on the radio button's label reaches the named control or
    // something inside it.
    while (hit && hit->objectName().isEmpty())
        hit = hit->parentWidget();
    QCOMPARE(hit->objectName(), topmost);
    QCOMPARE(h.form->children().indexOf(h.form->findChild<QObject*>(u"CoolForm1"_s)), 0);
}

void TestForm1Layout::tabVisitsTheTabStopsInDesignOrder() {
    Form1Harness h;
    QVERIFY(h.createShown());
    QCOMPARE(QApplication::focusWidget(), h.child(u"Chislocilind"_s));
    const QStringList expected = {
        u"Nmosnost"_s, u"Chastota"_s, u"StSzhatia"_s, u"Izbytokvoz"_s, u"Poe"_s,
        u"RadioButton2"_s, u"Toe"_s, u"betaplusksi"_s, u"Dublw"_s, u"DeltT"_s, u"fii"_s,
        u"fi1"_s, u"nodin"_s, u"ksizet"_s, u"lambd"_s, u"Pzet"_s, u"ndva"_s, u"poctkoeff"_s,
        u"totrab"_s, u"BitBtn1"_s, u"tzet"_s, u"roh"_s, u"phii"_s, u"koefa"_s, u"koefb"_s,
        u"skpor"_s, u"k_tk"_s, u"MediaPlayer1"_s, u"Chislocilind"_s};
    QStringList visited;
    for (qsizetype i = 0; i < expected.size(); ++i) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        visited << QApplication::focusWidget()->objectName();
    }
    QCOMPARE(visited, expected);
    // Going round the window converts the cylinder count each time it is entered.
    QVERIFY(h.messages.errors().isEmpty());
}

void TestForm1Layout::shownCentredWithTheFocusInTheCylinderCount() {
    Form1Harness h;
    QVERIFY(h.createShown());
    // Centred on the 1280 x 1024 test screen.
    QCOMPARE(h.form->pos(), QPoint((1280 - 701) / 2, (1024 - 374) / 2));
    QCOMPARE(h.form->focusWidget(), h.child(u"Chislocilind"_s));
    // The first activation converted "4" into the state, which started at zero.
    QCOMPARE(h.state.input.Chislocilind.value(), 4.0L);
    QVERIFY(h.messages.errors().isEmpty());
    QVERIFY(h.messages.messages().isEmpty());
}

TERVOX_TEST_MAIN(TestForm1Layout)
#include "test_form1layout.moc"
