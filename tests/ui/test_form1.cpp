// What the calculator window does: the cylinder-count conversion, the DeltT spin
// field, the engine type, the calculate action with its message or error, the
// pop-up menu and the keys that must not start a run.
#include "form1harness.h"
#include "modalboxguard.h"
#include "tervoxtestmain.h"

#include "bitmapbutton.h"
#include "imagecontrol.h"
#include "spinedit.h"

#include <QDialog>
#include <QLocale>
#include <QMenu>
#include <QRadioButton>
#include <QSignalSpy>
#include <QTimer>
#include <QToolButton>

#include <memory>

using namespace Qt::StringLiterals;
using tervox::ui::testing::Form1Harness;
using tervox::ui::testing::ModalBoxGuard;

namespace {

QString Saved(const QString& path) {
    return u"Your results saved in \""_s + path + u"\""_s;
}

QString NotANumber(const QString& text) {
    return u"'"_s + text + u"' is not a valid floating point value."_s;
}

} // namespace

class TestForm1 : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup();

    void cylinderCountConvertsAsItIsTyped_data();
    void cylinderCountConvertsAsItIsTyped();
    void emptyCylinderCountIsReportedAndTheNextDigitStored();
    void cylinderCountIsConvertedOnFocusInAndDoubleClick_data();
    void cylinderCountIsConvertedOnFocusInAndDoubleClick();
    void errorBoxDoesNotBringItselfBackThroughTheFocus();

    void deltTRefusesOtherKeysWithABeep_data();
    void deltTRefusesOtherKeysWithABeep();
    void deltTArrowsStepTheCurrentValueWithinRange_data();
    void deltTArrowsStepTheCurrentValueWithinRange();
    void deltTClampsOnlyWholeNumbersWhenLeft_data();
    void deltTClampsOnlyWholeNumbersWhenLeft();
    void runUsesTheClampedDeltT();
    void runReadsANonWholeDeltTAsZero();

    void engineTypeFollowsTheRadioButtons();
    void calculateWritesTheReportAndNamesIt();
    void defaultsCalculateUnderCommaSeparator();
    void defaultsStopAtIzbytokvozUnderPointSeparator();
    void aFieldThatStopsTheRunShowsItsError_data();
    void aFieldThatStopsTheRunShowsItsError();
    void regionalSettingsAreReadAgainOnLocaleChange();

    void leftClickOnImageOpensMenuBesideItWhereverTheWindowIs();
    void rightClickOnImageOpensMenuAtThePointer();
    void rightClickElsewhereOpensNoMenu();
    void aboutEntryShowsTheAboutWindowModally();

    void enterInAFieldStartsNoRun();
    void enterOrSpaceOnTheFocusedButtonStartsARun();

private:
    void replaceText(QLineEdit* field, const QString& text);
    void clickCalculate();

    std::unique_ptr<Form1Harness> h;
    ModalBoxGuard m_guard;
};

void TestForm1::init() {
    h = std::make_unique<Form1Harness>();
    QVERIFY(h->createShown());
    QVERIFY(h->messages.errors().isEmpty());
    m_guard.start();
}

void TestForm1::cleanup() {
    m_guard.stop();
    h.reset();
    QVERIFY2(!m_guard.sawModal(), qPrintable(m_guard.seen().join(u" | "_s)));
}

void TestForm1::replaceText(QLineEdit* field, const QString& text) {
    field->setFocus(Qt::MouseFocusReason);
    field->selectAll();
    if (text.isEmpty())
        QTest::keyClick(field, Qt::Key_Backspace);
    else
        QTest::keyClicks(field, text);
}

void TestForm1::clickCalculate() {
    QTest::mouseClick(h->child<QWidget>(u"BitBtn1"_s), Qt::LeftButton);
}

void TestForm1::cylinderCountConvertsAsItIsTyped_data() {
    QTest::addColumn<QString>("typed");       // typed after the default "4"
    QTest::addColumn<QStringList>("errors");  // one per keystroke that leaves a bad text
    QTest::addColumn<long double>("stored");
    QTest::newRow("decimal comma") << u",5"_s << QStringList{} << 4.5L;
    QTest::newRow("letter") << u"x"_s << QStringList{NotANumber(u"4x"_s)} << 4.0L;
    QTest::newRow("point is not the separator")
        << u".5"_s << QStringList{NotANumber(u"4."_s), NotANumber(u"4.5"_s)} << 4.0L;
    QTest::newRow("exponent") << u"e1"_s << QStringList{NotANumber(u"4e"_s)} << 40.0L;
    QTest::newRow("more digits") << u"2"_s << QStringList{} << 42.0L;
}

