// The application object: its title, and the default error display that catches what
// leaves an event handler and lets the program go on.
#include "applicationtitle.h"
#include "boxmessagepresenter.h"
#include "recordingmessages.h"
#include "tervoxapplication.h"
#include "tervoxtestmain.h"

#include <QAbstractButton>
#include <QMessageBox>
#include <QStyle>
#include <QTimer>

#include <stdexcept>

using namespace Qt::StringLiterals;
using tervox::ui::TervoxApplication;
using tervox::ui::testing::RecordingMessages;

namespace {

// A control whose click handler fails the way a run or a field conversion does.
class FailingControl : public QWidget {
public:
    QString message = u"'abc' is not a valid floating point value"_s;
    int presses = 0;

protected:
    void mousePressEvent(QMouseEvent*) override {
        ++presses;
        throw std::runtime_error(message.toStdString());
    }
};

// What a modal box showed: its caption, icon, text and buttons.
struct SeenBox {
    QString title;
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    QString text;
    int buttons = 0;
};

// Reads the next modal message box as it appears and closes it with OK.
void ReadNextBox(SeenBox& seen) {
    QTimer::singleShot(50, [&seen] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (!box)
            return;
        seen = {box->windowTitle(), box->icon(), box->text(), int(box->buttons().size())};
        box->button(QMessageBox::Ok)->click();
    });
}

} // namespace

class TestTervoxApplication : public QObject {
    Q_OBJECT
private slots:
    void carriesTheApplicationTitle();
    void errorsLeavingAHandlerAreShownAndTheProgramGoesOn_data();
    void errorsLeavingAHandlerAreShownAndTheProgramGoesOn();
    void realBoxesCarryTheTitleAndTheirIcon();
};

void TestTervoxApplication::carriesTheApplicationTitle() {
    QCOMPARE(QString::fromUtf8(tervox::ui::kApplicationTitle), u"Tervox Engine calc"_s);
    QCOMPARE(QGuiApplication::applicationDisplayName(), u"Tervox Engine calc"_s);
    // Classic 3D controls, as the windows were laid out for.
    QCOMPARE(QApplication::style()->name(), u"windows"_s);
}

void TestTervoxApplication::errorsLeavingAHandlerAreShownAndTheProgramGoesOn_data() {
    QTest::addColumn<QString>("message");
    QTest::addColumn<QString>("shown");
    QTest::newRow("full stop added") << u"Floating point overflow"_s << u"Floating point overflow."_s;
    QTest::newRow("already a full stop") << u"Done."_s << u"Done."_s;
    QTest::newRow("ends in a blank") << u"Unable to write to /x "_s << u"Unable to write to /x "_s;
    QTest::newRow("ends in a bracket") << u"(a)"_s << u"(a)"_s;
    QTest::newRow("ends in a letter") << u"'' is not a valid floating point value"_s
                                      << u"'' is not a valid floating point value."_s;
}

void TestTervoxApplication::errorsLeavingAHandlerAreShownAndTheProgramGoesOn() {
    QFETCH(QString, message);
    QFETCH(QString, shown);
    auto* app = qobject_cast<TervoxApplication*>(qApp);
    QVERIFY(app);
    RecordingMessages messages;
    app->setMessagePresenter(&messages);
    FailingControl control;
    control.message = message;
    control.resize(50, 50);
    control.show();
    QVERIFY(QTest::qWaitForWindowExposed(&control));
    QTest::mouseClick(&control, Qt::LeftButton);
    QCOMPARE(messages.errors(), QStringList{shown});
    // Still running: the next event is handled (and fails) the same way.
    QTest::mouseClick(&control, Qt::LeftButton);
    QCOMPARE(control.presses, 2);
    QCOMPARE(messages.errors().size(), 2);
    app->setMessagePresenter(nullptr);
    QVERIFY(dynamic_cast<tervox::ui::BoxMessagePresenter*>(&app->messagePresenter()));
}

void TestTervoxApplication::realBoxesCarryTheTitleAndTheirIcon() {
    tervox::ui::BoxMessagePresenter boxes;
    SeenBox seen;
    ReadNextBox(seen);
    boxes.showMessage(u"Can`t create soundstream"_s);
    QCOMPARE(seen.title, u"Tervox Engine calc"_s);
    QCOMPARE(seen.icon, QMessageBox::NoIcon);
    QCOMPARE(seen.text, u"Can`t create soundstream"_s);
    QCOMPARE(seen.buttons, 1);

    seen = {};
    ReadNextBox(seen);
    boxes.showError(u"Floating point division by zero"_s);
    QCOMPARE(seen.title, u"Tervox Engine calc"_s);
    QCOMPARE(seen.icon, QMessageBox::Critical);
    QCOMPARE(seen.text, u"Floating point division by zero."_s);
    QCOMPARE(seen.buttons, 1);
}

TERVOX_TEST_MAIN(TestTervoxApplication)
#include "test_tervoxapplication.moc"
