#include "tervoxapplication.h"

#include "applicationtitle.h"

#include <QStyle>
#include <QStyleFactory>

#include <exception>

namespace tervox::ui {

TervoxApplication::TervoxApplication(int& argc, char** argv) : QApplication(argc, argv) {
    setApplicationDisplayName(QString::fromUtf8(kApplicationTitle));
    // The windows were laid out for classic 3D controls: group box captions 8 pixels in
    // from the frame, sunken fields, raised buttons. The built-in "Windows" style draws
    // them that way on every desktop; a style asked for through QT_STYLE_OVERRIDE wins.
    if (!qEnvironmentVariableIsSet("QT_STYLE_OVERRIDE")) {
        if (QStyle* classic = QStyleFactory::create(QStringLiteral("Windows")))
            setStyle(classic);
    }
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