void TestForm1::cylinderCountConvertsAsItIsTyped() {
    QFETCH(QString, typed);
    QFETCH(QStringList, errors);
    QFETCH(long double, stored);
    auto* field = h->child(u"Chislocilind"_s);
    field->setFocus();
    field->end(false);
    QTest::keyClicks(field, typed);
    QCOMPARE(h->messages.errors(), errors);
    QCOMPARE(h->state.input.Chislocilind.value(), stored);
    QCOMPARE(field->text(), u"4"_s + typed); // a rejected text stays in the field
}

void TestForm1::emptyCylinderCountIsReportedAndTheNextDigitStored() {
    auto* field = h->child(u"Chislocilind"_s);
    field->end(false);
    QTest::keyClick(field, Qt::Key_Backspace);
    QCOMPARE(field->text(), QString());
    QCOMPARE(h->messages.errors(), QStringList{u"'' is not a valid floating point value."_s});
    QCOMPARE(h->state.input.Chislocilind.value(), 4.0L);
    QTest::keyClick(field, '6');
    QCOMPARE(h->messages.errors().size(), 1);
    QCOMPARE(h->state.input.Chislocilind.value(), 6.0L);
    // No range check: zero and negative counts are stored as they are.
    replaceText(field, u"-3"_s);
    QCOMPARE(h->state.input.Chislocilind.value(), -3.0L);
    QCOMPARE(h->messages.errors().size(), 2); // the lone "-" was rejected on the way
    QCOMPARE(h->messages.errors().last(), NotANumber(u"-"_s));
}

void TestForm1::cylinderCountIsConvertedOnFocusInAndDoubleClick_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("rejected");
    QTest::newRow("valid") << u"8"_s << false;
    QTest::newRow("rejected") << u"abc"_s << true;
}

void TestForm1::cylinderCountIsConvertedOnFocusInAndDoubleClick() {
    QFETCH(QString, text);
    QFETCH(bool, rejected);
    auto* field = h->child(u"Chislocilind"_s);
    auto* other = h->child(u"Nmosnost"_s);
    field->setText(text);
    const long double stored = h->state.input.Chislocilind.value();
    h->messages.clear();
    const QStringList once = rejected ? QStringList{NotANumber(text)} : QStringList{};

    // Back into the field by Tab from the field before it...
    other->setFocus(Qt::OtherFocusReason);
    QCOMPARE(h->messages.errors(), QStringList{});
    QTest::keyClick(other, Qt::Key_Backtab);
    QCOMPARE(QApplication::focusWidget(), field);
    QCOMPARE(h->messages.errors(), once);

    // ...by a click...
    h->messages.clear();
    other->setFocus(Qt::OtherFocusReason);
    QTest::mouseClick(field, Qt::LeftButton);
    QCOMPARE(QApplication::focusWidget(), field);
    QCOMPARE(h->messages.errors(), once);

    // ...and by a double click on the focused field.
    h->messages.clear();
    QTest::mouseDClick(field, Qt::LeftButton);
    QCOMPARE(h->messages.errors(), once);

    const long double expected = rejected ? stored : 8.0L;
    QCOMPARE(h->state.input.Chislocilind.value(), expected);
}

void TestForm1::errorBoxDoesNotBringItselfBackThroughTheFocus() {
    // A presenter that, like the real error box, takes the activation away into a
    // modal window and, once it is closed, gives it back to the calculator window as a
    // window manager does.
    class ModalPresenter : public tervox::ui::MessagePresenter {
    public:
        void showMessage(const QString&) override {}
        void showError(const QString& message) override {
            errors << message;
            if (errors.size() > 3)
                return; // a loop: stop it so the test can fail instead of hang
            QDialog box;
            box.setModal(true);
            QTimer::singleShot(30, &box, &QDialog::accept);
            box.exec();
            if (window) {
                window->activateWindow();
                // Best effort: the offscreen platform may not report the activation.
                (void)QTest::qWaitForWindowActive(window);
            }
        }
        QStringList errors;
        QWidget* window = nullptr;
    };

    m_guard.stop();
    ModalPresenter modal;
    tervox::calc::CalcState state;
    Form1Harness local;
    auto form = std::make_unique<tervox::ui::TForm1>(state, modal, local.player, local.reportPath);
    modal.window = form.get();
    form->show();
    form->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(form.get()));
    auto* field = form->findChild<QLineEdit*>(u"Chislocilind"_s);
    QCOMPARE(QApplication::focusWidget(), field);
    field->end(false);
    QTest::keyClick(field, 'x');
    QTest::qWait(200);
    QCOMPARE(QApplication::focusWidget(), field); // the focus came back to the field...
    // ...without showing the box again.
    QCOMPARE(modal.errors, QStringList{u"'4x' is not a valid floating point value"_s});
    // A real move of the focus into the field still reports the rejected text.
    form->findChild<QLineEdit*>(u"Nmosnost"_s)->setFocus(Qt::TabFocusReason);
    field->setFocus(Qt::TabFocusReason);
    QTest::qWait(200);
    QCOMPARE(modal.errors.size(), 2);
}

