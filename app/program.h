#pragma once

#include "calcstate.h"

#include <QObject>
#include <QString>

#include <memory>

namespace tervox::ui {
class MessagePresenter;
class SoundPlayer;
class TAboutBox;
class TForm1;
class TForm3;
} // namespace tervox::ui

namespace tervox::app {

// The application shell: the calculation state and the three windows, created in
// the order Form3, Form1, AboutBox. Form3 is the main window: the event loop shows it,
// and closing it ends the program. Form1's creation runs `start` (the old report is
// deleted, the start-up sound begins, or the program is asked to end).
//
// Ending the program is a request to the event loop and nothing more: the windows
// are not closed one by one on the way out (Qt would close every visible window on
// QCoreApplication::quit(), and a close request of Form1 is the exit path, which
// would play the exit sound a second time).
class Program : public QObject {
    Q_OBJECT
public:
    // The presenter and the player must outlive the program's windows.
    Program(ui::MessagePresenter& messages, ui::SoundPlayer& player, const QString& reportPath);
    ~Program() override;

    ui::TForm3& form3() const { return *m_form3; }
    ui::TForm1& form1() const { return *m_form1; }
    ui::TAboutBox& aboutBox() const { return *m_aboutBox; }
    calc::CalcState& state() { return m_state; }

    // Whether the program has been asked to end (start-up without a sound track, the
    // exit path, or the main window closed).
    bool terminationRequested() const { return m_terminating; }

    // Shows the main window once the event loop runs, unless the program has been asked
    // to end by then: without a sound track no window is shown at all.
    void showMainWindowWhenLoopRuns();

signals:
    // The main window was closed: the program ends without the exit sound.
    void mainWindowClosed();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void mainWindowClosing();
    void endEventLoop();

    calc::CalcState m_state;
    bool m_terminating = false;
    std::unique_ptr<ui::TForm3> m_form3;
    std::unique_ptr<ui::TForm1> m_form1;
    std::unique_ptr<ui::TAboutBox> m_aboutBox;
};

} // namespace tervox::app
