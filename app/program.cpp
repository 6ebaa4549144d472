#include "program.h"

#include "taboutbox.h"
#include "tform1.h"
#include "tform3.h"

#include <QCoreApplication>
#include <QEvent>
#include <QMetaObject>

namespace tervox::app {

Program::Program(ui::MessagePresenter& messages, ui::SoundPlayer& player, const QString& reportPath) {
    // Every request to end the program passes here first, also one that Form1's
    // creation makes before the event loop runs.
    if (QCoreApplication* app = QCoreApplication::instance())
        app->installEventFilter(this);

    // The order matters: the About window copies the splash window's picture, and
    // Form1's creation may already ask the program to end.
    m_form3 = std::make_unique<ui::TForm3>();
    connect(m_form3.get(), &ui::TForm3::closed, this, &Program::mainWindowClosing);

    m_form1 = std::make_unique<ui::TForm1>(m_state, messages, player, reportPath);
    connect(m_form1.get(), &ui::TForm1::terminationRequested, this, [this] { m_terminating = true; });

    m_aboutBox = std::make_unique<ui::TAboutBox>(*m_form3);
    m_form1->setAboutBox(m_aboutBox.get());
    m_form3->setCalculatorWindow(m_form1.get());
}

Program::~Program() = default;

void Program::showMainWindowWhenLoopRuns() {
    QMetaObject::invokeMethod(this, [this] {
        if (!m_terminating)
            m_form3->show();
    }, Qt::QueuedConnection);
}

void Program::mainWindowClosing() {
    m_terminating = true;
    emit mainWindowClosed();
    // Posted, so the close runs to its end first.
    QMetaObject::invokeMethod(this, [this] { endEventLoop(); }, Qt::QueuedConnection);
}

void Program::endEventLoop() {
    m_terminating = true;
    QCoreApplication::exit(0);
}

bool Program::eventFilter(QObject* watched, QEvent* event) {
    // QCoreApplication::quit() arrives as a Quit event, on which Qt would close every
    // visible window before the loop ends. End the loop without that; the windows are
    // destroyed with the program.
    if (watched == QCoreApplication::instance() && event->type() == QEvent::Quit) {
        endEventLoop();
        return true;
    }
    return QObject::eventFilter(watched, event);
}

} // namespace tervox::app