void TestForm1::deltTRefusesOtherKeysWithABeep_data() {
    QTest::addColumn<int>("key");
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("refused");
    QTest::newRow("digit") << int(Qt::Key_7) << u"7"_s << false;
    QTest::newRow("plus") << int(Qt::Key_Plus) << u"+"_s << false;
    QTest::newRow("minus") << int(Qt::Key_Minus) << u"-"_s << false;
    QTest::newRow("decimal comma") << int(Qt::Key_Comma) << u","_s << false;
    QTest::newRow("point") << int(Qt::Key_Period) << u"."_s << true;
    QTest::newRow("letter") << int(Qt::Key_A) << u"a"_s << true;
    QTest::newRow("blank") << int(Qt::Key_Space) << u" "_s << true;
    QTest::newRow("Cyrillic letter") << int(Qt::Key_unknown) << u"ж"_s << true;
    QTest::newRow("Enter") << int(Qt::Key_Return) << u"\r"_s << true;
    QTest::newRow("keypad Enter") << int(Qt::Key_Enter) << u"\r"_s << true;
}

void TestForm1::deltTRefusesOtherKeysWithABeep() {
    QFETCH(int, key);
    QFETCH(QString, text);
    QFETCH(bool, refused);
    auto* deltT = h->child<tervox::ui::SpinEdit>(u"DeltT"_s);
    QVERIFY(deltT);
    deltT->setFocus();
    deltT->end(false);
    QSignalSpy beeps(deltT, &tervox::ui::SpinEdit::keyRefused);
    QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier, text);
    QApplication::sendEvent(deltT, &press);
    QCOMPARE(beeps.size(), refused ? 1 : 0);
    QCOMPARE(deltT->text(), refused ? u"27"_s : u"27"_s + text);
    // Backspace is a control character and passes.
    QTest::keyClick(deltT, Qt::Key_Backspace);
    QCOMPARE(deltT->text(), u"27"_s.left(refused ? 1 : 2));
    QCOMPARE(beeps.size(), refused ? 1 : 0);
}

void TestForm1::deltTArrowsStepTheCurrentValueWithinRange_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("key");
    QTest::addColumn<QString>("after");
    QTest::newRow("up") << u"27"_s << int(Qt::Key_Up) << u"28"_s;
    QTest::newRow("down") << u"27"_s << int(Qt::Key_Down) << u"26"_s;
    QTest::newRow("up at the maximum") << u"50"_s << int(Qt::Key_Up) << u"50"_s;
    QTest::newRow("down at the minimum") << u"0"_s << int(Qt::Key_Down) << u"0"_s;
    QTest::newRow("down from above the range") << u"99"_s << int(Qt::Key_Down) << u"50"_s;
    QTest::newRow("up from below the range") << u"-7"_s << int(Qt::Key_Up) << u"0"_s;
    QTest::newRow("up from a non-whole text") << u"2,5"_s << int(Qt::Key_Up) << u"1"_s;
    QTest::newRow("up from an empty field") << u""_s << int(Qt::Key_Up) << u"1"_s;
    QTest::newRow("up with a sign") << u"+5"_s << int(Qt::Key_Up) << u"6"_s;
}

