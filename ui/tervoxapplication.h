#pragma once

#include "boxmessagepresenter.h"

#include <QApplication>

namespace tervox::ui {

class MessagePresenter;

// The application object. It carries the application title and is the default
// error display: an exception that leaves an event handler is caught here, shown
// through the message presenter (with the full-stop rule), and the program goes on.
class TervoxApplication : public QApplication {
    Q_OBJECT
public:
    TervoxApplication(int& argc, char** argv);
    ~TervoxApplication() override;

    // The presenter that errors and simple messages go to. The application does not
    // own a presenter set here; nullptr restores the real message boxes.
    void setMessagePresenter(MessagePresenter* presenter);
    MessagePresenter& messagePresenter();

    bool notify(QObject* receiver, QEvent* event) override;

private:
    BoxMessagePresenter m_boxes;
    MessagePresenter* m_presenter = &m_boxes;
};

} // namespace tervox::ui
