#include "tervoxapplication.h"

#include "applicationtitle.h"

#include <exception>

namespace tervox::ui {

TervoxApplication::TervoxApplication(int& argc, char** argv) : QApplication(argc, argv) {
    setApplicationDisplayName(QString::fromUtf8(kApplicationTitle));
}

TervoxApplication::~TervoxApplication() = default;

void TervoxApplication::setMessagePresenter(MessagePresenter* presenter) {
    m_presenter = presenter ? presenter : &m_boxes;
}

MessagePresenter& TervoxApplication::messagePresenter() {
    return *m_presenter;
}

bool TervoxApplication::notify(QObject* receiver, QEvent* event) {
    // The action that failed stops where it failed; the program itself goes on.
    try {
        return QApplication::notify(receiver, event);
    } catch (const std::exception& error) {
        m_presenter->showError(QString::fromStdString(error.what()));
    } catch (...) {
        m_presenter->showError(QStringLiteral("Unknown error"));
    }
    return false;
}

} // namespace tervox::ui