void TestForm1::deltTArrowsStepTheCurrentValueWithinRange() {
    QFETCH(QString, text);
    QFETCH(int, key);
    QFETCH(QString, after);
    auto* deltT = h->child<tervox::ui::SpinEdit>(u"DeltT"_s);
    deltT->setFocus();
    deltT->setText(text);
    QTest::keyClick(deltT, Qt::Key(key));
    QCOMPARE(deltT->text(), after);
    // The arrow buttons do the same as the keys.
    deltT->setText(text);
    QToolButton* arrow = key == Qt::Key_Up ? deltT->upButton() : deltT->downButton();
    QVERIFY(arrow->isVisible());
    QTest::mouseClick(arrow, Qt::LeftButton);
    QCOMPARE(deltT->text(), after);
    QCOMPARE(QApplication::focusWidget(), deltT);
}

void TestForm1::deltTClampsOnlyWholeNumbersWhenLeft_data() {
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("left");
    QTest::newRow("above the range") << u"99"_s << u"50"_s;
    QTest::newRow("below the range") << u"-7"_s << u"0"_s;
    QTest::newRow("in range") << u"13"_s << u"13"_s;
    QTest::newRow("not whole") << u"2,5"_s << u"2,5"_s;
    QTest::newRow("sign only") << u"-"_s << u"-"_s;
    QTest::newRow("empty") << u""_s << u""_s;
}

void TestForm1::deltTClampsOnlyWholeNumbersWhenLeft() {
    QFETCH(QString, typed);
    QFETCH(QString, left);
    auto* deltT = h->child<tervox::ui::SpinEdit>(u"DeltT"_s);
    replaceText(deltT, typed);
    QCOMPARE(deltT->text(), typed);
    QTest::keyClick(deltT, Qt::Key_Tab);
    QCOMPARE(QApplication::focusWidget()->objectName(), u"fii"_s);
    QCOMPARE(deltT->text(), left);
    QVERIFY(h->messages.errors().isEmpty());
}

void TestForm1::runUsesTheClampedDeltT() {
    auto* deltT = h->child(u"DeltT"_s);
    replaceText(deltT, u"99"_s);
    clickCalculate();
    QCOMPARE(deltT->text(), u"50"_s);
    QCOMPARE(h->state.input.DeltT.value(), 50.0L);
    QCOMPARE(h->messages.messages(), QStringList{Saved(h->reportPath)});
}

void TestForm1::runReadsANonWholeDeltTAsZero() {
    auto* deltT = h->child(u"DeltT"_s);
    replaceText(deltT, u"2,5"_s);
    clickCalculate();
    QCOMPARE(deltT->text(), u"2,5"_s);
    QCOMPARE(h->state.input.DeltT.value(), 0.0L);
    QVERIFY(h->messages.errors().isEmpty());
    QCOMPARE(h->messages.messages(), QStringList{Saved(h->reportPath)});
}

void TestForm1::engineTypeFollowsTheRadioButtons() {
    clickCalculate();
    QCOMPARE(h->state.fuel.Lo.value(), 0.498L); // diesel fuel
    QTest::mouseClick(h->child<QRadioButton>(u"RadioButton1"_s), Qt::LeftButton);
    QVERIFY(h->child<QRadioButton>(u"RadioButton1"_s)->isChecked());
    clickCalculate();
    QCOMPARE(h->state.fuel.Lo.value(), 0.516L); // gasoline fuel
    QCOMPARE(h->state.fuel.Hu.value(), 44.0L);
    QTest::mouseClick(h->child<QRadioButton>(u"RadioButton2"_s), Qt::LeftButton);
    clickCalculate();
    QCOMPARE(h->state.fuel.Hu.value(), 42.6L);
    QCOMPARE(h->messages.messages().size(), 3);
}

void TestForm1::calculateWritesTheReportAndNamesIt() {
    QVERIFY(!QFile::exists(h->reportPath));
    clickCalculate();
    QCOMPARE(h->messages.messages(), QStringList{Saved(h->reportPath)});
    QVERIFY(h->messages.errors().isEmpty());
    QFile report(h->reportPath);
    QVERIFY(report.open(QIODevice::ReadOnly));
    const QByteArray content = report.readAll();
    QVERIFY(content.startsWith("[Resultats]\r\n"));
    QVERIFY(content.contains("[INData]\r\n"));
    // The window's inputs reached the run: the cylinder count and the speed as typed.
    replaceText(h->child(u"Chastota"_s), u"3100"_s);
    clickCalculate();
    QCOMPARE(h->state.input.Chastota.value(), 3100.0L);
    QCOMPARE(h->messages.messages().size(), 2);
    // Field contents survive the runs.
    QCOMPARE(h->child(u"Chastota"_s)->text(), u"3100"_s);
    QCOMPARE(h->child(u"Izbytokvoz"_s)->text(), u"1,5"_s);
}

