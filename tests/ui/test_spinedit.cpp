// The integer spin field on its own: its value as a run reads it, and the key filter
// following the decimal separator it is given.
#include "spinedit.h"
#include "tervoxtestmain.h"

#include <QSignalSpy>

using namespace Qt::StringLiterals;
using tervox::ui::SpinEdit;

class TestSpinEdit : public QObject {
    Q_OBJECT
private slots:
    void valueReadsWholeNumbersOnly_data();
    void valueReadsWholeNumbersOnly();
    void setValueBringsIntoRange();
    void keyFilterFollowsTheDecimalSeparator();
};

void TestSpinEdit::valueReadsWholeNumbersOnly_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("value");
    QTest::newRow("whole") << u"27"_s << 27;
    QTest::newRow("signed") << u"-12"_s << -12;
    QTest::newRow("plus") << u"+8"_s << 8;
    QTest::newRow("leading blanks") << u"  9"_s << 9;
    QTest::newRow("trailing blank") << u"9 "_s << 0;
    QTest::newRow("decimal") << u"2,5"_s << 0;
    QTest::newRow("empty") << u""_s << 0;
    QTest::newRow("beyond 32 bits") << u"99999999999"_s << 0;
}

void TestSpinEdit::valueReadsWholeNumbersOnly() {
    QFETCH(QString, text);
    QFETCH(int, value);
    SpinEdit edit;
    edit.setRange(0, 50);
    edit.setText(text);
    QCOMPARE(edit.value(), value);
    QCOMPARE(edit.text(), text); // reading never rewrites the text
}

void TestSpinEdit::setValueBringsIntoRange() {
    SpinEdit edit;
    edit.setRange(0, 50);
    edit.setValue(51);
    QCOMPARE(edit.text(), u"50"_s);
    edit.setValue(-1);
    QCOMPARE(edit.text(), u"0"_s);
    edit.setValue(27);
    edit.stepBy(30);
    QCOMPARE(edit.text(), u"50"_s);
}

void TestSpinEdit::keyFilterFollowsTheDecimalSeparator() {
    SpinEdit edit;
    edit.setText(u"2"_s);
    edit.setDecimalSeparator(u"."_s);
    QSignalSpy beeps(&edit, &SpinEdit::keyRefused);
    QTest::keyClick(&edit, Qt::Key_Comma);
    QCOMPARE(beeps.size(), 1);
    QTest::keyClick(&edit, Qt::Key_Period);
    QCOMPARE(beeps.size(), 1);
    QCOMPARE(edit.text(), u"2."_s);
    // Editing shortcuts are control characters and pass.
    QTest::keyClick(&edit, Qt::Key_A, Qt::ControlModifier);
    QCOMPARE(beeps.size(), 1);
    QCOMPARE(edit.selectedText(), u"2."_s);
}

TERVOX_TEST_MAIN(TestSpinEdit)
#include "test_spinedit.moc"