void TestForm1::defaultsCalculateUnderCommaSeparator() {
    QCOMPARE(QLocale::system().decimalPoint(), u","_s); // LANG=ru_RU.UTF-8
    QCOMPARE(h->form->regionalSettings().decimalSeparator, std::string(","));
    clickCalculate();
    QVERIFY(h->messages.errors().isEmpty());
    QCOMPARE(h->messages.messages(), QStringList{Saved(h->reportPath)});
    QCOMPARE(h->state.input.Izbytokvoz.value(), 1.5L);
}

void TestForm1::defaultsStopAtIzbytokvozUnderPointSeparator() {
    if (QLocale::system().decimalPoint() != u"."_s)
        QSKIP("needs a point as decimal separator (LANG=en_US.UTF-8): ui.test_form1.us_english");
    QCOMPARE(h->form->regionalSettings().decimalSeparator, std::string("."));
    clickCalculate();
    QCOMPARE(h->messages.errors(), QStringList{NotANumber(u"1,5"_s)});
    QVERIFY(h->messages.messages().isEmpty());
    QVERIFY(!QFile::exists(h->reportPath));
    // The two fields read before it converted.
    QCOMPARE(h->state.input.Chislocilind.value(), 4.0L);
    QCOMPARE(h->state.input.Chastota.value(), 2300.0L);
    QCOMPARE(h->state.input.Izbytokvoz.value(), 0.0L);
}

void TestForm1::aFieldThatStopsTheRunShowsItsError_data() {
    QTest::addColumn<QStringList>("fieldsAndTexts"); // name, text, name, text ...
    QTest::addColumn<QString>("error");
    QTest::newRow("letters") << QStringList{u"Poe"_s, u"abc"_s} << NotANumber(u"abc"_s);
    QTest::newRow("empty") << QStringList{u"nodin"_s, u""_s} << NotANumber(u""_s);
    QTest::newRow("unused but read") << QStringList{u"ksizet"_s, u"x"_s} << NotANumber(u"x"_s);
    QTest::newRow("first in reading order")
        << QStringList{u"Poe"_s, u"bad"_s, u"Izbytokvoz"_s, u"1;5"_s} << NotANumber(u"1;5"_s);
    QTest::newRow("blank between digits") << QStringList{u"k_tk"_s, u"1 2"_s} << NotANumber(u"1 2"_s);
    QTest::newRow("division by zero") << QStringList{u"roh"_s, u"0"_s}
                                      << u"Floating point division by zero."_s;
    QTest::newRow("zero by zero") << QStringList{u"roh"_s, u"0"_s, u"StSzhatia"_s, u"0"_s}
                                  << u"Invalid floating point operation."_s;
}

void TestForm1::aFieldThatStopsTheRunShowsItsError() {
    QFETCH(QStringList, fieldsAndTexts);
    QFETCH(QString, error);
    QStringList defaults;
    for (qsizetype i = 0; i + 1 < fieldsAndTexts.size(); i += 2) {
        defaults << h->child(fieldsAndTexts[i])->text();
        h->child(fieldsAndTexts[i])->setText(fieldsAndTexts[i + 1]);
    }
    clickCalculate();
    QCOMPARE(h->messages.errors(), QStringList{error});
    QVERIFY(h->messages.messages().isEmpty());
    QVERIFY(!QFile::exists(h->reportPath)); // stopped before the first write
    // The window goes on: fix the field and run again.
    for (qsizetype i = 0; i + 1 < fieldsAndTexts.size(); i += 2)
        h->child(fieldsAndTexts[i])->setText(defaults[i / 2]);
    clickCalculate();
    QCOMPARE(h->messages.messages(), QStringList{Saved(h->reportPath)});
}

void TestForm1::regionalSettingsAreReadAgainOnLocaleChange() {
    QCOMPARE(h->form->regionalSettings().decimalSeparator, std::string(","));
    // The user switches to settings with a point; the system announces the change.
    tervox::report::RegionalSettings point;
    point.decimalSeparator = ".";
    point.shortDateFormat = "M/d/yy";
    h->form->setRegionalSettingsSource([point] { return point; });
    QCOMPARE(h->form->regionalSettings().decimalSeparator, std::string(",")); // not yet
    QEvent change(QEvent::LocaleChange);
    QApplication::sendEvent(qApp, &change);
    QCOMPARE(h->form->regionalSettings().decimalSeparator, std::string("."));
    QCOMPARE(h->child<tervox::ui::SpinEdit>(u"DeltT"_s)->decimalSeparator(), u"."_s);
    // The run now reads the comma texts as the point settings do.
    clickCalculate();
    QCOMPARE(h->messages.errors(), QStringList{NotANumber(u"1,5"_s)});
    // And the cylinder count converts with the point.
    replaceText(h->child(u"Chislocilind"_s), u"4.5"_s);
    QCOMPARE(h->state.input.Chislocilind.value(), 4.5L);
}

void TestForm1::leftClickOnImageOpensMenuBesideItWhereverTheWindowIs() {
    auto* image = h->child<QWidget>(u"Image1"_s);
    QMenu* menu = h->form->popupMenu();
    for (const QPoint place : {QPoint(40, 30), QPoint(300, 500)}) {
        h->form->move(place);
        QTRY_COMPARE(h->form->pos(), place);
        QTest::mouseClick(image, Qt::LeftButton, {}, QPoint(20, 20));
        QTRY_VERIFY(menu->isVisible());
        // Image1's left edge and its top edge + 50, in screen coordinates.
        QCOMPARE(menu->pos(), place + QPoint(636, 305 + 50));
        menu->hide();
    }
    QVERIFY(!QFile::exists(h->reportPath));
}

void TestForm1::rightClickOnImageOpensMenuAtThePointer() {
    auto* image = h->child<QWidget>(u"Image1"_s);
    QMenu* menu = h->form->popupMenu();
    QTest::mouseClick(image, Qt::RightButton, {}, QPoint(12, 40));
    QTRY_VERIFY(menu->isVisible());
    QCOMPARE(menu->pos(), image->mapToGlobal(QPoint(12, 40)));
    menu->hide();
}

void TestForm1::rightClickElsewhereOpensNoMenu() {
    QMenu* menu = h->form->popupMenu();
    for (const char* name : {"CoolForm1", "Label5", "StaticText2", "Bevel1", "BitBtn1"}) {
        auto* control = h->child<QWidget>(QString::fromLatin1(name));
        QTest::mouseClick(control, Qt::RightButton, {}, QPoint(3, 3));
        QTest::qWait(20);
        QVERIFY2(!menu->isVisible(), name);
        QVERIFY2(!QApplication::activePopupWidget(), name);
    }
}

void TestForm1::aboutEntryShowsTheAboutWindowModally() {
    // Without an About window the entry does nothing.
    h->form->popupMenu()->actions().at(0)->trigger();

    QDialog about;
    about.setObjectName(u"AboutBox"_s);
    h->form->setAboutBox(&about);
    m_guard.allow(&about);
    bool wasModalWhileShown = false;
    QTimer::singleShot(100, &about, [&] {
        wasModalWhileShown = about.isVisible() && QApplication::activeModalWidget() == &about;
        about.reject();
    });
    h->form->popupMenu()->actions().at(0)->trigger();
    QVERIFY(wasModalWhileShown);
    QVERIFY(!about.isVisible());
    QVERIFY(h->messages.messages().isEmpty());
}

void TestForm1::enterInAFieldStartsNoRun() {
    const QList<QLineEdit*> fields = h->form->findChildren<QLineEdit*>();
    QCOMPARE(fields.size(), 26);
    for (QLineEdit* field : fields) {
        field->setFocus(Qt::TabFocusReason);
        QTest::keyClick(field, Qt::Key_Return);
        QTest::keyClick(field, Qt::Key_Enter, Qt::KeypadModifier);
    }
    QVERIFY(h->messages.messages().isEmpty());
    QVERIFY(h->messages.errors().isEmpty());
    QVERIFY(!QFile::exists(h->reportPath));
}

void TestForm1::enterOrSpaceOnTheFocusedButtonStartsARun() {
    auto* button = h->child<QWidget>(u"BitBtn1"_s);
    button->setFocus(Qt::TabFocusReason);
    QTest::keyClick(button, Qt::Key_Return);
    QCOMPARE(h->messages.messages(), QStringList{Saved(h->reportPath)});
    QTest::keyClick(button, Qt::Key_Space);
    QCOMPARE(h->messages.messages().size(), 2);
    QVERIFY(QFile::exists(h->reportPath));
}

TERVOX_TEST_MAIN(TestForm1)
#include "test_form1.moc"
